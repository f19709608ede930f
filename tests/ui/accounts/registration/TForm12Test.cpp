#include "core/LoginContext.h"
#include "store/AuctionHouseNames.h"
#include "store/Database.h"
#include "store/Statement.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/ServerFixture.h"
#include "tests/ui/accounts/registration/FirstTransferWatch.h"
#include "ui/accounts/TForm12.h"
#include "ui/accounts/TForm3.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const QString Finished = QStringLiteral("Die Übertragung ist nun abgeschlossen, Sie können nun das Fenster schließen!");
const QString Trader = QStringLiteral("händler eins");
const QString TraderPassword = QStringLiteral("p&ss=1");
const QString MasterUrl = QStringLiteral("http://127.0.0.1:1/master");

// A seller logged in with a master account of the multi-user mode, with one account at
// our server that may be added at every auction house.
struct MasterLogin {
    MasterLogin()
    {
        fixture.server().addAccount(Trader, TraderPassword);
        Database db;
        db.open();
        Statement::run(db, QStringLiteral("UPDATE auktionshaus SET url=:url WHERE id=12"),
                       {{QStringLiteral(":url"), fixture.server().baseUrl()}});
        Statement::run(db, QStringLiteral("INSERT INTO user (usern, password, uid, lastupdate, hauptid, aukid, name) "
                                          "VALUES ('chef', 'chefpw', '', '01.01.1991', 0, 0, 'Chef')"));
        masterId = Statement::scalar(db, QStringLiteral("SELECT id FROM user WHERE usern='chef'")).toInt();

        LoginContext &context = loginContext();
        AuctionHouseNames::load(context);
        context.userID = masterId;
        context.aukid = 0;
        context.url = MasterUrl;
        context.name = QStringLiteral("Morvelia");
        context.typ = 0;
        context.usern = QStringLiteral("chef");
    }

    int masterOf(const QString &usern, int aukid) const
    {
        Database db;
        db.open();
        return Statement::scalar(db, QStringLiteral("SELECT hauptid FROM user WHERE usern=:u AND aukid=:a"),
                                 {{QStringLiteral(":u"), usern}, {QStringLiteral(":a"), aukid}})
            .toInt();
    }

    ServerFixture fixture;
    int masterId = 0;
};

