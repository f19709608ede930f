#pragma once

#include "ui/editor/AuctionTypes.h"

#include <QList>
#include <QString>
#include <array>

// One listing as the seller typed it: every field's text, the chosen list positions and
// the picture files. The editor window shows a draft and reads it back; the check and the
// save work on drafts without any window.
struct ListingDraft {
    int auctionType = AuctionTypes::HighestBid;

    QString title;
    QString ownArticleNo;
    QString postcode;
    QString town;
    QString country;

    QString startPrice = QStringLiteral("1,00");
    QString buyNowPrice = QStringLiteral("N/A");
    QString minPrice = QStringLiteral("0");
    QString quantity = QStringLiteral("1");

    // List positions; -1 for none.
    int durationIndex = -1;
    int conditionIndex = -1;
    int taxIndex = 0;
    int repetitionIndex = -1;
    bool fsk18 = false;

    // "0" or empty: no category.
    QString categoryId = QStringLiteral("0");

    bool bold = false;
    bool topCategory = false;
    bool highlight = false;
    bool gallery = false;
    bool frontPage = false;

    bool buyerPays = false;
    bool international = false;
    bool costsGiven = false;
    QString shippingMethod;
    QString shippingCost = QStringLiteral("0");
    QString insuranceOption;
    QString insuranceCost = QStringLiteral("0");
    // EU and world amounts of the extended shipping grid, first and second row.
    std::array<QString, 4> extendedCosts{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                         QStringLiteral("0")};

    QList<int> paymentPositions;
    std::array<QString, 3> pictures;
    QString description;

    // "Speichern in": 0 transfer list, 1 article master.
    int saveTarget = 1;
};
