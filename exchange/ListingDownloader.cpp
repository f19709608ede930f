#include "exchange/ListingDownloader.h"

#include "core/AppError.h"
#include "core/LoginContext.h"
#include "core/ProcessLocale.h"
#include "exchange/Credentials.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/HttpClient.h"
#include "exchange/HttpError.h"
#include "exchange/InsertRecords.h"
#include "exchange/JpegSignature.h"
#include "exchange/XmlRecordParser.h"
#include "exchange/PictureDownloadPool.h"
#include "exchange/Savepoint.h"
#include "store/Database.h"
#include "store/PictureFolder.h"
#include "store/PictureNames.h"
#include "store/Statement.h"
#include "store/Transaction.h"

#include <QDateTime>

#include <algorithm>
#include <chrono>

namespace {

using ExchangeMessages::showError;

const QString ReloadSince = QStringLiteral("01.01.1990");

// A file that does not begin like a JPEG (an error text stored by an earlier version) is
// fetched again.
bool holdsPicture(const PictureFolder &folder, const QString &name)
{
    return folder.contains(name) && fileStartsLikeJpeg(folder.filePath(name));
}

QVariantMap accountOfHouse()
{
    return {{QStringLiteral(":user"), loginContext().userID}, {QStringLiteral(":house"), loginContext().aukid}};
}

} // namespace

ListingDownloader::~ListingDownloader() = default;

ListingDownloader::ListingDownloader(HttpClient &client, Database &db, ExchangeProgress &progress,
                                     PictureDownloadPool &pictures)
    : m_client(client), m_db(db), m_progress(progress), m_pictures(pictures)
{
}

namespace {

using ExchangeMessages::showError;
// The fields of a listing record, in their order, with the type code of their column.
const QStringList &typedFields()
{
    static const QStringList fields = QString::fromLatin1(
        "id:2 seite:1 waehrung:0 kategorie:1 kategorie2:1 shopkategorie:1 dauer:1 auktionstyp:1 privatauktion:3 "
        "wiederholung:1 anzahl:1 posanzahl:1 startpreis:2 sofortkaufpreis:2 minpreis:2 treuhand:3 zustand:1 "
        "titel:0 u_titel:0 beschreibung:0 plz:0 ort:0 region:0 land:0 start:4 ende:4 artnr:0 zahlungsmethode:0 "
        "zahlungshinweis:0 versandtrager:3 versand_angabe:3 versand_versicherung:2 versand_rabatt:3 "
        "versand_int:3 versandkosten:2 versandoption:0 versandkostenoption:2 fett:3 marker:3 topkat:3 galerie:3 "
        "galerie_url:0 galerie_plus:3 startseite:3 zaehler:3 ruecknahme:3 pic_beschr:0 sofort_neu:3 themeID:3 "
        "layoutID:3 status:1 gebote:3 gebotspreis:2 mwst:2 enfsuche:3 zusatzangaben:0 pic1:0 pic2:0 pic3:0 "
        "pic4:0 pic5:0 pic6:0")
                                          .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return fields;
}
} // namespace

const QStringList &ListingDownloader::fieldNames()
{
    static const QStringList names = [] {
        QStringList result;
        for (const QString &field : typedFields())
            result.append(field.section(QLatin1Char(':'), 0, 0));
        return result;
    }();
    return names;
}

const array_Datenfelder &ListingDownloader::columns()
{
    static const array_Datenfelder all = [] {
        array_Datenfelder result;
        for (const QString &field : typedFields()) {
            QString column = field.section(QLatin1Char(':'), 0, 0);
            if (column == QLatin1String("id"))
                column = QStringLiteral("artID");
            else if (column == QLatin1String("seite"))
                column = QStringLiteral("seitenID");
            result.append({column, field.section(QLatin1Char(':'), 1, 1)});
        }
        result.append({QStringLiteral("artliste"), QStringLiteral("1")});
        result.append({QStringLiteral("aukID"), QStringLiteral("1")});
        result.append({QStringLiteral("userID"), QStringLiteral("1")});
        return result;
    }();
    return all;
}

QString ListingDownloader::requestUrl(const Settings &settings, int list, int page, const QString &lastUpdate) const
{
    QString since = lastUpdate;
    since.replace(QLatin1Char(' '), QLatin1String("%20"));
    return loginContext().url + QStringLiteral("/api/XMLAuctions.php?")
        + Credentials(settings.userName, settings.password).query(QStringLiteral("user"), QStringLiteral("pass"))
        + QStringLiteral("&aukID=") + QString::number(loginContext().aukid) + QStringLiteral("&ShowAuktions=")
        + QString::number(list) + QStringLiteral("&no=") + QString::number(page) + QStringLiteral("&LastDate=")
        + QString::number(settings.dayCount) + QStringLiteral("&LastUpdate=") + since;
}

