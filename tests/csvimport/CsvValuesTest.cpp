#include "csvimport/CsvTable.h"
#include "csvimport/CsvValues.h"
#include "csvimport/ImportFields.h"

#include <gtest/gtest.h>

using namespace CsvValues;

TEST(CsvValues, CleanTextDropsOneLeadingQuoteAndLineBreakCodes)
{
    EXPECT_EQ(CleanText(QStringLiteral("\"\"Zitat\" bleibt")), QStringLiteral("\"Zitat\" bleibt"));
    EXPECT_EQ(CleanText(QStringLiteral("eins%0d%0azwei%0D%0A")), QStringLiteral("einszwei%0D%0A"));
}

TEST(CsvValues, FilterDigitsKeepsDigitsAndAOneCharacterSeparator)
{
    EXPECT_EQ(FilterDigits(QStringLiteral("1.234,50 EUR"), true, QStringLiteral(",")), QStringLiteral("1234,50"));
    EXPECT_EQ(FilterDigits(QStringLiteral("1.234,50 EUR"), false, QStringLiteral(",")), QStringLiteral("123450"));
    EXPECT_EQ(FilterDigits(QStringLiteral("1.234,50"), true, QStringLiteral(",.")), QStringLiteral("123450"));
}

TEST(CsvValues, PricesFollowTheGivenDecimalSeparator)
{
    const struct {
        const char *text;
        const char *separator;
        std::optional<double> expected;
    } cases[] = {
        {"1.234,50", ",", 1234.5},
        {"12,5 EUR", ",", 12.5},
        {"1,234.50", ".", 1234.5},
        {"12.50", ".", 12.5},
        {"7", ".", 7.0},
        {"1.234.50", ".", std::nullopt},
        {"EUR", ",", std::nullopt},
        {"", ",", std::nullopt},
        {"1.234,50", "", 123450.0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.text) + " with " + c.separator);
        EXPECT_EQ(price(QString::fromUtf8(c.text), QString::fromUtf8(c.separator)), c.expected);
    }
}

TEST(CsvValues, WholeNumbersAreTheDigitsOfTheText)
{
    EXPECT_EQ(wholeNumber(QStringLiteral("7 Tage")), 7);
    EXPECT_EQ(wholeNumber(QStringLiteral("keine")), std::nullopt);
    EXPECT_EQ(wholeNumber(QStringLiteral("99999999999999")), std::nullopt);
}

TEST(CsvTable, SeparatorTextOfTheWizard)
{
    EXPECT_EQ(CsvTable::separatorFromText(QStringLiteral(";")), ';');
    EXPECT_EQ(CsvTable::separatorFromText(QStringLiteral("\t")), '\t');
    EXPECT_EQ(CsvTable::separatorFromText(QStringLiteral("Tab")), '\t');
    EXPECT_EQ(CsvTable::separatorFromText(QStringLiteral("tab")), '\t');
    EXPECT_EQ(CsvTable::separatorFromText(QStringLiteral("|x")), '|');
    EXPECT_EQ(CsvTable::separatorFromText(QString()), '\0');
}

TEST(CsvTable, HeaderThenDataLinesWithTheirFileLines)
{
    const CsvTable table = CsvTable::parse("Titel;Preis\n\"Zwei\nZeilen\";3\n\nEins;4\n", ';');
    EXPECT_EQ(table.headers(), (QStringList{"Titel", "Preis"}));
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.rows()[0].fileLine, 2);
    EXPECT_EQ(table.rows()[0].fields, (QStringList{"Zwei\nZeilen", "3"}));
    EXPECT_EQ(table.rows()[1].fileLine, 5);
    EXPECT_TRUE(table.separatorFound());
    EXPECT_FALSE(CsvTable::parse("Titel,Preis\nx,1\n", ';').separatorFound());
}

TEST(ImportFields, DefaultsDependOnTheShippingMode)
{
    const ImportFields normal(0);
    ASSERT_EQ(normal.count(), 27);
    EXPECT_EQ(normal.field(ImportFields::Titel).name, QStringLiteral("Titel"));
    EXPECT_TRUE(normal.isUnassigned(ImportFields::Titel));
    EXPECT_EQ(normal.field(ImportFields::Anzahl).sourceText, QStringLiteral("1"));
    EXPECT_EQ(normal.field(ImportFields::Anzahl).sourceCode, QStringLiteral("-2"));
    EXPECT_EQ(normal.field(ImportFields::Zahlungsweise).sourceText, QStringLiteral("Siehe Beschreibung"));
    EXPECT_EQ(normal.field(ImportFields::KaeuferTraegtVersand).name, QString::fromUtf8("Käufer trägt versand?"));
    EXPECT_EQ(normal.field(ImportFields::Versandart).name, QStringLiteral("Versandanbieter"));
    EXPECT_EQ(normal.field(ImportFields::Versandart).sourceText, QStringLiteral("DHL"));
    const ImportFields pickup(4);
    EXPECT_EQ(pickup.field(ImportFields::Versandart).name, QStringLiteral("Versandart (Text)"));
    EXPECT_EQ(pickup.field(ImportFields::Versandart).sourceText, QStringLiteral("Kein Versand, nur Abholung"));
}

TEST(ImportFields, ColumnsFixedValuesAndRemoval)
{
    ImportFields fields(0);
    const QStringList line{"a", "b", "c"};
    fields.assignColumn(ImportFields::Titel, 2, QStringLiteral("Name"));
    EXPECT_EQ(fields.field(ImportFields::Titel).sourceCode, QStringLiteral("2"));
    EXPECT_EQ(fields.GetSourceValue(ImportFields::Titel, line), QStringLiteral("c"));
    EXPECT_EQ(fields.GetSourceValue(ImportFields::Titel, QStringList{"a"}), QString());
    fields.assignValue(ImportFields::Titel, QStringLiteral("fest"));
    EXPECT_EQ(fields.GetSourceValue(ImportFields::Titel, line), QStringLiteral("fest"));
    fields.assignValue(ImportFields::Titel, QString());
    EXPECT_TRUE(fields.isUnassigned(ImportFields::Titel));
    EXPECT_EQ(fields.GetSourceValue(ImportFields::Titel, line), QString());
    fields.remove(ImportFields::Anzahl);
    EXPECT_TRUE(fields.isUnassigned(ImportFields::Anzahl));
    EXPECT_EQ(fields.field(ImportFields::Anzahl).sourceCode, QString());
}