QStringList captions(const QListWidget &list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

QListWidgetItem *entryAt(const QListWidget &list, const QString &caption)
{
    const QList<QListWidgetItem *> found = list.findItems(caption, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

// "Hinzufügen" with the trader's account typed in and the given auction house chosen;
// returns the master id the registration window was given.
int addSubAccount(TForm12 &form, const QString &house)
{
    int givenMasterId = -1;
    QObject::connect(
        &form, &TForm12::registrationOpening, &form,
        [&givenMasterId, house](TForm3 *registration) {
            givenMasterId = registration->masterId();
            new FirstTransferWatch(*registration);
            QTimer::singleShot(0, registration, [registration, house] {
                registration->Edit1->setText(Trader);
                registration->Edit2->setText(TraderPassword);
                registration->ComboBox1->setCurrentIndex(registration->ComboBox1->findText(house));
                registration->Button1Click();
                if (registration->isVisible())
                    registration->reject();
            });
        },
        Qt::SingleShotConnection);
    form.Button1Click();
    return givenMasterId;
}

} // namespace

TEST(MultiUserManagement, MasterWithoutSubAccountsSeesEveryAuctionHouseSortedByName)
{
    MasterLogin login;
    ScriptedPrompter prompts;
    TForm12 form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Multi-Benutzerverwaltung"));
    EXPECT_EQ(form.masterId(), login.masterId);
    EXPECT_EQ(form.ListView1->count(), 0);
    ASSERT_EQ(form.ListView2->topLevelItemCount(), 3);
    const QStringList names{QStringLiteral("Karvento"), QStringLiteral("Lindomarkt"), QStringLiteral("Morvelia")};
    Database db;
    db.open();
    for (int i = 0; i < names.size(); ++i) {
        const QTreeWidgetItem *item = form.ListView2->topLevelItem(i);
        EXPECT_EQ(item->text(0), names[i]);
        EXPECT_EQ(item->text(1), Statement::scalar(db, QStringLiteral("SELECT url FROM auktionshaus WHERE name=:n"),
                                                   {{QStringLiteral(":n"), names[i]}})
                                     .toString());
    }
    EXPECT_EQ(form.ListView2->headerItem()->text(0), QStringLiteral("Name"));
    EXPECT_EQ(form.ListView2->headerItem()->text(1), QStringLiteral("URL"));
    EXPECT_EQ(form.ListView2->columnWidth(0), 235);
    EXPECT_EQ(form.ListView2->columnWidth(1), 300);

    form.Button2Click(); // no selection: nothing happens, no question
    EXPECT_TRUE(prompts.prompts().isEmpty());
}

TEST(MultiUserManagement, MasterManagesSubAccountsAtTwoAuctionHouses)
{
    MasterLogin login;
    ScriptedPrompter prompts;
    TForm12 form;
    const QString atMorvelia = Trader + QStringLiteral("  (Morvelia)");
    const QString atKarvento = Trader + QStringLiteral("  (Karvento)");

    for (const QString &house : {QStringLiteral("Morvelia"), QStringLiteral("Karvento")}) {
        SCOPED_TRACE(house.toStdString());
        prompts.expectQuestion(QStringLiteral("Wollen Sie alle Auktionen importieren? (Zeitkritischer Zustand!)"), false)
            .expectMessage(Finished);
        EXPECT_EQ(addSubAccount(form, house), login.masterId);
        prompts.verify();

        const LoginContext &context = loginContext();
        EXPECT_EQ(context.userID, login.masterId) << "the main window goes on working for the master";
        EXPECT_EQ(context.aukid, 0);
        EXPECT_EQ(context.url, MasterUrl);
        EXPECT_EQ(context.name, QStringLiteral("Morvelia"));
        EXPECT_EQ(context.typ, 0);
    }
    EXPECT_EQ(login.masterOf(Trader, 11), login.masterId);
    EXPECT_EQ(login.masterOf(Trader, 12), login.masterId);
    QStringList listed = captions(*form.ListView1);
    listed.sort();
    EXPECT_EQ(listed, (QStringList{atKarvento, atMorvelia}));
    QListWidgetItem *karvento = entryAt(*form.ListView1, atKarvento);
    ASSERT_TRUE(karvento);
    EXPECT_EQ(karvento->data(TForm12::UsernRole).toString(), Trader);
    EXPECT_EQ(karvento->data(TForm12::PasswordRole).toString(), TraderPassword);
    EXPECT_EQ(karvento->data(TForm12::AukidRole).toString(), QStringLiteral("12"));
    EXPECT_FALSE(karvento->data(TForm12::UidRole).toString().isEmpty());
    EXPECT_FALSE(karvento->icon().isNull());

    // Removing one leaves the other; No keeps both.
    karvento->setSelected(true);
    prompts.expectQuestion(QStringLiteral("Benutzer aus dem System entfernen?"), false);
    form.Button2Click();
    EXPECT_EQ(form.ListView1->count(), 2);
    EXPECT_EQ(prompts.prompts().last().title, QStringLiteral("MessageBox"));
    prompts.expectQuestion(QStringLiteral("Benutzer aus dem System entfernen?"), true);
    form.Button2Click();
    prompts.verify();
    EXPECT_EQ(captions(*form.ListView1), QStringList{atMorvelia});
    EXPECT_EQ(login.masterOf(Trader, 12), 0) << "the row is gone";
    EXPECT_EQ(login.masterOf(Trader, 11), login.masterId);
}

TEST(MultiUserManagement, AddingAnAccountTheMasterAlreadyHasListsNothingNew)
{
    MasterLogin login;
    ScriptedPrompter prompts;
    TForm12 form;
    prompts.expectQuestion(QStringLiteral("Wollen Sie alle Auktionen importieren? (Zeitkritischer Zustand!)"), false)
        .expectMessage(Finished);
    addSubAccount(form, QStringLiteral("Morvelia"));
    prompts.expectMessage(QStringLiteral("Dieser Benutzer ist bereits in der Datenbank vorhanden!"));
    addSubAccount(form, QStringLiteral("Morvelia"));
    prompts.verify();
    EXPECT_EQ(form.ListView1->count(), 1);
    EXPECT_EQ(loginContext().userID, login.masterId);
}

TEST(MultiUserManagement, OpenUrlHandsTheSelectedHousesAddressToTheDesktop)
{
    MasterLogin login;
    ScriptedPrompter prompts;
    TForm12 form;
    prompts.expectMessage(QStringLiteral("Sie haben kein Auktionshaus ausgewählt!"));
    form.Button3Click();
    prompts.verify();

    QTreeWidgetItem *karvento = form.ListView2->topLevelItem(0);
    karvento->setSelected(true);
    prompts.expectOpenExternally(login.fixture.server().baseUrl());
    form.Button3Click();
    prompts.verify();
}
