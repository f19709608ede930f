#pragma once

#include <QString>
#include <QStringList>

class Database;
class ExchangeProgress;
class HttpClient;
class StoredRow;
struct AccountSession;
struct AuctionHouse;

// Sends the listings of the transfer list that are ready to the server, one form POST
// each, uploads their pictures under the new server id and removes each sent listing
// from the transfer list.
class TransferListUploader {
public:
    struct Settings {
        QString userName;
        QString password;
    };

    // A refusal marker of the server and the message the seller sees for it.
    struct Marker {
        const char *text;
        const char *message;
    };

    TransferListUploader(HttpClient &client, Database &db, const AccountSession &session, ExchangeProgress &progress);

    void UploadTransferList(const Settings &settings);
    bool closeWindowAfterRun() const { return m_closeWindow; }

    // The message for the first refusal marker found in the reply; empty when none is.
    static QString refusalMessage(const QString &reply);
    static QString listingUrl(const AuctionHouse &house);
    // The form fields of one listing, read from its row.
    static QStringList listingFields(const StoredRow &row, int pictureCount, const Settings &settings);
    // Full paths of the row's pictures in the program directory's picture folder, in slot order.
    static QStringList pictureFiles(const StoredRow &row, const QString &programDir);

private:
    void uploadReadyListings(const Settings &settings);
    // False when the POST failed: nothing more is sent in this run.
    bool uploadListing(const StoredRow &row, const Settings &settings);
    void uploadPictures(const QStringList &files, const QString &serverId, int auctionType, const Settings &settings);
    void reportError(const QString &text);

    HttpClient &m_client;
    Database &m_db;
    const AccountSession &m_session;
    ExchangeProgress &m_progress;
    bool m_closeWindow = false;
};
