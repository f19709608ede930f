#include "core/LoginContext.h"
#include "core/ProcessLocale.h"
#include "store/Listings.h"
#include "store/Statement.h"
#include "tests/ui/main/MainWindowFixture.h"
#include "store/ListKinds.h"
#include "ui/main/ListPanel.h"
#include "ui/main/ListRowFormatter.h"
#include "ui/main/MainWindowIcons.h"
#include "ui/widgets/TExBar.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

SampleData::Listing listing(int listKind, const QString &titel)
{
    SampleData::Listing l;
    l.listKind = listKind;
    l.titel = titel;
    return l;
}

QString inHours(qint64 seconds)
{
    return SampleData::storedTime(QDateTime::currentDateTime().addSecs(seconds));
}

using Lists = MainWindowFixture;

} // namespace

TEST_F(Lists, EachListShowsItsRowsWithTextsPricesAndTimes)
{
    SampleData::Listing running = listing(ListKinds::Running, QStringLiteral("Taschenuhr"));
    running.startpreis = 12.5;
    running.sofortkaufpreis = 30.0;
    running.anzahl = 2;
    running.ende = inHours(90061 + 1);
    const int runningId = addListing(running);

    SampleData::Listing sold = listing(ListKinds::Sold, QStringLiteral("Lederjacke"));
    sold.auktionstyp = 3;
    sold.gebote = 4;
    sold.gebotspreis = 17.25;
    sold.ende = QStringLiteral("2010-01-05 14:03:07");
    addListing(sold);

    SampleData::Listing unsold = listing(ListKinds::Unsold, QStringLiteral("Kaffeemühle"));
    unsold.gebotspreis = 0.0;
    unsold.ende = QStringLiteral("2010-02-06 08:09:10");
    addListing(unsold);

    SampleData::Listing prepared = listing(ListKinds::TransferList, QStringLiteral("Gitarre"));
    prepared.dauer = 10;
    prepared.startpreis = 99.0;
    addListing(prepared);

    openWindow();
    ASSERT_EQ(rowCount(ListKinds::Running), 1);
    QTreeWidgetItem *r = row(ListKinds::Running, 0);
    EXPECT_EQ(r->text(0), QStringLiteral("Taschenuhr"));
    EXPECT_EQ(r->text(1), QStringLiteral("2"));
    EXPECT_EQ(r->text(2), QStringLiteral("Höchstgebot"));
    EXPECT_EQ(r->text(3), QStringLiteral("12,50 EUR"));
    EXPECT_EQ(r->text(4), QStringLiteral("30,00 EUR"));
    EXPECT_EQ(r->text(5), ListRowFormatter::endText(running.ende));
    EXPECT_TRUE(r->text(6).startsWith(QStringLiteral("1d 1h 1m "))) << r->text(6).toStdString();
    EXPECT_EQ(r->text(8), QString::number(runningId));
    EXPECT_TRUE(form->listView(ListKinds::Running)->isColumnHidden(7));

    QTreeWidgetItem *s = row(ListKinds::Sold, 0);
    EXPECT_EQ(s->text(2), QStringLiteral("Höchstgebot/Festpreis"));
    EXPECT_EQ(s->text(4), QStringLiteral("4"));
    EXPECT_EQ(s->text(5), QStringLiteral("17,25 EUR"));
    EXPECT_EQ(s->text(6), QStringLiteral("N/A"));
    EXPECT_EQ(s->text(7), QStringLiteral("05.01.2010 14:03:07"));
    EXPECT_EQ(s->text(8), QStringLiteral("beendet"));

    QTreeWidgetItem *u = row(ListKinds::Unsold, 0);
    EXPECT_EQ(u->text(5), QStringLiteral("06.02.2010 08:09:10"));

    QTreeWidgetItem *t = row(ListKinds::TransferList, 0);
    EXPECT_EQ(t->text(0), QStringLiteral("Gitarre"));
    EXPECT_EQ(t->text(3), QStringLiteral("99,00 EUR"));
    EXPECT_EQ(t->text(4), QStringLiteral("N/A"));
    EXPECT_EQ(t->text(5), QStringLiteral("10 Tage"));
    EXPECT_EQ(rowCount(ListKinds::ArticleMaster), 0);
}

