#include "core/LoginContext.h"
#include "core/ProcessLocale.h"
#include "core/ProgramInfo.h"
#include "ui/exchange/TForm5.h"
#include "store/Database.h"
#include "store/Statement.h"
#include "tests/support/MainLoopRun.h"
#include "tests/support/RealBoxCloser.h"
#include "tests/support/SampleData.h"
#include "tests/support/ServerFixture.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempProgramDir.h"
#include "store/ListKinds.h"
#include "ui/accounts/TForm12.h"
#include "ui/accounts/TForm3.h"
#include "ui/dialogs/TForm11.h"
#include "ui/login/TForm2.h"
#include "ui/main/TForm1.h"

#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

class LoginWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = std::make_unique<Database>(dir.path());
        db->open();
        SampleData data(*db);
        anna = data.addAccount(QStringLiteral("anna"), QStringLiteral("Geheim"), 11, QStringLiteral("u-anna"));
        bernd = data.addAccount(QStringLiteral("bernd"), QString(), 12, QStringLiteral("u-bernd"));
        chef = data.addAccount(QStringLiteral("chef"), QStringLiteral("master"), 0, QStringLiteral("u-chef"));
        data.addAccount(QStringLiteral("unterkonto"), QStringLiteral("x"), 11, QString(), chef);
    }

    void TearDown() override
    {
        login.reset();
        prompts.verify();
    }

    TForm2 &openLogin()
    {
        login = std::make_unique<TForm2>(dir.path());
        login->show();
        return *login;
    }

    int rowOf(const QString &usern) const
    {
        for (int i = 0; i < login->ListView1->count(); ++i) {
            if (login->ListView1->item(i)->text().startsWith(usern + QStringLiteral("  (")))
                return i;
        }
        return -1;
    }

    void select(const QString &usern)
    {
        const int row = rowOf(usern);
        ASSERT_GE(row, 0) << usern.toStdString();
        QListWidget *list = login->ListView1;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        ASSERT_TRUE(list->item(row)->isSelected());
    }

    TForm1 *logIn(const QString &usern, const QString &password)
    {
        select(usern);
        QTest::keyClicks(login->Edit1, password.isEmpty() ? QStringLiteral("x") : password);
        if (password.isEmpty())
            QTest::keyClick(login->Edit1, Qt::Key_Backspace);
        EXPECT_TRUE(login->Button3->isEnabled());
        QTest::mouseClick(login->Button3, Qt::LeftButton);
        return login->currentMainWindow();
    }

    int userCount(const QString &usern)
    {
        return Statement::scalar(*db, QStringLiteral("SELECT count(*) FROM user WHERE usern=:u"),
            {{QStringLiteral(":u"), usern}})
            .toInt();
    }

    TempProgramDir dir;
    ScriptedPrompter prompts;
    std::unique_ptr<Database> db;
    std::unique_ptr<TForm2> login;
    int anna = 0;
    int bernd = 0;
    int chef = 0;
};

} // namespace

TEST_F(LoginWindow, ListsTheAccountsOfTheirOwnWithTheirAuctionHouse)
{
    openLogin();
    QStringList captions;
    for (int i = 0; i < login->ListView1->count(); ++i)
        captions.append(login->ListView1->item(i)->text());
    EXPECT_EQ(captions, QStringList({"anna  (Morvelia)", "bernd  (Karvento)", "chef  (~ Multiuser ~)"}));
    EXPECT_FALSE(login->ListView1->item(0)->icon().isNull());
    EXPECT_FALSE(login->Edit1->isVisible());
    EXPECT_FALSE(login->Label4->isVisible());
    EXPECT_FALSE(login->Button2->isEnabled());
    EXPECT_FALSE(login->Button6->isEnabled());
    EXPECT_FALSE(login->Button3->isEnabled());
    EXPECT_TRUE(login->Button1->isEnabled());
    EXPECT_EQ(login->Label4->buddy(), login->Edit1);
}