void ListingDownloader::LoadListings(const Settings &settings)
{
    m_client.setFollowRedirects(true);
    m_progress.appendRunLog(QStringLiteral("--- Lade infos aus dem Auktionshaus"));
    const QString lastUpdate = settings.reloadAll ? ReloadSince : lastUpdateText();
    // Changes the server makes while the download runs come again next time.
    const QDateTime started = QDateTime::currentDateTime();

    QList<Page> fetched;
    const auto take = [&](Page &&page) {
        if (settings.reloadAll)
            fetched.append(std::move(page));
        else if (!storePage(page, true))
            showError(QStringLiteral("FEHLER: Bei der Datenspeicherung"));
    };
    for (int list = 0; list < ListCount; ++list) {
        if (!fetchList(settings, list, lastUpdate, take)) {
            showError(ExchangeMessages::noConnection());
            m_closeWindow = true;
            return;
        }
    }
    // A full reload replaces the downloaded lists only once every page has arrived, in
    // the same transaction that stores them: a broken run keeps the old lists.
    if (settings.reloadAll)
        replaceDownloadedLists(fetched);

    m_progress.setProgress1(60);
    m_progress.setStatus(QStringLiteral("Bilderdownload (Zeitaufwendig!)"));
    m_progress.setProgress1(65);
    queueMissingPictures();
    if (m_storedRows)
        stampLastUpdate(settings.userName, started);
    m_progress.setStatus(QStringLiteral("Alle Vorgäng abgeschlossen!"));
    m_progress.setProgress1(100);
    m_db.close();
    m_closeWindow = true;
}

QString ListingDownloader::lastUpdateText() const
{
    return Statement::scalar(m_db, QStringLiteral("SELECT `lastupdate` FROM `user` where `id`=:id"),
                             {{QStringLiteral(":id"), loginContext().userID}})
        .toString();
}

bool ListingDownloader::fetchList(const Settings &settings, int list, const QString &lastUpdate,
                                  const std::function<void(Page &&)> &take)
{
    int pageCount = 1;
    QByteArray reply;
    try {
        reply = m_client.get(requestUrl(settings, list, 0, lastUpdate));
    } catch (const HttpError &) {
        return false;
    }
    for (int page = 0; page <= pageCount; ++page) {
        m_progress.setProgress1(50);
        m_progress.setStatus(QStringLiteral("Schreibe Auktionen ..."));
        m_progress.keepResponsive();
        // The next page travels while this one is read and stored.
        std::future<QByteArray> next;
        const bool countSettled = pageCount != 1;
        if (countSettled && page < pageCount)
            next = prefetch(requestUrl(settings, list, page + 1, lastUpdate));
        Page received{list, {}};
        // Until a page announces another count, each reply is asked for it.
        const bool readable = readPage(reply, &received.records, pageCount == 1 ? &pageCount : nullptr);
        pageCount = boundedPageCount(pageCount);
        // A page without listings is past the end, whatever count the server announced.
        if (readable && received.records.isEmpty() && pageCount != 1) {
            discard(next);
            return true;
        }
        if (!next.valid() && page < pageCount)
            next = prefetch(requestUrl(settings, list, page + 1, lastUpdate));
        if (!received.records.isEmpty())
            take(std::move(received));
        if (next.valid() && !awaitPage(next, &reply))
            return false;
    }
    return true;
}

std::future<QByteArray> ListingDownloader::prefetch(const QString &url)
{
    // One client for all prefetched pages keeps its connection; it serves one page at a time.
    if (!m_prefetchClient) {
        m_prefetchClient = std::make_unique<HttpClient>(HttpClient::Kind::ExchangeWindow);
        m_prefetchClient->setFollowRedirects(true);
        m_prefetchClient->setConnectTimeout(m_client.connectTimeout());
        m_prefetchClient->setStallTimeout(m_client.stallTimeout());
        m_prefetchClient->setTotalTimeout(m_client.totalTimeout());
    }
    HttpClient *client = m_prefetchClient.get();
    return std::async(std::launch::async, [client, url] { return client->get(url); });
}

bool ListingDownloader::awaitPage(std::future<QByteArray> &next, QByteArray *reply)
{
    while (next.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        m_progress.keepResponsive();
    try {
        *reply = next.get();
        return true;
    } catch (const HttpError &) {
        return false;
    }
}

void ListingDownloader::discard(std::future<QByteArray> &next)
{
    QByteArray unused;
    if (next.valid())
        awaitPage(next, &unused);
}

int ListingDownloader::boundedPageCount(int announced) const
{
    return std::min(announced, m_maxPagesPerList - 1);
}

bool ListingDownloader::readPage(const QByteArray &reply, array_Datenfelder *records, int *pageCount) const
{
    const QString pagesRecord = QStringLiteral("pages");
    const QString listingRecord = QStringLiteral("auktionen");
    QList<XmlRecordParser::RecordKind> kinds = {{listingRecord, fieldNames()}};
    if (pageCount)
        kinds.append({pagesRecord, {QStringLiteral("max")}});
    const XmlRecordParser parser(reply, kinds);
    if (parser.failed()) {
        // Reported once for each kind of record looked for.
        for (qsizetype i = 0; i < kinds.size(); ++i)
            showError(parser.errorMessage());
        return false;
    }
    *records = parser.records(listingRecord);
    if (!pageCount)
        return true;
    const array_Datenfelder pages = parser.records(pagesRecord);
    if (pages.isEmpty())
        return true;
    bool ok = false;
    const int highest = pages.first().value(0).trimmed().toInt(&ok);
    if (!ok)
        throw AppError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(pages.first().value(0)));
    *pageCount = highest;
    return true;
}

