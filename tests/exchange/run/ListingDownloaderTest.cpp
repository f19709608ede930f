#include "RecordingProgress.h"

#include "core/LoginContext.h"
#include "exchange/HttpClient.h"
#include "exchange/ListingDownloader.h"
#include "exchange/PictureDownloadPool.h"
#include "store/Database.h"
#include "store/PictureFolder.h"
#include "store/Statement.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/ServerFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString NoConnection =
    QStringLiteral("Es besteht keine Verbindung zum Server! Bitte überprüfen Sie Ihre Internetverbindung!");

struct Download {
    explicit Download(ServerFixture &fixture) : fixture(fixture) { client.setStallTimeout(2000); }

    void run(bool reloadAll = false)
    {
        const AccountSession session = loginContext().session();
        ListingDownloader downloader(client, db, session, progress, pictures);
        downloader.LoadListings({fixture.user(), fixture.password(), 60, reloadAll});
        closes = downloader.closeWindowAfterRun();
        ASSERT_TRUE(pictures.waitForIdle(20000));
    }

    QString lastUpdate()
    {
        return Statement::scalar(db, QStringLiteral("SELECT lastupdate FROM user WHERE id=:id"),
                                 {{QStringLiteral(":id"), fixture.userID()}})
            .toString();
    }

    ServerFixture &fixture;
    HttpClient client{HttpClient::Kind::ExchangeWindow};
    Database db;
    RecordingProgress progress;
    PictureDownloadPool pictures;
    bool closes = false;
};

QByteArray listingRecord(int id, const QByteArray &title = "Artikel", const QByteArray &pic1 = "0")
{
    return "<auktionen><id>" + QByteArray::number(id) + "</id><titel>" + title + "</titel><pic1>" + pic1
        + "</pic1><ende>2030-01-05 14:03:07</ende></auktionen>";
}

QByteArray page(const QByteArray &max, const QByteArray &records)
{
    return "<auktionsdaten><pages><max>" + max + "</max></pages>" + records + "</auktionsdaten>";
}

int requestsForList(const LocalHttpServer &server, const QByteArray &list)
{
    int count = 0;
    for (const LocalHttpServer::Request &request : server.requests())
        count += request.path == "/api/XMLAuctions.php" && request.queryValue("ShowAuktions") == list ? 1 : 0;
    return count;
}

} // namespace

TEST(ListingDownloader, FetchesEveryPageOfTheThreeListsWithTheirPictures)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    auto &server = fixture.server();
    server.addListings(fixture.user(), 0, QStringLiteral("Laufend"), 450);
    const int sold = server.addListing(fixture.user(), 1, QStringLiteral("Verkauft"), {}, 2);
    server.addListing(fixture.user(), 2, QStringLiteral("Unverkauft"));
    server.resetRequestCounts();

    Download download(fixture);
    download.run();

    // 450 running listings are pages 0 to 2; the other lists announce page 0 only.
    EXPECT_EQ(server.requestCount(QStringLiteral("/api/XMLAuctions.php")), 5);
    EXPECT_EQ(fixture.countListings(0), 450);
    EXPECT_EQ(fixture.countListings(1), 1);
    EXPECT_EQ(fixture.countListings(2), 1);
    EXPECT_NE(download.lastUpdate(), QStringLiteral("01.01.1991"));
    EXPECT_TRUE(download.closes);
    EXPECT_EQ(download.progress.statuses.last(), QStringLiteral("Alle Vorgäng abgeschlossen!"));
    EXPECT_EQ(download.progress.progress1, 100);

    const QStringList names = server.receivedPictures(sold);
    ASSERT_EQ(names.size(), 2);
    for (const QString &name : names) {
        ASSERT_TRUE(PictureFolder().contains(name)) << name.toStdString();
        QFile file(PictureFolder().filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), server.pictureBytes(name));
    }
    Statement row(download.db, QStringLiteral("SELECT titel, artliste, aukID, startpreis, ende FROM auktionen WHERE "
                                              "artID=:id"));
    row.bind(QStringLiteral(":id"), sold).exec();
    ASSERT_TRUE(row.next());
    EXPECT_EQ(row.text(QStringLiteral("titel")), QStringLiteral("Verkauft"));
    EXPECT_EQ(row.integer(QStringLiteral("aukID")), ServerFixture::HouseId);
    EXPECT_FALSE(row.dateText(QStringLiteral("ende")).isEmpty());
}

