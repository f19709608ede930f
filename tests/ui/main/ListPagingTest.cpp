#include "store/ListKinds.h"
#include "ui/main/ListPaging.h"

#include <gtest/gtest.h>

TEST(ListPaging, PagesOfTwoHundredRowsCountedFromZero)
{
    const struct {
        int rows;
        int maxPage;
        QString label;
    } cases[] = {
        {0, 0, QStringLiteral("0/0")},
        {199, 0, QStringLiteral("0/0")},
        {200, 1, QStringLiteral("0/1")},
        {401, 2, QStringLiteral("0/2")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rows);
        ListPaging paging;
        paging.setCount(ListKinds::Sold, c.rows);
        EXPECT_EQ(paging.count(ListKinds::Sold), c.rows);
        EXPECT_EQ(paging.maxPage(ListKinds::Sold), c.maxPage);
        EXPECT_EQ(paging.pageLabel(ListKinds::Sold), c.label);
    }
}

TEST(ListPaging, PagingMovesOnlyTheShownListWithinItsPages)
{
    ListPaging paging;
    paging.setCount(ListKinds::Running, 450);
    paging.setCount(ListKinds::Sold, 450);
    EXPECT_FALSE(paging.back());
    EXPECT_TRUE(paging.forward());
    EXPECT_TRUE(paging.forward());
    EXPECT_FALSE(paging.forward()) << "page 2 is the last";
    EXPECT_EQ(paging.currentPage(ListKinds::Running), 2);
    EXPECT_EQ(paging.currentPage(ListKinds::Sold), 0);
    EXPECT_EQ(paging.firstRow(ListKinds::Running, 450), 400);
    EXPECT_EQ(paging.endRow(ListKinds::Running, 450), 450);
    EXPECT_EQ(paging.firstRow(ListKinds::Running, 100), 100) << "never beyond the cached rows";

    paging.setCount(ListKinds::Running, 10);
    EXPECT_EQ(paging.currentPage(ListKinds::Running), 2) << "the page stays beyond the new last page";
    EXPECT_TRUE(paging.back());
    paging.setShownListKind(ListKinds::Sold);
    EXPECT_TRUE(paging.forward());
    EXPECT_EQ(paging.pageLabel(ListKinds::Sold), QStringLiteral("1/2"));
}
