// The editor's rules without a window: capabilities, quantity, payment, shipping, search keys.

#include "core/AuctionHouse.h"
#include "ui/editor/AuctionTypes.h"
#include "ui/editor/CapabilityRules.h"
#include "ui/editor/CategorySearch.h"
#include "ui/editor/PaymentChoice.h"
#include "ui/editor/QuantityRule.h"
#include "ui/editor/ShippingRules.h"

#include <gtest/gtest.h>

namespace {

using AuctionTypes::QuantityKind;

TEST(CapabilityRules, RepetitionEntriesFollowModeAndMaximum)
{
    struct Case {
        int mode;
        int maximum;
        QStringList entries;
    };
    const Case cases[] = {
        {1, 3, {"0", "1", "2", "3"}},
        {1, 1, {"0", "1"}},
        {1, -1, {}},
        {2, 7, {"0", "3", "5", "10"}},
        {3, 5, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CapabilityRules::repetitionEntries(c.mode, c.maximum), c.entries) << c.mode << " " << c.maximum;
}

TEST(CapabilityRules, ConditionsSkipEmptyTexts)
{
    AuctionHouse house;
    house.zust[0] = QStringLiteral("Neu");
    house.zust[2] = QStringLiteral("Defekt");
    EXPECT_EQ(CapabilityRules::conditions(house), (QStringList{"Neu", "Defekt"}));
}

TEST(CapabilityRules, WithoutFixedPriceAndRelistingTheAuctionDataTabGoes)
{
    AuctionHouse house;
    house.festpreis = 0;
    house.wiedereinstellen = 0;
    EXPECT_FALSE(CapabilityRules::shapeFor(house).auctionDataTabShown);
    house.festpreis = 1;
    EXPECT_TRUE(CapabilityRules::shapeFor(house).auctionDataTabShown);
    EXPECT_FALSE(CapabilityRules::shapeFor(house).repetitionShown);
}

TEST(QuantityRule, TypesDecideWhetherTheQuantityCanBeTyped)
{
    struct Case {
        QuantityKind kind;
        int aukid;
        int mehrfach;
        QString typed;
        bool enabled;
        QString text;
    };
    const Case cases[] = {
        {QuantityKind::FixedPrice, 11, 0, "5", false, "1"},
        {QuantityKind::FixedPrice, 11, 1, "5", true, "5"},
        {QuantityKind::FixedPrice, 11, 2, "5", true, "5"},
        {QuantityKind::FixedPrice, 1, 0, "5", true, "5"},
        {QuantityKind::FixedPrice, 2, 0, "5", true, "5"},
        {QuantityKind::Auction, 11, 0, "5", true, "5"},
        {QuantityKind::Auction, 11, 2, "5", false, "5"},
        {QuantityKind::Auction, 2, 0, "5", false, "5"},
        {QuantityKind::Unchanged, 11, 2, "5", false, "5"},
    };
    for (const Case &c : cases) {
        const QuantityRule::State state = QuantityRule::apply(c.kind, c.aukid, c.mehrfach, {false, c.typed});
        EXPECT_EQ(state.enabled, c.enabled) << c.aukid << " " << c.mehrfach;
        EXPECT_EQ(state.text, c.text) << c.aukid << " " << c.mehrfach;
    }
}

TEST(AuctionTypes, ShopTypesUseShopDurationsAndOnlyTheAuctionShopItsTree)
{
    for (int code : AuctionTypes::all()) {
        const AuctionTypes::Layout &layout = AuctionTypes::layoutFor(code);
        EXPECT_EQ(layout.shopDurations, code == AuctionTypes::ShopArticle || code == AuctionTypes::AuctionShopArticle);
        EXPECT_EQ(layout.categoryTable == Categories::Table::AuctionsShop, code == AuctionTypes::AuctionShopArticle);
    }
    EXPECT_FALSE(AuctionTypes::isKnown(5));
}

TEST(PaymentChoice, TwoMethodsAreJoinedByCommaAndRestoredBySubstring)
{
    const QStringList names{"Überweisung", "Nachnahme", "Barzahlung", "PayPal"};
    EXPECT_EQ(PaymentChoice::join(names, {2, 0}), QStringLiteral("Überweisung,Barzahlung"));
    EXPECT_EQ(PaymentChoice::join(names, {}), QString());
    EXPECT_EQ(PaymentChoice::restore(names, QStringLiteral("Überweisung,Barzahlung")), (QList<int>{0, 2}));
    EXPECT_EQ(PaymentChoice::restore(names, QStringLiteral("Nachnahme, PayPal")), (QList<int>{1, 3}));
    EXPECT_EQ(PaymentChoice::restore({"Bar", "Barzahlung"}, QStringLiteral("Barzahlung")), (QList<int>{0, 1}));
    EXPECT_TRUE(PaymentChoice::restore(names, QStringLiteral("paypal")).isEmpty());
}

TEST(ShippingRules, ModesGiveTheirPanels)
{
    struct Case {
        int mode;
        bool details;
        bool secondRow;
        bool insuranceList;
        bool methodList;
    };
    const Case cases[] = {
        {0, false, true, true, true}, {1, true, true, false, true}, {2, true, false, true, true},
        {3, true, false, true, true}, {4, true, true, true, false}, {5, false, true, true, true},
    };
    for (const Case &c : cases) {
        const ShippingRules::Panel panel = ShippingRules::panelForMode(c.mode);
        EXPECT_EQ(panel.detailsShown, c.details) << c.mode;
        EXPECT_EQ(panel.secondRowShown, c.secondRow) << c.mode;
        EXPECT_EQ(panel.insuranceListShown, c.insuranceList) << c.mode;
        EXPECT_EQ(panel.methodListShown, c.methodList) << c.mode;
    }
    const ShippingRules::Panel information = ShippingRules::panelForMode(4);
    EXPECT_EQ(information.firstRowCaption, QStringLiteral("Versandinformation"));
    EXPECT_FALSE(information.secondRowLabelShown);
}

TEST(ShippingRules, InformationListHasThirtyEntriesInlandThenAusland)
{
    const QStringList list = ShippingRules::informationList();
    ASSERT_EQ(list.size(), 30);
    EXPECT_EQ(list.at(0), QStringLiteral("Kein Versand, nur Abholung"));
    EXPECT_EQ(list.at(1), QStringLiteral("Abholung Vorort möglich"));
    EXPECT_EQ(list.at(2), QStringLiteral("Kostenloser Versand (Inland)"));
    EXPECT_EQ(list.at(7), QStringLiteral("DHL Päckchen (Inland)"));
    EXPECT_EQ(list.at(15), QStringLiteral("Sonstige (Inland)"));
    EXPECT_EQ(list.at(16), QStringLiteral("Kostenloser Versand (Ausland)"));
    EXPECT_EQ(list.at(29), QStringLiteral("Sonstige (Ausland)"));
}

TEST(CategorySearch, NamesAreComparedWithoutCaseAndUmlauts)
{
    EXPECT_EQ(CategorySearch::normalise(QStringLiteral("Möbel")), QStringLiteral("mobel"));
    EXPECT_EQ(CategorySearch::normalise(QStringLiteral("ÄRMEL Straße")), QStringLiteral("armel strasse"));
    CategorySearch search;
    search.load({{"1", "Antiquitäten", "0"}, {"2", "Möbel", "1"}, {"3", "Stühle", "2"}, {"4", "MÖBELPOLITUR", "0"}});
    const auto hits = search.find(QStringLiteral("mobel"));
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].path, QStringLiteral("Antiquitäten > Möbel"));
    EXPECT_EQ(hits[0].idsFromTop, (QStringList{"1", "2"}));
    EXPECT_FALSE(hits[0].leaf);
    EXPECT_TRUE(hits[1].leaf);
    EXPECT_TRUE(search.find(QStringLiteral("mö")).empty());
}

TEST(CategorySearch, HitsUnderACycleOrAMissingParentAreLeftOut)
{
    CategorySearch search;
    search.load({{"1", "Uhren A", "2"}, {"2", "Uhren B", "1"}, {"3", "Uhren C", "99"}, {"4", "Uhren D", "0"}});
    const auto hits = search.find(QStringLiteral("uhren"));
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].id, QStringLiteral("4"));
}

} // namespace
