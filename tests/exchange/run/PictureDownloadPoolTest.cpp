#include "exchange/PictureDownloadPool.h"
#include "tests/support/LocalHttpServer.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

TEST(PictureDownloadPool, DownloadsInParallelAndReportsEachPicture)
{
    LocalHttpServer server;
    for (int i = 0; i < 20; ++i)
        server.reply(QByteArray("/p") + QByteArray::number(i) + ".jpg", QByteArray(5000, char('a' + i)));
    QTemporaryDir dir;
    PictureDownloadPool pool(4);
    QSignalSpy stored(&pool, &PictureDownloadPool::pictureStored);
    for (int i = 0; i < 20; ++i)
        pool.enqueue(server.url(QStringLiteral("/p%1.jpg").arg(i)), dir.filePath(QStringLiteral("p%1.jpg").arg(i)));
    // The same target twice is fetched once.
    pool.enqueue(server.url(QStringLiteral("/p0.jpg")), dir.filePath(QStringLiteral("p0.jpg")));
    ASSERT_TRUE(pool.waitForIdle(20000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return stored.count() == 20; }, 5000));
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(readAll(dir.filePath(QStringLiteral("p%1.jpg").arg(i))), QByteArray(5000, char('a' + i)));
    EXPECT_LE(server.requestCount(), 21);
}

TEST(PictureDownloadPool, BrokenDownloadsLeaveNoFileAndKeepAnOldOne)
{
    LocalHttpServer server;
    server.reply("/missing.jpg", LocalHttpServer::Reply{404, "nicht da", "text/html", {}, -1});
    server.reply("/cut.jpg", LocalHttpServer::Reply{200, QByteArray(100000, 'x'), "image/jpeg", {}, 1000});
    QTemporaryDir dir;
    QFile old(dir.filePath(QStringLiteral("cut.jpg")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("alt");
    old.close();
    PictureDownloadPool pool(2);
    QSignalSpy failed(&pool, &PictureDownloadPool::pictureFailed);
    pool.enqueue(server.url(QStringLiteral("/missing.jpg")), dir.filePath(QStringLiteral("missing.jpg")));
    pool.enqueue(server.url(QStringLiteral("/cut.jpg")), dir.filePath(QStringLiteral("cut.jpg")));
    pool.enqueue(server.url(QStringLiteral("/x.jpg")), dir.filePath(QStringLiteral("no/such/dir/x.jpg")));
    ASSERT_TRUE(pool.waitForIdle(20000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return failed.count() == 3; }, 5000));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing.jpg"))));
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("cut.jpg"))), QByteArray("alt"));
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.part")}).size(), 0);
}

TEST(PictureDownloadPool, EndingTheProgramCancelsStalledDownloadsPromptly)
{
    LocalHttpServer server;
    server.stall("/slow.jpg");
    QTemporaryDir dir;
    QElapsedTimer clock;
    {
        PictureDownloadPool pool(2);
        for (int i = 0; i < 5; ++i)
            pool.enqueue(server.url(QStringLiteral("/slow.jpg?%1").arg(i)), dir.filePath(QStringLiteral("s%1.jpg").arg(i)));
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.requestCount() == 2; }, 5000));
        clock.start();
    }
    EXPECT_LT(clock.elapsed(), 2000);
    server.release();
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}
