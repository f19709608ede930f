#include "ui/widgets/TImageList.h"
#include "ui/widgets/WidgetArtwork.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

struct Picture {
    const QString &file;
    QSize size;
};

TEST(WidgetArtwork, EveryPictureIsInTheResources)
{
    const Picture pictures[] = {
        {WidgetArtwork::Skin, {268, 49}},         {WidgetArtwork::ArrowUp, {23, 9}},
        {WidgetArtwork::ArrowDown, {23, 9}},      {WidgetArtwork::GroupLists, {32, 32}},
        {WidgetArtwork::GroupNew, {32, 32}},      {WidgetArtwork::GroupTasks, {32, 32}},
        {WidgetArtwork::Running, {16, 16}},       {WidgetArtwork::Sold, {16, 16}},
        {WidgetArtwork::Unsold, {16, 16}},        {WidgetArtwork::TransferList, {16, 16}},
        {WidgetArtwork::ArticleMaster, {16, 16}}, {WidgetArtwork::NewListing, {16, 16}},
        {WidgetArtwork::Transfer, {16, 16}},      {WidgetArtwork::CsvImport, {16, 16}},
        {WidgetArtwork::Settings, {16, 16}},      {WidgetArtwork::Listing, {16, 16}},
        {WidgetArtwork::ListingPicture, {16, 16}}, {WidgetArtwork::ListingUnchecked, {16, 16}},
    };
    for (const Picture &picture : pictures) {
        SCOPED_TRACE(picture.file.toStdString());
        const QImage image(picture.file);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), picture.size);
    }
}

TEST(WidgetArtwork, TintsTheArrowMaskInTheGivenColour)
{
    for (bool up : {true, false}) {
        const QImage glyph = WidgetArtwork::tintedGlyph(up, Qt::red);
        const QImage mask(up ? WidgetArtwork::ArrowUp : WidgetArtwork::ArrowDown);
        ASSERT_EQ(glyph.size(), mask.size());
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const QColor pixel = glyph.pixelColor(x, y);
                EXPECT_EQ(pixel.alpha(), mask.pixelColor(x, y).alpha());
                if (pixel.alpha() == 255) {
                    EXPECT_EQ(pixel, QColor(Qt::red));
                }
            }
        }
    }
}

TEST(TImageListTest, KeepsIndexesAndScalesToItsSize)
{
    TImageList list = TImageList::fromFiles(16, {WidgetArtwork::Running, QString(), WidgetArtwork::GroupNew});
    EXPECT_EQ(list.count(), 3);
    EXPECT_TRUE(list.hasPicture(0));
    EXPECT_FALSE(list.hasPicture(1));
    EXPECT_TRUE(list.hasPicture(2));
    EXPECT_EQ(list.picture(2).size(), QSize(16, 16));
    EXPECT_FALSE(list.hasPicture(3));
    EXPECT_FALSE(list.hasPicture(-1));
    EXPECT_TRUE(list.picture(7).isNull());
}

} // namespace
