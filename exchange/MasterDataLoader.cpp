#include "exchange/MasterDataLoader.h"

#include "core/AccountSession.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/HttpClient.h"
#include "exchange/HttpError.h"
#include "store/InsertRecords.h"
#include "exchange/UrlEncode.h"
#include "exchange/XmlRecordParser.h"
#include "store/Database.h"
#include "store/MasterData.h"

namespace {

const QString CatalogueRecord = QStringLiteral("catno");

QList<XmlRecordParser::RecordKind> recordKinds()
{
    QList<XmlRecordParser::RecordKind> kinds;
    for (const MasterDataLoader::Section &section : MasterDataLoader::sections())
        kinds.append({section.recordName, section.fieldNames});
    kinds.append({CatalogueRecord, {QStringLiteral("id")}});
    return kinds;
}

} // namespace

MasterDataLoader::MasterDataLoader(HttpClient &client, Database &db, const AccountSession &session,
                                   ExchangeProgress &progress)
    : m_client(client), m_db(db), m_session(session), m_progress(progress), m_uid(session.uid)
{
}

const QList<MasterDataLoader::Section> &MasterDataLoader::sections()
{
    constexpr ColumnType Text = ColumnType::Text;
    constexpr ColumnType Number = ColumnType::WholeNumber;
    static const QList<Section> all = {
        {"kategorien", {"id", "name", "pid"}, "categories",
         {{"cat_id", Text}, {"cat_name", Text}, {"parent_id", Text}, {"aukid", Number}}},
        {"einstelldauer_shop", {"tage", "bez"}, "shop_einstelldauer", {{"tage", Number}, {"bez", Text}, {"aukid", Number}}},
        {"einstelldauer", {"tage", "bez"}, "einstelldauer", {{"tage", Number}, {"bez", Text}, {"aukid", Number}}},
        {"einstellgebuehr", {"id", "min", "max", "preis"}, "einstellgebuehr",
         {{"id", Number}, {"min_val", Text}, {"max_val", Text}, {"fee", Text}, {"aukid", Number}}},
        {"preise", {"id", "name", "preis"}, "zusatz_preis", {{"id", Text}, {"bez", Text}, {"preis", Text}, {"aukid", Number}}},
        {"zahlmethoden", {"id", "name"}, "zahlungsmethoden", {{"id", Number}, {"bez", Text}, {"aukid", Number}}},
        {"laender", {"id", "name"}, "land", {{"id", Number}, {"land", Text}, {"aukid", Number}}},
    };
    return all;
}

QString MasterDataLoader::storedCatalogueNumber() const
{
    return MasterData(m_db, m_session.house.aukid).catalogueNumber();
}

QString MasterDataLoader::requestUrl() const
{
    return m_session.house.url + QStringLiteral("/api/XMLDaten.php?catno=") + UrlEncode(storedCatalogueNumber())
        + QStringLiteral("&aukID=") + QString::number(m_session.house.aukid) + QStringLiteral("&uid=")
        + UrlEncode(m_uid);
}

void MasterDataLoader::load()
{
    m_progress.setStatus(QStringLiteral("Lade die allgemeinen Auktionsdaten"));
    const QString url = requestUrl();
    QByteArray reply;
    try {
        reply = m_client.get(url);
    } catch (const HttpError &error) {
        reportError(ExchangeMessages::noConnection() + QStringLiteral(" Meldung:") + error.text());
        m_closeWindow = true;
        return;
    }
    m_progress.appendRunLog(url);
    importReply(reply);
}

void MasterDataLoader::importReply(const QByteArray &reply)
{
    const QList<XmlRecordParser::RecordKind> kinds = recordKinds();
    const XmlRecordParser parser(reply, kinds);
    if (parser.failed()) {
        // Once for every record kind asked for, as each one finds the reply unreadable.
        for (qsizetype i = 0; i < kinds.size(); ++i)
            reportError(parser.errorMessage());
        return;
    }
    bool allStored = true;
    for (const Section &section : sections())
        allStored = importSection(section, parser) && allStored;
    // A section that could not be stored still holds older data than the catalogue number
    // says; keeping the old number makes the server send that section again next time.
    if (allStored)
        storeCatalogueNumber(parser);
}

bool MasterDataLoader::importSection(const Section &section, const XmlRecordParser &parser)
{
    const array_Datenfelder records = parser.records(section.recordName);
    if (records.isEmpty())
        return true;
    if (replaceSection(section, records))
        return true;
    reportError(QStringLiteral("FEHLER: Bei der Datenspeicherung"));
    return false;
}

bool MasterDataLoader::replaceSection(const Section &section, const array_Datenfelder &records)
{
    return MasterData(m_db, m_session.house.aukid).replaceSection(section.table, records, section.columns);
}

void MasterDataLoader::storeCatalogueNumber(const XmlRecordParser &parser)
{
    const array_Datenfelder numbers = parser.records(CatalogueRecord);
    if (numbers.isEmpty())
        return;
    MasterData(m_db, m_session.house.aukid).storeCatalogueNumber(numbers.first().value(0));
}

void MasterDataLoader::reportError(const QString &text)
{
    m_progress.report(ExchangeProgress::ReportKind::Error, text);
}
