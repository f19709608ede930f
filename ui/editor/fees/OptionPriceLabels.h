#pragma once

#include "store/FeeTables.h"

#include <QString>
#include <vector>

// The price shown beside each paid extra and picture slot, from the auction house's
// extra prices. The labels are found by their form names.
class OptionPriceLabels {
public:
    struct Label {
        QString objectName; // "Label41" ...
        QString text;
    };

    // The label of the first picture, which is always free.
    static const QString FirstPictureText;

    // The form name of the label showing the extra with that id; empty for other ids.
    static QString labelNameOf(int extraId);
    // One label per row with an id from 1 to 7 and a price that is a number.
    static std::vector<Label> labelsFor(const std::vector<FeeTables::ExtraPrice> &prices, const QString &moneySymbol);
};
