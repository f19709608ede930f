#include "core/AppError.h"
#include "core/ProcessLocale.h"
#include "store/InsertRecords.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/Statement.h"
#include "store/Transaction.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempProgramDir.h"

#include <gtest/gtest.h>

namespace {

class InsertRecordsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_db.open();
        Statement::run(m_db, "CREATE TABLE probe (t TEXT, n INTEGER, a REAL, f INTEGER, d TEXT, x TEXT)");
    }

    QVariant stored(const QString &column, const QString &where = "1=1")
    {
        return Statement::scalar(m_db, "SELECT " + column + " FROM probe WHERE " + where);
    }

    int probeRows() { return Statement::scalar(m_db, "SELECT COUNT(*) FROM probe").toInt(); }

    // One record with one field, stored in column `column` of the given type.
    QVariant storeOne(const QString &column, ColumnType type, const QString &text)
    {
        Statement::run(m_db, "DELETE FROM probe");
        InsertRecords(m_db, "probe", {}, {{text, ""}}, {{column, type}});
        return stored(column);
    }

    ScriptedPrompter m_prompts;
    TempProgramDir m_dir;
    Database m_db;
};

struct ConversionCase {
    const char *column;
    ColumnType type;
    const char *text;
    QVariant expected;
};

} // namespace

TEST_F(InsertRecordsTest, ConvertsEachValueByTheTypeOfItsColumn)
{
    ProcessLocale::useDecimalComma();
    const ConversionCase cases[] = {
        {"t", ColumnType::Text, "O'Brien \"x\"", QStringLiteral("O'Brien \"x\"")},
        {"t", ColumnType::Text, "007", QStringLiteral("007")},
        {"n", ColumnType::WholeNumber, "42", 42},
        {"n", ColumnType::WholeNumber, " -7 ", -7},
        {"n", ColumnType::WholeNumber, "abc", 0},
        {"n", ColumnType::WholeNumber, "", 0},
        {"n", ColumnType::WholeNumber, "12.5", 0},
        {"n", ColumnType::WholeNumber, "99999999999", 0},
        {"a", ColumnType::Amount, "12.50", 12.5},
        {"a", ColumnType::Amount, "12,50", 12.5},
        {"a", ColumnType::Amount, "", 0.0},
        {"a", ColumnType::Amount, "zwölf", 0.0},
        {"f", ColumnType::Flag, "1", 1},
        {"f", ColumnType::Flag, "0", 0},
        {"d", ColumnType::DateTime, "2010-01-05 14:03:07", QStringLiteral("2010-01-05 14:03:07")},
        {"d", ColumnType::DateTime, "2010-01-05", QStringLiteral("2010-01-05 00:00:00")},
        {"d", ColumnType::DateTime, "2010-1-5 4:03:07", QStringLiteral("2010-01-05 04:03:07")},
    };
    for (const ConversionCase &c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.type)) + " " + c.text);
        EXPECT_EQ(storeOne(c.column, c.type, QString::fromUtf8(c.text)), c.expected);
    }
}

TEST_F(InsertRecordsTest, ColumnsTakeFieldsThenExtraValuesThenZero)
{
    const QList<QStringList> rows = {{"1", "eins", ""}, {"2", "zwei", ""}};
    EXPECT_TRUE(InsertRecords(m_db, "probe", {"7"}, rows, {{"n", ColumnType::WholeNumber}, {"t", ColumnType::Text}, {"f", ColumnType::WholeNumber}, {"x", ColumnType::Text}}));
    ASSERT_EQ(probeRows(), 2);
    EXPECT_EQ(stored("t", "n=2"), QStringLiteral("zwei"));
    EXPECT_EQ(stored("f", "n=2"), 7);
    EXPECT_EQ(stored("x", "n=2"), QStringLiteral("0"));
}

