#include "core/ProcessLocale.h"
#include "tests/support/TempProgramDir.h"
#include "ui/editor/fees/OptionPriceLabels.h"

#include <gtest/gtest.h>

TEST(OptionPriceLabels, EachExtraHasItsLabel)
{
    const struct {
        int id;
        const char *label;
    } cases[] = {
        {1, "Label41"}, {2, "Label43"}, {3, "Label42"}, {4, "Label39"}, {5, "Label40"},
        {6, "Label60"}, {7, "Label61"}, {0, ""},        {8, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(OptionPriceLabels::labelNameOf(c.id), QString::fromLatin1(c.label)) << c.id;
}

TEST(OptionPriceLabels, PricesAreWrittenByKindOfExtra)
{
    TempProgramDir dir;
    ProcessLocale::useDecimalComma();
    const std::vector<FeeTables::ExtraPrice> prices = {
        {1, {}, QStringLiteral("0")},     {2, {}, QStringLiteral("1,50")}, {3, {}, QStringLiteral("2")},
        {4, {}, QStringLiteral("0,30")},  {5, {}, QStringLiteral("0")},    {6, {}, QStringLiteral("0.75")},
        {7, {}, QStringLiteral("teuer")}, {9, {}, QStringLiteral("1")},
    };
    const std::vector<OptionPriceLabels::Label> labels = OptionPriceLabels::labelsFor(prices, QStringLiteral("EUR"));
    ASSERT_EQ(labels.size(), 6u);
    const std::pair<const char *, const char *> expected[] = {
        {"Label41", "(kostenlos)"}, {"Label43", "(1,5 EUR)"}, {"Label42", "(2 EUR)"},
        {"Label39", "(0,3EUR)"},    {"Label40", "(kostenlos)"}, {"Label60", "(0,75EUR)"},
    };
    for (size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].objectName, QString::fromLatin1(expected[i].first));
        EXPECT_EQ(labels[i].text, QString::fromUtf8(expected[i].second)) << expected[i].first;
    }
}