TEST_F(Lists, OrdersByEndOrTitleAndShowsOnlyTheAccountsListings)
{
    addListing([&] { auto l = listing(ListKinds::Running, QStringLiteral("später")); l.ende = inHours(7200); return l; }());
    addListing([&] { auto l = listing(ListKinds::Running, QStringLiteral("früher")); l.ende = inHours(3600); return l; }());
    addListing(listing(ListKinds::ArticleMaster, QStringLiteral("Zange")));
    addListing(listing(ListKinds::ArticleMaster, QStringLiteral("Axt")));
    const int other = data->addAccount(QStringLiteral("andere"), QStringLiteral("x"), 11);
    data->addListing(other, listing(ListKinds::Running, QStringLiteral("fremd")));
    openWindow();
    ASSERT_EQ(rowCount(ListKinds::Running), 2);
    EXPECT_EQ(row(ListKinds::Running, 0)->text(0), QStringLiteral("früher"));
    EXPECT_EQ(row(ListKinds::ArticleMaster, 0)->text(0), QStringLiteral("Axt"));
}

TEST_F(Lists, UnknownAuctionTypesAreNamedOnlyOnTheRunningList)
{
    for (int kind = 0; kind < ListKinds::Count; ++kind) {
        SampleData::Listing l = listing(kind, QStringLiteral("Typ sieben"));
        l.auktionstyp = 7;
        addListing(l);
    }
    openWindow();
    const int typeColumn = 2;
    EXPECT_EQ(row(ListKinds::Running, 0)->text(typeColumn), QStringLiteral("ERROR bei der Bestimmung: 7"));
    for (int kind : {ListKinds::Sold, ListKinds::Unsold, ListKinds::TransferList, ListKinds::ArticleMaster})
        EXPECT_EQ(row(kind, 0)->text(typeColumn), QStringLiteral("ERROR bei der Bestimmung")) << kind;
}

TEST_F(Lists, IconsShowPicturesAndUncheckedImports)
{
    struct Case {
        int listKind;
        const char *pic1;
        int status;
        int icon;
    };
    const Case cases[] = {
        {ListKinds::Running, "bild.jpg", 3, ListRowTexts::PictureIcon},
        {ListKinds::Sold, "0", 0, ListRowTexts::NoIcon},
        {ListKinds::Unsold, "ab", 0, ListRowTexts::NoIcon},
        {ListKinds::TransferList, "bild.jpg", 3, ListRowTexts::UncheckedIcon},
        {ListKinds::ArticleMaster, "bild.jpg", 0, ListRowTexts::PictureIcon},
    };
    for (const Case &c : cases) {
        SampleData::Listing l = listing(c.listKind, QStringLiteral("Bild"));
        l.pic1 = QString::fromLatin1(c.pic1);
        l.status = c.status;
        addListing(l);
    }
    openWindow();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.listKind);
        QTreeWidgetItem *item = row(c.listKind, 0);
        EXPECT_EQ(item->data(0, ListPanel::IconRole).toInt(), c.icon);
        const QIcon expected = c.icon == ListRowTexts::PictureIcon ? MainWindowIcons::listingPicture()
            : c.icon == ListRowTexts::UncheckedIcon                ? MainWindowIcons::listingUnchecked()
                                                                   : QIcon();
        if (!expected.isNull()) {
            EXPECT_EQ(item->icon(0).pixmap(16).toImage(), expected.pixmap(16).toImage());
        }
    }
}

TEST_F(Lists, PagesOfTwoHundredRowsTurnWithTheButtons)
{
    struct Case {
        int rows;
        std::vector<int> rowsPerPage;
    };
    const Case cases[] = {{0, {0}}, {199, {199}}, {200, {200, 0}}, {450, {200, 200, 50}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rows);
        Statement::run(*db, QStringLiteral("DELETE FROM auktionen"));
        data->addListings(userID, ListKinds::Sold, c.rows);
        openWindow();
        form->ItemClick(2);
        ListPanel *sold = form->panel(ListKinds::Sold);
        const int maxPage = static_cast<int>(c.rowsPerPage.size()) - 1;
        for (int page = 0; page <= maxPage; ++page) {
            EXPECT_EQ(sold->pageLabel()->text(), QStringLiteral("%1/%2").arg(page).arg(maxPage));
            EXPECT_EQ(rowCount(ListKinds::Sold), c.rowsPerPage[static_cast<size_t>(page)]);
            if (page < maxPage)
                sold->forwardButton()->click();
        }
        if (c.rows > 0) {
            form->listView(ListKinds::Sold)->setCurrentItem(row(ListKinds::Sold, 0));
        }
        // On the last page ">>" changes nothing and does not render the list again.
        sold->forwardButton()->click();
        EXPECT_EQ(sold->pageLabel()->text(), QStringLiteral("%1/%1").arg(maxPage));
        EXPECT_EQ(form->listView(ListKinds::Sold)->selectedItems().size(), c.rows > 0 && c.rows != 200 ? 1 : 0);
        for (int page = maxPage; page > 0; --page)
            sold->backButton()->click();
        EXPECT_EQ(sold->pageLabel()->text(), QStringLiteral("0/%1").arg(maxPage));
        EXPECT_EQ(rowCount(ListKinds::Sold), c.rowsPerPage[0]);
        // The other lists keep their own page.
        EXPECT_EQ(form->pageLabel(ListKinds::Running)->text(), QStringLiteral("0/0"));
    }
}