TEST_F(InsertRecordsTest, DateThatDoesNotConvertStoresNothingOfTheCall)
{
    const QList<QStringList> rows = {{"2010-01-05", ""}, {"05.01.2010", ""}, {"2010-01-07", ""}};
    for (const QString &bad : {QString("05.01.2010"), QString("2010-13-01"), QString("2010-01-05 25:00:00")}) {
        SCOPED_TRACE(bad.toStdString());
        QList<QStringList> withBad = rows;
        withBad[1][0] = bad;
        EXPECT_THROW(InsertRecords(m_db, "probe", {}, withBad, {{"d", ColumnType::DateTime}}), AppError);
        EXPECT_EQ(probeRows(), 0);
    }
}

TEST_F(InsertRecordsTest, AMissingDateStoresNone)
{
    EXPECT_TRUE(InsertRecords(m_db, "probe", {}, {{"", ""}, {"  ", ""}}, {{"d", ColumnType::DateTime}}));
    EXPECT_EQ(probeRows(), 2);
    EXPECT_EQ(Statement::scalar(m_db, "SELECT COUNT(*) FROM probe WHERE d IS NULL").toInt(), 2);
}

TEST_F(InsertRecordsTest, InsideATransactionAFailureLeavesTheTransactionUsable)
{
    Transaction transaction(m_db);
    EXPECT_TRUE(InsertRecords(m_db, "probe", {}, {{"kept", ""}}, {{"t", ColumnType::Text}}));
    EXPECT_THROW(InsertRecords(m_db, "probe", {}, {{"2010-01-01", ""}, {"kaputt", ""}}, {{"d", ColumnType::DateTime}}), AppError);
    transaction.commit();
    EXPECT_EQ(probeRows(), 1);
    EXPECT_EQ(stored("t"), QStringLiteral("kept"));
}

TEST_F(InsertRecordsTest, DatabaseErrorStoresNothingOfTheCall)
{
    Statement::run(m_db, "CREATE TRIGGER refuse BEFORE INSERT ON probe WHEN NEW.t = 'bad' "
                         "BEGIN SELECT RAISE(ABORT, 'abgelehnt'); END");
    EXPECT_THROW(InsertRecords(m_db, "probe", {}, {{"good", ""}, {"bad", ""}}, {{"t", ColumnType::Text}}), DatabaseError);
    EXPECT_EQ(probeRows(), 0);
}

TEST_F(InsertRecordsTest, ReportsWhetherTheLastRowWasStored)
{
    Statement::run(m_db, "CREATE TRIGGER skip BEFORE INSERT ON probe WHEN NEW.t = 'skip' "
                         "BEGIN SELECT RAISE(IGNORE); END");
    EXPECT_FALSE(InsertRecords(m_db, "probe", {}, {{"a", ""}, {"skip", ""}}, {{"t", ColumnType::Text}}));
    EXPECT_TRUE(InsertRecords(m_db, "probe", {}, {{"skip", ""}, {"b", ""}}, {{"t", ColumnType::Text}}));
    EXPECT_EQ(probeRows(), 2);
}

TEST_F(InsertRecordsTest, TypeOutsideTheEnumerationLeavesTheValueEmptyAndStoresTheRow)
{
    m_prompts.expectMessage("Parameterobjekt kann nicht zugewiesen werden, da keine Felddefinition vorhanden ist!");
    EXPECT_TRUE(InsertRecords(m_db, "probe", {}, {{"x", "y", ""}}, {{"t", ColumnType::Text}, {"x", static_cast<ColumnType>(9)}}));
    EXPECT_EQ(stored("t"), QStringLiteral("x"));
    EXPECT_TRUE(stored("x").isNull());
}

TEST_F(InsertRecordsTest, ManyRowsGoThroughInOneCall)
{
    QList<QStringList> rows;
    for (int i = 0; i < 5000; ++i)
        rows.append({QString::number(i), ""});
    EXPECT_TRUE(InsertRecords(m_db, "probe", {}, rows, {{"n", ColumnType::WholeNumber}}));
    EXPECT_EQ(probeRows(), 5000);
    EXPECT_EQ(Statement::scalar(m_db, "SELECT SUM(n) FROM probe").toLongLong(), 4999LL * 5000 / 2);
}
