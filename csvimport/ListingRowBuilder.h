#pragma once

#include "csvimport/CsvTable.h"
#include "csvimport/ImportFields.h"
#include "store/ImportedListings.h"

#include <QString>
#include <array>

// Turns one line of the file into the values of one imported listing, following the
// target fields. A value that cannot be converted raises AppError naming the line of
// the file and the target field.
class ListingRowBuilder {
public:
    static constexpr int MaxTitleLength = 255;

    struct Settings {
        // AuctionType: 1 HighestBid, 2 FixedPrice, 3 HighestBidWithFixedPrice, 4 ShopArticle
        int auctionType = 1;
        // The decimal separator of prices in the file.
        QString decimalSeparator = QStringLiteral(",");
        int versandangabe = 0;
    };

    ListingRowBuilder(const ImportFields &fields, Settings settings);

    // Everything but the pictures, which the import fills in once they are stored.
    ImportedListings::Row build(const CsvTable::Line &line) const;
    // The cleaned sources of Bild1, Bild2 and Bild3.
    std::array<QString, 3> pictureSources(const CsvTable::Line &line) const;

private:
    QString text(int row, const CsvTable::Line &line) const;
    QString title(const CsvTable::Line &line) const;
    int whole(int row, const CsvTable::Line &line) const;
    int wholeOrZero(int row, const CsvTable::Line &line) const;
    double price(int row, const CsvTable::Line &line) const;
    double priceOrZero(int row, const CsvTable::Line &line) const;
    [[noreturn]] void fail(int row, const CsvTable::Line &line) const;

    const ImportFields &m_fields;
    Settings m_settings;
};
