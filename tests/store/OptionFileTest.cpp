#include "store/OptionFile.h"
#include "tests/support/TempProgramDir.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

TEST(OptionFile, DefaultsWithoutFile)
{
    TempProgramDir dir;
    const OptionFile options;
    EXPECT_EQ(options.path(), dir.file(QStringLiteral("option.ini")));
    EXPECT_EQ(options.load(), 1);
    EXPECT_TRUE(options.loadsAuctionData());
    EXPECT_EQ(options.loadDaysText(), QStringLiteral("60"));
    EXPECT_EQ(options.loadDays(), 60);
}

TEST(OptionFile, ReadsStoredAndBrokenValues)
{
    TempProgramDir dir;
    const struct {
        const char *file;
        int load;
        bool loadsAuctionData;
        const char *daysText;
        int days;
    } cases[] = {
        {"[uebertragung]\nload=0\nload_days=14\n", 0, false, "14", 14},
        {"[uebertragung]\nload=2\n", 2, false, "60", 60},
        {"[uebertragung]\nload=abc\nload_days=zehn\n", 1, true, "zehn", 60},
        {"[anderes]\nload=0\nload_days=5\n", 1, true, "60", 60},
        {"[uebertragung]\nload_days=-3\n", 1, true, "-3", -3},
    };
    for (const auto &c : cases) {
        dir.writeFile(QStringLiteral("option.ini"), c.file);
        const OptionFile options;
        EXPECT_EQ(options.load(), c.load) << c.file;
        EXPECT_EQ(options.loadsAuctionData(), c.loadsAuctionData) << c.file;
        EXPECT_EQ(options.loadDaysText(), QString::fromLatin1(c.daysText)) << c.file;
        EXPECT_EQ(options.loadDays(), c.days) << c.file;
    }
}

TEST(OptionFile, SaveWritesTheSectionAsTyped)
{
    TempProgramDir dir;
    OptionFile options;
    options.save(true, QStringLiteral("60"));
    QFile file(options.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[uebertragung]"));
    EXPECT_TRUE(text.contains("load=1"));
    EXPECT_TRUE(text.contains("load_days=60"));

    options.save(false, QStringLiteral("007"));
    EXPECT_EQ(options.load(), 0);
    EXPECT_EQ(options.loadDaysText(), QStringLiteral("007"));
    EXPECT_EQ(options.loadDays(), 7);
}
