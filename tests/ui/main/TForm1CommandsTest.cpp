#include "core/LoginContext.h"
#include "core/ProgramInfo.h"
#include "store/Statement.h"
#include "tests/ui/main/MainWindowFixture.h"
#include "store/ListKinds.h"
#include "ui/main/ListPanel.h"
#include "ui/widgets/TExBar.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QWindow>
#include <optional>

namespace {

using Commands = MainWindowFixture;

bool shown(TForm1 &form, QToolButton *button)
{
    // The tool bar lays its buttons out when it next handles its events.
    QCoreApplication::processEvents();
    return button->isVisibleTo(&form);
}

void writePicture(const TempProgramDir &dir, const QString &name)
{
    QDir().mkpath(dir.file(QStringLiteral("pictures")));
    QFile file(dir.file(QStringLiteral("pictures/") + name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("jpeg");
}

bool pictureExists(const TempProgramDir &dir, const QString &name)
{
    return QFile::exists(dir.file(QStringLiteral("pictures/") + name));
}

} // namespace

TEST_F(Commands, SideBarEntriesShowTheirListAndItsToolButtons)
{
    struct Case {
        int item;
        int visibleList;
        bool copy;
        bool del;
        bool edit;
        int shownListKind;
    };
    // Starting from the transfer list each time: delete shown, shown list 3.
    const Case cases[] = {
        {0, ListKinds::Running, true, false, false, 0},
        {1, ListKinds::Unsold, true, true, false, 2},
        {2, ListKinds::Sold, true, false, false, 1},
        {3, ListKinds::TransferList, true, true, true, 3},
        {4, ListKinds::ArticleMaster, true, true, true, 4},
        {7, -1, false, true, false, 3},
        // The CSV import (its wizard closed at once) ends on the transfer list.
        {14, ListKinds::TransferList, true, true, true, 3},
        {99, -1, false, true, false, 3},
    };
    openWindow();
    EXPECT_EQ(form->visibleListKind(), ListKinds::Running);
    EXPECT_TRUE(shown(*form, form->ToolButton9));
    EXPECT_FALSE(shown(*form, form->ToolButton3));
    EXPECT_FALSE(shown(*form, form->ToolButton5));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.item);
        form->ItemClick(3);
        form->ItemClick(c.item);
        EXPECT_EQ(form->visibleListKind(), c.visibleList);
        EXPECT_EQ(shown(*form, form->ToolButton9), c.copy);
        EXPECT_EQ(shown(*form, form->ToolButton5), c.del);
        EXPECT_EQ(shown(*form, form->ToolButton3), c.edit);
        EXPECT_EQ(form->paging().shownListKind(), c.shownListKind);
    }
}

TEST_F(Commands, AClickOnASideBarEntryReachesTheWindow)
{
    openWindow();
    TExBar *bar = form->sideBar();
    ASSERT_NE(bar, nullptr);
    emit bar->OnMenuItemClick(bar, 4);
    EXPECT_EQ(form->visibleListKind(), ListKinds::ArticleMaster);
}

TEST_F(Commands, DeleteAsksAndReportsAsEachListDemands)
{
    const QString listQuestion = QStringLiteral("Wollen Sie diese Auktion wirklich von der Liste löschen?");
    const QString question = QStringLiteral("Wollen Sie diese Auktion wirklich löschen?");
    const QString done = QStringLiteral("Die Auktion wurde gelöscht!");
    struct Case {
        int sideBarItem;
        int listKind;
        QString question; // empty: none
        bool answer;
        QString message;  // empty: none
        bool deleted;
        bool picturesRemoved;
    };
    const Case cases[] = {
        {0, ListKinds::Running, {}, false, QStringLiteral("Momentan können laufende Auktionen nicht gelöscht werden!"),
            false, false},
        {1, ListKinds::Unsold, question, true, {}, true, false},
        {1, ListKinds::Unsold, question, false, {}, false, false},
        {2, ListKinds::Sold, question, true, done, true, false},
        {3, ListKinds::TransferList, listQuestion, true, done, true, true},
        {3, ListKinds::TransferList, listQuestion, false, {}, false, false},
        {4, ListKinds::ArticleMaster, listQuestion, true, done, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.listKind);
        Statement::run(*db, QStringLiteral("DELETE FROM auktionen"));
        SampleData::Listing l;
        l.listKind = c.listKind;
        l.titel = QStringLiteral("Zu löschen");
        l.pic1 = QStringLiteral("save1_1_v.jpg");
        l.pic2 = QStringLiteral("save2_1_v.jpg");
        l.pic3 = QStringLiteral("0");
        addListing(l);
        addListing([&] { SampleData::Listing keep = l; keep.titel = QStringLiteral("Bleibt"); keep.pic1.clear(); keep.pic2.clear(); return keep; }());
        writePicture(dir, l.pic1);
        writePicture(dir, l.pic2);
        openWindow();
        form->ItemClick(c.sideBarItem);
        const int index = row(c.listKind, 0)->text(0) == QStringLiteral("Zu löschen") ? 0 : 1;
        if (!c.question.isEmpty())
            prompts.expectQuestion(c.question, c.answer);
        if (!c.message.isEmpty())
            prompts.expectMessage(c.message);
        deleteRow(c.listKind, index);
        prompts.verify();
        EXPECT_EQ(listingCount(c.listKind), c.deleted ? 1 : 2);
        EXPECT_EQ(rowCount(c.listKind), c.deleted ? 1 : 2);
        EXPECT_EQ(form->sideBar()->Group(0)->ItemCount(), 5);
        EXPECT_EQ(pictureExists(dir, l.pic1), !c.picturesRemoved);
        EXPECT_EQ(pictureExists(dir, l.pic2), !c.picturesRemoved);
    }
}

