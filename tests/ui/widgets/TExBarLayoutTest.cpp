#include "ExBarFixture.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <vector>

namespace {

// With 40-pixel icons every one-line entry is 44 pixels high, whatever the font.
const int EntryHeight = 44;

class TExBarLayout : public ExBarFixture {
protected:
    void SetUp() override
    {
        ExBarFixture::SetUp();
        bar->SetItemIcons(solidIcons(40));
    }
};

TEST_F(TExBarLayout, StartsAtItsInitialSizeWithoutScrollBars)
{
    TExBar fresh;
    EXPECT_EQ(fresh.size(), QSize(218, 300));
    EXPECT_EQ(fresh.sizeHint(), QSize(218, 300));
    EXPECT_FALSE(fresh.ScrollBarShown());
    EXPECT_EQ(fresh.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(fresh.Animate());
    EXPECT_EQ(fresh.GroupIcons(), nullptr);
    EXPECT_EQ(fresh.ItemIcons(), nullptr);
}

TEST_F(TExBarLayout, StacksGroupsWithHeaderBodyAndGap)
{
    const std::vector<int> entryCounts = {0, 1, 1, 0};
    for (size_t g = 0; g < entryCounts.size(); ++g)
        addGroupWithEntries(QStringLiteral("Group %1").arg(g), entryCounts[g], int(g) * 10);

    const int width = bar->ClientWidth() - 24;
    int y = 8;
    for (size_t g = 0; g < entryCounts.size(); ++g) {
        SCOPED_TRACE(g);
        TExGroup *group = bar->Group(int(g));
        const int fullHeight = 8 + entryCounts[g] * EntryHeight + 8;
        EXPECT_EQ(group->GroupState(), TExGroup::Expanded);
        EXPECT_EQ(group->Width(), width);
        EXPECT_EQ(group->FullHeight(), fullHeight);
        EXPECT_EQ(group->BodyHeight(), fullHeight);
        EXPECT_EQ(group->HeaderRect(), QRect(12, y + 9, width, 23));
        EXPECT_EQ(group->BodyRect(), QRect(12, y + 32, width, fullHeight));
        for (int i = 0; i < group->ItemCount(); ++i) {
            const QRect hit = group->Item(i)->HitRect();
            EXPECT_EQ(hit.left(), 24);
            EXPECT_EQ(hit.top(), y + 40 + i * EntryHeight);
            EXPECT_EQ(hit.height(), EntryHeight);
            const int textLeft = 12 + 12 + 40 + 6;
            EXPECT_EQ(hit.right() + 1, textLeft + QFontMetrics(bar->font()).horizontalAdvance(group->Item(i)->Caption()));
        }
        y += 32 + fullHeight + 8;
    }
    EXPECT_EQ(bar->ContentHeight(), y);
    EXPECT_EQ(bar->PaintBox()->size(), QSize(bar->ClientWidth(), y));
}

TEST_F(TExBarLayout, AnEmptyGroupHasABodyOfSixteenPixels)
{
    TExGroup *group = bar->AddGroup(QStringLiteral("Empty"));
    EXPECT_EQ(group->GroupState(), TExGroup::Expanded);
    EXPECT_EQ(group->FullHeight(), 16);
    EXPECT_EQ(bar->ContentHeight(), 8 + 32 + 16 + 8);
}

TEST_F(TExBarLayout, ACollapsedGroupCountsWithItsHeaderOnly)
{
    bar->SetAnimate(false);
    TExGroup *first = addGroupWithEntries(QStringLiteral("First"), 1);
    TExGroup *second = addGroupWithEntries(QStringLiteral("Second"), 1, 5);
    const int expandedContent = bar->ContentHeight();

    first->Toggle();

    EXPECT_EQ(first->GroupState(), TExGroup::Collapsed);
    EXPECT_TRUE(first->BodyRect().isEmpty());
    EXPECT_EQ(bar->ContentHeight(), expandedContent - first->FullHeight());
    EXPECT_EQ(second->HeaderRect().top(), 8 + 32 + 8 + 9);

    first->Toggle();
    EXPECT_EQ(first->GroupState(), TExGroup::Expanded);
    EXPECT_EQ(bar->ContentHeight(), expandedContent);
}

TEST_F(TExBarLayout, AddsNoEntryWhileTheBarHasNoItemIcons)
{
    TExBar withoutIcons;
    TExGroup *group = withoutIcons.AddGroup(QStringLiteral("Group"));
    EXPECT_EQ(group->AddItem(QStringLiteral("Entry"), QStringLiteral("About"), 0, 1), nullptr);
    EXPECT_EQ(group->ItemCount(), 0);

    withoutIcons.SetItemIcons(solidIcons(16));
    EXPECT_NE(group->AddItem(QStringLiteral("Entry"), QStringLiteral("About"), 0, 1), nullptr);
    EXPECT_EQ(group->ItemCount(), 1);
}

TEST_F(TExBarLayout, ClearRemovesEveryGroup)
{
    addGroupWithEntries(QStringLiteral("First"), 2);
    addGroupWithEntries(QStringLiteral("Second"), 1);
    bar->Clear();
    EXPECT_EQ(bar->GroupCount(), 0);
    EXPECT_EQ(bar->ContentHeight(), 8);
}

TEST_F(TExBarLayout, WrapsALongEntryTextIntoLinesThatKeepTheRightMargin)
{
    bar->SetItemIcons(solidIcons(16));
    TExGroup *group = bar->AddGroup(QStringLiteral("Group"));
    TExMenuItem *item = group->AddItem(QStringLiteral("Übersicht der Auktion die Übertragen werden müssen und noch mehr"),
                                       QString(), 0, 3);
    const QFontMetrics metrics(bar->font());
    const int textLeft = 12 + 12 + 16 + 6;
    const int rightLimit = 12 + group->Width() - 12;

    ASSERT_GT(item->Lines().size(), 1);
    for (const QString &line : item->Lines())
        EXPECT_LE(textLeft + metrics.horizontalAdvance(line), rightLimit) << line.toStdString();
    EXPECT_EQ(item->Lines().join(QLatin1Char(' ')), item->Caption());
    const int lines = int(item->Lines().size());
    EXPECT_EQ(item->Height(), qMax(lines * (metrics.height() + 1) - 1, 16) + 4);
    EXPECT_EQ(group->FullHeight(), 8 + item->Height() + 8);
}

TEST_F(TExBarLayout, NewWidthReachesEveryGroup)
{
    addGroupWithEntries(QStringLiteral("First"), 1);
    addGroupWithEntries(QStringLiteral("Second"), 1);
    bar->resize(300, 400);
    QTRY_COMPARE(bar->ClientWidth(), 300);
    EXPECT_EQ(bar->Group(0)->Width(), 276);
    EXPECT_EQ(bar->Group(1)->Width(), 276);
    EXPECT_EQ(bar->PaintBox()->width(), 300);
}

// The vertical scroll bar shows exactly while the content is taller than the client area.
TEST_F(TExBarLayout, ShowsTheScrollBarOnlyWhileTheContentDoesNotFit)
{
    addGroupWithEntries(QStringLiteral("First"), 3);
    EXPECT_FALSE(bar->ScrollBarShown());
    addGroupWithEntries(QStringLiteral("Second"), 3);
    ASSERT_GT(bar->ContentHeight(), bar->ClientHeight());
    EXPECT_TRUE(bar->ScrollBarShown());
    EXPECT_EQ(bar->ClientWidth(), 218 - bar->verticalScrollBar()->sizeHint().width());
    EXPECT_EQ(bar->Group(0)->Width(), bar->ClientWidth() - 24);
    EXPECT_EQ(bar->PaintBox()->width(), bar->ClientWidth());

    const int content = bar->ContentHeight();
    bar->resize(218, content + 20);
    QTRY_VERIFY(!bar->ScrollBarShown());
    EXPECT_EQ(bar->ClientWidth(), 218);
    EXPECT_EQ(bar->Group(0)->Width(), 194);

    bar->resize(218, content - 20);
    QTRY_VERIFY(bar->ScrollBarShown());

    bar->resize(218, content);
    QTRY_VERIFY(!bar->ScrollBarShown());
}

TEST_F(TExBarLayout, BeginUpdateSuspendsLayoutAndDrawingUntilEndUpdate)
{
    addGroupWithEntries(QStringLiteral("Before"), 1);
    QCoreApplication::processEvents();
    QSignalSpy layouts(bar.get(), &TExBar::laidOut);
    QSignalSpy redraws(bar->PaintBox(), &TFlickerFreePaintBox::redrawn);
    bar->SetAnimate(false);

    bar->BeginUpdate();
    bar->Clear();
    addGroupWithEntries(QStringLiteral("One"), 3);
    bar->BeginUpdate();
    addGroupWithEntries(QStringLiteral("Two"), 3);
    bar->Group(0)->Toggle();
    bar->EndUpdate();
    bar->repaint();
    QCoreApplication::processEvents();

    EXPECT_TRUE(bar->IsUpdating());
    EXPECT_EQ(layouts.count(), 0);
    EXPECT_EQ(redraws.count(), 0);
    EXPECT_EQ(bar->Group(0)->HeaderRect(), QRect()) << "not laid out yet";

    bar->EndUpdate();
    EXPECT_FALSE(bar->IsUpdating());
    EXPECT_EQ(layouts.count(), 1);
    bar->PaintBox()->repaint();
    EXPECT_EQ(redraws.count(), 1);
    EXPECT_EQ(bar->Group(0)->HeaderRect().top(), 17);
    EXPECT_EQ(bar->Group(1)->FullHeight(), 8 + 3 * EntryHeight + 8);
}

TEST_F(TExBarLayout, UnbalancedEndUpdateIsHarmless)
{
    bar->EndUpdate();
    EXPECT_FALSE(bar->IsUpdating());
    QSignalSpy layouts(bar.get(), &TExBar::laidOut);
    bar->AddGroup(QStringLiteral("Group"));
    EXPECT_EQ(layouts.count(), 1);
}

} // namespace
