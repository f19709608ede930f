#include "core/ProcessLocale.h"
#include "store/Database.h"
#include "store/FeeTables.h"
#include "store/Statement.h"
#include "tests/support/TempProgramDir.h"
#include "ui/editor/fees/FeeCalculator.h"

#include <gtest/gtest.h>

namespace {

constexpr int House = 11;

void insertBand(const QString &programDir, const char *min, const char *max, const char *fee, int aukid)
{
    Database db(programDir);
    db.open();
    Statement::run(db, QStringLiteral("INSERT INTO einstellgebuehr (id, min_val, max_val, fee, aukid) "
                                      "VALUES (1, :min, :max, :fee, :aukid)"),
                   {{QStringLiteral(":min"), QString::fromUtf8(min)},
                    {QStringLiteral(":max"), QString::fromUtf8(max)},
                    {QStringLiteral(":fee"), QString::fromUtf8(fee)},
                    {QStringLiteral(":aukid"), aukid}});
}

// A program directory whose auction house has the price lists the test writes.
class FeeTablesFixture : public ::testing::Test {
protected:
    void SetUp() override { ProcessLocale::useDecimalComma(); }

    void addBand(const char *min, const char *max, const char *fee, int aukid = House)
    {
        insertBand(dir.path(), min, max, fee, aukid);
    }

    void addExtra(const char *id, const char *price, int aukid = House)
    {
        Database db;
        db.open();
        Statement::run(db, QStringLiteral("INSERT INTO zusatz_preis (id, bez, preis, aukid) "
                                          "VALUES (:id, 'Extra', :preis, :aukid)"),
                       {{QStringLiteral(":id"), QString::fromUtf8(id)},
                        {QStringLiteral(":preis"), QString::fromUtf8(price)},
                        {QStringLiteral(":aukid"), aukid}});
    }

    void addStandardBands()
    {
        addBand("0,01", "9,99", "0,10");
        addBand("10", "49,99", "0,25");
    }

    // Bold 0,5; highlight 1; top of category 2; second picture 0,3; third 0,35;
    // gallery 0,75; front page 5. Written out of order, with an id past 9.
    void addStandardExtras()
    {
        for (const auto &[id, price] : {std::pair{"7", "5"}, {"10", "99"}, {"3", "2"}, {"1", "0,5"}, {"2", "1"},
                                        {"4", "0,3"}, {"6", "0,75"}, {"5", "0,35"}})
            addExtra(id, price);
    }

    FeeCalculator::Result calculate(const FeeCalculator::Input &input, int typ = 2)
    {
        FeeCalculator calculator(tables);
        const std::optional<FeeCalculator::Result> result = calculator.calculate(typ, House, input);
        EXPECT_TRUE(result.has_value());
        return result.value_or(FeeCalculator::Result{});
    }

    TempProgramDir dir;
    FeeTables tables{dir.path()};
};

FeeCalculator::Input startingAt(double startPrice)
{
    FeeCalculator::Input input;
    input.startPrice = startPrice;
    return input;
}

} // namespace

TEST_F(FeeTablesFixture, InsertionFeeComesFromTheBandOfTheStartPrice)
{
    addStandardBands();
    addStandardExtras();
    const struct {
        double startPrice;
        const char *line;
    } cases[] = {
        {9.99, "+ 0,1 EUR"},  {10, "+ 0,25 EUR"},   {0.005, "+ 0,1 EUR"}, {9.995, "+ 0,25 EUR"},
        {0.01, "+ 0,1 EUR"},  {49.99, "+ 0,25 EUR"}, {1, "+ 0,1 EUR"},
    };
    for (const auto &c : cases) {
        const FeeCalculator::Result result = calculate(startingAt(c.startPrice));
        EXPECT_TRUE(result.problems.isEmpty()) << c.startPrice;
        EXPECT_EQ(FeeCalculator::linesOf(result, QStringLiteral("EUR")).insertionFee, QString::fromUtf8(c.line))
            << c.startPrice;
    }
}

TEST_F(FeeTablesFixture, InsertionFeeThatCannotBeFoundCountsAsZero)
{
    const struct {
        const char *why;
        std::vector<std::array<const char *, 3>> bands;
        double startPrice;
    } cases[] = {
        {"no bands", {}, 5},
        {"price above every band", {{"0,01", "9,99", "0,10"}}, 10},
        {"band limit no number", {{"0,01", "neun", "0,10"}}, 5},
        {"fee no number", {{"0,01", "9,99", "frei"}}, 5},
    };
    for (const auto &c : cases) {
        TempProgramDir caseDir;
        FeeTables caseTables(caseDir.path());
        ProcessLocale::useDecimalComma();
        for (const auto &band : c.bands)
            insertBand(caseDir.path(), band[0], band[1], band[2], House);
        FeeCalculator calculator(caseTables);
        const auto result = calculator.calculate(2, House, startingAt(c.startPrice));
        ASSERT_TRUE(result.has_value()) << c.why;
        EXPECT_EQ(result->insertionFee, 0) << c.why;
        EXPECT_EQ(result->problems, QStringList{FeeCalculator::InsertionFeeUnknown}) << c.why;
        EXPECT_FALSE(result->failed) << c.why;
    }
}

