#pragma once

#include <QString>
#include <QStringList>

// What the capabilities of an auction house make of the editor: which controls it shows,
// which lists it fills and on which page it opens.
struct EditorShape {
    bool auctionShopShown = false;
    bool fixedPriceEnabled = false;
    bool minPriceShown = false;
    bool countryShown = false;
    bool optionsShown = false;
    bool galleryShown = false;
    bool frontPageShown = false;
    bool auctionDataTabShown = true;
    bool repetitionShown = false;
    QStringList repetitionEntries;
    QString repetitionQuestion;
    QString repetitionUnit;
    QStringList conditions;
    // typ 1: no price or fee is shown and the Dutch-auction note is.
    bool priceLabelsHidden = false;
};
