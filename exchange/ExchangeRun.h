#pragma once

#include <QString>

class Database;
class ExchangeProgress;
class HttpClient;
class PictureDownloadPool;
struct AccountSession;

// One transfer run: the version check, the removal of ended running auctions, and the
// steps its starter asked for (master data, upload of the transfer list, listings).
// Everything it shows goes through its progress; it needs no window and may run on any
// thread that owns the database connection.
class ExchangeRun {
public:
    struct Settings {
        QString userName;
        QString password;
        QString uid;
        bool FetchData = false;
        bool SendTransferList = false;
        // Only together with FetchData.
        bool FetchListings = false;
        bool ReloadAll = false;
    };

    // Reads the option file's settings, as the exchange window does when it is created.
    ExchangeRun(HttpClient &client, Database &db, const AccountSession &session, ExchangeProgress &progress,
                PictureDownloadPool &pictures);

    // Raises AppError (HttpError for the version check) for errors that end the run.
    void RunExchange(const Settings &settings);
    // The whole run; an error that ends it is reported as an unhandled error. False then.
    bool runReportingErrors(const Settings &settings);
    bool closeWindowAfterRun() const { return m_closeWindow; }

    static QString versionCheckUrl(const AccountSession &session);

private:
    // False when a newer version exists: the run stops.
    bool versionIsCurrent();
    void removeEndedAuctions();

    HttpClient &m_client;
    Database &m_db;
    const AccountSession &m_session;
    ExchangeProgress &m_progress;
    PictureDownloadPool &m_pictures;
    int m_dayCount;
    int m_load;
    bool m_closeWindow = false;
};
