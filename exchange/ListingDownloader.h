#pragma once

#include "exchange/array_Datenfelder.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <future>
#include <memory>

class Database;
class QDateTime;
class ExchangeProgress;
class HttpClient;
class PictureDownloadPool;
struct AccountSession;

// Brings the seller's running, sold and unsold listings from the server into the local
// lists, page by page, and queues the downloads of the pictures that are still missing.
class ListingDownloader {
public:
    struct Settings {
        QString userName;
        QString password;
        int dayCount = 60;
        // Replace the downloaded lists with everything the server has.
        bool reloadAll = false;
    };

    static constexpr int ListCount = 3; // running, sold, unsold
    // No real seller has this many pages in one list; a server announcing more is not
    // asked for them.
    static constexpr int DefaultMaxPagesPerList = 1000;

    ListingDownloader(HttpClient &client, Database &db, const AccountSession &session, ExchangeProgress &progress,
                      PictureDownloadPool &pictures);
    ~ListingDownloader();

    // The whole step. Raises AppError for a page count or a date that does not convert and
    // for database errors.
    void LoadListings(const Settings &settings);
    // True once the step has run or a request failed: the exchange window closes after the run.
    bool closeWindowAfterRun() const { return m_closeWindow; }
    void setMaxPagesPerList(int pages) { m_maxPagesPerList = pages; }

    QString requestUrl(const Settings &settings, int list, int page, const QString &lastUpdate) const;

private:
    struct Page {
        int list = 0;
        array_Datenfelder records;
    };

    QString lastUpdateText() const;
    // Hands over every page of one list as it arrives; false when a request failed.
    bool fetchList(const Settings &settings, int list, const QString &lastUpdate,
                   const std::function<void(Page &&)> &take);
    // A page fetched on a thread of its own, with a client of its own.
    std::future<QByteArray> prefetch(const QString &url);
    // Waits for a fetched page, keeping the window painted; false when it failed.
    bool awaitPage(std::future<QByteArray> &next, QByteArray *reply);
    // Waits for a page that is no longer wanted.
    void discard(std::future<QByteArray> &next);
    // The listings of a reply, and, when asked, the highest page number it announces.
    // False when the reply could not be read.
    bool readPage(const QByteArray &reply, array_Datenfelder *records, int *pageCount) const;
    // Stores one page in a transaction of its own; false when it could not be stored.
    bool storePage(const Page &page, bool replaceCopies);
    void replaceDownloadedLists(const QList<Page> &pages);
    void stampLastUpdate(const QString &userName, const QDateTime &started);
    void queueMissingPictures();
    QString pictureUrl(const QString &serverName) const;
    void reportError(const QString &text) const;
    // The highest page number to fetch for what a page announced.
    int boundedPageCount(int announced) const;

    HttpClient &m_client;
    Database &m_db;
    const AccountSession &m_session;
    ExchangeProgress &m_progress;
    PictureDownloadPool &m_pictures;
    bool m_closeWindow = false;
    bool m_storedRows = false;
    int m_maxPagesPerList = DefaultMaxPagesPerList;
    std::unique_ptr<HttpClient> m_prefetchClient;
};
