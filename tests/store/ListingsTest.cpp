#include "core/AccountSession.h"
#include "store/Database.h"
#include "store/ListKinds.h"
#include "store/Listings.h"
#include "store/Statement.h"
#include "tests/support/TempProgramDir.h"

#include <gtest/gtest.h>

namespace {

constexpr int Seller = 1;
constexpr int OtherSeller = 2;
constexpr int House = 11;
constexpr int OtherHouse = 12;

AccountSession sessionOf(int userID, int aukid)
{
    AccountSession session;
    session.userID = userID;
    session.house.aukid = aukid;
    return session;
}

class ListingsTest : public ::testing::Test {
protected:
    void SetUp() override { m_db.open(); }

    int add(int userID, int aukid, int list, const QString &titel, const QString &ende = {}, int status = 0,
            const QString &pic1 = QStringLiteral("0"))
    {
        Statement::run(m_db,
                       QStringLiteral("INSERT INTO auktionen (userID, aukID, artliste, titel, ende, status, pic1, pic2, "
                                      "pic3) VALUES (:u, :a, :l, :t, :e, :s, :p, 'b.jpg', '0')"),
                       {{QStringLiteral(":u"), userID},
                        {QStringLiteral(":a"), aukid},
                        {QStringLiteral(":l"), list},
                        {QStringLiteral(":t"), titel},
                        {QStringLiteral(":e"), ende.isEmpty() ? QVariant() : QVariant(ende)},
                        {QStringLiteral(":s"), status},
                        {QStringLiteral(":p"), pic1}});
        return Statement::scalar(m_db, QStringLiteral("SELECT MAX(id) FROM auktionen")).toInt();
    }

    QStringList titles(int userID, int list)
    {
        QStringList result;
        Statement query(m_db, QStringLiteral("SELECT titel FROM auktionen WHERE userID=:u AND artliste=:l ORDER BY id"));
        query.bind(QStringLiteral(":u"), userID).bind(QStringLiteral(":l"), list).exec();
        while (query.next())
            result << query.text(QStringLiteral("titel"));
        return result;
    }

    TempProgramDir m_dir;
    Database m_db;
    AccountSession m_seller = sessionOf(Seller, House);
    Listings m_listings{m_db, m_seller};
};

} // namespace

TEST_F(ListingsTest, ListsAreTheAccountsInTheirOrderWithCounts)
{
    add(Seller, House, ListKinds::TransferList, QStringLiteral("Zebra"));
    add(Seller, House, ListKinds::TransferList, QStringLiteral("Apfel"));
    add(Seller, House, ListKinds::Running, QStringLiteral("später"), QStringLiteral("2099-02-01 10:00:00"));
    add(Seller, House, ListKinds::Running, QStringLiteral("früher"), QStringLiteral("2099-01-01 10:00:00"));
    add(OtherSeller, House, ListKinds::TransferList, QStringLiteral("Fremd"));

    const struct {
        int list;
        QStringList titles;
    } cases[] = {
        {ListKinds::TransferList, {QStringLiteral("Apfel"), QStringLiteral("Zebra")}},
        {ListKinds::Running, {QStringLiteral("früher"), QStringLiteral("später")}},
        {ListKinds::Sold, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.list);
        const FieldRows rows = m_listings.listRows(c.list);
        QStringList shown;
        for (int row = 0; row < rows.rowCount(); ++row)
            shown << rows.text(row, Listings::Titel);
        EXPECT_EQ(shown, c.titles);
        EXPECT_EQ(m_listings.count(c.list), c.titles.size());
    }
    const int newest = add(Seller, House, ListKinds::ArticleMaster, QStringLiteral("Neu"));
    EXPECT_EQ(m_listings.newestListingId(), newest);
    EXPECT_EQ(m_listings.listingRow(newest).text(0, Listings::Titel), QStringLiteral("Neu"));
}

TEST_F(ListingsTest, RemoveTouchesOnlyTheAccountsListingAtItsHouse)
{
    const int own = add(Seller, House, ListKinds::TransferList, QStringLiteral("Eigene"), {}, 0, QStringLiteral("a.jpg"));
    const int foreign = add(OtherSeller, House, ListKinds::TransferList, QStringLiteral("Fremde"));
    const int elsewhere = add(Seller, OtherHouse, ListKinds::TransferList, QStringLiteral("Anderes Haus"));

    EXPECT_EQ(m_listings.pictureNames(own), QStringList({QStringLiteral("a.jpg"), QStringLiteral("b.jpg"), "0"}));
    EXPECT_TRUE(m_listings.pictureNames(foreign).isEmpty());
    EXPECT_FALSE(m_listings.remove(foreign));
    EXPECT_FALSE(m_listings.remove(elsewhere));
    EXPECT_TRUE(m_listings.remove(own));
    EXPECT_FALSE(m_listings.remove(own));
    EXPECT_EQ(titles(OtherSeller, ListKinds::TransferList), QStringList{QStringLiteral("Fremde")});
    EXPECT_EQ(titles(Seller, ListKinds::TransferList), QStringList{QStringLiteral("Anderes Haus")});
}

