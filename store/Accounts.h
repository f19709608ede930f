#pragma once

#include "core/AuctionHouse.h"
#include "store/AccountEntry.h"
#include "store/Database.h"

#include <QString>
#include <optional>
#include <vector>

// The statements on table user and the auction houses an account belongs to: the login
// window's accounts and passwords, the registration's new rows, the sub-accounts of a
// master account and their removal, and the stamp of the last listing download. Each
// call opens the connection for its unit of work and closes it again.
class Accounts {
public:
    struct AuctionHouse {
        int id = 0;
        QString name;
        QString url;
        int typ = 0;
    };

    // What the auction-house server answers for an account, in the order of its reply.
    struct ServerData {
        QString uid;
        QString firma;
        QString name;
        QString adresse;
        QString plz;
        QString ort;
        QString land;
        QString telefon;
        QString email;
    };

    struct NewUser {
        QString usern;
        QString password;
        QString auctionHouseName;
        int aukid = 0;
        // The master account's id for a sub-account, 0 for an account of its own.
        int hauptid = 0;
        ServerData server;
    };

    struct SubAccount {
        QString uid;
        QString password;
        QString usern;
        int aukid = 0;
    };

    // The stamp of a new user: the first listing download asks for everything since then.
    static constexpr const char *FirstLastUpdate = "01.01.1991";

    // Uses the login context's program directory unless another is given.
    explicit Accounts(QString programDir = {});

    // Every auction house, sorted by name.
    std::vector<AuctionHouse> auctionHouses();
    std::optional<AuctionHouse> auctionHouseNamed(const QString &name);

    // True when any row of that name at that auction house exists, sub-accounts included.
    bool userExists(const QString &usern, int aukid);
    // Stores the row and returns its local id.
    int addUser(const NewUser &user);

    // The sub-accounts of a master account, sorted by the seller name stored with them.
    std::vector<SubAccount> subAccounts(int masterId);
    // Removes every row of that name at that auction house, whatever its master.
    void removeUser(const QString &usern, int aukid);

    // The accounts of their own (no sub-accounts), as the login window lists them.
    std::vector<AccountEntry> ownAccounts();
    void changePassword(int userId, const QString &newPassword);

    // The row of table auktionshaus with that id; empty texts and zeros when there is none.
    ::AuctionHouse auctionHouseRow(int aukid);

    // user.lastupdate of the account; no value when the account has no row.
    std::optional<QString> lastUpdate(const QString &usern, int aukid);
    QString lastUpdateOf(int userId);
    void stampLastUpdate(const QString &usern, int aukid, const QString &stamp);

private:
    int idOfUser(const QString &usern, int aukid);

    Database m_db;
};
