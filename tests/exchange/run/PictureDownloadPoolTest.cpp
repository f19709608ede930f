#include "exchange/PictureDownloadPool.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/RawReplyServer.h"

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

const QByteArray JpegStart("\xFF\xD8\xFF\xE0", 4);

// A picture's bytes: the JPEG signature, then filler.
QByteArray picture(int size, char filler)
{
    return JpegStart + QByteArray(size - JpegStart.size(), filler);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList filesIn(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
}
} // namespace

TEST(PictureDownloadPool, DownloadsInParallelAndReportsEachPicture)
{
    LocalHttpServer server;
    for (int i = 0; i < 20; ++i)
        server.reply(QByteArray("/p") + QByteArray::number(i) + ".jpg", picture(5000, char('a' + i)));
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
        EXPECT_EQ(readAll(dir.filePath(QStringLiteral("p%1.jpg").arg(i))), picture(5000, char('a' + i)));
    EXPECT_LE(server.requestCount(), 21);
}

TEST(PictureDownloadPool, BrokenDownloadsLeaveNoFileAndKeepAnOldOne)
{
    LocalHttpServer server;
    server.reply("/missing.jpg", LocalHttpServer::Reply{404, "nicht da", "text/html", {}, -1});
    server.reply("/cut.jpg", LocalHttpServer::Reply{200, picture(100000, 'x'), "image/jpeg", {}, 1000});
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

TEST(PictureDownloadPool, OnlyWhatBeginsLikeAJpegIsKept)
{
    struct Case {
        const char *name;
        QByteArray body;
        bool kept;
    };
    const Case cases[] = {
        {"error.jpg", "ERROR", false},
        {"html.jpg", "<html><body>Datei nicht gefunden</body></html>", false},
        {"empty.jpg", "", false},
        {"two.jpg", QByteArray("\xFF\xD8", 2), false},
        {"tiny.jpg", JpegStart.left(3), true},
        {"real.jpg", picture(3000, 'r'), true},
    };
    LocalHttpServer server;
    QTemporaryDir dir;
    PictureDownloadPool pool(2);
    for (const Case &c : cases) {
        server.reply(QByteArray("/") + c.name, c.body);
        pool.enqueue(server.url(QStringLiteral("/%1").arg(QLatin1String(c.name))), dir.filePath(QLatin1String(c.name)));
    }
    ASSERT_TRUE(pool.waitForIdle(20000));
    for (const Case &c : cases) {
        EXPECT_EQ(QFile::exists(dir.filePath(QLatin1String(c.name))), c.kept) << c.name;
        if (c.kept) {
            EXPECT_EQ(readAll(dir.filePath(QLatin1String(c.name))), c.body) << c.name;
        }
    }
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("*.part")}, QDir::Files).isEmpty());
}

TEST(PictureDownloadPool, AnEndlessOrHugePictureIsDroppedAtTheLimit)
{
    // Without end as fast as the pool reads, and a length announced beyond the limit.
    RawReplyServer endless(RawReplyServer::endless("image/jpeg", JpegStart, QByteArray(65536, 'e')));
    RawReplyServer huge([](RawReplyServer::Connection &connection) {
        if (!connection.send(RawReplyServer::head("image/jpeg", qint64(2) * 1024 * 1024 * 1024)))
            return;
        const QByteArray chunk = picture(65536, 'h');
        while (connection.send(chunk)) {
        }
    });
    QTemporaryDir dir;
    PictureDownloadPool pool(2);
    QSignalSpy failed(&pool, &PictureDownloadPool::pictureFailed);
    pool.enqueue(endless.url(QStringLiteral("/ohne-ende.jpg")), dir.filePath(QStringLiteral("a.jpg")));
    pool.enqueue(huge.url(QStringLiteral("/riesig.jpg")), dir.filePath(QStringLiteral("b.jpg")));
    ASSERT_TRUE(pool.waitForIdle(60000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return failed.count() == 2; }, 5000));
    EXPECT_TRUE(filesIn(dir).isEmpty()) << filesIn(dir).join(' ').toStdString();
    const qint64 bound = PictureDownloadPool::MaxPictureBytes + 16 * 1024 * 1024;
    EXPECT_LT(endless.bytesSent(), bound);
    EXPECT_LT(huge.bytesSent(), bound);
}

TEST(PictureDownloadPool, StalePartFilesAreRemovedButNotThoseBeingWritten)
{
    LocalHttpServer server;
    server.stall("/laedt.jpg");
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("alt.jpg.part")), "halb");
    writeFile(dir.filePath(QStringLiteral(".versteckt.jpg.part")), "halb");
    writeFile(dir.filePath(QStringLiteral("bild.jpg")), picture(100, 'b'));
    PictureDownloadPool pool(1);
    pool.enqueue(server.url(QStringLiteral("/laedt.jpg")), dir.filePath(QStringLiteral("laedt.jpg")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requestCount() == 1; }, 5000));

    pool.removeStalePartFiles(dir.path());
    EXPECT_EQ(filesIn(dir), QStringList({QStringLiteral("bild.jpg"), QStringLiteral("laedt.jpg.part")}));
    server.release();
    ASSERT_TRUE(pool.waitForIdle(20000));
}