TEST_F(LoginWindow, LoginIsOfferedOnlyForTheStoredPasswordExactly)
{
    struct Step {
        const char *keys; // "\b" deletes the last character
        bool enabled;
    };
    struct Case {
        const char *account;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"anna", {{"", false}, {"geheim", false}}},
        {"anna", {{"Gehei", false}, {"m", true}, {"1", false}, {"\b", true}}},
        {"anna", {{"GEHEIM", false}}},
        // An empty stored password: Login comes with the first change that leaves the field empty.
        {"bernd", {{"", false}, {"x", false}, {"\b", true}}},
    };
    openLogin();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.account);
        login->ListView1->clearSelection();
        select(QString::fromLatin1(c.account));
        EXPECT_TRUE(login->Edit1->isVisible());
        EXPECT_TRUE(login->Edit1->isEnabled());
        EXPECT_TRUE(login->Label4->isVisible());
        EXPECT_TRUE(login->Button2->isEnabled());
        EXPECT_TRUE(login->Button6->isEnabled());
        for (const Step &step : c.steps) {
            if (QByteArray(step.keys) == "\b")
                QTest::keyClick(login->Edit1, Qt::Key_Backspace);
            else
                QTest::keyClicks(login->Edit1, QString::fromLatin1(step.keys));
            EXPECT_EQ(login->Button3->isEnabled(), step.enabled) << "after \"" << step.keys << "\"";
        }
    }
}

TEST_F(LoginWindow, ChoosingAnotherAccountForgetsTheTypedPassword)
{
    openLogin();
    select(QStringLiteral("anna"));
    QTest::keyClicks(login->Edit1, QStringLiteral("Geheim"));
    ASSERT_TRUE(login->Button3->isEnabled());
    select(QStringLiteral("chef"));
    EXPECT_TRUE(login->Edit1->text().isEmpty());
    EXPECT_FALSE(login->Button3->isEnabled());
    login->ListView1->clearSelection();
    EXPECT_FALSE(login->Edit1->isVisible());
    EXPECT_FALSE(login->Edit1->isEnabled());
    EXPECT_FALSE(login->Button2->isEnabled());
    EXPECT_FALSE(login->Button6->isEnabled());
}

TEST_F(LoginWindow, LoginFillsTheLoginContextAndOpensTheMainWindow)
{
    SampleData data(*db);
    SampleData::Listing l;
    l.listKind = ListKinds::TransferList;
    l.titel = QStringLiteral("Gitarre");
    l.startpreis = 12.5;
    data.addListing(bernd, l);
    openLogin();
    TForm1 *main = logIn(QStringLiteral("bernd"), QString());
    ASSERT_NE(main, nullptr);
    const LoginContext &c = loginContext();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(login->isVisible());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Karvento -- Auktionshaus Veltrano"));
    EXPECT_EQ(c.userID, bernd);
    EXPECT_EQ(c.usern, QStringLiteral("bernd"));
    EXPECT_EQ(c.uid, QStringLiteral("u-bernd"));
    EXPECT_EQ(c.aukid, 12);
    EXPECT_EQ(c.name, QStringLiteral("Karvento"));
    EXPECT_EQ(c.MoneySymbol, QStringLiteral("EUR"));
    EXPECT_EQ(c.url, ProgramInfo::defaultServerUrl());
    EXPECT_EQ(c.typ, 1);
    EXPECT_EQ(c.wiedereinstellen, 2);
    EXPECT_EQ(c.zust[1], QStringLiteral("Gebraucht"));
    EXPECT_TRUE(c.zust[3].isEmpty());
    EXPECT_EQ(ProcessLocale::decimalSeparator(), QLatin1Char(','));
    ASSERT_EQ(main->listView(ListKinds::TransferList)->topLevelItemCount(), 1);
    EXPECT_EQ(main->listView(ListKinds::TransferList)->topLevelItem(0)->text(3), QStringLiteral("12,50 EUR"));
}