TEST_F(Commands, DeleteWithoutASelectionDoesNothing)
{
    addListing(ListKinds::Sold, QStringLiteral("Bleibt"));
    openWindow();
    form->ItemClick(2);
    form->ToolButton5->click();
    EXPECT_EQ(listingCount(ListKinds::Sold), 1);
}

TEST_F(Commands, AFailedDeleteKeepsTheListingsPictures)
{
    SampleData::Listing l;
    l.listKind = ListKinds::TransferList;
    l.titel = QStringLiteral("Gesperrt");
    l.pic1 = QStringLiteral("save1_9_v.jpg");
    addListing(l);
    writePicture(dir, l.pic1);
    Statement::run(*db, QStringLiteral("CREATE TRIGGER no_delete BEFORE DELETE ON auktionen "
                                       "BEGIN SELECT RAISE(ABORT, 'Löschen gesperrt'); END"));
    openWindow();
    form->ItemClick(3);
    prompts.expectQuestion(QStringLiteral("Wollen Sie diese Auktion wirklich von der Liste löschen?"), true)
        .expectError(QStringLiteral("Löschen gesperrt"));
    deleteRow(ListKinds::TransferList, 0);
    EXPECT_EQ(listingCount(ListKinds::TransferList), 1);
    EXPECT_TRUE(pictureExists(dir, l.pic1));
}

TEST_F(Commands, AListingOfAnotherAuctionHouseIsNotReportedAsDeleted)
{
    SampleData::Listing l;
    l.listKind = ListKinds::Sold;
    l.titel = QStringLiteral("Anderes Haus");
    l.aukID = 12;
    addListing(l);
    openWindow(11);
    form->ItemClick(2);
    prompts.expectQuestion(QStringLiteral("Wollen Sie diese Auktion wirklich löschen?"), true);
    deleteRow(ListKinds::Sold, 0);
    EXPECT_EQ(listingCount(ListKinds::Sold), 1);
}

TEST_F(Commands, TheTransferButtonFollowsTheOptionFile)
{
    struct Case {
        std::optional<QByteArray> optionFile;
        TForm1::TransferFlags flags;
    };
    const Case cases[] = {
        {std::nullopt, {true, true, true, false}},
        {QByteArray("[uebertragung]\nload=1\n"), {true, true, true, false}},
        {QByteArray("[uebertragung]\nload=0\nload_days=30\n"), {false, true, false, false}},
        {QByteArray("[uebertragung]\nload_days=7\nload=2\n;\n"), {false, true, false, false}},
    };
    openWindow();
    for (const Case &c : cases) {
        QFile::remove(dir.file(QStringLiteral("option.ini")));
        if (c.optionFile) {
            QFile file(dir.file(QStringLiteral("option.ini")));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(*c.optionFile);
        }
        form->ToolButton7->click();
        EXPECT_TRUE(form->lastTransferRequest() == c.flags) << c.optionFile.value_or("missing").toStdString();
    }
}

TEST_F(Commands, TheTransferMenuOffersTheFourRuns)
{
    openWindow();
    const QList<QAction *> items = form->TransferMenu->actions();
    ASSERT_EQ(items.size(), 4);
    const TForm1::TransferFlags expected[] = {
        {true, false, true, false}, {false, true, false, false}, {true, true, true, false}, {true, true, true, true}};
    const QStringList captions{"Auktions Status", "NUR Übertragungsliste senden", "Alle Aufgaben erledigen",
        "Aktive Auktionen neu laden"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(items[i]->text(), captions[i]);
        items[i]->trigger();
        EXPECT_TRUE(form->lastTransferRequest() == expected[i]) << i;
    }
}

TEST_F(Commands, OnlineHelpOpensTheHelpPage)
{
    openWindow();
    prompts.expectOpenExternally(ProgramInfo::updateServerUrl() + QStringLiteral("/hilfe.html"));
    form->OnlineHilfe1->trigger();
}

TEST_F(Commands, TheHeaderFollowsTheWindowsWidth)
{
    openWindow();
    form->setWindowState(Qt::WindowNoState);
    for (int width : {900, 1300}) {
        form->resize(width, 700);
        QCoreApplication::processEvents();
        const int w = form->Panel2->width() - 2 * form->Shape1->x();
        EXPECT_EQ(form->Shape1->width(), w);
        EXPECT_EQ(form->Image2->x(), w - form->Image2->width() - 20);
        EXPECT_EQ(form->Label7->x(), w - form->Image2->width() - form->Label7->width() - 44);
    }
}