TEST_F(FeeTablesFixture, PicturesAndExtrasAddTheirPricesByPosition)
{
    addStandardBands();
    addStandardExtras();
    FeeCalculator::Input input = startingAt(12);
    input.secondPicture = true;
    input.thirdPicture = true;
    input.bold = true;
    input.highlight = true;
    input.topCategory = true;
    input.gallery = true;
    input.frontPage = true;
    const FeeCalculator::Result all = calculate(input);
    EXPECT_TRUE(all.problems.isEmpty());
    EXPECT_DOUBLE_EQ(all.pictureFee, 0.65);
    EXPECT_DOUBLE_EQ(all.extrasFee, 9.25);
    const FeeCalculator::Lines lines = FeeCalculator::linesOf(all, QStringLiteral("EUR"));
    EXPECT_EQ(lines.pictureFee, QStringLiteral("+ 0,65 EUR"));
    EXPECT_EQ(lines.extrasFee, QStringLiteral("+ 9,25 EUR"));
    EXPECT_EQ(lines.total, QStringLiteral("Gesammt: 10,15 EUR"));

    FeeCalculator::Input some = startingAt(12);
    some.highlight = true;
    some.thirdPicture = true;
    const FeeCalculator::Result chosen = calculate(some);
    EXPECT_DOUBLE_EQ(chosen.pictureFee, 0.35);
    EXPECT_DOUBLE_EQ(chosen.extrasFee, 1);
}

TEST_F(FeeTablesFixture, OnePictureCostsNothing)
{
    addStandardBands();
    addStandardExtras();
    const FeeCalculator::Result result = calculate(startingAt(5));
    EXPECT_EQ(FeeCalculator::linesOf(result, QStringLiteral("€")).pictureFee, QStringLiteral("+ 0 €"));
    EXPECT_EQ(FeeCalculator::linesOf(result, QStringLiteral("€")).total, QStringLiteral("Gesammt: 0,1 €"));
}

TEST_F(FeeTablesFixture, MissingOrBrokenPricesFailEachPartOnItsOwn)
{
    addStandardBands();
    addExtra("1", "0,5");
    addExtra("2", "viel");
    addExtra("3", "2");
    FeeCalculator::Input input = startingAt(5);
    input.secondPicture = true;
    input.bold = true;
    FeeCalculator::Result result = calculate(input);
    EXPECT_EQ(result.problems, QStringList{FeeCalculator::PicturesUnknown});
    EXPECT_EQ(result.pictureFee, 0);
    EXPECT_DOUBLE_EQ(result.extrasFee, 0.5);
    EXPECT_DOUBLE_EQ(result.total(), 0.6);

    input.highlight = true;
    result = calculate(input);
    EXPECT_EQ(result.problems, (QStringList{FeeCalculator::PicturesUnknown, FeeCalculator::ExtrasUnknown}));
    EXPECT_EQ(result.extrasFee, 0);
    EXPECT_DOUBLE_EQ(result.total(), 0.1);
}

TEST_F(FeeTablesFixture, PricesWithADecimalPointCount)
{
    addBand("0.01", "9.99", "0.10");
    addExtra("1", "0.5");
    FeeCalculator::Input input = startingAt(5);
    input.bold = true;
    const FeeCalculator::Result result = calculate(input);
    EXPECT_TRUE(result.problems.isEmpty());
    EXPECT_DOUBLE_EQ(result.total(), 0.6);
}

TEST_F(FeeTablesFixture, OtherAuctionHousesPricesDoNotCount)
{
    addBand("0,01", "9,99", "0,10", House + 1);
    addExtra("1", "0,5", House + 1);
    FeeCalculator::Input input = startingAt(5);
    input.bold = true;
    const FeeCalculator::Result result = calculate(input);
    EXPECT_EQ(result.problems, (QStringList{FeeCalculator::ExtrasUnknown, FeeCalculator::InsertionFeeUnknown}));
}

TEST_F(FeeTablesFixture, NoFeesForTyp1OrWithoutAuctionHouse)
{
    addStandardBands();
    addStandardExtras();
    FeeCalculator calculator(tables);
    EXPECT_FALSE(FeeCalculator::feesApply(1));
    EXPECT_TRUE(FeeCalculator::feesApply(2));
    EXPECT_FALSE(calculator.calculate(1, House, startingAt(5)).has_value());
    EXPECT_FALSE(calculator.calculate(2, 0, startingAt(5)).has_value());
}

TEST(FeeCalculator, UnreadablePriceListsFailTheCalculation)
{
    TempProgramDir dir;
    dir.writeFile(QStringLiteral("database.sqlite"), QByteArray(4096, 'x'));
    FeeTables tables(dir.path());
    FeeCalculator calculator(tables);
    const auto result = calculator.calculate(2, House, startingAt(5));
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->failed);
    EXPECT_EQ(result->total(), 0);
}

TEST_F(FeeTablesFixture, ExtraPricesArriveInTheOrderOfTheirIds)
{
    addStandardExtras();
    std::vector<int> ids;
    for (const FeeTables::ExtraPrice &price : tables.extraPrices(House))
        ids.push_back(price.id);
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 10}));
}
