// The category cascade and the picture pictureSlots on a real database, without a window.

#include "tests/ui/editor/EditorFixture.h"

#include "store/PictureFolder.h"
#include "ui/editor/CategoryCascade.h"
#include "ui/editor/PictureSlots.h"

#include <QImageReader>

namespace {

class CategoryCascadeTest : public EditorFixture {
protected:
    QStringList names(int level) const
    {
        QStringList result;
        for (const Categories::Entry &entry : cascade->level(level).entries)
            result << entry.name;
        return result;
    }

    void SetUp() override
    {
        EditorFixture::SetUp();
        cascade = std::make_unique<CategoryCascade>(*db, House);
        cascade->fillFirstLevel();
    }

    std::unique_ptr<CategoryCascade> cascade;
};

TEST_F(CategoryCascadeTest, FirstLevelIsSortedByName)
{
    EXPECT_EQ(names(0), (QStringList{"Antiquitäten & Kunst", "Briefmarken"}));
    EXPECT_TRUE(cascade->level(0).inUse);
    EXPECT_FALSE(cascade->level(1).inUse);
}

TEST_F(CategoryCascadeTest, ALeafAtTheFirstLevelIsChosenWithItsNameAsPath)
{
    cascade->pick(0, 1);
    EXPECT_EQ(cascade->chosenId(), QStringLiteral("2"));
    EXPECT_EQ(cascade->pathText(), QStringLiteral("Briefmarken"));
    EXPECT_FALSE(cascade->level(1).inUse);
}

TEST_F(CategoryCascadeTest, APickWithChildrenEmptiesTheChosenIdAndKeepsThePath)
{
    cascade->pick(0, 1);
    cascade->pick(0, 0);
    EXPECT_EQ(cascade->chosenId(), QString());
    EXPECT_EQ(names(1), (QStringList{"Gemälde", "Möbel"}));
    cascade->pick(1, 1);
    EXPECT_EQ(cascade->chosenId(), QString());
    EXPECT_EQ(cascade->pathText(), QStringLiteral("Briefmarken"));
    EXPECT_EQ(names(2), (QStringList{"Barock", "Biedermeier"}));
}

TEST_F(CategoryCascadeTest, AThreeLevelPathJoinsTheNamesFromTheTop)
{
    ASSERT_TRUE(cascade->pickPath({"1", "10", "101"}));
    EXPECT_EQ(cascade->chosenId(), QStringLiteral("101"));
    EXPECT_EQ(cascade->pathText(), QStringLiteral("Antiquitäten & Kunst > Möbel > Biedermeier"));
    EXPECT_EQ(cascade->BuildCategoryPath(QStringLiteral("100")).text, QStringLiteral("Antiquitäten & Kunst > Möbel > Barock"));
}

TEST_F(CategoryCascadeTest, PickingHigherUpClearsTheLevelsBelow)
{
    cascade->pickPath({"1", "10"});
    cascade->pick(0, 0);
    EXPECT_EQ(names(1), (QStringList{"Gemälde", "Möbel"}));
    EXPECT_TRUE(names(2).isEmpty());
    EXPECT_FALSE(cascade->level(2).inUse);
}

TEST_F(CategoryCascadeTest, MissingIdAndCycleEndTheWalkAlike)
{
    addCategory("500", "Kreis A", "501");
    addCategory("501", "Kreis B", "500");
    for (const QString &id : {QStringLiteral("777"), QStringLiteral("500")}) {
        cascade->setChosen(id);
        EXPECT_EQ(cascade->pathText(), QStringLiteral("NICHT VORHANDEN!")) << id.toStdString();
        EXPECT_EQ(cascade->chosenId(), QStringLiteral("0"));
        EXPECT_TRUE(cascade->missingNotice());
        cascade->clearMissingNotice();
    }
    EXPECT_EQ(cascade->BuildCategoryPath(QStringLiteral("0")).text, QString());
}

TEST_F(CategoryCascadeTest, ASelfParentIsACycleToo)
{
    addCategory("600", "Selbst", "600");
    const CategoryCascade::Path path = cascade->BuildCategoryPath(QStringLiteral("600"));
    EXPECT_FALSE(path.exists);
    EXPECT_EQ(path.text, QStringLiteral("NICHT VORHANDEN!"));
}

TEST_F(CategoryCascadeTest, TheShopTreeComparesIntegerIds)
{
    addCategory("7", "Laden", "0", QStringLiteral("auctions_shop_cat"));
    addCategory("70", "Regal", "7", QStringLiteral("auctions_shop_cat"));
    cascade->setTable(Categories::Table::AuctionsShop);
    EXPECT_EQ(names(0), (QStringList{"Laden"}));
    cascade->pick(0, 0);
    cascade->pick(1, 0);
    EXPECT_EQ(cascade->chosenId(), QStringLiteral("70"));
    EXPECT_EQ(cascade->pathText(), QStringLiteral("Laden > Regal"));
}

class PictureSlotsTest : public EditorFixture {};

TEST_F(PictureSlotsTest, SlotsFillAndEmptyInOrder)
{
    PictureSlots pictureSlots;
    EXPECT_EQ(pictureSlots.refusalToChoose(2), QStringLiteral("Bitte wähle ersteinmal das 1. Bild aus"));
    EXPECT_EQ(pictureSlots.refusalToChoose(3), QStringLiteral("Bitte wähle ersteinmal das 1. bzw 2. Bild aus"));
    pictureSlots.set(1, QStringLiteral("/a.jpg"));
    EXPECT_EQ(pictureSlots.refusalToChoose(3), QStringLiteral("Bitte wähle ersteinmal das 1. bzw 2. Bild aus"));
    pictureSlots.set(2, QStringLiteral("/b.jpg"));
    pictureSlots.set(3, QStringLiteral("/c.jpg"));
    EXPECT_EQ(pictureSlots.refusalToRemove(1), QStringLiteral("Bitte lösche ersteinmal das 2. bzw 3. Bild!"));
    EXPECT_EQ(pictureSlots.refusalToRemove(2), QStringLiteral("Bitte lösche ersteinmal das 3. Bild!"));
    EXPECT_EQ(pictureSlots.refusalToRemove(3), QString());
    EXPECT_FALSE(pictureSlots.noPicturesNote());
}

TEST_F(PictureSlotsTest, StorePictureScalesToFourHundredPixelsHigh)
{
    PictureSlots pictureSlots;
    pictureSlots.set(1, writeJpeg(QStringLiteral("gross.jpg"), 1200, 1600));
    pictureSlots.set(2, writeJpeg(QStringLiteral("flach.jpg"), 800, 400));
    EXPECT_EQ(pictureSlots.StorePicture(QStringLiteral("save"), 3, 57, QStringLiteral("konto1"), dir.path()), QString());
    const QString first = pictureSlots.StorePicture(QStringLiteral("save"), 1, 57, QStringLiteral("konto1"), dir.path());
    const QString second = pictureSlots.StorePicture(QStringLiteral("save"), 2, 57, QStringLiteral("konto1"), dir.path());
    EXPECT_EQ(first, QStringLiteral("save1_57_konto1.jpg"));
    EXPECT_EQ(second, QStringLiteral("save2_57_konto1.jpg"));
    const PictureFolder folder(dir.path());
    EXPECT_EQ(QImageReader(folder.filePath(first)).size(), QSize(300, 400));
    EXPECT_EQ(QImageReader(folder.filePath(second)).size(), QSize(800, 400));
    EXPECT_TRUE(folder.filePath(first).endsWith(QStringLiteral("/pictures/save1_57_konto1.jpg")));
}

} // namespace
