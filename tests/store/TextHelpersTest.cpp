#include "store/TextHelpers.h"

#include "core/AppError.h"
#include "core/LoginContext.h"
#include "core/ProcessLocale.h"

#include <gtest/gtest.h>

using namespace TextHelpers;

TEST(TextHelpers, StripAndFormatServerTimestamps)
{
    const struct {
        const char *in;
        const char *stripped;
        const char *formatted;
    } cases[] = {
        {"2010-01-05 14:03:07", "20100105140307", "05.01.2010 14:03:07"},
        {"- - ::", "", ".. ::"},
        {"20100105", "20100105", "05.01.2010 ::"},
        {"", "", ".. ::"},
        {"2010-01-05 14:03:07 extra", "20100105140307", "05.01.2010 14:03:07"},
        {"2010-01-05T14:03:07Z", "20100105T140307Z", "05.01.2010 T1:40:30"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(StripTimestamp(QString::fromLatin1(c.in)), QString::fromLatin1(c.stripped)) << c.in;
        EXPECT_EQ(FormatServerTimestamp(QString::fromLatin1(c.in)), QString::fromLatin1(c.formatted)) << c.in;
    }
}

TEST(TextHelpers, RemainingTime)
{
    const QDateTime now(QDate(2010, 1, 5), QTime(14, 3, 7));
    const auto end = [&](qint64 seconds) { return ProcessLocale::formatDateTime(now.addSecs(seconds)); };
    const struct {
        QString end;
        const char *text;
    } cases[] = {
        {end(90061), "1d 1h 1m 1s "},
        {end(30 * 86400), "30d 0h 0m 0s "},
        {end(0), "0d 0h 0m 0s "},
        {end(-1), "beendet"},
        {end(-86400 * 3), "beendet"},
        {end(3600), "0d 1h 0m 0s "},
        {end(59), "0d 0h 0m 59s "},
        {QStringLiteral("kein Datum"), "0d 0h 0m 0s "},
        {QStringLiteral("05.01.2010"), "beendet"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatRemainingTime(c.end, now), QString::fromLatin1(c.text)) << c.end.toStdString();
    // Measured from the clock at each call.
    EXPECT_EQ(FormatRemainingTime(end(10), now.addSecs(1)), QStringLiteral("0d 0h 0m 9s "));
}

TEST(TextHelpers, SplitTimeSpanKeepsSignsAndLeavesOutputsOnBadInput)
{
    TimeSpan span{7, 7, 7, 7};
    EXPECT_FALSE(SplitTimeSpan(QStringLiteral("05.01.2010"), QStringLiteral("xx"), QStringLiteral("06.01.2010 00:00:00"), &span));
    EXPECT_EQ(span.days, 7);
    ASSERT_TRUE(SplitTimeSpan(QStringLiteral("05.01.2010"), QStringLiteral("12:00:00"), QStringLiteral("04.01.2010 10:30:15"), &span));
    EXPECT_EQ(span.days, -1);
    EXPECT_EQ(span.hours, -1);
    EXPECT_EQ(span.minutes, -29);
    EXPECT_EQ(span.seconds, -45);
}

TEST(TextHelpers, SplitText)
{
    const struct {
        const char *in;
        QStringList pieces;
    } cases[] = {
        {"05.01.2010 14:03:07", {QStringLiteral("05.01.2010"), QStringLiteral("14:03:07")}},
        {"", {QString()}},
        {"a ", {QStringLiteral("a"), QString()}},
        {"a  b", {QStringLiteral("a"), QString(), QStringLiteral("b")}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SplitText(QString::fromLatin1(c.in), QStringLiteral(" ")), c.pieces) << c.in;
}

TEST(TextHelpers, FormatPriceWithTheDecimalComma)
{
    ProcessLocale::useDecimalComma();
    const struct {
        const char *amount;
        const char *symbol;
        const char *text;
    } cases[] = {
        {"12.5", "EUR", "12,50 EUR"}, {"12,5", "EUR", "12,50 EUR"},     {"0", "EUR", "0,00 EUR"},
        {"1234.567", "EUR", "1234,57 EUR"}, {"-3.456", "EUR", "-3,46 EUR"}, {"1", "", "1,00 "},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatPrice(QString::fromLatin1(c.amount), QString::fromLatin1(c.symbol)), QString::fromLatin1(c.text))
            << c.amount;
    loginContext().MoneySymbol = QStringLiteral("CHF");
    EXPECT_EQ(FormatPrice(QStringLiteral("2")), QStringLiteral("2,00 CHF"));
    for (const char *bad : {"", "1.234,50", "abc"})
        EXPECT_THROW(FormatPrice(QString::fromLatin1(bad), QStringLiteral("EUR")), AppError) << bad;
    resetLoginContext();
    ProcessLocale::resetToSystem();
}

TEST(TextHelpers, FormatPriceUsesTheSeparatorCurrentAtTheCall)
{
    ProcessLocale::setDecimalSeparator(QLatin1Char('.'));
    EXPECT_EQ(FormatPrice(QStringLiteral("12.5"), QStringLiteral("EUR")), QStringLiteral("12.50 EUR"));
    ProcessLocale::useDecimalComma();
    EXPECT_EQ(FormatPrice(QStringLiteral("12.5"), QStringLiteral("EUR")), QStringLiteral("12,50 EUR"));
    ProcessLocale::resetToSystem();
}
