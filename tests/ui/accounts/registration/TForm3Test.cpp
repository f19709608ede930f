#include "core/LoginContext.h"
#include "exchange/HttpClient.h"
#include "store/Database.h"
#include "store/Statement.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/ServerFixture.h"
#include "tests/ui/accounts/registration/FirstTransferWatch.h"
#include "ui/accounts/TForm3.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString WrongData =
    QStringLiteral("Die von Ihnen eingegebenen Benutzerdaten sind falsch! Bitte versuchen Sie es erneut!");
const QString NoConnection = QStringLiteral("Verbindung zum Server fehlgeschlagen! Stellen Sie sicher dass eine "
                                            "Internetverbindung besteht und versuchen Sie es nochmal!");
const QString Duplicate = QStringLiteral("Dieser Benutzer ist bereits in der Datenbank vorhanden!");
const QString ImportQuestion = QStringLiteral("Wollen Sie alle Auktionen importieren? (Zeitkritischer Zustand!)");
const QString Finished = QStringLiteral("Die Übertragung ist nun abgeschlossen, Sie können nun das Fenster schließen!");

const QString NewUser = QStringLiteral("Max Müller");
const QString NewPassword = QStringLiteral("ge&heim=1 ü");

void setHouseUrl(int houseId, const QString &url)
{
    Database db;
    db.open();
    Statement::run(db, QStringLiteral("UPDATE auktionshaus SET url=:url WHERE id=:id"),
                   {{QStringLiteral(":url"), url}, {QStringLiteral(":id"), houseId}});
}

int countUsers(const QString &usern)
{
    Database db;
    db.open();
    return Statement::scalar(db, QStringLiteral("SELECT COUNT(*) FROM user WHERE usern=:u"), {{QStringLiteral(":u"), usern}})
        .toInt();
}

int countRows(const QString &sql, const QVariantMap &values = {})
{
    Database db;
    db.open();
    return Statement::scalar(db, sql, values).toInt();
}

// An open registration window with the account typed in.
struct OpenRegistration {
    OpenRegistration(const QString &user, const QString &password)
    {
        window.Edit1->setText(user);
        window.Edit2->setText(password);
        window.show();
    }
    TForm3 window;
    FirstTransferWatch watch{window};
};

void expectStillOpenAndReady(OpenRegistration &registration)
{
    EXPECT_TRUE(registration.window.isVisible()) << "the window stays open for another try";
    EXPECT_TRUE(registration.window.Button1->isEnabled());
    EXPECT_EQ(registration.watch.runs(), 0);
}

} // namespace

TEST(Registration, WindowListsTheHousesWithTheDefaultHouseSelectedAndHidden)
{
    ServerFixture fixture;
    TForm3 window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Neuen User hinzufügen"));
    ASSERT_EQ(window.ComboBox1->count(), 3);
    EXPECT_EQ(window.ComboBox1->itemText(0), QStringLiteral("Karvento"));
    EXPECT_EQ(window.ComboBox1->itemText(2), QStringLiteral("Morvelia"));
    EXPECT_EQ(window.ComboBox1->currentText(), QStringLiteral("Morvelia"));
    EXPECT_EQ(window.ComboBox1->placeholderText(), QStringLiteral("-- Bitte wählen"));
    window.show();
    EXPECT_FALSE(window.ComboBox1->isVisible());
    EXPECT_FALSE(window.Label5->isVisible());
    EXPECT_TRUE(window.Edit1->isVisible());
    EXPECT_EQ(window.Label3->buddy(), window.Edit1);
    EXPECT_EQ(window.Label4->buddy(), window.Edit2);
    EXPECT_EQ(window.Edit2->echoMode(), QLineEdit::Password);
    EXPECT_EQ(window.Edit2->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, window.Edit2), '*');
    EXPECT_TRUE(window.Button1->isDefault());
    EXPECT_EQ(window.masterId(), 0);
}