TEST_F(LoginWindow, EnterLogsInOnceThePasswordMatches)
{
    openLogin();
    select(QStringLiteral("anna"));
    QTest::keyClicks(login->Edit1, QStringLiteral("Gehei"));
    QTest::keyClick(login->Edit1, Qt::Key_Return);
    EXPECT_EQ(login->currentMainWindow(), nullptr);
    QTest::keyClicks(login->Edit1, QStringLiteral("m"));
    QTest::keyClick(login->Edit1, Qt::Key_Return);
    ASSERT_NE(login->currentMainWindow(), nullptr);
    EXPECT_EQ(loginContext().userID, anna);
}

TEST_F(LoginWindow, AChangeOfUserReturnsToTheLoginAndAMultiUserMasterKeepsTheHousesCapabilities)
{
    openLogin();
    TForm1 *first = logIn(QStringLiteral("bernd"), QString());
    ASSERT_NE(first, nullptr);
    first->Benutzerwechseln1->trigger();
    EXPECT_FALSE(first->isSwitchingUser());
    EXPECT_TRUE(login->isVisible());
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(login->currentMainWindow(), nullptr);
    EXPECT_TRUE(login->ListView1->selectedItems().isEmpty());
    EXPECT_FALSE(login->Edit1->isVisible());
    EXPECT_EQ(ProcessLocale::decimalSeparator(), QLatin1Char(','));

    TForm1 *second = logIn(QStringLiteral("chef"), QStringLiteral("master"));
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(second->isVisible());
    const LoginContext &c = loginContext();
    EXPECT_EQ(c.url, ProgramInfo::defaultServerUrl());
    EXPECT_EQ(c.name, QStringLiteral("Morvelia"));
    EXPECT_EQ(c.MoneySymbol, QStringLiteral("EUR"));
    EXPECT_EQ(c.aukid, 0);
    EXPECT_EQ(c.userID, chef);
    // The capabilities stay those of the house logged in to before.
    EXPECT_EQ(c.typ, 1);
    EXPECT_EQ(c.mehrfach_festpreis, 0);
    EXPECT_EQ(c.wiedereinstellen, 2);
    EXPECT_EQ(c.zust[1], QStringLiteral("Gebraucht"));
    EXPECT_EQ(second->windowTitle(), QStringLiteral("Morvelia -- Auktionshaus Veltrano"));
    EXPECT_TRUE(second->MultiBenutzerverwaltung1->isVisible());
}

TEST_F(LoginWindow, RemovingAnAccountAsksFirstAndLeavesItsListings)
{
    SampleData data(*db);
    SampleData::Listing l;
    l.titel = QStringLiteral("Bleibt");
    data.addListing(anna, l);
    data.addAccount(QStringLiteral("anna"), QStringLiteral("zweites"), 11, QString(), chef);
    openLogin();
    select(QStringLiteral("anna"));
    prompts.expectQuestion(QStringLiteral("Benutzer aus dem System entfernen?"), false);
    login->Button2->click();
    EXPECT_EQ(userCount(QStringLiteral("anna")), 2);
    EXPECT_EQ(prompts.prompts().last().title, QStringLiteral("MessageBox"));

    prompts.expectQuestion(QStringLiteral("Benutzer aus dem System entfernen?"), true);
    login->Button2->click();
    EXPECT_EQ(userCount(QStringLiteral("anna")), 0);
    EXPECT_EQ(rowOf(QStringLiteral("anna")), -1);
    EXPECT_EQ(login->ListView1->count(), 2);
    EXPECT_FALSE(login->Button2->isEnabled());
    EXPECT_EQ(Statement::scalar(*db, QStringLiteral("SELECT count(*) FROM auktionen")).toInt(), 1);
}

