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

    // One record with one field, stored in column `column` with the given type code.
    QVariant storeOne(const QString &column, const QString &code, const QString &text)
    {
        Statement::run(m_db, "DELETE FROM probe");
        InsertRecords(m_db, "probe", {}, {{text, ""}}, {{column, code}});
        return stored(column);
    }

    ScriptedPrompter m_prompts;
    TempProgramDir m_dir;
    Database m_db;
};

struct ConversionCase {
    const char *column;
    const char *code;
    const char *text;
    QVariant expected;
};

} // namespace

TEST_F(InsertRecordsTest, ConvertsEachValueByTheTypeCodeOfItsColumn)
{
    ProcessLocale::useDecimalComma();
    const ConversionCase cases[] = {
        {"t", "0", "O'Brien \"x\"", QStringLiteral("O'Brien \"x\"")},
        {"t", "0", "007", QStringLiteral("007")},
        {"n", "1", "42", 42},
        {"n", "1", " -7 ", -7},
        {"n", "1", "abc", 0},
        {"n", "1", "", 0},
        {"n", "1", "12.5", 0},
        {"n", "1", "99999999999", 0},
        {"a", "2", "12.50", 12.5},
        {"a", "2", "12,50", 12.5},
        {"a", "2", "", 0.0},
        {"a", "2", "zwölf", 0.0},
        {"f", "3", "1", 1},
        {"f", "3", "0", 0},
        {"d", "4", "2010-01-05 14:03:07", QStringLiteral("2010-01-05 14:03:07")},
        {"d", "4", "2010-01-05", QStringLiteral("2010-01-05 00:00:00")},
        {"d", "4", "2010-1-5 4:03:07", QStringLiteral("2010-01-05 04:03:07")},
    };
    for (const ConversionCase &c : cases) {
        SCOPED_TRACE(std::string(c.code) + " " + c.text);
        EXPECT_EQ(storeOne(c.column, c.code, QString::fromUtf8(c.text)), c.expected);
    }
}

TEST_F(InsertRecordsTest, ColumnsTakeFieldsThenExtraValuesThenZero)
{
    const QList<QStringList> rows = {{"1", "eins", ""}, {"2", "zwei", ""}};
    EXPECT_TRUE(InsertRecords(m_db, "probe", {"7"}, rows, {{"n", "1"}, {"t", "0"}, {"f", "1"}, {"x", "0"}}));
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
        EXPECT_THROW(InsertRecords(m_db, "probe", {}, withBad, {{"d", "4"}}), AppError);
        EXPECT_EQ(probeRows(), 0);
    }
}

TEST_F(InsertRecordsTest, AMissingDateStoresNone)
{
    EXPECT_TRUE(InsertRecords(m_db, "probe", {}, {{"", ""}, {"  ", ""}}, {{"d", "4"}}));
    EXPECT_EQ(probeRows(), 2);
    EXPECT_EQ(Statement::scalar(m_db, "SELECT COUNT(*) FROM probe WHERE d IS NULL").toInt(), 2);
}

TEST_F(InsertRecordsTest, InsideATransactionAFailureLeavesTheTransactionUsable)
{
    Transaction transaction(m_db);
    EXPECT_TRUE(InsertRecords(m_db, "probe", {}, {{"kept", ""}}, {{"t", "0"}}));
    EXPECT_THROW(InsertRecords(m_db, "probe", {}, {{"2010-01-01", ""}, {"kaputt", ""}}, {{"d", "4"}}), AppError);
    transaction.commit();
    EXPECT_EQ(probeRows(), 1);
    EXPECT_EQ(stored("t"), QStringLiteral("kept"));
}

TEST_F(InsertRecordsTest, DatabaseErrorStoresNothingOfTheCall)
{
    Statement::run(m_db, "CREATE TRIGGER refuse BEFORE INSERT ON probe WHEN NEW.t = 'bad' "
                         "BEGIN SELECT RAISE(ABORT, 'abgelehnt'); END");
    EXPECT_THROW(InsertRecords(m_db, "probe", {}, {{"good", ""}, {"bad", ""}}, {{"t", "0"}}), DatabaseError);
    EXPECT_EQ(probeRows(), 0);
}

TEST_F(InsertRecordsTest, ReportsWhetherTheLastRowWasStored)
{
    Statement::run(m_db, "CREATE TRIGGER skip BEFORE INSERT ON probe WHEN NEW.t = 'skip' "
                         "BEGIN SELECT RAISE(IGNORE); END");
    EXPECT_FALSE(InsertRecords(m_db, "probe", {}, {{"a", ""}, {"skip", ""}}, {{"t", "0"}}));
    EXPECT_TRUE(InsertRecords(m_db, "probe", {}, {{"skip", ""}, {"b", ""}}, {{"t", "0"}}));
    EXPECT_EQ(probeRows(), 2);
}

TEST_F(InsertRecordsTest, UnknownTypeCodeLeavesTheValueEmptyAndStoresTheRow)
{
    m_prompts.expectMessage("Parameterobjekt kann nicht zugewiesen werden, da keine Felddefinition vorhanden ist!");
    EXPECT_TRUE(InsertRecords(m_db, "probe", {}, {{"x", "y", ""}}, {{"t", "0"}, {"x", "9"}}));
    EXPECT_EQ(stored("t"), QStringLiteral("x"));
    EXPECT_TRUE(stored("x").isNull());
}

TEST_F(InsertRecordsTest, ManyRowsGoThroughInOneCall)
{
    QList<QStringList> rows;
    for (int i = 0; i < 5000; ++i)
        rows.append({QString::number(i), ""});
    EXPECT_TRUE(InsertRecords(m_db, "probe", {}, rows, {{"n", "1"}}));
    EXPECT_EQ(probeRows(), 5000);
    EXPECT_EQ(Statement::scalar(m_db, "SELECT SUM(n) FROM probe").toLongLong(), 4999LL * 5000 / 2);
}
