#include "exchange/MasterDataLoader.h"

#include "core/LoginContext.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/HttpClient.h"
#include "exchange/HttpError.h"
#include "exchange/InsertRecords.h"
#include "exchange/UrlEncode.h"
#include "exchange/XmlRecordParser.h"
#include "store/Database.h"
#include "store/Statement.h"
#include "store/Transaction.h"

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

using ExchangeMessages::showError;

} // namespace

MasterDataLoader::MasterDataLoader(HttpClient &client, Database &db) : m_client(client), m_db(db)
{
}

const QList<MasterDataLoader::Section> &MasterDataLoader::sections()
{
    static const QList<Section> all = {
        {"kategorien", {"id", "name", "pid"}, "categories",
         {{"cat_id", "0"}, {"cat_name", "0"}, {"parent_id", "0"}, {"aukid", "1"}}},
        {"einstelldauer_shop", {"tage", "bez"}, "shop_einstelldauer", {{"tage", "1"}, {"bez", "0"}, {"aukid", "1"}}},
        {"einstelldauer", {"tage", "bez"}, "einstelldauer", {{"tage", "1"}, {"bez", "0"}, {"aukid", "1"}}},
        {"einstellgebuehr", {"id", "min", "max", "preis"}, "einstellgebuehr",
         {{"id", "1"}, {"min_val", "0"}, {"max_val", "0"}, {"fee", "0"}, {"aukid", "1"}}},
        {"preise", {"id", "name", "preis"}, "zusatz_preis",
         {{"id", "0"}, {"bez", "0"}, {"preis", "0"}, {"aukid", "1"}}},
        {"zahlmethoden", {"id", "name"}, "zahlungsmethoden", {{"id", "1"}, {"bez", "0"}, {"aukid", "1"}}},
        {"laender", {"id", "name"}, "land", {{"id", "1"}, {"land", "0"}, {"aukid", "1"}}},
    };
    return all;
}

QString MasterDataLoader::storedCatalogueNumber() const
{
    const QVariant stored = Statement::scalar(m_db, QStringLiteral("SELECT `catno` FROM `auktionshaus` WHERE `id`=:id"),
                                              {{QStringLiteral(":id"), loginContext().aukid}});
    return stored.isNull() ? QString() : stored.toString();
}

QString MasterDataLoader::requestUrl() const
{
    return loginContext().url + QStringLiteral("/api/XMLDaten.php?catno=") + UrlEncode(storedCatalogueNumber())
        + QStringLiteral("&aukID=") + QString::number(loginContext().aukid) + QStringLiteral("&uid=")
        + UrlEncode(m_uid);
}

void MasterDataLoader::load()
{
    report(m_status, QStringLiteral("Lade die allgemeinen Auktionsdaten"));
    const QString url = requestUrl();
    QByteArray reply;
    try {
        reply = m_client.get(url);
    } catch (const HttpError &error) {
        showError(ExchangeMessages::noConnection() + QStringLiteral(" Meldung:") + error.text());
        m_closeWindow = true;
        return;
    }
    report(m_runLog, url);
    importReply(reply);
}

void MasterDataLoader::importReply(const QByteArray &reply)
{
    const QList<XmlRecordParser::RecordKind> kinds = recordKinds();
    const XmlRecordParser parser(reply, kinds);
    if (parser.failed()) {
        // Once for every record kind asked for, as each one finds the reply unreadable.
        for (qsizetype i = 0; i < kinds.size(); ++i)
            showError(parser.errorMessage());
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
    showError(QStringLiteral("FEHLER: Bei der Datenspeicherung"));
    return false;
}

bool MasterDataLoader::replaceSection(const Section &section, const array_Datenfelder &records)
{
    const QString aukid = QString::number(loginContext().aukid);
    Transaction transaction(m_db);
    Statement::run(m_db, QStringLiteral("DELETE FROM `") + section.table + QStringLiteral("` WHERE `aukid`=:aukid"),
                   {{QStringLiteral(":aukid"), loginContext().aukid}});
    // Without a commit the old rows come back.
    if (!InsertRecords(m_db, section.table, {aukid}, records, section.columns))
        return false;
    transaction.commit();
    return true;
}

void MasterDataLoader::storeCatalogueNumber(const XmlRecordParser &parser)
{
    const array_Datenfelder numbers = parser.records(CatalogueRecord);
    if (numbers.isEmpty())
        return;
    Statement::run(m_db, QStringLiteral("UPDATE `auktionshaus` SET `catno`=:catno WHERE `id`=:id;"),
                   {{QStringLiteral(":catno"), numbers.first().value(0)}, {QStringLiteral(":id"), loginContext().aukid}});
}

void MasterDataLoader::report(const TextSink &sink, const QString &text) const
{
    if (sink)
        sink(text);
}
