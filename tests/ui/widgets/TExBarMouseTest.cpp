#include "ExBarFixture.h"

#include <QApplication>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

namespace {

class TExBarMouse : public ExBarFixture {
public:
    void SetUp() override
    {
        ExBarFixture::SetUp();
        lists = addGroupWithEntries(QStringLiteral("Meine Auktionen"), 3, 0);
        tasks = bar->AddGroup(QStringLiteral("Neue Auktion"), true);
        tasks->AddItem(QStringLiteral("Neuen Artikel erstellen"), QStringLiteral("Neuen Artikel"), 5, 7);
    }

    QPoint entry(TExGroup *group, int index) const { return centreOf(group->Item(index)->HitRect()); }
    QPoint header(TExGroup *group) const { return centreOf(group->HeaderRect()); }
    QPoint nowhere() const { return QPoint(3, 3); }

    TExGroup *lists = nullptr;
    TExGroup *tasks = nullptr;
};

TEST_F(TExBarMouse, HoveringAnEntryMakesItHotWithTooltipAndHandPointer)
{
    moveTo(entry(lists, 1));
    EXPECT_EQ(bar->HotItem(), lists->Item(1));
    EXPECT_EQ(bar->HotHeader(), nullptr);
    EXPECT_EQ(bar->toolTip(), QStringLiteral("About entry 1"));
    EXPECT_EQ(bar->PaintBox()->cursor().shape(), Qt::PointingHandCursor);

    moveTo(entry(tasks, 0));
    EXPECT_EQ(bar->HotItem(), tasks->Item(0));
    EXPECT_EQ(bar->toolTip(), QStringLiteral("Neuen Artikel"));
}

TEST_F(TExBarMouse, ShowsTheHotEntrysDescriptionAsTooltipOfTheBar)
{
    const QPoint point = entry(lists, 1);
    moveTo(point);
    QHelpEvent help(QEvent::ToolTip, point, bar->PaintBox()->mapToGlobal(point));
    QApplication::sendEvent(bar->PaintBox(), &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("About entry 1"));

    moveTo(header(tasks));
    QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 5000);
}