bool ListingDownloader::storePage(const Page &page, bool replaceCopies)
{
    const QStringList extras = {QString::number(page.list), QString::number(loginContext().aukid),
                                QString::number(loginContext().userID)};
    Savepoint unit(m_db);
    if (replaceCopies)
        removeEarlierCopies(page);
    if (!InsertRecords(m_db, QStringLiteral("auktionen"), extras, page.records, columns()))
        return false;
    unit.release();
    m_storedRows = true;
    return true;
}

void ListingDownloader::removeEarlierCopies(const Page &page)
{
    // The server sends a listing again whenever it changed (a bid, its sale): the new state
    // replaces the one stored before, in whichever downloaded list that was.
    Statement remove(m_db, QStringLiteral("DELETE FROM `auktionen` WHERE (artliste=0 OR artliste=1 OR artliste=2) "
                                          "AND `userID`=:user AND `aukID`=:house AND `artID`=:id"));
    remove.bind(QStringLiteral(":user"), loginContext().userID).bind(QStringLiteral(":house"), loginContext().aukid);
    for (const QStringList &record : page.records) {
        double serverId = 0;
        if (ProcessLocale::parseNumber(record.value(0), &serverId))
            remove.bind(QStringLiteral(":id"), serverId).exec();
    }
}

void ListingDownloader::replaceDownloadedLists(const QList<Page> &pages)
{
    Transaction unit(m_db);
    Statement::run(m_db,
                   QStringLiteral("DELETE FROM `auktionen` where (artliste=1 OR artliste=2 OR artliste=0) And "
                                  "`userID`=:user AND `aukID`=:house"),
                   accountOfHouse());
    // The downloaded lists are empty now: no copy to replace.
    for (const Page &page : pages) {
        if (!storePage(page, false))
            throw AppError(QStringLiteral("FEHLER: Bei der Datenspeicherung"));
    }
    unit.commit();
}

void ListingDownloader::stampLastUpdate(const QString &userName, const QDateTime &started)
{
    Statement::run(m_db, QStringLiteral("UPDATE `user` SET lastupdate=:stamp WHERE usern=:name AND aukid=:house"),
                   {{QStringLiteral(":stamp"), ProcessLocale::formatDateTime(started)},
                    {QStringLiteral(":name"), userName},
                    {QStringLiteral(":house"), loginContext().aukid}});
}

void ListingDownloader::queueMissingPictures()
{
    const LoginContext &context = loginContext();
    const PictureFolder folder(context.ProgramDir);
    Statement rows(m_db, QStringLiteral("SELECT `pic1`,`pic2`,`pic3` FROM `auktionen` WHERE `userID`=:user AND "
                                        "`aukID`=:house AND `pic1`<>'0'"));
    rows.bind(QStringLiteral(":user"), context.userID).bind(QStringLiteral(":house"), context.aukid).exec();
    QList<QStringList> names;
    while (rows.next())
        names.append({rows.text(QStringLiteral("pic1")), rows.text(QStringLiteral("pic2")), rows.text(QStringLiteral("pic3"))});
    m_progress.setProgress2Maximum(static_cast<int>(names.size()));
    m_pictures.removeStalePartFiles(folder.folderPath());
    for (const QStringList &row : names) {
        m_progress.setStatus(QStringLiteral("Lade fehlende Bilder (dies dauert evtl. viel Zeit!)..."));
        m_progress.advanceProgress2();
        m_progress.appendRunLog(QStringLiteral("Bilderdownload:"));
        for (const QString &serverName : row) {
            m_progress.appendRunLog(serverName);
            if (serverName.isEmpty() || serverName == QLatin1String("0"))
                continue;
            // A name that could reach outside the picture folder is never fetched.
            const auto localName = PictureNames::downloadedPictureName(serverName, context.typ);
            if (!localName || holdsPicture(folder, *localName))
                continue;
            m_pictures.enqueue(pictureUrl(serverName), folder.filePath(*localName));
        }
        m_progress.keepResponsive();
    }
}

QString ListingDownloader::pictureUrl(const QString &serverName)
{
    const LoginContext &context = loginContext();
    if (context.typ == 1)
        return context.url + QLatin1Char('/') + serverName;
    return context.url + QStringLiteral("/api/filedownload.php?datei=") + serverName;
}
