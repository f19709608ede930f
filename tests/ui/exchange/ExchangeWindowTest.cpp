#include "core/LoginContext.h"
#include "exchange/PictureDownloadPool.h"
#include "exchange/TransferLock.h"
#include "ui/exchange/TForm5.h"
#include "store/Database.h"
#include "store/OptionFile.h"
#include "store/PictureFolder.h"
#include "store/Statement.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/ServerFixture.h"

#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString Finished = QStringLiteral("Die Übertragung ist nun abgeschlossen, Sie können nun das Fenster schließen!");

struct Steps {
    bool fetchData;
    bool send;
    bool fetchListings;
    bool reloadAll;
};

// Runs one transfer in a real exchange window, as the main window does; true when the
// window closed by itself.
bool runTransfer(ServerFixture &fixture, Steps steps)
{
    TForm5 window;
    window.settings = {fixture.user(), fixture.password(), fixture.uid(), steps.fetchData, steps.send,
                       steps.fetchListings, steps.reloadAll};
    window.Timer1->setInterval(0);
    QSignalSpy finished(&window, &TForm5::runFinished);
    window.show();
    EXPECT_TRUE(finished.wait(30000));
    const bool closed = !window.isVisible();
    EXPECT_TRUE(PictureDownloadPool::shared()->waitForIdle(20000));
    return closed;
}

int listingsOfServerId(Database &db, int serverId, int listKind)
{
    return Statement::scalar(db, QStringLiteral("SELECT COUNT(*) FROM auktionen WHERE artID=:id AND artliste=:list"),
                             {{QStringLiteral(":id"), serverId}, {QStringLiteral(":list"), listKind}})
        .toInt();
}

} // namespace

TEST(ExchangeWindow, RoadOfOneListingFromTheTransferListToTheSoldList)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    fixture.writePicture(QStringLiteral("save1_1_kunde.jpg"));
    fixture.writePicture(QStringLiteral("save2_1_kunde.jpg"));
    fixture.addTransferListing(QStringLiteral("Reise einer Auktion"), QStringLiteral("save1_1_kunde.jpg"),
                               QStringLiteral("save2_1_kunde.jpg"));

    prompts.expectMessage(Finished);
    EXPECT_TRUE(runTransfer(fixture, {true, true, true, false})) << "a run with listings closes by itself";
    prompts.verify();
    EXPECT_EQ(fixture.countListings(3), 0);
    ASSERT_EQ(fixture.countListings(0), 1);

    Database db;
    db.open();
    const int serverId = Statement::scalar(db, QStringLiteral("SELECT artID FROM auktionen WHERE artliste=0")).toInt();
    const QStringList pictures = fixture.server().receivedPictures(serverId);
    ASSERT_EQ(pictures.size(), 2);
    for (const QString &name : pictures)
        EXPECT_TRUE(PictureFolder().contains(name)) << name.toStdString();
    EXPECT_GT(Statement::scalar(db, QStringLiteral("SELECT COUNT(*) FROM categories WHERE aukid=11")).toInt(), 2000)
        << "the run brought the master data";

    ASSERT_TRUE(fixture.server().endListing(serverId, true));
    fixture.ageLastUpdate(60);
    prompts.expectMessage(Finished);
    EXPECT_TRUE(runTransfer(fixture, {true, false, true, false}));
    EXPECT_EQ(listingsOfServerId(db, serverId, 0), 0) << "the ended running auction was removed";
    EXPECT_EQ(listingsOfServerId(db, serverId, 1), 1);
}

TEST(ExchangeWindow, StepsFollowTheStartersSettingsAndTheLoadOption)
{
    const struct {
        Steps steps;
        bool load;
        int masterDataRequests, uploads, listingRequests;
        bool closes;
    } cases[] = {
        {{true, true, true, false}, true, 1, 1, 3, true},   // all tasks
        {{false, true, false, false}, true, 0, 1, 0, false}, // transfer list only
        {{false, true, false, false}, false, 1, 1, 0, false}, // ... with "load" 0 also the master data
        {{true, false, true, false}, true, 1, 0, 3, true},   // auction status
    };
    for (const auto &c : cases) {
        ServerFixture fixture;
        ScriptedPrompter prompts;
        OptionFile().save(c.load, QStringLiteral("30"));
        fixture.addTransferListing(QStringLiteral("Eine"));
        fixture.server().resetRequestCounts();
        prompts.expectMessage(Finished);
        EXPECT_EQ(runTransfer(fixture, c.steps), c.closes);
        auto &server = fixture.server();
        EXPECT_EQ(server.requestCount(QStringLiteral("/veltrano/version_check.php")), 1);
        EXPECT_EQ(server.requestCount(QStringLiteral("/api/XMLDaten.php")), c.masterDataRequests);
        EXPECT_EQ(server.requestCount(QStringLiteral("/asend.php")), c.uploads);
        EXPECT_EQ(server.requestCount(QStringLiteral("/api/XMLAuctions.php")), c.listingRequests);
    }
}

TEST(ExchangeWindow, NewVersionStopsTheRunAndEndedAuctionsGoAtEveryRun)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    {
        Database db;
        db.open();
        Statement::run(db, QStringLiteral("INSERT INTO auktionen (userID, aukID, artliste, titel, ende) VALUES "
                                          "(:u, 11, 0, 'vorbei', '2001-01-01 10:00:00'), "
                                          "(:u, 11, 0, 'läuft', '2099-01-01 10:00:00')"),
                       {{QStringLiteral(":u"), fixture.userID()}});
    }
    fixture.addTransferListing(QStringLiteral("Wartet"));
    fixture.server().setCurrentVersion(QStringLiteral("99.0"), QStringLiteral("update-99.exe"));
    prompts.expectMessage(
        QStringLiteral("Es besteht eine neue Version, bitte verwenden Sie das Menu Optionen => Softwareupdate"));
    EXPECT_TRUE(runTransfer(fixture, {true, true, true, false}));
    EXPECT_EQ(fixture.countListings(3), 1) << "nothing was sent";
    EXPECT_EQ(fixture.countListings(0), 2) << "the run stopped before the clean-up";
    prompts.verify();

    fixture.server().setCurrentVersion(QString(), QString());
    prompts.expectMessage(Finished);
    EXPECT_FALSE(runTransfer(fixture, {false, false, false, false}));
    EXPECT_EQ(fixture.countListings(0), 1);
}

TEST(ExchangeWindow, UnreachableUpdateServerEndsTheRunWithTheClientsError)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    fixture.server().setFault(QStringLiteral("/veltrano/version_check.php"), AuctionHouseServer::Fault::Refuse);
    prompts.expectError(QStringLiteral("*"));
    TForm5 window;
    window.Timer1->setInterval(0);
    QSignalSpy finished(&window, &TForm5::runFinished);
    window.show();
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.StatusLabel->text(), QStringLiteral("Datenabgleich ... (Zeitintensiv!)"));
}

TEST(ExchangeWindow, WhileAnotherRunHoldsTheDatabaseTheWindowRefusesAndCloses)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    fixture.addTransferListing(QStringLiteral("Wartet"));
    TransferLock otherRun(fixture.dir().path());
    ASSERT_TRUE(otherRun.acquire(0));
    prompts.expectMessage(TransferLock::busyMessage());
    EXPECT_TRUE(runTransfer(fixture, {true, true, true, false}));
    prompts.verify();
    EXPECT_EQ(fixture.server().requestCount(QStringLiteral("/veltrano/version_check.php")), 0);
    EXPECT_EQ(fixture.countListings(3), 1);
}