TEST_F(TExBarMouse, HoveringAHeaderMakesItHotWithoutTooltip)
{
    moveTo(entry(lists, 0));
    moveTo(header(tasks));
    EXPECT_EQ(bar->HotHeader(), tasks);
    EXPECT_EQ(bar->HotItem(), nullptr);
    EXPECT_TRUE(bar->toolTip().isEmpty());
    EXPECT_EQ(bar->PaintBox()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(TExBarMouse, NothingIsHotBesideTheElementsOrAfterLeaving)
{
    struct Case {
        const char *name;
        std::function<void(TExBarMouse &)> away;
    };
    const Case cases[] = {
        {"margin", [](TExBarMouse &t) { t.moveTo(t.nowhere()); }},
        {"body beside the entries", [](TExBarMouse &t) { t.moveTo(t.lists->BodyRect().bottomRight() - QPoint(2, 2)); }},
        {"gap between groups", [](TExBarMouse &t) { t.moveTo(QPoint(100, t.lists->BodyRect().bottom() + 4)); }},
        {"leaving the bar", [](TExBarMouse &t) { t.leave(); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        moveTo(entry(lists, 2));
        ASSERT_NE(bar->HotItem(), nullptr);
        c.away(*this);
        EXPECT_EQ(bar->HotItem(), nullptr);
        EXPECT_EQ(bar->HotHeader(), nullptr);
        EXPECT_TRUE(bar->toolTip().isEmpty());
        EXPECT_FALSE(bar->PaintBox()->testAttribute(Qt::WA_SetCursor));
    }
}

TEST_F(TExBarMouse, ClickOnAnEntryReportsItsNumber)
{
    QSignalSpy clicks(bar.get(), &TExBar::OnMenuItemClick);
    click(entry(lists, 2));
    click(entry(tasks, 0));
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks.at(0).at(0).value<TExBar *>(), bar.get());
    EXPECT_EQ(clicks.at(0).at(1).toInt(), 2);
    EXPECT_EQ(clicks.at(1).at(1).toInt(), 7);
}

// A click counts only when the button goes up on the element it went down on.
TEST_F(TExBarMouse, ReleaseElsewhereThanThePressReportsNothing)
{
    struct Case {
        const char *name;
        std::function<QPoint(TExBarMouse &)> down;
        std::function<QPoint(TExBarMouse &)> up;
    };
    const Case cases[] = {
        {"entry to entry", [](TExBarMouse &t) { return t.entry(t.lists, 0); }, [](TExBarMouse &t) { return t.entry(t.lists, 1); }},
        {"entry to nowhere", [](TExBarMouse &t) { return t.entry(t.lists, 0); }, [](TExBarMouse &t) { return t.nowhere(); }},
        {"nowhere to entry", [](TExBarMouse &t) { return t.nowhere(); }, [](TExBarMouse &t) { return t.entry(t.lists, 0); }},
        {"header to entry", [](TExBarMouse &t) { return t.header(t.tasks); }, [](TExBarMouse &t) { return t.entry(t.tasks, 0); }},
        {"entry to header", [](TExBarMouse &t) { return t.entry(t.tasks, 0); }, [](TExBarMouse &t) { return t.header(t.tasks); }},
    };
    QSignalSpy clicks(bar.get(), &TExBar::OnMenuItemClick);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QPoint down = c.down(*this);
        const QPoint up = c.up(*this);
        moveTo(down);
        press(down);
        moveTo(up);
        release(up);
        EXPECT_EQ(clicks.count(), 0);
        EXPECT_EQ(lists->GroupState(), TExGroup::Expanded);
        EXPECT_EQ(tasks->GroupState(), TExGroup::Expanded);
    }
}

TEST_F(TExBarMouse, ClickOnAHeaderTogglesItsGroup)
{
    bar->SetAnimate(false);
    QSignalSpy clicks(bar.get(), &TExBar::OnMenuItemClick);
    click(header(lists));
    EXPECT_EQ(lists->GroupState(), TExGroup::Collapsed);
    click(header(lists));
    EXPECT_EQ(lists->GroupState(), TExGroup::Expanded);
    EXPECT_EQ(clicks.count(), 0);

    bar->SetAnimate(true);
    click(header(tasks));
    EXPECT_EQ(tasks->GroupState(), TExGroup::Collapsing);
}

TEST_F(TExBarMouse, EntriesOfACollapsedGroupCannotBeHitAnyMore)
{
    bar->SetAnimate(false);
    const QPoint formerEntry = entry(lists, 2);
    click(header(lists));
    moveTo(formerEntry);
    EXPECT_TRUE(bar->HotItem() == nullptr || bar->HotItem()->Group() != lists);
}

// The owner refills the bar from within the click (the main window does after an import).
TEST_F(TExBarMouse, AHandlerMayRefillTheBarDuringTheClick)
{
    int reported = -1;
    QObject::connect(bar.get(), &TExBar::OnMenuItemClick, bar.get(), [this, &reported](TExBar *sender, int id) {
        reported = id;
        sender->BeginUpdate();
        sender->Clear();
        addGroupWithEntries(QStringLiteral("Refilled"), 2, 40);
        sender->EndUpdate();
    });
    click(entry(tasks, 0));
    EXPECT_EQ(reported, 7);
    EXPECT_EQ(bar->GroupCount(), 1);
    EXPECT_EQ(bar->HotItem(), nullptr);

    moveTo(entry(bar->Group(0), 1));
    EXPECT_EQ(bar->HotItem(), bar->Group(0)->Item(1));
}

TEST_F(TExBarMouse, ClearForgetsTheHotElement)
{
    moveTo(entry(lists, 1));
    bar->Clear();
    EXPECT_EQ(bar->HotItem(), nullptr);
    EXPECT_TRUE(bar->toolTip().isEmpty());
    EXPECT_FALSE(bar->PaintBox()->testAttribute(Qt::WA_SetCursor));
}

TEST_F(TExBarMouse, HotTrackingRedrawsTheBar)
{
    bar->PaintBox()->bitmap();
    moveTo(entry(lists, 0));
    EXPECT_TRUE(bar->PaintBox()->isOutOfDate());
    bar->PaintBox()->bitmap();
    moveTo(entry(lists, 0) + QPoint(1, 0));
    EXPECT_FALSE(bar->PaintBox()->isOutOfDate()) << "the same entry stays hot without a redraw";
}

} // namespace
