// The master data step against our auction-house server.

#include "core/LoginContext.h"
#include "exchange/HttpClient.h"
#include "exchange/MasterDataLoader.h"
#include "tests/exchange/run/RecordingProgress.h"
#include "store/Database.h"
#include "store/Statement.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/ServerFixture.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

namespace {

const QString MasterDataPath = QStringLiteral("/api/XMLDaten.php");
const QStringList Tables = {"categories", "shop_einstelldauer", "einstelldauer", "einstellgebuehr",
                            "zusatz_preis", "zahlungsmethoden", "land"};

class MasterDataServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_db.open();
        m_client.setStallTimeout(1000);
    }

    // Runs the step with a loader of its own, as each transfer run has.
    bool load()
    {
        const AccountSession session = loginContext().session();
        RecordingProgress progress;
        MasterDataLoader loader(m_client, m_db, session, progress);
        loader.setUid(m_fixture.uid());
        loader.load();
        return loader.closeWindowAfterRun();
    }

    QStringList rows(const QString &table)
    {
        QSqlQuery query(m_db.connection());
        query.prepare("SELECT * FROM `" + table + "` WHERE aukid=:h ORDER BY rowid");
        query.bindValue(":h", ServerFixture::HouseId);
        query.exec();
        QStringList result;
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << query.value(i).toString();
            result << values.join('|');
        }
        return result;
    }

    QMap<QString, QStringList> allRows()
    {
        QMap<QString, QStringList> result;
        for (const QString &table : Tables)
            result.insert(table, rows(table));
        return result;
    }

    int storedCatalogueNumber()
    {
        return Statement::scalar(m_db, "SELECT catno FROM auktionshaus WHERE id=:h", {{":h", ServerFixture::HouseId}})
            .toInt();
    }

    ScriptedPrompter m_prompts;
    ServerFixture m_fixture;
    Database m_db;
    HttpClient m_client{HttpClient::Kind::ExchangeWindow};
};

} // namespace

TEST_F(MasterDataServerTest, FirstRunStoresEverySectionAndTheCatalogueNumber)
{
    EXPECT_FALSE(load());
    for (const QString &table : Tables)
        EXPECT_FALSE(rows(table).isEmpty()) << table.toStdString();
    EXPECT_TRUE(rows("categories").contains("990001|Testkategorie|0|11"));
    EXPECT_TRUE(rows("zahlungsmethoden").join(' ').contains(QStringLiteral("|Überweisung|11")))
        << rows("zahlungsmethoden").join(' ').toStdString();
    EXPECT_EQ(storedCatalogueNumber(), m_fixture.server().catalogueNumber());
}

TEST_F(MasterDataServerTest, RunWithTheCurrentNumberKeepsEverySection)
{
    load();
    Statement::run(m_db, "INSERT INTO land VALUES (999, 'nur lokal', 11)");
    const QMap<QString, QStringList> before = allRows();
    load();
    EXPECT_EQ(allRows(), before);
    EXPECT_EQ(storedCatalogueNumber(), m_fixture.server().catalogueNumber());
}

TEST_F(MasterDataServerTest, OnlyTheChangedSectionIsReplaced)
{
    load();
    Statement::run(m_db, "INSERT INTO land VALUES (999, 'nur lokal', 11)");
    const QStringList countries = rows("land");
    m_fixture.server().addCategory("990002", QStringLiteral("Neue Kategorie"), "990001");
    load();
    EXPECT_TRUE(rows("categories").contains("990002|Neue Kategorie|990001|11"));
    EXPECT_EQ(rows("land"), countries);
    EXPECT_EQ(storedCatalogueNumber(), m_fixture.server().catalogueNumber());
}

TEST_F(MasterDataServerTest, SectionThatCouldNotBeStoredComesAgainNextRun)
{
    load();
    const int storedBefore = storedCatalogueNumber();
    Statement::run(m_db, "DELETE FROM land WHERE aukid=11");
    Statement::run(m_db, "INSERT INTO land VALUES (999, 'alt', 11)");
    m_fixture.server().touchMasterData("laender");
    Statement::run(m_db, "CREATE TRIGGER full_disk BEFORE INSERT ON land BEGIN SELECT RAISE(IGNORE); END");
    m_prompts.expectMessage("FEHLER: Bei der Datenspeicherung");
    load();
    m_prompts.verify();
    EXPECT_EQ(rows("land"), QStringList({"999|alt|11"}));
    EXPECT_EQ(storedCatalogueNumber(), storedBefore);

    Statement::run(m_db, "DROP TRIGGER full_disk");
    load();
    EXPECT_FALSE(rows("land").contains("999|alt|11"));
    EXPECT_FALSE(rows("land").isEmpty());
    EXPECT_EQ(storedCatalogueNumber(), m_fixture.server().catalogueNumber());
}

TEST_F(MasterDataServerTest, ReplyThatIsNotXmlChangesNothing)
{
    load();
    m_fixture.server().touchMasterData("kategorien");
    const QMap<QString, QStringList> before = allRows();
    const int number = storedCatalogueNumber();
    for (const auto fault : {AuctionHouseServer::Fault::BrokenXml, AuctionHouseServer::Fault::Marker}) {
        SCOPED_TRACE(AuctionHouseServer::faultName(fault).toStdString());
        m_fixture.server().setFault(MasterDataPath, fault);
        ScriptedPrompter &prompts = m_prompts;
        for (int kind = 0; kind < 8; ++kind)
            prompts.expectMessage("XML-Error bei der Datenübername!*");
        EXPECT_FALSE(load());
        prompts.verify();
        EXPECT_EQ(allRows(), before);
        EXPECT_EQ(storedCatalogueNumber(), number);
    }
}

TEST_F(MasterDataServerTest, DeadServerGivesTheNoConnectionMessageAndNoChange)
{
    load();
    m_fixture.server().touchMasterData("kategorien");
    const QMap<QString, QStringList> before = allRows();
    const int number = storedCatalogueNumber();
    for (const auto fault : {AuctionHouseServer::Fault::Refuse, AuctionHouseServer::Fault::Stall,
                             AuctionHouseServer::Fault::DropMidReply}) {
        SCOPED_TRACE(AuctionHouseServer::faultName(fault).toStdString());
        m_fixture.server().setFault(MasterDataPath, fault);
        ScriptedPrompter &prompts = m_prompts;
        prompts.expectMessage("Es besteht keine Verbindung zum Server! Bitte überprüfen Sie Ihre Internetverbindung! "
                              "Meldung:*");
        EXPECT_TRUE(load());
        prompts.verify();
        EXPECT_EQ(allRows(), before);
        EXPECT_EQ(storedCatalogueNumber(), number);
    }
}