TEST_F(LoginWindow, ChangingThePasswordChecksTheOldOneAndTheRepetition)
{
    const QString intro = QStringLiteral("Hier können Sie Ihr Passwort ändern!*");
    const QString oldPrompt = QStringLiteral("Bitte geben Sie ihr altes Passwort ein: ");
    const QString newPrompt = QStringLiteral("Bitte geben Sie ihr neues Passwort ein: ");
    const QString repeatPrompt = QStringLiteral("Bitte wiederholen Sie das neue Passwort: ");
    struct Case {
        const char *name;
        std::optional<QString> old;
        std::optional<QString> first;
        std::optional<QString> second;
        QString message; // empty: none
        bool changed;
    };
    const Case cases[] = {
        {"cancelled", std::nullopt, {}, {}, {}, false},
        {"wrong old", QStringLiteral("geheim"), {}, {}, QStringLiteral("Das Passwort ist falsch!"), false},
        {"first cancelled", QStringLiteral("Geheim"), std::nullopt, {}, {}, false},
        {"repeat cancelled", QStringLiteral("Geheim"), QStringLiteral("neu"), std::nullopt, {}, false},
        {"different", QStringLiteral("Geheim"), QStringLiteral("neu"), QStringLiteral("Neu"),
            QStringLiteral("Die neuen Passwörter waren unterschiedlich!"), false},
        {"changed", QStringLiteral("Geheim"), QStringLiteral("neu"), QStringLiteral("neu"),
            QStringLiteral("Das Passwort wurde erfolgreich geändert!"), true},
    };
    openLogin();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        select(QStringLiteral("anna"));
        prompts.expectMessage(intro).expectInput(oldPrompt, c.old);
        if (c.old && *c.old == QLatin1String("Geheim")) {
            prompts.expectInput(newPrompt, c.first);
            if (c.first)
                prompts.expectInput(repeatPrompt, c.second);
        }
        if (!c.message.isEmpty())
            prompts.expectMessage(c.message);
        login->Button6->click();
        prompts.verify();
        const QString stored = Statement::scalar(*db, QStringLiteral("SELECT password FROM user WHERE id=:id"),
            {{QStringLiteral(":id"), anna}})
                                   .toString();
        EXPECT_EQ(stored, c.changed ? QStringLiteral("neu") : QStringLiteral("Geheim"));
        EXPECT_EQ(login->ListView1->selectedItems().isEmpty(), c.changed);
    }
    select(QStringLiteral("anna"));
    QTest::keyClicks(login->Edit1, QStringLiteral("Geheim"));
    EXPECT_FALSE(login->Button3->isEnabled());
    login->Edit1->clear();
    QTest::keyClicks(login->Edit1, QStringLiteral("neu"));
    EXPECT_TRUE(login->Button3->isEnabled());
}

TEST_F(LoginWindow, QuotesInNamesPasswordsAndTitlesAreKeptAsTyped)
{
    SampleData data(*db);
    const QString name = QStringLiteral("d'Artagnan");
    const QString password = QStringLiteral("pa'ss\"; --");
    const int musketeer = data.addAccount(name, password, 11, QStringLiteral("u'1"));
    SampleData::Listing l;
    l.listKind = ListKinds::ArticleMaster;
    l.titel = QStringLiteral("O'Brien's \"Uhr\"");
    data.addListing(musketeer, l);
    openLogin();
    EXPECT_GE(rowOf(name), 0);

    select(name);
    prompts.expectMessage(QStringLiteral("Hier können Sie Ihr Passwort ändern!*"))
        .expectInput(QStringLiteral("Bitte geben Sie ihr altes Passwort ein: "), password)
        .expectInput(QStringLiteral("Bitte geben Sie ihr neues Passwort ein: "), QStringLiteral("ne'u"))
        .expectInput(QStringLiteral("Bitte wiederholen Sie das neue Passwort: "), QStringLiteral("ne'u"))
        .expectMessage(QStringLiteral("Das Passwort wurde erfolgreich geändert!"));
    login->Button6->click();
    EXPECT_EQ(Statement::scalar(*db, QStringLiteral("SELECT password FROM user WHERE id=:id"),
                  {{QStringLiteral(":id"), musketeer}})
                  .toString(),
        QStringLiteral("ne'u"));

    TForm1 *main = logIn(name, QStringLiteral("ne'u"));
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(loginContext().usern, name);
    EXPECT_EQ(loginContext().uid, QStringLiteral("u'1"));
    QTreeWidget *articles = main->listView(ListKinds::ArticleMaster);
    ASSERT_EQ(articles->topLevelItemCount(), 1);
    EXPECT_EQ(articles->topLevelItem(0)->text(0), l.titel);
    // The header finds the account by its name.
    EXPECT_EQ(main->Label3->text(), QStringLiteral("Noch nicht erledigt!"));

    main->ItemClick(4);
    articles->setCurrentItem(articles->topLevelItem(0));
    prompts.expectQuestion(QStringLiteral("Wollen Sie diese Auktion wirklich von der Liste löschen?"), true)
        .expectMessage(QStringLiteral("Die Auktion wurde gelöscht!"));
    main->ToolButton5->click();
    EXPECT_EQ(articles->topLevelItemCount(), 0);

    main->Benutzerwechseln1->trigger();
    select(name);
    prompts.expectQuestion(QStringLiteral("Benutzer aus dem System entfernen?"), true);
    login->Button2->click();
    EXPECT_EQ(userCount(name), 0);
}