TEST_F(ListingsTest, OnlyEndedRunningAuctionsOfTheAccountAtItsHouseGo)
{
    const QString past = QStringLiteral("2001-01-01 10:00:00");
    add(Seller, House, ListKinds::Running, QStringLiteral("vorbei"), past);
    add(Seller, House, ListKinds::Running, QStringLiteral("läuft"), QStringLiteral("2099-01-01 10:00:00"));
    add(Seller, House, ListKinds::Sold, QStringLiteral("verkauft"), past);
    add(Seller, OtherHouse, ListKinds::Running, QStringLiteral("anderes Haus"), past);
    add(OtherSeller, House, ListKinds::Running, QStringLiteral("fremd"), past);

    m_listings.removeEndedRunning();
    EXPECT_EQ(titles(Seller, ListKinds::Running), QStringList({QStringLiteral("läuft"), QStringLiteral("anderes Haus")}));
    EXPECT_EQ(titles(Seller, ListKinds::Sold), QStringList{QStringLiteral("verkauft")});
    EXPECT_EQ(titles(OtherSeller, ListKinds::Running), QStringList{QStringLiteral("fremd")});
}

TEST_F(ListingsTest, UploadTakesReadyTransferListRowsAndRemovesOnlyUnsentOnes)
{
    const int ready = add(Seller, House, ListKinds::TransferList, QStringLiteral("bereit"));
    add(Seller, House, ListKinds::TransferList, QStringLiteral("gesperrt"), {}, 3);
    add(Seller, House, ListKinds::ArticleMaster, QStringLiteral("Vorlage"));
    add(Seller, OtherHouse, ListKinds::TransferList, QStringLiteral("anderes Haus"));

    EXPECT_EQ(m_listings.readyForUpload(), QList<int>{ready});
    const std::optional<StoredRow> row = m_listings.listing(ready);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->text(QStringLiteral("titel")), QStringLiteral("bereit"));
    EXPECT_EQ(row->integer(QStringLiteral("artliste")), ListKinds::TransferList);
    EXPECT_FALSE(m_listings.listing(ready + 100));

    m_listings.removeSent(ready);
    EXPECT_FALSE(m_listings.listing(ready));
}

TEST_F(ListingsTest, DownloadedPagesReplaceEarlierCopiesAndAFullReloadEmptiesOnlyDownloadedLists)
{
    auto record = [](const QString &serverId, const QString &titel) {
        QStringList fields(Listings::downloadedFieldNames().size() + 1);
        fields[0] = serverId;
        fields[Listings::downloadedFieldNames().indexOf(QStringLiteral("titel"))] = titel;
        return fields;
    };
    ASSERT_TRUE(m_listings.storeDownloadedPage(ListKinds::Running, {record("501", "läuft")}, true));
    ASSERT_TRUE(m_listings.storeDownloadedPage(ListKinds::Sold, {record("501", "verkauft")}, true));
    EXPECT_TRUE(titles(Seller, ListKinds::Running).isEmpty()) << "the sold state replaced the running copy";
    EXPECT_EQ(titles(Seller, ListKinds::Sold), QStringList{QStringLiteral("verkauft")});
    EXPECT_EQ(Statement::scalar(m_db, QStringLiteral("SELECT artID FROM auktionen WHERE titel='verkauft'")).toInt(), 501);

    add(Seller, House, ListKinds::TransferList, QStringLiteral("vorbereitet"));
    add(OtherSeller, House, ListKinds::Sold, QStringLiteral("fremd"));
    m_listings.removeDownloadedLists();
    EXPECT_TRUE(titles(Seller, ListKinds::Sold).isEmpty());
    EXPECT_EQ(titles(Seller, ListKinds::TransferList), QStringList{QStringLiteral("vorbereitet")});
    EXPECT_EQ(titles(OtherSeller, ListKinds::Sold), QStringList{QStringLiteral("fremd")});
}

TEST_F(ListingsTest, PicturesOfListingsWithAFirstPicture)
{
    add(Seller, House, ListKinds::Sold, QStringLiteral("mit"), {}, 0, QStringLiteral("x.jpg"));
    add(Seller, House, ListKinds::Sold, QStringLiteral("ohne"));
    add(OtherSeller, House, ListKinds::Sold, QStringLiteral("fremd"), {}, 0, QStringLiteral("y.jpg"));
    EXPECT_EQ(m_listings.pictureNamesOfListingsWithPictures(),
              QList<QStringList>{QStringList({QStringLiteral("x.jpg"), QStringLiteral("b.jpg"), "0"})});
}
