#include "ui/editor/CapabilityRules.h"

namespace CapabilityRules {

namespace {

void applyRepetition(const AuctionHouse &house, EditorShape &shape)
{
    if (house.wiedereinstellen < 1) {
        shape.auctionDataTabShown = shape.fixedPriceEnabled;
        return;
    }
    shape.repetitionShown = true;
    shape.repetitionEntries = repetitionEntries(house.wiedereinstellen, house.wiedereinstellen_anz);
    if (house.wiedereinstellen_anz == 1) {
        shape.repetitionQuestion = QStringLiteral("Soll der Artikel nach Ablauf wiedereingestellt werden?");
        shape.repetitionUnit = QStringLiteral("0=nein bzw. 1=ja");
    }
}

} // namespace

QStringList repetitionEntries(int mode, int maximum)
{
    QStringList entries;
    if (mode == 1) {
        for (int n = 0; n <= maximum; ++n)
            entries << QString::number(n);
    } else if (mode == 2) {
        entries << QStringLiteral("0") << QStringLiteral("3") << QStringLiteral("5") << QStringLiteral("10");
    }
    return entries;
}

QStringList conditions(const AuctionHouse &house)
{
    QStringList texts;
    for (const QString &text : house.zust) {
        if (!text.isEmpty())
            texts << text;
    }
    return texts;
}

EditorShape shapeFor(const AuctionHouse &house)
{
    EditorShape shape;
    shape.repetitionQuestion = QStringLiteral("Wie oft soll der Artikel automatisch wiedereingestellt werden?");
    shape.repetitionUnit = QStringLiteral("Mal");
    shape.auctionShopShown = house.auktions_shop == 1;
    shape.fixedPriceEnabled = house.festpreis == 1;
    shape.minPriceShown = house.minpreis == 1;
    shape.countryShown = house.typ == 2;
    shape.optionsShown = house.zusatzoptionen != 0;
    shape.galleryShown = house.galerie == 1;
    shape.frontPageShown = house.startseite == 1;
    shape.conditions = conditions(house);
    shape.priceLabelsHidden = house.typ == 1;
    applyRepetition(house, shape);
    return shape;
}

} // namespace CapabilityRules
