#pragma once

#include "core/AuctionHouse.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class Database;

// The lists the listing editor offers, read from an auction house's master data, and the
// rows it needs besides: the capabilities of an auction house and the seller's location.
// The caller's connection is opened on first use and stays open.
class MasterDataLists {
public:
    struct Duration {
        int tage = 0;
        QString bez;
    };

    struct Location {
        QString plz;
        QString ort;
    };

    MasterDataLists(Database &db, int aukid);

    // Regular or shop durations in the order the rows were stored.
    std::vector<Duration> durations(bool shop);
    // Payment methods in the order the rows were stored.
    QStringList paymentMethods();
    // Country names in ascending order.
    QStringList countries();
    // The auction house's row; no value when there is none.
    std::optional<AuctionHouse> auctionHouse();
    // The location stored with the account (the last row when there are several).
    std::optional<Location> accountLocation(const QString &uid);

private:
    void ensureOpen();

    Database &m_db;
    int m_aukid;
};