TEST(Registration, WithoutTheDefaultHouseNobodyCanRegister)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    {
        Database db;
        db.open();
        Statement::run(db, QStringLiteral("DELETE FROM auktionshaus WHERE id=11"));
    }
    OpenRegistration registration(NewUser, NewPassword);
    EXPECT_EQ(registration.window.ComboBox1->currentIndex(), -1);
    prompts.expectMessage(QStringLiteral("Bitte wählen Sie das Auktionshaus aus!"));
    registration.window.Button1Click();
    prompts.verify();
    EXPECT_EQ(fixture.server().requestCount(QStringLiteral("/api/cuser.php")), 0);
    expectStillOpenAndReady(registration);
}

TEST(Registration, StoresTheServersNineFieldsAndRunsTheFirstTransfer)
{
    const struct {
        bool importAll;
        int expectedListings;
    } cases[] = {{false, 0}, {true, 3}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.importAll ? "import all" : "no import");
        ServerFixture fixture;
        ScriptedPrompter prompts;
        AuctionHouseServer::AccountDetails details;
        details.firma = QStringLiteral("Müller & Söhne");
        details.name = QStringLiteral("Max Müller");
        details.adresse = QStringLiteral("Domstraße 1");
        details.plz = QStringLiteral("50667");
        details.ort = QStringLiteral("Köln");
        details.land = QStringLiteral("Deutschland");
        details.telefon = QStringLiteral("0221 12345");
        details.email = QStringLiteral("max@example.org");
        const QString uid = fixture.server().addAccount(NewUser, NewPassword, false, details);
        fixture.server().addListing(NewUser, 0, QStringLiteral("Läuft noch"));
        fixture.server().addListing(NewUser, 0, QStringLiteral("Läuft auch"));
        fixture.server().addListing(NewUser, 1, QStringLiteral("Verkauft"));
        loginContext().userID = 0;
        loginContext().aukid = 0;

        OpenRegistration registration(NewUser, NewPassword);
        prompts.expectQuestion(ImportQuestion, c.importAll).expectMessage(Finished);
        registration.window.Button1Click();
        prompts.verify();
        EXPECT_EQ(prompts.prompts().first().title, QStringLiteral("Auktionsimport"));
        EXPECT_FALSE(registration.window.isVisible());
        EXPECT_EQ(registration.window.result(), QDialog::Accepted);

        Database db;
        db.open();
        Statement row(db, QStringLiteral("SELECT * FROM user WHERE usern=:u"));
        row.bind(QStringLiteral(":u"), NewUser).exec();
        ASSERT_TRUE(row.next());
        const int id = row.integer(QStringLiteral("id"));
        EXPECT_EQ(row.text(QStringLiteral("password")), NewPassword);
        EXPECT_EQ(row.text(QStringLiteral("uid")), uid);
        // The first listing download asks for everything since the new user's stamp, and
        // then moves it on.
        EXPECT_EQ(row.text(QStringLiteral("lastupdate")) == QLatin1String("01.01.1991"), !c.importAll);
        EXPECT_EQ(row.text(QStringLiteral("auktionshaus")), QStringLiteral("Morvelia"));
        EXPECT_EQ(row.integer(QStringLiteral("hauptid")), 0);
        EXPECT_EQ(row.integer(QStringLiteral("aukid")), 11);
        EXPECT_EQ(row.text(QStringLiteral("firma")), details.firma);
        EXPECT_EQ(row.text(QStringLiteral("name")), details.name);
        EXPECT_EQ(row.text(QStringLiteral("adresse")), details.adresse);
        EXPECT_EQ(row.text(QStringLiteral("plz")), details.plz);
        EXPECT_EQ(row.text(QStringLiteral("ort")), details.ort);
        EXPECT_EQ(row.text(QStringLiteral("land")), details.land);
        EXPECT_EQ(row.text(QStringLiteral("telefon")), details.telefon);
        EXPECT_EQ(row.text(QStringLiteral("email")), details.email);
        EXPECT_FALSE(row.next());

        const LoginContext &context = loginContext();
        EXPECT_EQ(context.userID, id);
        EXPECT_EQ(context.aukid, 11);
        EXPECT_EQ(context.url, fixture.server().baseUrl());
        EXPECT_EQ(context.name, QStringLiteral("Morvelia"));

        ASSERT_TRUE(registration.watch.settings());
        const ExchangeRun::Settings &settings = *registration.watch.settings();
        EXPECT_EQ(settings.userName, NewUser);
        EXPECT_EQ(settings.password, NewPassword);
        EXPECT_EQ(settings.uid, uid);
        EXPECT_TRUE(settings.FetchData);
        EXPECT_TRUE(settings.SendTransferList);
        EXPECT_EQ(settings.FetchListings, c.importAll);
        EXPECT_FALSE(settings.ReloadAll);

        EXPECT_GT(countRows(QStringLiteral("SELECT COUNT(*) FROM categories WHERE aukid=11")), 0)
            << "the first run brought the master data";
        EXPECT_EQ(countRows(QStringLiteral("SELECT COUNT(*) FROM auktionen WHERE userID=:id"), {{QStringLiteral(":id"), id}}),
                  c.expectedListings);
        EXPECT_EQ(countRows(QStringLiteral("SELECT COUNT(*) FROM auktionen WHERE userID=:id AND artliste=1"),
                            {{QStringLiteral(":id"), id}}),
                  c.importAll ? 1 : 0);
    }
}