TEST_F(LoginWindow, EscapeKeepsTheLoginWindowAndClosingItEndsTheProgram)
{
    openLogin();
    QTest::keyClick(login.get(), Qt::Key_Escape);
    EXPECT_TRUE(login->isVisible());

    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    deadline.start(10000);
    QTimer::singleShot(0, login.get(), [this] { login->close(); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(login->isVisible());
}

namespace {
// Notes the name of the modal dialog that opens next and closes it again.
void closeNextDialog(QString *opened)
{
    QTimer::singleShot(0, [opened] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            *opened = dialog->objectName();
            dialog->close();
        }
    });
}
} // namespace

TEST_F(LoginWindow, NewOpensTheRegistrationAndTheMasterOpensItsSubAccounts)
{
    openLogin();
    QString opened;
    closeNextDialog(&opened);
    login->Button1->click();
    EXPECT_EQ(opened, QStringLiteral("Form3"));

    TForm1 *main = logIn(QStringLiteral("chef"), QStringLiteral("master"));
    ASSERT_NE(main, nullptr);
    opened.clear();
    closeNextDialog(&opened);
    main->MultiBenutzerverwaltung1->trigger();
    EXPECT_EQ(opened, QStringLiteral("Form12"));
}

namespace {

// Runs the action once on the modal dialog of type T as soon as it is open, from a timer
// inside the dialog's own event loop, as a seller working in it would.
template <typename T>
void whenOpen(std::function<void(T &)> action)
{
    auto *poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        action(*dialog);
    });
    poll->start();
}

// The scenario ran to its end, Qt never decided to end the program, and the window is there.
void expectStillRunning(const MainLoopRun::Outcome &outcome, const QWidget &window)
{
    EXPECT_TRUE(outcome.finished);
    EXPECT_FALSE(outcome.programEnded());
    EXPECT_TRUE(window.isVisible());
}

// In the registration window that opens next: a try without an auction house, then Cancel.
void registerWithoutAnAuctionHouse()
{
    whenOpen<TForm3>([](TForm3 &registration) {
        registration.ComboBox1->setCurrentIndex(-1);
        registration.Button1->click();
        registration.reject();
    });
}

} // namespace

// The boxes below are real ones, closed by a timer. The main window belongs to the hidden
// login window; a box that Qt counted as the last visible window would end the program
// when it closes.
TEST_F(LoginWindow, RealBoxesOverTheMainWindowAndItsSettingsLeaveTheProgramRunning)
{
    SampleData::Listing lamp;
    lamp.listKind = ListKinds::Sold;
    lamp.titel = QStringLiteral("Verkaufte Lampe");
    SampleData(*db).addListing(anna, lamp);
    openLogin();
    TForm1 *main = logIn(QStringLiteral("anna"), QStringLiteral("Geheim"));
    ASSERT_NE(main, nullptr);
    RealBoxCloser boxes;
    const MainLoopRun::Outcome outcome = MainLoopRun::run([main] {
        main->ItemClick(2);
        QTreeWidget *sold = main->listView(ListKinds::Sold);
        sold->setCurrentItem(sold->topLevelItem(0));
        main->Artikelloeschen1->trigger();
        whenOpen<TForm11>([](TForm11 &settings) {
            settings.Edit1->setText(QStringLiteral("viele"));
            settings.Button1->click();
            settings.reject();
        });
        main->Einstellungen1->trigger();
    });
    expectStillRunning(outcome, *main);
    ASSERT_EQ(boxes.texts().size(), 3) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(boxes.texts().mid(0, 2),
        QStringList({"Wollen Sie diese Auktion wirklich löschen?", "Die Auktion wurde gelöscht!"}));
    EXPECT_EQ(main->listView(ListKinds::Sold)->topLevelItemCount(), 0);
}

