#pragma once

#include "store/Database.h"

#include <QString>
#include <vector>

// The auction house's price lists: the price of each paid extra (table zusatz_preis) and
// the insertion-fee bands by start price (table einstellgebuehr). Amounts stay the texts
// the server sent. Each call opens the connection for its unit of work and closes it again.
class FeeTables {
public:
    struct ExtraPrice {
        int id = 0; // 1 bold title ... 7 front page; 0 when the stored id is no number
        QString bez;
        QString preis;
    };

    struct FeeBand {
        QString min_val;
        QString max_val;
        QString fee;
    };

    // Uses the login context's program directory unless another is given.
    explicit FeeTables(QString programDir = {});

    // In the order of their ids, so that a row's position names its extra.
    std::vector<ExtraPrice> extraPrices(int aukid);
    // In the order the master-data download stored them.
    std::vector<FeeBand> insertionFeeBands(int aukid);

private:
    Database m_db;
};