TEST_F(Commands, ClosingTheMainWindowEndsTheProgram)
{
    openWindow();
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    deadline.start(10000);
    QTimer::singleShot(0, form.get(), [this] { form->Beenden1->trigger(); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Commands, TheWindowOpensMaximisedWithinTheFreeAreaOfItsScreen)
{
    form = std::make_unique<TForm1>();
    form->setExchangeWindowRunner([](TForm5 &) {});
    form->createWinId();
    // What the window system is given when the window first appears.
    Qt::WindowStates firstStates;
    QRect firstGeometry;
    QObject::connect(form->windowHandle(), &QWindow::visibleChanged, form.get(), [&](bool visible) {
        if (visible && firstGeometry.isNull()) {
            firstStates = form->windowHandle()->windowStates();
            firstGeometry = form->windowHandle()->geometry();
        }
    });
    form->SetUpAccount(QStringLiteral("verkaeufer"), QStringLiteral("geheim"), QStringLiteral("u77"), nullptr);
    loginContext().userID = userID;
    form->show();
    QCoreApplication::processEvents();
    const QRect available = form->screen()->availableGeometry();
    EXPECT_TRUE(firstStates.testFlag(Qt::WindowMaximized));
    EXPECT_TRUE(available.contains(firstGeometry)) << firstGeometry.width() << "x" << firstGeometry.height();
    EXPECT_TRUE(form->windowState().testFlag(Qt::WindowMaximized));
    EXPECT_TRUE(available.contains(form->frameGeometry()));
    // A window manager cannot maximise a window whose minimum size exceeds the screen.
    const QSize minimum = form->windowHandle()->minimumSize();
    EXPECT_LE(minimum.width(), available.width());
    EXPECT_LE(minimum.height(), available.height());
    // Nothing done later lets the lists ask for more than the screen again.
    form->LoadLists(true);
    QCoreApplication::processEvents();
    EXPECT_LE(form->windowHandle()->minimumSize().width(), available.width());
}

namespace {
// The first part below root with that name, searched depth first.
QAccessibleInterface *accessiblePart(QAccessibleInterface *root, const QString &name)
{
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface *part = root->child(i);
        if (!part)
            continue;
        if (part->text(QAccessible::Name) == name)
            return part;
        if (QAccessibleInterface *inner = accessiblePart(part, name))
            return inner;
    }
    return nullptr;
}
} // namespace

TEST_F(Commands, SideBarEntriesAreFoundAndPressedThroughTheAccessibilityInterface)
{
    addListing(ListKinds::Sold, QStringLiteral("Verkaufte Lampe"));
    openWindow();
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(form.get());
    ASSERT_NE(window, nullptr);
    QAccessibleInterface *group = accessiblePart(window, QStringLiteral("Meine Auktionen"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->role(), QAccessible::Grouping);
    EXPECT_EQ(group->childCount(), 5);

    QAccessibleInterface *sold = accessiblePart(window, QStringLiteral("Verkaufte Auktionen (1)"));
    ASSERT_NE(sold, nullptr);
    EXPECT_EQ(sold->role(), QAccessible::PushButton);
    EXPECT_EQ(sold->text(QAccessible::Description), QStringLiteral("Übersicht über verkaufte Auktionen"));
    EXPECT_EQ(sold->parent(), group);
    EXPECT_EQ(group->indexOfChild(sold), 2);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(form->sideBar())->rect().contains(sold->rect()));
    ASSERT_NE(sold->actionInterface(), nullptr);
    EXPECT_EQ(sold->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    sold->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form->visibleListKind(), ListKinds::Sold);

    form->sideBar()->SetAnimate(false);
    group->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(group->state().collapsed);
    EXPECT_EQ(group->childCount(), 0);

    // Refilling the bar keeps the parts a reader holds, now showing the new entries.
    addListing(ListKinds::Sold, QStringLiteral("Zweite Lampe"));
    form->LoadLists(true);
    EXPECT_TRUE(sold->isValid());
    EXPECT_EQ(sold->text(QAccessible::Name), QStringLiteral("Verkaufte Auktionen (2)"));
    EXPECT_EQ(group->childCount(), 5);
}

TEST_F(Commands, TheTransferButtonIsPressedThroughTheAccessibilityInterface)
{
    openWindow();
    QAccessibleInterface *button = QAccessible::queryAccessibleInterface(form->ToolButton7);
    ASSERT_NE(button, nullptr);
    ASSERT_NE(button->actionInterface(), nullptr);
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("Übertragung"));
    EXPECT_TRUE(button->state().hasPopup);
    EXPECT_EQ(button->actionInterface()->actionNames(),
        QStringList({QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::showMenuAction()}));
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form->lastTransferRequest(), (TForm1::TransferFlags{true, true, true, false}));
}
