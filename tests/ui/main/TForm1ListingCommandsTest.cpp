// Edit and copy of the main window open the selected listing in the editor by its list.

#include "tests/ui/main/MainWindowFixture.h"

#include "core/LoginContext.h"
#include "store/Statement.h"
#include "ui/editor/TForm8.h"
#include "store/ListKinds.h"
#include "ui/main/ListPanel.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

namespace {

struct Seen {
    QString title;
    QString listingTitle;
    QString saveCaption;
    int target = -1;
    bool targetLocked = false;
};

class TForm1ListingCommandsTest : public MainWindowFixture {
protected:
    void add(int listKind, const QString &title)
    {
        SampleData::Listing listing;
        listing.listKind = listKind;
        listing.titel = title;
        addListing(listing);
    }

    void select(int listKind, int index)
    {
        QTreeWidget *list = form->listView(listKind);
        list->setCurrentItem(list->topLevelItem(index));
    }

    // Runs the command, noting what the editor it opens shows.
    std::optional<Seen> runAndClose(const std::function<void()> &command)
    {
        std::optional<Seen> seen;
        form->setEditorRunner([&seen](TForm8 &editor) {
            seen = Seen{editor.windowTitle(), editor.Edit1->text(), editor.Button1->text(),
                        editor.ComboBox11->currentIndex(), !editor.ComboBox11->isEnabled()};
        });
        command();
        return seen;
    }
};

TEST_F(TForm1ListingCommandsTest, RunningListingsCannotBeEditedButCopied)
{
    add(ListKinds::Running, QStringLiteral("Laufende Uhr"));
    openWindow();
    form->ItemClick(0);
    select(ListKinds::Running, 0);
    prompts.expectMessage(QStringLiteral("Momentan können laufende Auktionen nicht bearbeitet werden!"));
    EXPECT_FALSE(runAndClose([this] { form->Artikelbearbeiten1->trigger(); }).has_value());

    const std::optional<Seen> copy = runAndClose([this] { form->ToolButton9->click(); });
    ASSERT_TRUE(copy.has_value());
    EXPECT_EQ(copy->listingTitle, QStringLiteral("Laufende Uhr"));
    EXPECT_EQ(copy->saveCaption, QStringLiteral("&Artikel speichern"));
    EXPECT_EQ(loginContext().LastSavedListKind, -1);
}

TEST_F(TForm1ListingCommandsTest, EditAndCopyByTheVisibleList)
{
    add(ListKinds::TransferList, QStringLiteral("Vase"));
    add(ListKinds::ArticleMaster, QStringLiteral("Lampe"));
    openWindow();
    const struct {
        int item;
        int listKind;
        bool copy;
        int target;
        bool locked;
        const char *caption;
    } cases[] = {
        {3, ListKinds::TransferList, false, 0, true, "Änderung speichern"},
        {3, ListKinds::TransferList, true, 0, false, "&Artikel speichern"},
        {4, ListKinds::ArticleMaster, false, 1, true, "Änderung speichern"},
        {4, ListKinds::ArticleMaster, true, 0, false, "&Artikel speichern"},
    };
    for (const auto &c : cases) {
        form->ItemClick(c.item);
        select(c.listKind, 0);
        const std::optional<Seen> seen =
            runAndClose([this, &c] { c.copy ? form->ToolButton9->click() : form->ToolButton3->click(); });
        ASSERT_TRUE(seen.has_value()) << c.item << c.copy;
        EXPECT_EQ(seen->title, QStringLiteral("Auktion bearbeiten"));
        EXPECT_EQ(seen->saveCaption, QString::fromUtf8(c.caption));
        EXPECT_EQ(seen->target, c.target);
        EXPECT_EQ(seen->targetLocked, c.locked);
    }
}

TEST_F(TForm1ListingCommandsTest, WithoutASelectionNothingOpens)
{
    add(ListKinds::TransferList, QStringLiteral("Vase"));
    openWindow();
    form->ItemClick(3);
    form->listView(ListKinds::TransferList)->setCurrentItem(nullptr);
    EXPECT_FALSE(runAndClose([this] { form->ToolButton3->click(); }).has_value());
}

} // namespace

namespace {

const QString CheckQuestion = QStringLiteral(
    "Bitte beachten Sie, dass dieser Vorgang sehr Zeitintensiv ist und daher sehr lange dauert! Wollen Sie fortfahren?");

class TForm1AuctionCheckTest : public TForm1ListingCommandsTest {
protected:
    int importedListing()
    {
        SampleData::Listing listing;
        listing.listKind = ListKinds::TransferList;
        listing.titel = QStringLiteral("Importiert");
        listing.status = 3;
        return addListing(listing);
    }

    int status(int id)
    {
        return Statement::scalar(*db, QStringLiteral("SELECT status FROM auktionen WHERE id=:id"),
                                 {{QStringLiteral(":id"), id}})
            .toInt();
    }
};

TEST_F(TForm1AuctionCheckTest, WithTheRunningListVisibleItAsksAndChecksNothing)
{
    const int id = importedListing();
    openWindow();
    form->ItemClick(0);
    prompts.expectQuestion(CheckQuestion, true);
    form->panel(ListKinds::TransferList)->checkButton()->click();
    EXPECT_EQ(status(id), 3);
}

TEST_F(TForm1AuctionCheckTest, NoStopsBeforeAnything)
{
    importedListing();
    openWindow();
    form->ItemClick(3);
    prompts.expectQuestion(CheckQuestion, false);
    form->panel(ListKinds::TransferList)->checkButton()->click();
}

TEST_F(TForm1AuctionCheckTest, OnTheTransferListItChecksAndTellsTheCounts)
{
    const int id = importedListing();
    openWindow();
    form->ItemClick(3);
    prompts.expectQuestion(CheckQuestion, true)
        .expectMessage(QStringLiteral("Der Auktions-Check ist abgeschlossen.\nGeprüft: 1 von 1 Artikeln\nGespeichert: 0\n"
                                      "Mit Beanstandungen: 1"));
    form->panel(ListKinds::TransferList)->checkButton()->click();
    EXPECT_EQ(status(id), 3);
    EXPECT_FALSE(form->panel(ListKinds::TransferList)->isHidden());
}

} // namespace
