#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>

// Our own auction-house server: a real HTTP server on 127.0.0.1 with its own store (an
// SQLite file and picture files in a data directory). It serves every request of the
// server interface (account check, master data, listings, pictures, listing and
// picture upload) and the update server's two requests, and it can be told to fail per
// path. See README.md in this folder for the request and reply formats, the seed file and
// the admin endpoints.
//
// Thread safety: the handlers run on the HTTP server's worker threads; every public method
// may be called from any thread.
class AuctionHouseServer {
public:
    struct Options {
        QString dataDir;   // empty: a temporary directory that goes with the server
        QString seedFile;  // empty: built-in demo seed; only used when dataDir holds no store
    };

    // Opens the store in dataDir, filling an empty one from the seed. Throws
    // std::runtime_error when the store cannot be opened or the seed not read.
    explicit AuctionHouseServer(Options options);
    ~AuctionHouseServer(); // stops
    AuctionHouseServer(const AuctionHouseServer &) = delete;
    AuctionHouseServer &operator=(const AuctionHouseServer &) = delete;

    // Listens on 127.0.0.1; 0 = an ephemeral port. Returns the port; throws
    // std::runtime_error when the port cannot be bound.
    quint16 start(quint16 port = 0);
    // Returns promptly even while requests are stalled: they are released and their
    // connections closed.
    void stop();
    bool isRunning() const;
    quint16 port() const;
    QString baseUrl() const; // "http://127.0.0.1:<port>"
    QString dataDir() const;

    // Fault switches, per request path (without query), for example "/api/XMLAuctions.php":
    // - Refuse: the connection is closed without a byte of answer.
    // - Stall: the request is accepted and never answered; after `argument` ms (default:
    //   until stop(), at most 10 minutes) or when the client gives up, the connection is
    //   closed without answer.
    // - DropMidReply: the normal reply is produced (its effects happen), its headers and
    //   part of its body are sent (`argument` bytes, default half), then the connection is
    //   closed.
    // - BrokenXml: the normal reply is produced, its body cut in the middle and left with
    //   an unclosed tag; the HTTP answer itself is complete (status 200).
    // - Marker: instead of processing the request, status 200 with `argument` as the whole
    //   body (default "ERROR").
    // - Delay: the normal reply after `argument` ms (default 1000).
    // None removes the switch of that path.
    enum class Fault { None, Refuse, Stall, DropMidReply, BrokenXml, Marker, Delay };
    void setFault(const QString &path, Fault fault, const QString &argument = {});
    void clearFaults();
    static QString faultName(Fault fault);
    // "refuse", "stall", "drop", "brokenxml", "marker", "delay", "none" (also the enum's
    // names, any case); false for an unknown name.
    static bool parseFault(const QString &name, Fault *fault);

    // Test helpers.

    // Adds an account, or replaces password and blocked state of an existing one. The nine
    // registration fields get defaults (uid assigned by the server, name "Max Mustermann",
    // address in Köln, ...). Returns the uid.
    QString addAccount(const QString &user, const QString &password, bool blocked = false);
    struct AccountDetails {
        QString uid; // empty: assigned
        QString firma, name, adresse, plz, ort, land, telefon, email;
    };
    QString addAccount(const QString &user, const QString &password, bool blocked, const AccountDetails &details);
    void setBlocked(const QString &user, bool blocked);

    // Adds a listing of `user` to list 0 (running), 1 (sold) or 2 (unsold). `fields` maps
    // any of the 62 element names of an `auktionen` record to a value in wire
    // form: amounts "12,50" or "12.50", stamps "yyyy-MM-dd HH:mm:ss" or relative "now+3d",
    // "now-2h30m". Unset fields get sensible defaults (a running listing started a day ago
    // and ends after its duration; an ended one ended a day ago). `pictures` (0 to 3)
    // generated JPEG pictures are stored with it. Returns the server id (from 100001 on).
    // Throws std::runtime_error for an unknown user or a value that does not convert.
    int addListing(const QString &user, int list, const QString &title,
                   const QMap<QString, QString> &fields = {}, int pictures = 0);
    // Many listings in one go (titles title + " 1" ...); returns their ids.
    QList<int> addListings(const QString &user, int list, const QString &title, int count);
    // Moves a running listing to sold (a sale without bids gets one bid at the buy-now or
    // start price) or unsold; its end becomes now when it lay ahead. False when serverId is
    // not a running listing.
    bool endListing(int serverId, bool sold);
    // The list (0, 1, 2) of a listing; -1 when there is none with that id.
    int listOf(int serverId) const;
    // The 62 fields of a listing as the XML download sends them (pic1 to pic3 in the flat
    // form of `typ` 0 houses); empty when there is none with that id.
    QMap<QString, QString> listingRecord(int serverId) const;

    // Master data: the current catalogue number, and a change of one section (its XML
    // record name, for example "kategorien") that makes a new catalogue number.
    int catalogueNumber() const;
    int touchMasterData(const QString &section);
    int addCategory(const QString &id, const QString &name, const QString &parentId);

    // Update server: clients whose version is lower than `version` are told
    // `updateFileName`; an empty version means every client is current ("0").
    void setCurrentVersion(const QString &version, const QString &updateFileName);
    // The signature served as an update file's name + ".sig": by default the detached
    // signature of the file by the demo key; for tests a wrong one, or none (404).
    enum class SignatureMode { Good, Bad, Missing };
    void setUpdateSignature(SignatureMode mode);

    // Names of the stored pictures of a listing, in slot order, in the flat form that the
    // XML of `typ` 0 houses carries ("3f9a2c100001_1.jpg"; `typ` 1 houses get
    // "3f9a2c/100001_1.jpg").
    QStringList receivedPictures(int serverId) const;
    QByteArray pictureBytes(const QString &name) const;
    // Requests received for a path (without query), faulted ones included.
    int requestCount(const QString &path) const;
    void resetRequestCounts();

    static constexpr int PageSize = 200;
    static constexpr const char *Checksum = "wbna61kqy4083mtrge716";

private:
    struct Private;
    std::unique_ptr<Private> d;
};
