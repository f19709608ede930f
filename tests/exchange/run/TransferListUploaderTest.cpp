#include "RecordingProgress.h"

#include "core/LoginContext.h"
#include "exchange/HttpClient.h"
#include "exchange/TransferListUploader.h"
#include "store/Database.h"
#include "store/PictureFolder.h"
#include "store/Statement.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/ServerFixture.h"

#include <gtest/gtest.h>

namespace {

struct Upload {
    explicit Upload(ServerFixture &fixture) : fixture(fixture) { client.setStallTimeout(2000); }

    void run()
    {
        const AccountSession session = loginContext().session();
        TransferListUploader uploader(client, db, session, progress);
        uploader.UploadTransferList({fixture.user(), fixture.password()});
        closes = uploader.closeWindowAfterRun();
    }

    bool stillListed(int id)
    {
        return Statement::scalar(db, QStringLiteral("SELECT COUNT(*) FROM auktionen WHERE id=:id"),
                                 {{QStringLiteral(":id"), id}})
                   .toInt()
            == 1;
    }

    ServerFixture &fixture;
    HttpClient client{HttpClient::Kind::ExchangeWindow};
    Database db;
    RecordingProgress progress;
    bool closes = false;
};

} // namespace

TEST(TransferListUploader, SendsAListingWithItsPicturesAndRemovesIt)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    fixture.writePicture(QStringLiteral("save1_1_kunde.jpg"));
    fixture.writePicture(QStringLiteral("save3_1_kunde.jpg"));
    const int id = fixture.addTransferListing(QStringLiteral("Omas \"gute\" Vase & Schale"),
                                              QStringLiteral("save1_1_kunde.jpg"), QStringLiteral("0"),
                                              QStringLiteral("save3_1_kunde.jpg"));
    Upload upload(fixture);
    upload.run();

    EXPECT_FALSE(upload.stillListed(id));
    EXPECT_FALSE(PictureFolder().contains(QStringLiteral("save1_1_kunde.jpg")));
    EXPECT_FALSE(PictureFolder().contains(QStringLiteral("save3_1_kunde.jpg")));
    const QString logged = upload.progress.runLog.filter(QStringLiteral("Beginne Bilderupload mit ID ")).value(0);
    const int serverId = logged.mid(logged.lastIndexOf(QLatin1Char(' ')) + 1).toInt();
    ASSERT_GT(serverId, 0);
    EXPECT_EQ(fixture.server().receivedPictures(serverId).size(), 2);
    EXPECT_EQ(fixture.server().listOf(serverId), 0);
    EXPECT_EQ(fixture.server().listingRecord(serverId).value(QStringLiteral("titel")),
              QStringLiteral("Omas \"gute\" Vase & Schale"));
}

TEST(TransferListUploader, FieldsTravelInTheirOrderAndEncodings)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    LocalHttpServer fake;
    fake.reply("/asend.php", QByteArray("<HTML><BODY>4711</BODY></HTML>\r\n"));
    loginContext().url = fake.baseUrl();
    fixture.writePicture(QStringLiteral("save2_1_kunde.jpg"));
    fixture.addTransferListing(QStringLiteral("Müller & Co."), QString(), QStringLiteral("save2_1_kunde.jpg"),
                               QStringLiteral("ab"));
    Upload upload(fixture);
    upload.run();

    ASSERT_EQ(fake.requestCount(), 2);
    const LocalHttpServer::Request form = fake.requests().at(0);
    EXPECT_TRUE(form.body.startsWith("titel=M%FCller%20%26%20Co%2E&description="));
    EXPECT_TRUE(form.body.endsWith("&bilder=1&sprache=DE&schluessel=1&benutzername=kunde%2Eeins&passwort=ge%26heim%3D1&"));
    EXPECT_TRUE(form.body.contains("&minimum_bid=12%2C5&")) << "amounts carry the decimal comma";
    EXPECT_TRUE(form.body.contains("&shipping=1&"));
    EXPECT_TRUE(form.body.contains("&international=0&"));
    const QList<QByteArray> names = [&] {
        QList<QByteArray> result;
        for (const QByteArray &pair : form.body.split('&'))
            if (!pair.isEmpty())
                result.append(pair.left(pair.indexOf('=')));
        return result;
    }();
    EXPECT_EQ(names.size(), 33);
    EXPECT_EQ(names.at(2), QByteArray("category"));
    EXPECT_EQ(names.at(21), QByteArray("auktyp"));

    const LocalHttpServer::Request pictures = fake.requests().at(1);
    EXPECT_EQ(pictures.path, QByteArray("/api/abild.php"));
    EXPECT_EQ(pictures.queryValue("auktionid"), QByteArray("4711"));
    EXPECT_EQ(pictures.queryValue("passwort"), fixture.password().toUtf8());
    ASSERT_EQ(pictures.parts.size(), 1);
    EXPECT_EQ(pictures.parts.at(0).name, QByteArray("bild1"));
    EXPECT_EQ(pictures.parts.at(0).contentType, QByteArray("image/jpeg"));
}

