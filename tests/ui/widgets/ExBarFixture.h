#pragma once

#include "ui/widgets/TExBar.h"
#include "ui/widgets/TFlickerFreePaintBox.h"

#include <QPoint>
#include <gtest/gtest.h>
#include <memory>

// A shown side bar of the initial size with the program's entry icons.
class ExBarFixture : public ::testing::Test {
public:
    void SetUp() override;
    void TearDown() override;

    // Icons of size x size pixels: entries with such an icon are size + 4 pixels high as
    // long as their text is a single, lower line.
    static TImageList solidIcons(int size, int count = 4);
    static TImageList entryIcons();

    // A group with count one-word entries numbered first, first + 1, ...
    TExGroup *addGroupWithEntries(const QString &caption, int count, int first = 0);
    // Runs the animation of group to its end; returns the number of steps it took.
    static int finishAnimation(TExGroup *group);
    static QPoint centreOf(const QRect &rect) { return rect.center(); }

    void moveTo(const QPoint &point);
    void press(const QPoint &point);
    void release(const QPoint &point);
    void click(const QPoint &point);
    void leave();

    std::unique_ptr<TExBar> bar;
};