TEST_F(LoginWindow, RealBoxesInMultiUserManagementAndRegistrationLeaveTheProgramRunning)
{
    openLogin();
    TForm1 *main = logIn(QStringLiteral("chef"), QStringLiteral("master"));
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(main->MultiBenutzerverwaltung1->isEnabled());
    RealBoxCloser boxes;
    const MainLoopRun::Outcome outcome = MainLoopRun::run([main] {
        whenOpen<TForm12>([](TForm12 &management) {
            management.Button3->click();
            registerWithoutAnAuctionHouse();
            management.Button1->click();
            management.reject();
        });
        main->MultiBenutzerverwaltung1->trigger();
    });
    expectStillRunning(outcome, *main);
    EXPECT_EQ(boxes.texts(),
        QStringList({"Sie haben kein Auktionshaus ausgewählt!", "Bitte wählen Sie das Auktionshaus aus!"}));
}

TEST_F(LoginWindow, RealBoxesOverTheLoginWindowLeaveTheProgramRunning)
{
    openLogin();
    select(QStringLiteral("bernd"));
    RealBoxCloser boxes(false);
    const MainLoopRun::Outcome outcome = MainLoopRun::run([this] {
        login->Button2->click();
        registerWithoutAnAuctionHouse();
        login->Button1->click();
    });
    expectStillRunning(outcome, *login);
    EXPECT_EQ(userCount(QStringLiteral("bernd")), 1);
    EXPECT_EQ(boxes.texts(),
        QStringList({"Benutzer aus dem System entfernen?", "Bitte wählen Sie das Auktionshaus aus!"}));
}

TEST(LoginWindowTransfer, RealBoxesOfAFailedTransferRunLeaveTheProgramRunning)
{
    ServerFixture fixture;
    fixture.server().setFault(QStringLiteral("/api/XMLDaten.php"), AuctionHouseServer::Fault::Refuse);
    RealBoxCloser boxes;
    TForm2 login(fixture.dir().path());
    login.show();
    const QList<QListWidgetItem *> entries =
        login.ListView1->findItems(fixture.user() + QStringLiteral("  ("), Qt::MatchStartsWith);
    ASSERT_EQ(entries.size(), 1);
    login.ListView1->setCurrentItem(entries.first());
    login.Edit1->setText(fixture.password());
    login.Button3->click();
    TForm1 *main = login.currentMainWindow();
    ASSERT_NE(main, nullptr);
    // The exchange window runs at once and is closed by the seller once its run returned.
    main->setExchangeWindowRunner([](TForm5 &exchange) {
        exchange.Timer1->setInterval(0);
        QObject::connect(&exchange, &TForm5::runFinished, &exchange,
            [&exchange] { QTimer::singleShot(0, &exchange, [&exchange] { exchange.close(); }); });
        exchange.exec();
    });
    const MainLoopRun::Outcome outcome = MainLoopRun::run([main] { main->ToolButton7->click(); });
    expectStillRunning(outcome, *main);
    ASSERT_GE(boxes.texts().size(), 2) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(boxes.texts().first().startsWith(QStringLiteral("Es besteht keine Verbindung zum Server!")))
        << boxes.texts().first().toStdString();
    EXPECT_EQ(boxes.texts().last(),
        QStringLiteral("Die Übertragung ist nun abgeschlossen, Sie können nun das Fenster schließen!"));
}
