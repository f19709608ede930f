#include "core/ProgramInfo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramInfo, VersionIsFixed)
{
    EXPECT_EQ(ProgramInfo::version(), QStringLiteral("13.111"));
}

TEST(ProgramInfo, ProgramDirEndsWithExactlyOneSeparator)
{
    const struct {
        const char *in;
        const char *out;
    } cases[] = {
        {"/opt/veltrano", "/opt/veltrano/"},
        {"/opt/veltrano/", "/opt/veltrano/"},
        {"/opt/veltrano//", "/opt/veltrano/"},
        {"/", "/"},
        {"/a/very/long/path/with/many/levels/of/folders/below/the/root/of/the/disk",
         "/a/very/long/path/with/many/levels/of/folders/below/the/root/of/the/disk/"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ProgramInfo::withTrailingSeparator(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
}

TEST(ProgramInfo, WritableExecutableDirectoryIsTheProgramDir)
{
    QTemporaryDir dir;
    EXPECT_EQ(ProgramInfo::resolveProgramDir(dir.path(), QStringLiteral("/nonexistent")), dir.path() + QLatin1Char('/'));
}

TEST(ProgramInfo, ReadOnlyExecutableDirectoryFallsBackToUserData)
{
    QTemporaryDir dir;
    const QString readOnly = dir.filePath(QStringLiteral("installed"));
    ASSERT_TRUE(QDir().mkpath(readOnly));
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString fallback = dir.filePath(QStringLiteral("data/veltrano"));
    const bool rootIgnoresModes = QFileInfo(readOnly).isWritable();
    const QString resolved = ProgramInfo::resolveProgramDir(readOnly, fallback);
    if (rootIgnoresModes) {
        EXPECT_EQ(resolved, readOnly + QLatin1Char('/'));
    } else {
        EXPECT_EQ(resolved, fallback + QLatin1Char('/'));
        EXPECT_TRUE(QFileInfo(fallback).isDir());
    }
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
