#include "ExBarFixture.h"

#include <QElapsedTimer>
#include <QTest>
#include <vector>

namespace {

// With 40-pixel icons a group of n one-line entries has a body of 16 + 44 n pixels.
class TExBarAnimation : public ExBarFixture {
protected:
    void SetUp() override
    {
        ExBarFixture::SetUp();
        bar->SetItemIcons(solidIcons(40));
    }

    TExGroup *groupOfHeight(int fullHeight)
    {
        TExGroup *group = addGroupWithEntries(QStringLiteral("Animated"), (fullHeight - 16) / 44);
        EXPECT_EQ(group->FullHeight(), fullHeight);
        return group;
    }

    static std::vector<int> heightsUntilDone(TExGroup *group)
    {
        std::vector<int> heights;
        while (group->IsAnimating() && heights.size() < 1000) {
            group->AnimationStep();
            heights.push_back(group->BodyHeight());
        }
        return heights;
    }
};

struct StepCase {
    int fullHeight;
    int increment;
    int limit;
    std::vector<int> collapsing;
    std::vector<int> expanding;
};

// The increment is the full height / 150 + 1; the limit is where 1, 1 + increment, ...
// first add up to the full height. Collapsing steps 0, inc, 2 inc, ... until the limit;
// expanding steps limit - 1, limit - 1 - inc, ... until below 0.
const StepCase StepCases[] = {
    {16, 1, 7, {16, 15, 13, 10, 6, 1, 0}, {6, 11, 15, 16, 16, 16, 16}},
    {148, 1, 18, {148, 147, 145, 142, 138, 133, 127, 120, 112, 103, 93, 82, 70, 57, 43, 28, 12, 0},
     {17, 33, 48, 62, 75, 87, 98, 108, 117, 125, 132, 138, 143, 147, 148, 148, 148, 148}},
    {192, 2, 29, {192, 190, 186, 180, 172, 162, 150, 136, 120, 102, 82, 60, 36, 10, 0},
     {28, 54, 78, 100, 120, 138, 154, 168, 180, 190, 192, 192, 192, 192, 192}},
};

TEST_F(TExBarAnimation, FollowsTheStepRuleBothWays)
{
    for (const StepCase &c : StepCases) {
        SCOPED_TRACE(c.fullHeight);
        bar->Clear();
        TExGroup *group = groupOfHeight(c.fullHeight);

        group->Toggle();
        EXPECT_EQ(group->GroupState(), TExGroup::Collapsing);
        EXPECT_EQ(group->TargetHeight(), 0);
        EXPECT_EQ(group->StepIncrement(), c.increment);
        EXPECT_EQ(group->StepLimit(), c.limit);
        EXPECT_EQ(group->Step(), 0);
        EXPECT_EQ(heightsUntilDone(group), c.collapsing);
        EXPECT_EQ(group->GroupState(), TExGroup::Collapsed);

        group->Toggle();
        EXPECT_EQ(group->GroupState(), TExGroup::Expanding);
        EXPECT_EQ(group->TargetHeight(), c.fullHeight);
        EXPECT_EQ(group->Step(), c.limit - 1);
        EXPECT_EQ(heightsUntilDone(group), c.expanding);
        EXPECT_EQ(group->GroupState(), TExGroup::Expanded);
    }
}

TEST_F(TExBarAnimation, ATogglingMidWayTurnsBackFromTheCurrentHeight)
{
    TExGroup *group = groupOfHeight(192);
    group->Toggle();
    for (int i = 0; i < 5; ++i)
        group->AnimationStep();
    ASSERT_EQ(group->BodyHeight(), 172);

    group->Toggle();
    EXPECT_EQ(group->GroupState(), TExGroup::Expanding);
    EXPECT_EQ(group->BodyHeight(), 172);
    EXPECT_EQ(heightsUntilDone(group), (std::vector<int>{182, 190, 192, 192, 192, 192}));
    EXPECT_EQ(group->GroupState(), TExGroup::Expanded);

    group->Toggle();
    finishAnimation(group);
    group->Toggle();
    for (int i = 0; i < 3; ++i)
        group->AnimationStep();
    ASSERT_EQ(group->BodyHeight(), 78);

    group->Toggle();
    EXPECT_EQ(group->GroupState(), TExGroup::Collapsing);
    EXPECT_EQ(group->BodyHeight(), 78);
    EXPECT_EQ(heightsUntilDone(group), (std::vector<int>{56, 32, 6, 0}));
    EXPECT_EQ(group->GroupState(), TExGroup::Collapsed);
}

TEST_F(TExBarAnimation, TwoQuickHeaderClicksReverseTheRunningAnimation)
{
    TExGroup *group = groupOfHeight(148);
    const QPoint header = centreOf(group->HeaderRect());
    click(header);
    group->AnimationStep();
    group->AnimationStep();
    group->AnimationStep();
    const int height = group->BodyHeight();
    ASSERT_LT(height, 148);

    click(header);
    EXPECT_EQ(group->GroupState(), TExGroup::Expanding);
    EXPECT_EQ(group->BodyHeight(), height);
    finishAnimation(group);
    EXPECT_EQ(group->GroupState(), TExGroup::Expanded);
    EXPECT_EQ(group->BodyHeight(), 148);
}

TEST_F(TExBarAnimation, GroupsBelowSlideWithTheAnimatedBody)
{
    TExGroup *first = groupOfHeight(148);
    TExGroup *second = addGroupWithEntries(QStringLiteral("Below"), 1);
    const int expandedTop = second->HeaderRect().top();

    first->Toggle();
    for (int i = 0; i < 6; ++i) {
        first->AnimationStep();
        EXPECT_EQ(second->HeaderRect().top(), expandedTop - (148 - first->BodyHeight()));
        EXPECT_EQ(first->BodyRect().height(), first->BodyHeight());
    }
    finishAnimation(first);
    EXPECT_EQ(second->HeaderRect().top(), expandedTop - 148);
}

TEST_F(TExBarAnimation, EntriesSlideUpWithTheBodyAndCannotBeHitOutsideIt)
{
    TExGroup *group = groupOfHeight(148);
    const int expandedTop = group->Item(0)->HitRect().top();
    group->Toggle();
    for (int i = 0; i < 12; ++i)
        group->AnimationStep();
    const int hidden = 148 - group->BodyHeight();
    EXPECT_EQ(group->Item(0)->HitRect().top(), expandedTop - hidden);

    const QPoint shiftedAbove = centreOf(group->Item(0)->HitRect());
    ASSERT_LT(shiftedAbove.y(), group->BodyRect().top());
    moveTo(shiftedAbove);
    EXPECT_EQ(bar->HotItem(), nullptr);
}

// While a body slides away, the content is already counted without it; the drawing
// area keeps the client's height so the sliding part stays on screen.
TEST_F(TExBarAnimation, ACollapsingGroupKeepsTheDrawingAreaAtClientHeight)
{
    TExGroup *group = groupOfHeight(148);
    group->Toggle();
    group->AnimationStep();
    EXPECT_EQ(bar->ContentHeight(), 8 + 32 + 8);
    EXPECT_EQ(bar->PaintBox()->height(), bar->ClientHeight() - 1);
    finishAnimation(group);
    EXPECT_EQ(bar->PaintBox()->height(), 8 + 32 + 8);
}

TEST_F(TExBarAnimation, WithoutAnimationAHeaderSwitchesDirectly)
{
    bar->SetAnimate(false);
    TExGroup *group = groupOfHeight(148);
    group->Toggle();
    EXPECT_EQ(group->GroupState(), TExGroup::Collapsed);
    EXPECT_EQ(group->BodyHeight(), 0);
    group->Toggle();
    EXPECT_EQ(group->GroupState(), TExGroup::Expanded);
    EXPECT_EQ(group->BodyHeight(), 148);
}

TEST_F(TExBarAnimation, TheTimerRunsTheAnimationToItsEnd)
{
    bar->SetAnimationInterval(1);
    TExGroup *group = groupOfHeight(148);
    group->Toggle();
    QTRY_COMPARE_WITH_TIMEOUT(group->GroupState(), TExGroup::Collapsed, 5000);
    EXPECT_EQ(group->BodyHeight(), 0);
    group->Toggle();
    QTRY_COMPARE_WITH_TIMEOUT(group->GroupState(), TExGroup::Expanded, 5000);
    EXPECT_EQ(group->BodyHeight(), 148);
}

} // namespace
