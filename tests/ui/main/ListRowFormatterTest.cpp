#include "core/AppError.h"
#include "core/LoginContext.h"
#include "core/ProcessLocale.h"
#include "tests/support/TempProgramDir.h"
#include "store/ListKinds.h"
#include "ui/main/ListPaging.h"
#include "ui/main/ListRowFormatter.h"
#include "store/Listings.h"
#include "store/TextHelpers.h"

#include <gtest/gtest.h>

namespace {

FieldRows oneRow(const QVariant &titel, const QVariant &startpreis, const QVariant &sofortkaufpreis,
    const QVariant &gebotspreis, const QVariant &pic1, const QVariant &status, const QVariant &auktionstyp,
    const QVariant &ende)
{
    FieldRows rows(Listings::FieldCount);
    for (const QVariant &v : {QVariant(qlonglong(42)), titel, startpreis, gebotspreis, QVariant(qlonglong(2)),
             sofortkaufpreis, pic1, status, auktionstyp, ende, QVariant(qlonglong(5)), QVariant(qlonglong(14))})
        rows.append(v);
    return rows;
}

class ListRowFormatterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        loginContext().MoneySymbol = QStringLiteral("EUR");
        ProcessLocale::useDecimalComma();
    }
    TempProgramDir dir;
};

} // namespace

TEST_F(ListRowFormatterTest, TypeTextsNameUnknownValuesOnlyWhereAsked)
{
    struct Case {
        const char *stored;
        const char *plain;
        const char *withValue;
    };
    const Case cases[] = {
        {"1", "Höchstgebot", "Höchstgebot"},
        {"2", "Festpreis", "Festpreis"},
        {"3", "Höchstgebot/Festpreis", "Höchstgebot/Festpreis"},
        {"4", "Shop-Artikel", "Shop-Artikel"},
        {"100", "Auktions-Shop-Artikel", "Auktions-Shop-Artikel"},
        {"7", "ERROR bei der Bestimmung", "ERROR bei der Bestimmung: 7"},
        {"", "ERROR bei der Bestimmung", "ERROR bei der Bestimmung: "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(ListRowFormatter::typeText(QString::fromUtf8(c.stored), false), QString::fromUtf8(c.plain));
        EXPECT_EQ(ListRowFormatter::typeText(QString::fromUtf8(c.stored), true), QString::fromUtf8(c.withValue));
    }
}

TEST_F(ListRowFormatterTest, ZeroOrMissingAmountsMeanNoBuyNowPriceAndNoBid)
{
    struct Case {
        const char *amount;
        const char *buyNow;
        const char *bid;
    };
    const Case cases[] = {
        {"0", "N/A", "kein Gebot"},
        {"", "N/A", "kein Gebot"},
        {"0,0", "N/A", "kein Gebot"},
        {"0.0000", "N/A", "kein Gebot"},
        {"12,5", "12,50 EUR", "12,50 EUR"},
        {"1234.567", "1234,57 EUR", "1234,57 EUR"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(ListRowFormatter::buyNowText(QString::fromUtf8(c.amount)), QString::fromUtf8(c.buyNow));
        EXPECT_EQ(ListRowFormatter::highestBidText(QString::fromUtf8(c.amount)), QString::fromUtf8(c.bid));
    }
    EXPECT_THROW(ListRowFormatter::buyNowText(QStringLiteral("zwölf")), AppError);
}

TEST_F(ListRowFormatterTest, EndsAreShownTheGermanWayWhateverFormTheyAreStoredIn)
{
    EXPECT_EQ(ListRowFormatter::endText(QStringLiteral("2010-01-05 14:03:07")), QStringLiteral("05.01.2010 14:03:07"));
    EXPECT_EQ(ListRowFormatter::endText(QStringLiteral("2010-01-05")), QStringLiteral("05.01.2010 00:00:00"));
    EXPECT_EQ(ListRowFormatter::endText(QStringLiteral("05.01.2010 14:03:07")), QStringLiteral("05.01.2010 14:03:07"));
    EXPECT_EQ(ListRowFormatter::endText(QString()), QString());
}

TEST_F(ListRowFormatterTest, IconsFollowPictureAndUncheckedStatus)
{
    struct Case {
        const char *pic1;
        const char *status;
        bool statusCounts;
        int icon;
    };
    const Case cases[] = {
        {"abc.jpg", "0", true, ListRowTexts::PictureIcon},
        {"abc", "0", false, ListRowTexts::PictureIcon},
        {"ab", "0", true, ListRowTexts::NoIcon},
        {"0", "0", true, ListRowTexts::NoIcon},
        {"abc.jpg", "3", true, ListRowTexts::UncheckedIcon},
        {"", "3", true, ListRowTexts::UncheckedIcon},
        {"abc.jpg", "3", false, ListRowTexts::PictureIcon},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.pic1) + "/" + c.status);
        EXPECT_EQ(ListRowFormatter::icon(QString::fromUtf8(c.pic1), QString::fromUtf8(c.status), c.statusCounts), c.icon);
    }
    EXPECT_THROW(ListRowFormatter::icon(QStringLiteral("abc.jpg"), QStringLiteral("x"), true), AppError);
}