TEST(TransferListUploader, RefusalsKeepTheListingAndNameTheReason)
{
    const struct {
        const char *reply;
        const char *message;
    } cases[] = {
        {"ERROR12", "Fehler bei der Authentifizierung"},
        {"ERROR2", "Minimum des Einstellpreises ist unterschritten. Bitte prüfen Sie den Startpreis!"},
        {"ERROR3", "Auktion konnte nicht eingestellt werden!"},
        {"ERROR4", "User ID nicht auslesbar ! Benutzer falsch?"},
        {"ERROR5", "Es wurden keine Gebühren berechnet! Melden Sie dies bitte aus Fairness dem Admin"},
        {"ERROR6", "Benutzerdaten (User/Password)stimmen nicht überein!"},
        {"ERROR7", "Sie sind für das Einstellen von Auktionen gesperrt oder evtl. nicht freigeschaltet! Guthaben "
                   "können auch unterschritten sein"},
        {"<html><BODY>ERROR</BODY></html>", "Undefinierter Übertragungsfehler!"},
        {"internal error", "Undefinierter Übertragungsfehler!"},
        {"", "Der Server hat die Auktion \"Vase\" ohne Auktionsnummer beantwortet.*"},
    };
    for (const auto &c : cases) {
        ServerFixture fixture;
        LocalHttpServer fake;
        fake.reply("/asend.php", QByteArray(c.reply));
        loginContext().url = fake.baseUrl();
        const int first = fixture.addTransferListing(QStringLiteral("Vase"));
        ScriptedPrompter prompts;
        prompts.expectMessage(QString::fromUtf8(c.message));
        Upload upload(fixture);
        upload.run();
        EXPECT_TRUE(upload.stillListed(first)) << c.reply;
        EXPECT_EQ(fake.requestCount(), 1) << c.reply;
    }
}

TEST(TransferListUploader, RealServerRefusesAWrongPasswordAndABlockedAccount)
{
    ServerFixture fixture;
    const int id = fixture.addTransferListing(QStringLiteral("Vase"));
    {
        ScriptedPrompter prompts;
        prompts.expectMessage(QStringLiteral("Benutzerdaten (User/Password)stimmen nicht überein!"));
        Upload upload(fixture);
        const AccountSession session = loginContext().session();
        TransferListUploader uploader(upload.client, upload.db, session, upload.progress);
        uploader.UploadTransferList({fixture.user(), QStringLiteral("falsch")});
        EXPECT_TRUE(upload.stillListed(id));
    }
    fixture.server().setBlocked(fixture.user(), true);
    ScriptedPrompter prompts;
    prompts.expectMessage(QStringLiteral("Sie sind für*"));
    Upload upload(fixture);
    upload.run();
    EXPECT_TRUE(upload.stillListed(id));
}

TEST(TransferListUploader, FailedPostEndsTheStepAndOnlyReadyRowsOfTheAccountAreSent)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    const int first = fixture.addTransferListing(QStringLiteral("Eins"));
    const int second = fixture.addTransferListing(QStringLiteral("Zwei"));
    {
        Database db;
        db.open();
        Statement::run(db, QStringLiteral("UPDATE auktionen SET status=3 WHERE id=:id"), {{QStringLiteral(":id"), second}});
    }
    fixture.server().setFault(QStringLiteral("/asend.php"), AuctionHouseServer::Fault::Refuse);
    prompts.expectMessage(QStringLiteral("Fehler bei der Übertragung: *"));
    Upload upload(fixture);
    upload.run();
    EXPECT_TRUE(upload.stillListed(first));
    prompts.verify();

    fixture.server().clearFaults();
    Upload next(fixture);
    next.run();
    EXPECT_FALSE(next.stillListed(first));
    EXPECT_TRUE(next.stillListed(second)) << "unchecked rows are not sent";
}

TEST(TransferListUploader, EmptyTransferListSendsNothing)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    fixture.server().resetRequestCounts();
    Upload upload(fixture);
    upload.run();
    EXPECT_EQ(fixture.server().requestCount(QStringLiteral("/asend.php")), 0);
    EXPECT_FALSE(upload.closes);
}

TEST(TransferListUploader, DescriptionCharactersBeyondWindows1252ArriveAsReferences)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    fixture.writePicture(QStringLiteral("save1_1_kunde.jpg"));
    const int id = fixture.addTransferListing(QStringLiteral("Haken"), QStringLiteral("save1_1_kunde.jpg"));
    {
        Database db;
        db.open();
        Statement::run(db, QStringLiteral("UPDATE auktionen SET beschreibung=:desc WHERE id=:id"),
                       {{QStringLiteral(":desc"), QStringLiteral("<p>Größe þ ÿ € ✓ 😀</p>")}, {QStringLiteral(":id"), id}});
    }
    Upload upload(fixture);
    upload.run();
    ASSERT_FALSE(upload.stillListed(id));
    const QString logged = upload.progress.runLog.filter(QStringLiteral("Beginne Bilderupload mit ID ")).value(0);
    const int serverId = logged.mid(logged.lastIndexOf(QLatin1Char(' ')) + 1).toInt();
    ASSERT_GT(serverId, 0);
    EXPECT_EQ(fixture.server().listingRecord(serverId).value(QStringLiteral("beschreibung")),
              QStringLiteral("<p>Größe þ ÿ € &#10003; &#128512;</p>"));
}
