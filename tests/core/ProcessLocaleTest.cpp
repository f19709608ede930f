#include "core/ProcessLocale.h"

#include <gtest/gtest.h>

TEST(ProcessLocale, NumbersFollowTheDecimalSeparator)
{
    ProcessLocale::useDecimalComma();
    EXPECT_EQ(ProcessLocale::numberText(12.5), QStringLiteral("12,5"));
    EXPECT_EQ(ProcessLocale::numberText(0), QStringLiteral("0"));
    double v = 0;
    EXPECT_TRUE(ProcessLocale::parseNumber(QStringLiteral("12,50"), &v));
    EXPECT_DOUBLE_EQ(v, 12.5);
    EXPECT_TRUE(ProcessLocale::parseNumber(QStringLiteral("12.50"), &v));
    EXPECT_DOUBLE_EQ(v, 12.5);
    EXPECT_FALSE(ProcessLocale::parseNumber(QStringLiteral("1.234,50"), &v));
    EXPECT_FALSE(ProcessLocale::parseNumber(QString(), &v));
    EXPECT_FALSE(ProcessLocale::parseNumber(QStringLiteral("abc"), &v));
    ProcessLocale::setDecimalSeparator(QLatin1Char('.'));
    EXPECT_EQ(ProcessLocale::numberText(12.5), QStringLiteral("12.5"));
    ProcessLocale::resetToSystem();
}

TEST(ProcessLocale, GermanDateTimeForms)
{
    const QDateTime t(QDate(2010, 1, 5), QTime(14, 3, 7));
    EXPECT_EQ(ProcessLocale::formatDateTime(t), QStringLiteral("05.01.2010 14:03:07"));
    EXPECT_EQ(ProcessLocale::parseDateTime(QStringLiteral("05.01.2010 14:03:07")), t);
    EXPECT_EQ(ProcessLocale::parseDateTime(QStringLiteral("01.01.1991")), QDateTime(QDate(1991, 1, 1), QTime(0, 0)));
    EXPECT_FALSE(ProcessLocale::parseDateTime(QStringLiteral("kein Datum")).isValid());
    EXPECT_FALSE(ProcessLocale::parseDateTime(QStringLiteral("31.02.2010 10:00:00")).isValid());
}
