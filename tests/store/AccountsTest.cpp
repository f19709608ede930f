#include "store/Accounts.h"
#include "store/Database.h"
#include "store/Statement.h"
#include "tests/support/TempProgramDir.h"

#include <gtest/gtest.h>

namespace {

Accounts::NewUser newUser(const QString &usern, int aukid, int hauptid, const QString &sellerName)
{
    Accounts::NewUser user;
    user.usern = usern;
    user.password = QStringLiteral("pass'wort");
    user.auctionHouseName = aukid == 12 ? QStringLiteral("Karvento") : QStringLiteral("Morvelia");
    user.aukid = aukid;
    user.hauptid = hauptid;
    user.server = {QStringLiteral("u-") + usern, QStringLiteral("O'Neill & Söhne"), sellerName, QStringLiteral("Weg 1"),
                   QStringLiteral("50667"), QStringLiteral("Köln"), QStringLiteral("DE"), QStringLiteral("0221"),
                   QStringLiteral("a@b.de")};
    return user;
}

QStringList subAccountNames(Accounts &accounts, int masterId)
{
    QStringList names;
    for (const Accounts::SubAccount &account : accounts.subAccounts(masterId))
        names << account.usern + QLatin1Char('@') + QString::number(account.aukid);
    return names;
}

} // namespace

TEST(Accounts, NewUserRowHoldsTheValuesAsGivenQuotesIncluded)
{
    TempProgramDir dir;
    Accounts accounts;
    const int id = accounts.addUser(newUser(QStringLiteral("o'brien"), 11, 0, QStringLiteral("Brien")));
    ASSERT_GT(id, 0);

    Database db;
    db.open();
    Statement row(db, QStringLiteral("SELECT * FROM user WHERE id=:id"));
    row.bind(QStringLiteral(":id"), id).exec();
    ASSERT_TRUE(row.next());
    EXPECT_EQ(row.text(QStringLiteral("usern")), QStringLiteral("o'brien"));
    EXPECT_EQ(row.text(QStringLiteral("password")), QStringLiteral("pass'wort"));
    EXPECT_EQ(row.text(QStringLiteral("firma")), QStringLiteral("O'Neill & Söhne"));
    EXPECT_EQ(row.text(QStringLiteral("lastupdate")), QStringLiteral("01.01.1991"));
    EXPECT_EQ(row.text(QStringLiteral("auktionshaus")), QStringLiteral("Morvelia"));
    EXPECT_EQ(row.integer(QStringLiteral("aukid")), 11);
    EXPECT_EQ(row.integer(QStringLiteral("hauptid")), 0);

    EXPECT_TRUE(accounts.userExists(QStringLiteral("o'brien"), 11));
    EXPECT_FALSE(accounts.userExists(QStringLiteral("o'brien"), 12));
    EXPECT_FALSE(accounts.userExists(QStringLiteral("O'Brien"), 11));
}

TEST(Accounts, SubAccountsAreTheMastersSortedBySellerNameAndGoByNameAndHouse)
{
    TempProgramDir dir;
    Accounts accounts;
    const int master = accounts.addUser(newUser(QStringLiteral("chef"), 0, 0, QStringLiteral("Chef")));
    accounts.addUser(newUser(QStringLiteral("zeta"), 11, master, QStringLiteral("Anna")));
    accounts.addUser(newUser(QStringLiteral("alpha"), 11, master, QStringLiteral("Zoe")));
    accounts.addUser(newUser(QStringLiteral("zeta"), 12, master, QStringLiteral("Bert")));
    accounts.addUser(newUser(QStringLiteral("fremd"), 11, master + 100, QStringLiteral("Carl")));
    // The same account name at the same house, kept as an account of its own.
    accounts.addUser(newUser(QStringLiteral("zeta"), 11, 0, QStringLiteral("Anna")));

    EXPECT_EQ(subAccountNames(accounts, master),
              (QStringList{QStringLiteral("zeta@11"), QStringLiteral("zeta@12"), QStringLiteral("alpha@11")}));
    EXPECT_TRUE(subAccountNames(accounts, master + 1).isEmpty());

    accounts.removeUser(QStringLiteral("zeta"), 11);
    EXPECT_EQ(subAccountNames(accounts, master), (QStringList{QStringLiteral("zeta@12"), QStringLiteral("alpha@11")}));
    EXPECT_FALSE(accounts.userExists(QStringLiteral("zeta"), 11)) << "every row of that name and house goes";
    EXPECT_TRUE(accounts.userExists(QStringLiteral("zeta"), 12));
}