TEST_F(ListRowFormatterTest, EachListLaysOutItsSubItemsWithTheIdLast)
{
    const QDateTime now(QDate(2010, 1, 4), QTime(13, 2, 6));
    const ListRowFormatter formatter(now);
    const FieldRows rows = oneRow(QStringLiteral("Uhr"), 12.5, 0.0, 20.0, QStringLiteral("pic.jpg"), qlonglong(0),
        qlonglong(3), QStringLiteral("2010-01-05 14:03:07"));

    const ListRowTexts running = formatter.pageRow(ListKinds::Running, rows, 0);
    EXPECT_EQ(running.caption, QStringLiteral("Uhr"));
    EXPECT_EQ(running.subItems,
        QStringList({"2", "Höchstgebot/Festpreis", "12,50 EUR", "N/A", "05.01.2010 14:03:07", "1d 1h 1m 1s ",
            "2010-01-05 14:03:07", "42"}));
    EXPECT_EQ(running.icon, ListRowTexts::PictureIcon);

    EXPECT_EQ(formatter.pageRow(ListKinds::Sold, rows, 0).subItems,
        QStringList({"2", "Höchstgebot/Festpreis", "12,50 EUR", "5", "20,00 EUR", "N/A", "05.01.2010 14:03:07",
            "1d 1h 1m 1s ", "2010-01-05 14:03:07", "42"}));
    EXPECT_EQ(formatter.pageRow(ListKinds::Unsold, rows, 0).subItems,
        QStringList({"2", "Höchstgebot/Festpreis", "12,50 EUR", "N/A", "05.01.2010 14:03:07", "1d 1h 1m 1s ",
            "2010-01-05 14:03:07", "42"}));
    for (int kind : {ListKinds::TransferList, ListKinds::ArticleMaster}) {
        EXPECT_EQ(formatter.pageRow(kind, rows, 0).subItems,
            QStringList({"2", "Höchstgebot/Festpreis", "12,50 EUR", "N/A", "14 Tage", "42"}));
    }
    for (int kind = 0; kind < ListKinds::Count; ++kind) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(formatter.pageRow(kind, rows, 0).subItems.size() + 1, ListRowFormatter::columnCount(kind));
    }
}

TEST_F(ListRowFormatterTest, ARefreshedRowNamesAnUnknownTypeAndShowsTheUncheckedIcon)
{
    const FieldRows rows = oneRow(QStringLiteral("Uhr"), 1.0, 0.0, 0.0, QStringLiteral("pic.jpg"), qlonglong(3),
        qlonglong(9), QVariant());
    const ListRowTexts paged = ListRowFormatter().pageRow(ListKinds::TransferList, rows, 0);
    const ListRowTexts refreshed = ListRowFormatter().refreshedRow(ListKinds::TransferList, rows, 0);
    EXPECT_EQ(paged.subItems.at(1), QStringLiteral("ERROR bei der Bestimmung"));
    EXPECT_EQ(refreshed.subItems.at(1), QStringLiteral("ERROR bei der Bestimmung: 9"));
    EXPECT_EQ(refreshed.icon, ListRowTexts::UncheckedIcon);
}

TEST(ListPaging, PagesHoldTwoHundredRows)
{
    struct Case {
        int rows;
        int maxPage;
        std::vector<int> rowsPerPage;
    };
    const Case cases[] = {
        {0, 0, {0}},
        {199, 0, {199}},
        {200, 1, {200, 0}},
        {450, 2, {200, 200, 50}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rows);
        ListPaging paging;
        paging.setShownListKind(ListKinds::Sold);
        paging.setCount(ListKinds::Sold, c.rows);
        EXPECT_EQ(paging.maxPage(ListKinds::Sold), c.maxPage);
        for (size_t page = 0; page < c.rowsPerPage.size(); ++page) {
            EXPECT_EQ(paging.pageLabel(ListKinds::Sold), QStringLiteral("%1/%2").arg(page).arg(c.maxPage));
            EXPECT_EQ(paging.endRow(ListKinds::Sold, c.rows) - paging.firstRow(ListKinds::Sold, c.rows),
                c.rowsPerPage[page]);
            EXPECT_EQ(paging.forward(), page + 1 < c.rowsPerPage.size());
        }
        EXPECT_EQ(paging.currentPage(ListKinds::Sold), c.maxPage);
        for (int page = c.maxPage; page > 0; --page)
            EXPECT_TRUE(paging.back());
        EXPECT_FALSE(paging.back());
        EXPECT_EQ(paging.currentPage(ListKinds::Running), 0);
    }
}

TEST(ListPaging, APageBeyondTheLastStaysUntilPagedBack)
{
    ListPaging paging;
    paging.setShownListKind(ListKinds::TransferList);
    paging.setCount(ListKinds::TransferList, 450);
    paging.forward();
    paging.forward();
    paging.setCount(ListKinds::TransferList, 150);
    EXPECT_EQ(paging.pageLabel(ListKinds::TransferList), QStringLiteral("2/0"));
    EXPECT_EQ(paging.endRow(ListKinds::TransferList, 150) - paging.firstRow(ListKinds::TransferList, 150), 0);
    EXPECT_FALSE(paging.forward());
    EXPECT_TRUE(paging.back());
    EXPECT_EQ(paging.pageLabel(ListKinds::TransferList), QStringLiteral("1/0"));
}

TEST_F(ListRowFormatterTest, RemainingTimesMatchTheTextHelpersToTheSecond)
{
    const QDateTime now(QDate(2024, 3, 30), QTime(22, 15, 40, 750));
    const ListRowFormatter formatter(now);
    for (qint64 offset : {0LL, 1LL, -1LL, 59LL, 3600LL, 90061LL, 86400LL * 30, 86399LL, -86400LL * 2, 7200LL + 5})
    {
        const QString stored = QDateTime(now.date(), now.time()).addSecs(offset).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        SCOPED_TRACE(stored.toStdString());
        const FieldRows rows = oneRow(QStringLiteral("x"), 1.0, 0.0, 0.0, QString(), qlonglong(0), qlonglong(1), stored);
        EXPECT_EQ(formatter.pageRow(ListKinds::Running, rows, 0).subItems.at(5),
            TextHelpers::FormatRemainingTime(ListRowFormatter::endText(stored), now));
    }
}
