#include "core/ProcessLocale.h"
#include "ui/main/DataAge.h"

#include <gtest/gtest.h>

TEST(DataAge, NoDownloadYetIsShownInRedAndAnyOtherStampAsItsAge)
{
    ProcessLocale::useDecimalComma();
    const QDateTime now(QDate(2026, 12, 11), QTime(12, 30, 15));
    const struct {
        std::optional<QString> stored;
        QString text;
        bool never;
    } cases[] = {
        {std::nullopt, QStringLiteral("Noch nicht erledigt!"), true},
        {QStringLiteral(""), QStringLiteral("Noch nicht erledigt!"), true},
        {QStringLiteral("01.01.1991"), QStringLiteral("Noch nicht erledigt!"), true},
        {QStringLiteral("11.12.2026 12:30:10"), QStringLiteral("0d 0h 0m 5s "), false},
        {QStringLiteral("09.12.2026 10:00:00"), QStringLiteral("2d 2h 30m 15s "), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored.value_or(QStringLiteral("(keine Zeile)")).toStdString());
        const DataAge age = DataAge::describe(c.stored, now);
        EXPECT_EQ(age.text, c.text);
        EXPECT_EQ(age.never, c.never);
        EXPECT_EQ(age.hint, c.never ? QString() : *c.stored);
    }
}