TEST(Accounts, AuctionHousesSortedByNameAndFoundByName)
{
    TempProgramDir dir;
    Accounts accounts;
    QStringList names;
    for (const Accounts::AuctionHouse &house : accounts.auctionHouses())
        names << house.name;
    EXPECT_EQ(names, (QStringList{QStringLiteral("Karvento"), QStringLiteral("Lindomarkt"), QStringLiteral("Morvelia")}));

    const std::optional<Accounts::AuctionHouse> karvento = accounts.auctionHouseNamed(QStringLiteral("Karvento"));
    ASSERT_TRUE(karvento);
    EXPECT_EQ(karvento->id, 12);
    EXPECT_EQ(karvento->typ, 1);
    EXPECT_FALSE(accounts.auctionHouseNamed(QStringLiteral("Karvento' OR '1'='1")));
}

TEST(Accounts, OwnAccountsPasswordsAndTheStampOfTheLastDownload)
{
    TempProgramDir dir;
    Accounts accounts;
    const int own = accounts.addUser(newUser(QStringLiteral("eigen"), 11, 0, QStringLiteral("Anna")));
    accounts.addUser(newUser(QStringLiteral("unter"), 12, own, QStringLiteral("Bert")));

    const std::vector<AccountEntry> listed = accounts.ownAccounts();
    ASSERT_EQ(listed.size(), 1u) << "sub-accounts are not listed at the login";
    EXPECT_EQ(listed[0].usern, QStringLiteral("eigen"));
    EXPECT_EQ(listed[0].id, own);
    EXPECT_EQ(listed[0].uid, QStringLiteral("u-eigen"));

    accounts.changePassword(own, QStringLiteral("neu'es & Wort"));
    EXPECT_EQ(accounts.ownAccounts()[0].password, QStringLiteral("neu'es & Wort"));

    EXPECT_EQ(accounts.lastUpdate(QStringLiteral("eigen"), 11), QString::fromLatin1(Accounts::FirstLastUpdate));
    EXPECT_EQ(accounts.lastUpdate(QStringLiteral("eigen"), 12), std::nullopt);
    accounts.stampLastUpdate(QStringLiteral("eigen"), 11, QStringLiteral("11.12.2026 10:00:00"));
    EXPECT_EQ(accounts.lastUpdateOf(own), QStringLiteral("11.12.2026 10:00:00"));
    EXPECT_EQ(accounts.lastUpdate(QStringLiteral("unter"), 12), QString::fromLatin1(Accounts::FirstLastUpdate));
}

TEST(Accounts, AuctionHouseRowOrEmptyValuesWhenThereIsNone)
{
    TempProgramDir dir;
    Accounts accounts;
    const AuctionHouse karvento = accounts.auctionHouseRow(12);
    EXPECT_EQ(karvento.aukid, 12);
    EXPECT_EQ(karvento.name, QStringLiteral("Karvento"));
    EXPECT_EQ(karvento.typ, 1);
    EXPECT_FALSE(karvento.url.isEmpty());

    const AuctionHouse none = accounts.auctionHouseRow(99);
    EXPECT_EQ(none.aukid, 0);
    EXPECT_TRUE(none.name.isEmpty() && none.url.isEmpty() && none.MoneySymbol.isEmpty());
    EXPECT_TRUE(none.zust[0].isEmpty());
}