TEST(ListingDownloader, NothingNewLeavesTheStampAndAnAbsentPageCountFetchesPageOne)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    LocalHttpServer fake;
    fake.reply("/api/XMLAuctions.php", QByteArray("<?xml version=\"1.0\"?><daten></daten>"));
    loginContext().url = fake.baseUrl();
    Download download(fixture);
    download.run();
    // Without a page count each list asks for pages 0 and 1.
    EXPECT_EQ(fake.requestCount(), 6);
    EXPECT_EQ(download.lastUpdate(), QStringLiteral("01.01.1991"));
    const LocalHttpServer::Request first = fake.requests().first();
    EXPECT_EQ(first.queryValue("user"), fixture.user().toUtf8());
    EXPECT_EQ(first.queryValue("pass"), fixture.password().toUtf8()) << "the password arrives intact";
    EXPECT_EQ(first.queryValue("LastUpdate"), QByteArray("01.01.1991"));
    EXPECT_EQ(first.queryValue("LastDate"), QByteArray("60"));
    EXPECT_EQ(first.queryValue("ShowAuktions"), QByteArray("0"));
}

TEST(ListingDownloader, ABrokenPageIsReportedAndTheOtherPagesAreStored)
{
    ServerFixture fixture;
    LocalHttpServer fake;
    const auto record = [](int id) {
        return QByteArray("<auktionen><id>") + QByteArray::number(id) + "</id><titel>Seite " + QByteArray::number(id)
            + "</titel><startpreis>12.50</startpreis><ende>2030-01-05 14:03:07</ende><pic1>0</pic1></auktionen>";
    };
    fake.on("/api/XMLAuctions.php", [&](const LocalHttpServer::Request &request) {
        LocalHttpServer::Reply reply;
        const QByteArray page = request.queryValue("no");
        if (request.queryValue("ShowAuktions") != "0")
            reply.body = "<daten><pages><max>0</max></pages></daten>";
        else if (page == "1")
            reply.body = "<daten><pages><max>2</max></pages><auktionen><id>2</id><titel>kaputt";
        else
            reply.body = "<daten><pages><max>2</max></pages>" + record(page.toInt() + 10) + "</daten>";
        return reply;
    });
    loginContext().url = fake.baseUrl();
    ScriptedPrompter prompts;
    // The page count is known from page 0, so only the listings of page 1 fail to parse.
    prompts.expectMessage(QStringLiteral("*"));
    Download download(fixture);
    download.run();
    EXPECT_EQ(fixture.countListings(0), 2);
    EXPECT_DOUBLE_EQ(Statement::scalar(download.db, QStringLiteral("SELECT startpreis FROM auktionen WHERE artID=12"))
                         .toDouble(),
                     12.5);
}

TEST(ListingDownloader, FullReloadReplacesTheDownloadedListsOnlyWhenEverythingArrived)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    auto &server = fixture.server();
    server.addListings(fixture.user(), 0, QStringLiteral("Neu"), 3);
    const int transferId = fixture.addTransferListing(QStringLiteral("Bleibt"));
    {
        Download first(fixture);
        first.run();
    }
    ASSERT_EQ(fixture.countListings(0), 3);

    // The sold list breaks off mid-reply: the old lists stay as they were.
    server.addListings(fixture.user(), 0, QStringLiteral("Noch neuer"), 2);
    server.setFault(QStringLiteral("/api/XMLAuctions.php"), AuctionHouseServer::Fault::DropMidReply);
    prompts.expectMessage(NoConnection);
    {
        Download broken(fixture);
        broken.run(true);
        EXPECT_TRUE(broken.closes);
    }
    EXPECT_EQ(fixture.countListings(0), 3);

    server.clearFaults();
    Download reload(fixture);
    reload.run(true);
    EXPECT_EQ(fixture.countListings(0), 5) << "the reload asks for everything and replaces the old rows";
    EXPECT_EQ(Statement::scalar(reload.db, QStringLiteral("SELECT COUNT(*) FROM auktionen WHERE id=:id"),
                                {{QStringLiteral(":id"), transferId}})
                  .toInt(),
              1);
}

