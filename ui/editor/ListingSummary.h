#pragma once

#include "ui/editor/ListingDraft.h"
#include "ui/editor/ListingValues.h"
#include "ui/editor/fees/FeeCalculator.h"

#include <QString>
#include <optional>

class ListingEditor;

// The texts of the summary on the page "Ende", made from a checked listing, with the fees
// it will cost at its auction house.
struct ListingSummary {
    QString title;         // Label22
    QString startPrice;    // Label44
    QString buyNowPrice;   // Label45
    QString quantity;      // Label46
    QString duration;      // Label47
    QString articleNo;     // Label48
    QString location;      // Label29
    QString condition;     // Label32
    QString payment;       // Label33
    QString shipping;      // Label34
    QString extras;        // Label35
    QString description;   // shown rendered
    // No fees at auction houses of typ 1.
    std::optional<FeeCalculator::Lines> fees;
    // Fees that could not be determined, in message form.
    QStringList feeProblems;

    static ListingSummary of(const ListingEditor &editor, const ListingDraft &draft, const ListingValues &values);

    static QString amountText(double amount);
    static QString shippingText(const ListingValues &values, const QString &moneySymbol);
    static QString extrasText(const ListingValues &values);
};
