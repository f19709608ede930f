#include "exchange/CurlOptions.h"
#include "exchange/HttpClient.h"
#include "exchange/HttpError.h"
#include "exchange/PictureDownloadPool.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/RawReplyServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

const QByteArray Jpeg = QByteArray("\xFF\xD8\xFF\xE0", 4) + QByteArray(2000, 'j');

// One way of fetching a file: the window's client or the picture pool. Both must follow
// the same rules.
struct Transport {
    const char *name;
    // True when the file arrived at target; the stall time-out is one second.
    std::function<bool(const QString &url, const QString &target)> fetch;
};

bool fetchWithClient(const QString &url, const QString &target)
{
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    client.setFollowRedirects(true);
    client.setStallTimeout(1000);
    try {
        client.download(url, target);
        return true;
    } catch (const HttpError &) {
        return false;
    }
}

bool fetchWithPool(const QString &url, const QString &target)
{
    PictureDownloadPool pool(1);
    pool.setTimeouts(5000, 1000);
    pool.enqueue(url, target);
    return pool.waitForIdle(20000) && QFile::exists(target);
}

class SharedTransferSettings : public ::testing::TestWithParam<Transport> {
protected:
    QString target() const { return m_dir.filePath(QStringLiteral("bild.jpg")); }
    bool noFileLeft() const { return QDir(m_dir.path()).entryList(QDir::Files).isEmpty(); }

    QTemporaryDir m_dir;
};

LocalHttpServer::Reply redirectTo(const QByteArray &location)
{
    LocalHttpServer::Reply reply;
    reply.status = 302;
    reply.headers = {{"Location", location}};
    return reply;
}

} // namespace

TEST_P(SharedTransferSettings, FollowsRedirectsOnlyToHttp)
{
    LocalHttpServer server;
    LocalHttpServer other;
    other.reply("/echt.jpg", Jpeg);
    // A listener that would answer whatever the program sent it.
    RawReplyServer listener([](RawReplyServer::Connection &) {});
    const QByteArray elsewhere = QStringLiteral("127.0.0.1:%1/x.jpg").arg(listener.port()).toLatin1();
    server.reply("/ftp.jpg", redirectTo("ftp://" + elsewhere));
    server.reply("/file.jpg", redirectTo("file:///etc/passwd"));
    server.reply("/gopher.jpg", redirectTo("gopher://" + elsewhere));
    server.reply("/http.jpg", redirectTo(other.url(QStringLiteral("/echt.jpg")).toLatin1()));

    for (const char *path : {"/ftp.jpg", "/file.jpg", "/gopher.jpg"}) {
        EXPECT_FALSE(GetParam().fetch(server.url(QString::fromLatin1(path)), target())) << path;
        EXPECT_TRUE(noFileLeft()) << path;
    }
    EXPECT_EQ(listener.connectionCount(), 0) << "no request went to another protocol";

    ASSERT_TRUE(GetParam().fetch(server.url(QStringLiteral("/http.jpg")), target()));
    QFile file(target());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), Jpeg);
}

TEST_P(SharedTransferSettings, ATricklingServerIsAStall)
{
    // Two bytes every half second: never silent, but far below the stall rate.
    RawReplyServer server(RawReplyServer::trickle(RawReplyServer::head("image/jpeg", 1000000),
                                                  QByteArray("\xFF\xD8\xFF", 3), "xx", 500));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(GetParam().fetch(server.url(QStringLiteral("/langsam.jpg")), target()));
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_TRUE(noFileLeft());
}

TEST_P(SharedTransferSettings, RequestsCarryTheProgramsUserAgent)
{
    LocalHttpServer server;
    server.reply("/a.jpg", Jpeg);
    GetParam().fetch(server.url(QStringLiteral("/a.jpg")), target());
    EXPECT_EQ(server.lastRequest().header("User-Agent"), CurlOptions::exchangeUserAgent());
}

TEST_P(SharedTransferSettings, NamesWithBlanksAndUmlautsGoOutInWindows1252)
{
    LocalHttpServer server;
    server.reply("/api/filedownload.php", Jpeg);
    EXPECT_TRUE(GetParam().fetch(server.url(QStringLiteral("/api/filedownload.php?datei=mein Bild ä.jpg")), target()));
    EXPECT_EQ(server.lastRequest().target, QByteArray("/api/filedownload.php?datei=mein%20Bild%20%E4.jpg"));
}

INSTANTIATE_TEST_SUITE_P(ClientAndPictures, SharedTransferSettings,
                         ::testing::Values(Transport{"client", fetchWithClient}, Transport{"pool", fetchWithPool}),
                         [](const ::testing::TestParamInfo<Transport> &info) { return std::string(info.param.name); });

TEST(CurlOptions, StallTimeIsRoundedUpToWholeSecondsAndNeverZero)
{
    struct Case {
        int milliseconds;
        long seconds;
    };
    for (const Case &c : {Case{0, 1}, Case{1, 1}, Case{999, 1}, Case{1000, 1}, Case{1001, 2}, Case{30000, 30}}) {
        CurlOptions options;
        options.stallTimeoutMs = c.milliseconds;
        EXPECT_EQ(options.stallSeconds(), c.seconds) << c.milliseconds;
    }
}
