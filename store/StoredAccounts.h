#pragma once

#include "store/Database.h"

#include <QString>
#include <vector>

// The stored accounts an unattended transfer run can work for, with the auction house
// each belongs to.
class StoredAccounts {
public:
    struct Account {
        int userID = 0;
        QString usern;
        QString password;
        QString uid;
        int aukid = 0;
        QString houseName;
        QString houseUrl;
        QString moneySymbol;
        int typ = 0;
    };

    explicit StoredAccounts(QString programDir);

    // Every account of that name, ordered by auction-house id.
    std::vector<Account> accountsNamed(const QString &usern);

private:
    Database m_db;
};
