#include "exchange/ListingDownloader.h"

#include "core/AppError.h"
#include "core/AccountSession.h"
#include "core/ProcessLocale.h"
#include "exchange/Credentials.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/HttpClient.h"
#include "exchange/HttpError.h"
#include "exchange/JpegSignature.h"
#include "store/InsertRecords.h"
#include "exchange/XmlRecordParser.h"
#include "exchange/PictureDownloadPool.h"
#include "store/Accounts.h"
#include "store/Database.h"
#include "store/Listings.h"
#include "store/PictureFolder.h"
#include "store/PictureNames.h"
#include "store/Transaction.h"

#include <QDateTime>

#include <algorithm>
#include <chrono>

namespace {

const QString ReloadSince = QStringLiteral("01.01.1990");

// A file that does not begin like a JPEG (an error text stored by an earlier version) is
// fetched again.
bool holdsPicture(const PictureFolder &folder, const QString &name)
{
    return folder.contains(name) && fileStartsLikeJpeg(folder.filePath(name));
}

} // namespace

ListingDownloader::~ListingDownloader() = default;

ListingDownloader::ListingDownloader(HttpClient &client, Database &db, const AccountSession &session,
                                     ExchangeProgress &progress, PictureDownloadPool &pictures)
    : m_client(client), m_db(db), m_session(session), m_progress(progress), m_pictures(pictures)
{
}

QString ListingDownloader::requestUrl(const Settings &settings, int list, int page, const QString &lastUpdate) const
{
    QString since = lastUpdate;
    since.replace(QLatin1Char(' '), QLatin1String("%20"));
    return m_session.house.url + QStringLiteral("/api/XMLAuctions.php?")
        + Credentials(settings.userName, settings.password).query(QStringLiteral("user"), QStringLiteral("pass"))
        + QStringLiteral("&aukID=") + QString::number(m_session.house.aukid) + QStringLiteral("&ShowAuktions=")
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
            reportError(QStringLiteral("FEHLER: Bei der Datenspeicherung"));
    };
    for (int list = 0; list < ListCount; ++list) {
        if (!fetchList(settings, list, lastUpdate, take)) {
            reportError(ExchangeMessages::noConnection());
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
    return Accounts(m_session.ProgramDir).lastUpdateOf(m_session.userID);
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
    QList<XmlRecordParser::RecordKind> kinds = {{listingRecord, Listings::downloadedFieldNames()}};
    if (pageCount)
        kinds.append({pagesRecord, {QStringLiteral("max")}});
    const XmlRecordParser parser(reply, kinds);
    if (parser.failed()) {
        // Reported once for each kind of record looked for.
        for (qsizetype i = 0; i < kinds.size(); ++i)
            reportError(parser.errorMessage());
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
    if (!Listings(m_db, m_session).storeDownloadedPage(page.list, page.records, replaceCopies))
        return false;
    m_storedRows = true;
    return true;
}

void ListingDownloader::replaceDownloadedLists(const QList<Page> &pages)
{
    Transaction unit(m_db);
    Listings(m_db, m_session).removeDownloadedLists();
    // The downloaded lists are empty now: no copy to replace.
    for (const Page &page : pages) {
        if (!storePage(page, false))
            throw AppError(QStringLiteral("FEHLER: Bei der Datenspeicherung"));
    }
    unit.commit();
}

void ListingDownloader::stampLastUpdate(const QString &userName, const QDateTime &started)
{
    Accounts(m_session.ProgramDir)
        .stampLastUpdate(userName, m_session.house.aukid, ProcessLocale::formatDateTime(started));
}

void ListingDownloader::queueMissingPictures()
{
    const PictureFolder folder(m_session.ProgramDir);
    const QList<QStringList> names = Listings(m_db, m_session).pictureNamesOfListingsWithPictures();
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
            const auto localName = PictureNames::downloadedPictureName(serverName, m_session.house.typ);
            if (!localName || holdsPicture(folder, *localName))
                continue;
            m_pictures.enqueue(pictureUrl(serverName), folder.filePath(*localName));
        }
        m_progress.keepResponsive();
    }
}

QString ListingDownloader::pictureUrl(const QString &serverName) const
{
    const AuctionHouse &house = m_session.house;
    if (house.typ == 1)
        return house.url + QLatin1Char('/') + serverName;
    return house.url + QStringLiteral("/api/filedownload.php?datei=") + serverName;
}

void ListingDownloader::reportError(const QString &text) const
{
    m_progress.report(ExchangeProgress::ReportKind::Error, text);
}
