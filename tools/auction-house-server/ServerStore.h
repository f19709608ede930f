#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <atomic>
#include <mutex>
#include <optional>
#include <stdexcept>

class QSqlDatabase;

// The server's own store: one SQLite file, "server.sqlite", and the picture files under
// "pictures/<folder>/<file>" of the data directory, plus update files under
// "updates/<house name>/<file>".
//
// Every public operation takes the store's mutex and works on a connection that it opens
// on the calling thread and removes before it returns, so no QSqlDatabase ever crosses a
// thread. Several processes may use one data directory (WAL journal, busy time-out).
class ServerStore {
public:
    struct Error : std::runtime_error {
        using std::runtime_error::runtime_error;
    };

    struct Account {
        int id = 0;
        QString user;
        QString password;
        QString uid;
        bool blocked = false;
        QString firma, name, adresse, plz, ort, land, telefon, email;
    };

    // A master-data section of the XMLDaten reply.
    struct Section {
        QString element;      // "kategorien"
        QStringList fields;   // "id", "name", "pid"
    };
    static const QList<Section> &sections();

    struct Page {
        int total = 0;                 // listings that pass the filter
        QList<QVariantMap> listings;   // field name -> stored value, `id` included
    };

    struct ListingRef {
        int id = 0;
        int list = 0;
        QString user;
        QString title;
        QString ende;
    };

    explicit ServerStore(const QString &dataDir);
    ~ServerStore();
    ServerStore(const ServerStore &) = delete;
    ServerStore &operator=(const ServerStore &) = delete;

    QString dataDir() const { return m_dataDir; }
    // True when the data directory held no store yet (it has been created empty).
    bool wasCreated() const { return m_created; }
    // Fills the store from a seed document (see README.md). Relative picture paths are
    // taken from baseDir. Sections whose value is the text "demo" come from the built-in
    // demo seed.
    void applySeed(const QJsonObject &seed, const QString &baseDir);

    QString meta(const QString &key, const QString &fallback = {}) const;
    void setMeta(const QString &key, const QString &value);

    // `typ` of an auction house (0 when unknown).
    int houseTyp(int aukId) const;

    std::optional<Account> account(const QString &user) const;
    // Inserts or (same user name) updates; assigns a uid when it is empty. Returns the uid.
    QString saveAccount(const Account &account);
    bool setBlocked(const QString &user, bool blocked);

    // Master data
    int catalogueNumber() const;
    // The sections to send for a client's catalogue number: those changed since it when
    // it is one of the recent numbers, all of them otherwise.
    QStringList sectionsFor(const QString &clientCatno) const;
    QList<QStringList> sectionRows(const QString &element) const;
    // Marks a section changed; returns the new catalogue number.
    int touchSection(const QString &element);
    int addCategory(const QString &id, const QString &name, const QString &parentId);
    bool categoryExists(const QString &id) const;
    bool shopCategoryExists(const QString &id) const;
    QList<int> durations(bool shop) const;
    // The fee of the band holding the price; false when no band holds it.
    bool feeFor(double price, double *fee) const;

    // Listings. `values` maps field names of ListingFields (and "fsk", "bilder") to stored
    // values; missing ones get defaults. Returns the server id.
    int insertListing(int accountId, int list, const QVariantMap &values);
    QList<int> insertListings(int accountId, int list, const QList<QVariantMap> &values);
    Page listingPage(int accountId, int list, const QDateTime &changedAfter, int lastDays,
                     int page, int pageSize) const;
    std::optional<QVariantMap> listing(int id) const;
    int listingOwner(int id) const;
    int listingList(int id) const;
    // Ends a running listing: sold (list 1) or unsold (list 2). False when it is not a
    // running listing.
    bool endListing(int id, bool sold);
    // Running listings whose end has passed become sold (bids reaching the reserve) or
    // unsold. Returns how many.
    int expireDue();
    QList<ListingRef> listingRefs(int list /* -1: all */) const;

    // Pictures: stored as pictures/<folder>/<id>_<slot>.jpg; the listing's pic<slot> holds
    // the flat name <folder><id>_<slot>.jpg.
    QStringList storePictures(int listingId, const QList<QByteArray> &jpegs);
    QStringList pictureNames(int listingId) const;
    // The file of a picture name, flat or "<folder>/<file>"; empty when the name is not one
    // of ours or the file is missing.
    QString picturePath(const QString &name) const;
    static QString pictureFolder(int listingId);

    QString updateFilePath(const QString &house, const QString &file) const;

private:
    template <class F> auto run(F &&work) const;
    void createSchema(QSqlDatabase &db);
    int insertListingIn(QSqlDatabase &db, int accountId, int list, const QVariantMap &values);
    QStringList storePicturesIn(QSqlDatabase &db, int listingId, const QList<QByteArray> &jpegs);

    QString m_dataDir;
    QString m_dbPath;
    bool m_created = false;
    mutable std::mutex m_mutex;
    mutable std::atomic<quint64> m_connections{0};
};
