#include "ui/widgets/TFlickerFreePaintBox.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TFlickerFreePaintBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.resize(40, 30);
        box.setBackground(Qt::yellow);
        box.setPaintHandler([this](QPainter &painter) {
            ++handlerCalls;
            painter.fillRect(QRect(0, 0, 10, 10), Qt::blue);
        });
    }

    TFlickerFreePaintBox box;
    int handlerCalls = 0;
};

TEST_F(TFlickerFreePaintBoxTest, ClearsWithTheBackgroundAndLetsTheHandlerDraw)
{
    const QImage &bitmap = box.bitmap();
    EXPECT_EQ(bitmap.size(), QSize(40, 30));
    EXPECT_EQ(bitmap.pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(bitmap.pixelColor(30, 20), QColor(Qt::yellow));
    EXPECT_FALSE(box.isOutOfDate());
}

TEST_F(TFlickerFreePaintBoxTest, RedrawsOnlyWhenOutOfDate)
{
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    box.bitmap();
    QSignalSpy redraws(&box, &TFlickerFreePaintBox::redrawn);

    box.repaint();
    box.repaint();
    EXPECT_EQ(redraws.count(), 0) << "painting copies the bitmap";

    box.Invalidate();
    box.repaint();
    EXPECT_EQ(redraws.count(), 1);

    box.resize(60, 50);
    EXPECT_TRUE(box.isOutOfDate());
    EXPECT_EQ(box.bitmap().size(), QSize(60, 50));
    EXPECT_EQ(redraws.count(), 2);
}

TEST_F(TFlickerFreePaintBoxTest, TheScreenShowsTheBitmap)
{
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    const QImage screen = box.grab().toImage();
    EXPECT_EQ(screen.pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(screen.pixelColor(30, 20), QColor(Qt::yellow));
}

} // namespace