TEST(Registration, RefusedAccountsStoreNothingAndKeepTheWindowOpen)
{
    const struct {
        const char *what;
        const char *user;
        const char *password;
        const char *marker; // the server's whole reply, when set
    } cases[] = {
        {"wrong password", "kunde.zwei", "falsch", nullptr},
        {"unknown user", "niemand", "egal", nullptr},
        {"error marker", "kunde.zwei", "richtig", "error"},
        {"error inside a longer reply", "kunde.zwei", "richtig", "4711|Terror GmbH|Max|Weg 1|50667|Köln|DE|0221|m@x.de"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ServerFixture fixture;
        ScriptedPrompter prompts;
        fixture.server().addAccount(QStringLiteral("kunde.zwei"), QStringLiteral("richtig"));
        if (c.marker) {
            fixture.server().setFault(QStringLiteral("/api/cuser.php"), AuctionHouseServer::Fault::Marker,
                                      QString::fromUtf8(c.marker));
        }
        loginContext().userID = 0;
        OpenRegistration registration(QString::fromUtf8(c.user), QString::fromUtf8(c.password));
        prompts.expectMessage(WrongData);
        registration.window.Button1Click();
        prompts.verify();
        EXPECT_EQ(prompts.prompts().last().title, QStringLiteral("Fehler"));
        EXPECT_EQ(countUsers(QString::fromUtf8(c.user)), 0);
        EXPECT_EQ(loginContext().userID, 0);
        expectStillOpenAndReady(registration);
    }
}

TEST(Registration, UnreachableServerGivesTheConnectionMessageThenTheWrongDataMessage)
{
    enum class Failure { Refused, Stalled };
    for (const Failure failure : {Failure::Refused, Failure::Stalled}) {
        SCOPED_TRACE(failure == Failure::Refused ? "refused" : "stalled");
        ServerFixture fixture;
        ScriptedPrompter prompts;
        fixture.server().addAccount(NewUser, NewPassword);
        OpenRegistration registration(NewUser, NewPassword);
        if (failure == Failure::Refused) {
            setHouseUrl(11, QStringLiteral("http://127.0.0.1:%1").arg(LocalHttpServer::closedPort()));
        } else {
            fixture.server().setFault(QStringLiteral("/api/cuser.php"), AuctionHouseServer::Fault::Stall);
            registration.window.client().setStallTimeout(1000);
        }
        prompts.expectMessage(NoConnection).expectMessage(WrongData);
        QElapsedTimer clock;
        clock.start();
        registration.window.Button1Click();
        EXPECT_LT(clock.elapsed(), 20000);
        prompts.verify();
        EXPECT_EQ(prompts.prompts().first().title, QStringLiteral("Fehler"));
        EXPECT_EQ(countUsers(NewUser), 0);
        expectStillOpenAndReady(registration);
    }
}

TEST(Registration, WhileTheServerIsAskedTheWindowRepaintsWithAddDisabled)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    fixture.server().setFault(QStringLiteral("/api/cuser.php"), AuctionHouseServer::Fault::Delay, QStringLiteral("1500"));
    OpenRegistration registration(fixture.user(), QStringLiteral("falsch"));
    std::optional<bool> addEnabledMeanwhile;
    QTimer::singleShot(300, &registration.window,
                       [&] { addEnabledMeanwhile = registration.window.Button1->isEnabled(); });
    prompts.expectMessage(WrongData);
    registration.window.Button1Click();
    prompts.verify();
    ASSERT_TRUE(addEnabledMeanwhile) << "the window's events ran while the request was under way";
    EXPECT_FALSE(*addEnabledMeanwhile);
    expectStillOpenAndReady(registration);
}