TEST(ListingDownloader, RefusedAndStalledServersEndTheStepWithTheConnectionMessage)
{
    for (const auto fault : {AuctionHouseServer::Fault::Refuse, AuctionHouseServer::Fault::Stall}) {
        ServerFixture fixture;
        ScriptedPrompter prompts;
        fixture.server().addListing(fixture.user(), 0, QStringLiteral("Wartet"));
        fixture.server().setFault(QStringLiteral("/api/XMLAuctions.php"), fault);
        prompts.expectMessage(NoConnection);
        Download download(fixture);
        download.run();
        EXPECT_TRUE(download.closes);
        EXPECT_EQ(fixture.countListings(0), 0);
        EXPECT_EQ(download.lastUpdate(), QStringLiteral("01.01.1991"));
        prompts.verify();

        // The next run succeeds.
        fixture.server().clearFaults();
        Download next(fixture);
        next.run();
        EXPECT_EQ(fixture.countListings(0), 1);
    }
}

TEST(ListingDownloader, PictureNamesFollowTheHouseTypeAndNeverLeaveThePictureFolder)
{
    ServerFixture fixture;
    fixture.setHouseTyp(1);
    LocalHttpServer fake;
    fake.reply("/api/XMLAuctions.php",
               QByteArray("<daten><pages><max>0</max></pages>"
                          "<auktionen><id>1</id><titel>a</titel><pic1>ab12cd/eins.jpg</pic1><pic2>../boese.jpg</pic2>"
                          "<pic3>ab12cd/../../drei.jpg</pic3></auktionen>"
                          "<auktionen><id>2</id><titel>b</titel><pic1>0</pic1><pic2>ab12cd/zwei.jpg</pic2></auktionen>"
                          "</daten>"));
    fake.reply("/ab12cd/eins.jpg", QByteArray("\xFF\xD8\xFF JPEGDATA"));
    fake.reply("/ab12cd/zwei.jpg", QByteArray("\xFF\xD8\xFF JPEGDATA"));
    loginContext().url = fake.baseUrl();
    ScriptedPrompter prompts;
    Download download(fixture);
    download.run();
    EXPECT_TRUE(PictureFolder().contains(QStringLiteral("ab12cdeins.jpg")));
    EXPECT_FALSE(PictureFolder().contains(QStringLiteral("ab12cdzwei.jpg"))) << "a listing without pic1 is skipped";
    EXPECT_FALSE(QFile::exists(fixture.dir().file(QStringLiteral("boese.jpg"))));
    EXPECT_FALSE(QFile::exists(fixture.dir().file(QStringLiteral("drei.jpg"))));
    int pictureRequests = 0;
    for (const auto &request : fake.requests())
        pictureRequests += request.path.endsWith(".jpg") ? 1 : 0;
    EXPECT_EQ(pictureRequests, 1);
    EXPECT_TRUE(QDir(PictureFolder().folderPath()).entryList({QStringLiteral("*.part")}).isEmpty());
}

TEST(ListingDownloader, AnAnnouncedEndlessListStopsAtTheFirstPageWithoutListings)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    LocalHttpServer fake;
    fake.on("/api/XMLAuctions.php", [](const LocalHttpServer::Request &request) {
        LocalHttpServer::Reply reply;
        const bool first = request.queryValue("no") == "0" && request.queryValue("ShowAuktions") == "0";
        reply.body = page("2147483647", first ? listingRecord(1) + listingRecord(2) : QByteArray());
        return reply;
    });
    loginContext().url = fake.baseUrl();
    Download download(fixture);
    download.run();
    EXPECT_EQ(fixture.countListings(0), 2);
    // Page 1 is empty; page 2 may already have been on its way.
    EXPECT_LE(requestsForList(fake, "0"), 3);
    EXPECT_EQ(requestsForList(fake, "1"), 1);
    EXPECT_EQ(requestsForList(fake, "2"), 1);
    EXPECT_NE(download.lastUpdate(), QStringLiteral("01.01.1991"));
}

