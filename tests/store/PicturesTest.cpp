#include "store/PictureFolder.h"
#include "store/PictureNames.h"
#include "tests/support/TempProgramDir.h"

#include "core/AppError.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace PictureNames;

TEST(PictureNames, WhatCountsAsAPicture)
{
    const struct {
        const char *value;
        bool picture;
    } cases[] = {{"0", false}, {"", false}, {"ab", false}, {"a.j", true}, {"save1_3_demo.jpg", true}, {"00", false}};
    for (const auto &c : cases)
        EXPECT_EQ(isPictureName(QString::fromLatin1(c.value)), c.picture) << c.value;
}

TEST(PictureNames, NamesOfTheThreeWriters)
{
    EXPECT_EQ(editorPictureName(QStringLiteral("save"), 1, 42, QStringLiteral("demo")), QStringLiteral("save1_42_demo.jpg"));
    EXPECT_EQ(editorPictureName(QStringLiteral("Stammart"), 3, 7, QStringLiteral("Müller")),
              QStringLiteral("Stammart3_7_Müller.jpg"));
    // An account name can hold characters a file name must not.
    EXPECT_EQ(editorPictureName(QStringLiteral("save"), 2, 5, QStringLiteral("../a/b")), QStringLiteral("save2_5____a_b.jpg"));
    EXPECT_EQ(csvPictureName(43, 1), QStringLiteral("save_43_1.jpg"));
    EXPECT_EQ(csvPictureName(43, 3), QStringLiteral("save_43_3.jpg"));
}

TEST(PictureNames, DownloadedNamesFollowTheSeventhCharacterRuleAndStayInTheFolder)
{
    const struct {
        const char *received;
        int typ;
        const char *local; // nullptr: refused
    } cases[] = {
        {"abc123/bild.jpg", 1, "abc123bild.jpg"},
        {"pic_77_1.jpg", 0, "pic_77_1.jpg"},
        {"pic_77_1.jpg", 2, "pic_77_1.jpg"},
        {"abc123/bild.jpg", 0, nullptr},
        {"../etc/passwd", 0, nullptr},
        {"abc123/../x.jpg", 1, nullptr},
        {"/etc/passwd", 0, nullptr},
        {"/abcdef/x.jpg", 1, nullptr},
        {"abc123/sub/x.jpg", 1, nullptr},
        {"a\\b.jpg", 0, nullptr},
        {"..", 0, nullptr},
        {"", 0, nullptr},
        {"abc123/", 1, nullptr},
    };
    for (const auto &c : cases) {
        const auto local = downloadedPictureName(QString::fromLatin1(c.received), c.typ);
        if (c.local) {
            ASSERT_TRUE(local.has_value()) << c.received;
            EXPECT_EQ(*local, QString::fromLatin1(c.local)) << c.received;
        } else {
            EXPECT_FALSE(local.has_value()) << c.received << " -> " << local.value_or(QString()).toStdString();
        }
    }
}

TEST(PictureFolder, PathsCreationAndQuietRemoval)
{
    TempProgramDir dir;
    PictureFolder folder;
    EXPECT_EQ(folder.folderPath(), dir.path() + QStringLiteral("pictures"));
    EXPECT_EQ(folder.filePath(QStringLiteral("a.jpg")), dir.path() + QStringLiteral("pictures/a.jpg"));
    folder.ensureExists();
    folder.ensureExists();
    ASSERT_TRUE(QDir(folder.folderPath()).exists());

    for (const char *name : {"one.jpg", "three.jpg", "keep.jpg"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // pic2 "0" names no picture; a missing file and a climbing name are skipped quietly.
    folder.removeQuietly({QStringLiteral("one.jpg"), QStringLiteral("0"), QStringLiteral("three.jpg"),
                          QStringLiteral("missing.jpg"), QStringLiteral("../database.sqlite")});
    EXPECT_FALSE(folder.contains(QStringLiteral("one.jpg")));
    EXPECT_FALSE(folder.contains(QStringLiteral("three.jpg")));
    EXPECT_TRUE(folder.contains(QStringLiteral("keep.jpg")));
}

TEST(PictureFolder, FolderThatCannotBeCreatedRaisesItsPath)
{
    TempProgramDir dir;
    // A file where the folder should be blocks its creation.
    dir.writeFile(QStringLiteral("pictures"), {});
    try {
        PictureFolder().ensureExists();
        FAIL() << "expected an error";
    } catch (const AppError &error) {
        EXPECT_EQ(error.text(), dir.path() + QStringLiteral("pictures"));
    }
}