TEST(Registration, DatabaseErrorIsShownAndTheWindowStaysReady)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    fixture.server().addAccount(NewUser, NewPassword);
    {
        Database db;
        db.open();
        Statement::run(db, QStringLiteral("CREATE TRIGGER refuse_users BEFORE INSERT ON user "
                                          "BEGIN SELECT RAISE(ABORT, 'Datenträger voll'); END"));
    }
    OpenRegistration registration(NewUser, NewPassword);
    prompts.expectError(QStringLiteral("Datenträger voll*"));
    registration.window.Button1Click();
    prompts.verify();
    EXPECT_EQ(countUsers(NewUser), 0);
    expectStillOpenAndReady(registration);
}

TEST(Registration, KnownUserIsRefusedAfterTheServerCheck)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    fixture.server().resetRequestCounts();
    OpenRegistration registration(fixture.user(), fixture.password());
    prompts.expectMessage(Duplicate);
    registration.window.Button1Click();
    prompts.verify();
    EXPECT_EQ(fixture.server().requestCount(QStringLiteral("/api/cuser.php")), 1) << "the server is asked first";
    EXPECT_EQ(countUsers(fixture.user()), 1);
    EXPECT_FALSE(registration.window.isVisible()) << "the window closes";
    EXPECT_EQ(registration.watch.runs(), 0);
    EXPECT_EQ(loginContext().userID, fixture.userID());
}

TEST(Registration, EmptyAndShortRepliesStoreNothingAndKeepTheWindowOpen)
{
    const struct {
        const char *reply;
        bool rejected; // otherwise too short
    } cases[] = {
        {"", true},
        {"4711|Muster GmbH|Max Muster|Weg 1\r\n", false},
        {"ERROR", false}, // no rejection: the marker is "error" exactly
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reply);
        ServerFixture fixture;
        ScriptedPrompter prompts;
        LocalHttpServer server;
        server.reply("/api/cuser.php", QByteArray(c.reply));
        setHouseUrl(11, server.baseUrl());
        OpenRegistration registration(NewUser, NewPassword);
        if (c.rejected)
            prompts.expectMessage(WrongData);
        else
            prompts.expectError(QStringLiteral("Die Antwort des Servers ist unvollständig*"));
        registration.window.Button1Click();
        prompts.verify();
        EXPECT_EQ(server.requestCount(), 1);
        EXPECT_EQ(countUsers(NewUser), 0);
        expectStillOpenAndReady(registration);
    }
}

TEST(Registration, UserNameAndPasswordAreSentPercentEncoded)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    LocalHttpServer server;
    server.reply("/api/cuser.php", QByteArray("error"));
    setHouseUrl(11, server.baseUrl());
    OpenRegistration registration(QStringLiteral("Max Müller  Jr"), QStringLiteral("a&b=c d"));
    prompts.expectMessage(WrongData);
    registration.window.Button1Click();
    prompts.verify();
    ASSERT_EQ(server.requestCount(), 1);
    const LocalHttpServer::Request request = server.lastRequest();
    EXPECT_EQ(request.method, QByteArray("GET"));
    EXPECT_EQ(request.target,
              QByteArray("/api/cuser.php?user=Max%20M%FCller%20%20Jr&pass=a%26b%3Dc%20d&checksum=wbna61kqy4083mtrge716"));
}