TEST_F(Lists, PagingTurnsOnlyTheShownList)
{
    data->addListings(userID, ListKinds::Running, 250);
    data->addListings(userID, ListKinds::TransferList, 250);
    openWindow();
    form->ItemClick(3);
    form->panel(ListKinds::Running)->forwardButton()->click();
    EXPECT_EQ(form->pageLabel(ListKinds::TransferList)->text(), QStringLiteral("1/1"));
    EXPECT_EQ(form->pageLabel(ListKinds::Running)->text(), QStringLiteral("0/1"));
    EXPECT_EQ(rowCount(ListKinds::TransferList), 50);
    EXPECT_EQ(rowCount(ListKinds::Running), 200);
}

TEST_F(Lists, DeletionsBelowTheShownPageLeaveAnEmptyPageUntilPagedBack)
{
    data->addListings(userID, ListKinds::TransferList, 401);
    openWindow();
    form->ItemClick(3);
    form->List_for();
    form->List_for();
    ASSERT_EQ(rowCount(ListKinds::TransferList), 1);
    Statement::run(*db, QStringLiteral("DELETE FROM auktionen WHERE id IN (SELECT id FROM auktionen ORDER BY titel LIMIT 300)"));
    prompts.expectQuestion(QStringLiteral("Wollen Sie diese Auktion wirklich von der Liste löschen?"), true)
        .expectMessage(QStringLiteral("Die Auktion wurde gelöscht!"));
    deleteRow(ListKinds::TransferList, 0);
    EXPECT_EQ(form->pageLabel(ListKinds::TransferList)->text(), QStringLiteral("2/0"));
    EXPECT_EQ(rowCount(ListKinds::TransferList), 0);
    form->List_back();
    form->List_back();
    EXPECT_EQ(form->pageLabel(ListKinds::TransferList)->text(), QStringLiteral("0/0"));
    EXPECT_EQ(rowCount(ListKinds::TransferList), 100);
}

TEST_F(Lists, CountersFillTheSideBarTheStatusLineAndTheHeader)
{
    const int counts[ListKinds::Count] = {3, 1, 2, 450, 5};
    for (int kind = 0; kind < ListKinds::Count; ++kind)
        data->addListings(userID, kind, counts[kind]);
    TForm1 window;
    EXPECT_EQ(window.StatusBar1->text(),
        QStringLiteral("Morvelia Veltrano: 0 Verkaufen, 0 Verkauft, 0 Nicht verkauft, 0 Übertragungsliste"));
    EXPECT_EQ(window.Label4->text(), QStringLiteral("0 Artikel"));
    openWindow();
    EXPECT_EQ(form->StatusBar1->text(),
        QStringLiteral("User >> verkaeufer <<  3 laufende Auktionen | 1 verkaufte Artikel | 2 nicht verkaufte Artikel "
                       "| 450 Artikel auf der Übertragungsliste "));
    EXPECT_EQ(form->Label4->text(), QStringLiteral("450 Artikel"));
    TExBar *bar = form->sideBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GroupCount(), 3);
    const QStringList expected{"Meine Auktionen", "Laufende (3)", "Nicht Verkaufte (2)", "Verkaufte Auktionen (1)",
        "auf Übertragungsliste (450)", "Artikelstamm (5)", "Neue Auktion", "Neuen Artikel erstellen",
        "Weitere Funktionen", "CSV-Import"};
    QStringList shown;
    QList<int> numbers;
    for (int g = 0; g < bar->GroupCount(); ++g) {
        shown.append(bar->Group(g)->Caption());
        for (int i = 0; i < bar->Group(g)->ItemCount(); ++i) {
            shown.append(bar->Group(g)->Item(i)->Caption());
            numbers.append(bar->Group(g)->Item(i)->Id());
        }
    }
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(numbers, QList<int>({0, 1, 2, 3, 4, 7, 14}));
    EXPECT_EQ(bar->Group(0)->Item(3)->Description(), QStringLiteral("Übersicht der Auktion die Übertragen werden müssen"));
    // A reload refills the bar rather than adding to it.
    form->LoadLists(true);
    EXPECT_EQ(form->sideBar()->GroupCount(), 3);
}

