#pragma once

#include "store/ColumnSpec.h"
#include "store/FieldRows.h"
#include "store/StoredRow.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <optional>

class Database;
struct AccountSession;

// The statements on table auktionen for one account at one auction house, on the
// caller's connection: the lists and their counts, the deletion of a listing, the
// transfer list's upload and the replacement of downloaded listings.
class Listings {
public:
    // The twelve fields every list reads, in this order.
    enum Field { Id, Titel, Startpreis, Gebotspreis, Anzahl, Sofortkaufpreis, Pic1, Status, Auktionstyp, Ende, Gebote, Dauer };
    static constexpr int FieldCount = 12;
    static const QStringList &listFields();

    Listings(Database &db, const AccountSession &session);

    int count(int listKind);
    // The rows of one list in its order: by end for downloaded lists, by title otherwise.
    FieldRows listRows(int listKind);
    FieldRows listingRow(int listingId);
    // The newest listing of the account (the one the editor has just saved).
    int newestListingId();
    static QString listStatement(int listKind);

    // Deletes the listing; false when the account has no such listing.
    bool remove(int listingId);
    // The names in pic1, pic2, pic3 of the listing; empty when there is none.
    QStringList pictureNames(int listingId);

    // Running auctions whose end has passed leave the running list.
    void removeEndedRunning();
    // The ids of the transfer list's listings that are ready to be sent.
    QList<int> readyForUpload();
    // Every column of the listing; none when it is gone.
    std::optional<StoredRow> listing(int listingId);
    // A sent listing leaves the transfer list.
    void removeSent(int listingId);

    // Stores one downloaded page of a list (0 running, 1 sold, 2 unsold) whole or not at all.
    // With replaceCopies a listing sent again replaces its earlier copy in any downloaded
    // list. False when the last record was not stored.
    bool storeDownloadedPage(int list, const QList<QStringList> &records, bool replaceCopies);
    // Empties the downloaded lists (inside the caller's transaction).
    void removeDownloadedLists();
    // pic1, pic2, pic3 of every listing of the account that has a first picture.
    QList<QStringList> pictureNamesOfListingsWithPictures();

    // The 65 columns of a downloaded listing with their types.
    static const ColumnSpecs &downloadedColumns();
    // The field names of a listing record in a server reply, in their order.
    static const QStringList &downloadedFieldNames();

private:
    // Runs statement with "##FIELD##" replaced by the backticked field names and returns
    // every row's values in field order.
    FieldRows selectFieldRows(const QString &statement, const QStringList &fields, const QVariantMap &values);
    void removeEarlierCopies(const QList<QStringList> &records);
    QVariantMap account() const;
    QVariantMap listingKey(int listingId) const;

    Database &m_db;
    int m_userID;
    int m_aukid;
};