TEST(ListingDownloader, NoListIsFetchedBeyondThePageLimit)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    LocalHttpServer fake;
    // Every page brings a new listing and announces more pages than anyone has.
    fake.on("/api/XMLAuctions.php", [](const LocalHttpServer::Request &request) {
        LocalHttpServer::Reply reply;
        const bool running = request.queryValue("ShowAuktions") == "0";
        reply.body = page(running ? "2147483647" : "0",
                          running ? listingRecord(request.queryValue("no").toInt() + 1) : QByteArray());
        return reply;
    });
    loginContext().url = fake.baseUrl();
    Download download(fixture);
    const AccountSession session = loginContext().session();
    ListingDownloader downloader(download.client, download.db, session, download.progress, download.pictures);
    downloader.setMaxPagesPerList(7);
    downloader.LoadListings({fixture.user(), fixture.password(), 60, false});
    EXPECT_EQ(requestsForList(fake, "0"), 7);
    EXPECT_EQ(fixture.countListings(0), 7);
    EXPECT_TRUE(downloader.closeWindowAfterRun());
}

TEST(ListingDownloader, HostilePagesNeitherCrashNorHangTheDownload)
{
    ServerFixture fixture;
    LocalHttpServer fake;
    QByteArray crowded = "<auktionen";
    for (int i = 0; i < 200000; ++i)
        crowded += " a" + QByteArray::number(i) + "=\"1\"";
    crowded += "><id>3</id></auktionen>";
    const QByteArray deep = QByteArray("<b>").repeated(60000) + "tief" + QByteArray("</b>").repeated(60000);
    fake.on("/api/XMLAuctions.php", [&](const LocalHttpServer::Request &request) {
        LocalHttpServer::Reply reply;
        const QByteArray number = request.queryValue("no");
        if (request.queryValue("ShowAuktions") != "0")
            reply.body = page("0", {});
        else if (number == "0")
            reply.body = page("2", listingRecord(1, "Lampe " + deep));
        else if (number == "1")
            reply.body = page("2", crowded);
        else
            reply.body = page("2", listingRecord(2));
        return reply;
    });
    loginContext().url = fake.baseUrl();
    ScriptedPrompter prompts;
    prompts.expectMessage(QStringLiteral("XML-Error bei der Datenübername!*"));
    QElapsedTimer clock;
    clock.start();
    Download download(fixture);
    download.run();
    EXPECT_LT(clock.elapsed(), 20000);
    EXPECT_EQ(fixture.countListings(0), 2) << "the pages around the refused one are stored";
    EXPECT_EQ(Statement::scalar(download.db, QStringLiteral("SELECT titel FROM auktionen WHERE artID=1")).toString(),
              QStringLiteral("Lampe tief"));
    prompts.verify();
    ASSERT_EQ(prompts.prompts().size(), 1);
    EXPECT_TRUE(prompts.prompts().first().text.contains(QStringLiteral("mehr als 256 Attribute")));
}

TEST(ListingDownloader, LeftoversOfAnEarlierRunDoNotCountAsPictures)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    LocalHttpServer fake;
    const QByteArray jpeg = QByteArray("\xFF\xD8\xFF\xE0", 4) + QByteArray(500, 'j');
    fake.reply("/api/XMLAuctions.php", page("0", listingRecord(1, "Mit Bild", "fehler.jpg")));
    fake.reply("/api/filedownload.php", jpeg);
    loginContext().url = fake.baseUrl();
    PictureFolder folder;
    folder.ensureExists();
    const auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    // An error text an earlier version stored as the picture, and the half of a picture
    // whose download was killed.
    write(QStringLiteral("fehler.jpg"), "ERROR");
    write(QStringLiteral("anderes.jpg.part"), jpeg.left(100));
    Download download(fixture);
    download.run();
    QFile stored(folder.filePath(QStringLiteral("fehler.jpg")));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), jpeg);
    EXPECT_TRUE(QDir(folder.folderPath()).entryList({QStringLiteral("*.part")}).isEmpty());
}
