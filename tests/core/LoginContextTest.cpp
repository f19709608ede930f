#include "core/LoginContext.h"

#include <gtest/gtest.h>

TEST(LoginContext, StartsEmptyAndZero)
{
    resetLoginContext();
    const LoginContext &c = loginContext();
    EXPECT_TRUE(c.ProgramDir.isEmpty());
    EXPECT_TRUE(c.url.isEmpty());
    EXPECT_EQ(c.aukid, 0);
    EXPECT_EQ(c.userID, 0);
    EXPECT_EQ(c.typ, 0);
    for (const QString &name : c.AuctionHouseNames)
        EXPECT_TRUE(name.isEmpty());
}

TEST(LoginContext, NameTableCoversIdsZeroToHundredOnly)
{
    resetLoginContext();
    LoginContext &c = loginContext();
    c.setAuctionHouseName(0, QStringLiteral("~ Multiuser ~"));
    c.setAuctionHouseName(0, QStringLiteral("Nullhaus"));
    c.setAuctionHouseName(100, QStringLiteral("Hundert"));
    c.setAuctionHouseName(101, QStringLiteral("zu groß"));
    c.setAuctionHouseName(-1, QStringLiteral("negativ"));
    EXPECT_EQ(c.auctionHouseName(0), QStringLiteral("Nullhaus"));
    EXPECT_EQ(c.auctionHouseName(100), QStringLiteral("Hundert"));
    EXPECT_TRUE(c.auctionHouseName(101).isEmpty());
    EXPECT_TRUE(c.auctionHouseName(-1).isEmpty());
    resetLoginContext();
}