TEST_F(Lists, TheHeaderShowsHowOldTheDataIs)
{
    lastupdate = QStringLiteral("01.01.1991");
    openWindow();
    EXPECT_EQ(form->Label3->text(), QStringLiteral("Noch nicht erledigt!"));
    EXPECT_TRUE(form->Label3->styleSheet().contains(QStringLiteral("red")));
    EXPECT_TRUE(form->Label3->toolTip().isEmpty());

    lastupdate = ProcessLocale::formatDateTime(QDateTime::currentDateTime().addSecs(-3660));
    openWindow();
    EXPECT_TRUE(form->Label3->text().startsWith(QStringLiteral("0d 1h 1m "))) << form->Label3->text().toStdString();
    EXPECT_TRUE(form->Label3->text().endsWith(QStringLiteral("s ")));
    EXPECT_FALSE(form->Label3->styleSheet().contains(QStringLiteral("red")));
    EXPECT_EQ(form->Label3->toolTip(), lastupdate);
}

TEST_F(Lists, OnlyAMultiUserMasterIsOfferedTheMultiUserManagement)
{
    openWindow(11);
    EXPECT_FALSE(form->MultiBenutzerverwaltung1->isVisible());
    EXPECT_FALSE(form->MultiBenutzerverwaltung1->isEnabled());
    openWindow(0);
    EXPECT_TRUE(form->MultiBenutzerverwaltung1->isVisible());
    EXPECT_TRUE(form->MultiBenutzerverwaltung1->isEnabled());
}

TEST_F(Lists, ASavedListingIsRefreshedInPlaceOrAppendedWithoutRecounting)
{
    data->addListings(userID, ListKinds::TransferList, 3);
    openWindow();
    const QString idText = row(ListKinds::TransferList, 1)->text(6);
    Statement::run(*db, QStringLiteral("UPDATE auktionen SET titel='Aaa geändert', auktionstyp=9, status=3 WHERE id=:id"),
        {{QStringLiteral(":id"), idText.toInt()}});
    form->RefreshListingRow(idText.toInt(), ListKinds::TransferList, false);
    QTreeWidgetItem *changed = row(ListKinds::TransferList, 1);
    EXPECT_EQ(changed->text(0), QStringLiteral("Aaa geändert"));
    EXPECT_EQ(changed->text(2), QStringLiteral("ERROR bei der Bestimmung: 9"));
    EXPECT_EQ(changed->data(0, ListPanel::IconRole).toInt(), ListRowTexts::UncheckedIcon);
    EXPECT_EQ(form->ListRowCache()[ListKinds::TransferList].text(1, Listings::Titel), QStringLiteral("Aaa geändert"));

    const int newId = addListing(listing(ListKinds::TransferList, QStringLiteral("Aaa neu")));
    form->RefreshListingRow(0, ListKinds::TransferList, true);
    ASSERT_EQ(rowCount(ListKinds::TransferList), 4);
    EXPECT_EQ(row(ListKinds::TransferList, 3)->text(0), QStringLiteral("Aaa neu"));
    EXPECT_EQ(row(ListKinds::TransferList, 3)->text(6), QString::number(newId));
    EXPECT_EQ(form->ListRowCache()[ListKinds::TransferList].rowCount(), 4);
    EXPECT_EQ(form->sideBar()->Group(0)->Item(3)->Caption(), QStringLiteral("auf Übertragungsliste (3)"));

    // Nothing saved, or saved to a list no window shows: nothing changes.
    form->RefreshListingRow(0, -1, true);
    form->RefreshListingRow(0, 5, true);
    EXPECT_EQ(rowCount(ListKinds::TransferList), 4);
}

TEST_F(Lists, AnAmountThatIsNoNumberStopsTheRenderingAtItsRow)
{
    for (const char *title : {"A", "B", "C"})
        addListing(listing(ListKinds::ArticleMaster, QString::fromLatin1(title)));
    Statement::run(*db, QStringLiteral("UPDATE auktionen SET startpreis='zwölf' WHERE titel='B'"));
    prompts.expectError(QStringLiteral("'zwölf' ist kein gültiger Gleitkommawert"));
    openWindow();
    ASSERT_EQ(rowCount(ListKinds::ArticleMaster), 1);
    EXPECT_EQ(row(ListKinds::ArticleMaster, 0)->text(0), QStringLiteral("A"));
}
