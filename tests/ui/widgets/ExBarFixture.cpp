#include "ExBarFixture.h"

#include "ui/widgets/WidgetArtwork.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

void ExBarFixture::SetUp()
{
    bar = std::make_unique<TExBar>();
    bar->SetItemIcons(entryIcons());
    bar->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(bar.get()));
}

void ExBarFixture::TearDown()
{
    bar.reset();
}

TImageList ExBarFixture::solidIcons(int size, int count)
{
    TImageList icons(size, size);
    for (int i = 0; i < count; ++i) {
        QPixmap picture(size, size);
        picture.fill(QColor::fromHsv(i * 60, 200, 200));
        icons.add(picture);
    }
    return icons;
}

TImageList ExBarFixture::entryIcons()
{
    return TImageList::fromFiles(16, {WidgetArtwork::Running, WidgetArtwork::Sold, WidgetArtwork::Unsold,
                                      WidgetArtwork::TransferList, WidgetArtwork::ArticleMaster,
                                      WidgetArtwork::NewListing, WidgetArtwork::CsvImport});
}

TExGroup *ExBarFixture::addGroupWithEntries(const QString &caption, int count, int first)
{
    TExGroup *group = bar->AddGroup(caption);
    for (int i = 0; i < count; ++i)
        group->AddItem(QStringLiteral("Entry%1").arg(first + i), QStringLiteral("About entry %1").arg(first + i), 0, first + i);
    return group;
}

int ExBarFixture::finishAnimation(TExGroup *group)
{
    int steps = 0;
    while (group->IsAnimating() && steps < 10000) {
        group->AnimationStep();
        ++steps;
    }
    return steps;
}

void ExBarFixture::moveTo(const QPoint &point)
{
    QTest::mouseMove(bar->PaintBox(), point);
}

void ExBarFixture::press(const QPoint &point)
{
    QTest::mousePress(bar->PaintBox(), Qt::LeftButton, Qt::NoModifier, point);
}

void ExBarFixture::release(const QPoint &point)
{
    QTest::mouseRelease(bar->PaintBox(), Qt::LeftButton, Qt::NoModifier, point);
}

void ExBarFixture::click(const QPoint &point)
{
    moveTo(point);
    press(point);
    release(point);
}

void ExBarFixture::leave()
{
    QEvent leaving(QEvent::Leave);
    QApplication::sendEvent(bar->PaintBox(), &leaving);
}
