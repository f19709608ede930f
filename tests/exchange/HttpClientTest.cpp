#include "exchange/HttpClient.h"
#include "exchange/HttpError.h"
#include "tests/support/DroppingPostServer.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/RawReplyServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Reply = LocalHttpServer::Reply;

Reply redirectTo(const QByteArray &location)
{
    Reply reply;
    reply.status = 302;
    reply.headers = {{"Location", location}};
    return reply;
}

QString errorOf(const std::function<void()> &request)
{
    try {
        request();
    } catch (const HttpError &error) {
        return error.text();
    }
    return {};
}

struct KindCase {
    HttpClient::Kind kind;
    const char *userAgent;
};

class HttpClientHeaders : public ::testing::TestWithParam<KindCase> {
};

} // namespace

TEST_P(HttpClientHeaders, SendsTheHeadersOfItsWindowKind)
{
    LocalHttpServer server;
    HttpClient client(GetParam().kind);
    client.get(server.url("/api/test.php"));
    const LocalHttpServer::Request request = server.lastRequest();
    EXPECT_EQ(request.header("User-Agent"), QByteArray(GetParam().userAgent));
    EXPECT_EQ(request.header("Accept"), QByteArray("text/html, */*"));
    EXPECT_EQ(request.header("Content-Type"), QByteArray("text/html"));
    EXPECT_FALSE(request.hasHeader("Authorization"));
}

INSTANTIATE_TEST_SUITE_P(
    WindowKinds, HttpClientHeaders,
    ::testing::Values(KindCase{HttpClient::Kind::ExchangeWindow, "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)"},
                      KindCase{HttpClient::Kind::AccountOrUpdateWindow, "Mozilla/3.0 (compatible; Indy Library)"}));

TEST(HttpClient, GetReturnsTheBodyBytesUnchanged)
{
    LocalHttpServer server;
    const QByteArray body("M\xFC" "ller\r\n\x80\x00 end", 14);
    server.reply("/data", body);
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    EXPECT_EQ(client.get(server.url("/data?a=1&b=%20")), body);
    EXPECT_EQ(server.lastRequest().target, QByteArray("/data?a=1&b=%20"));
}

TEST(HttpClient, UrlTextsGoOutAsWindows1252)
{
    LocalHttpServer server;
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    client.get(server.url(QStringLiteral("/api/filedownload.php?datei=Bild 1ä€.jpg&x=%26")));
    EXPECT_EQ(server.lastRequest().target, QByteArray("/api/filedownload.php?datei=Bild%201%E4%80.jpg&x=%26"));
    EXPECT_EQ(server.lastRequest().queryValue("datei"), QByteArray("Bild 1\xE4\x80.jpg"));
}

TEST(HttpClient, ContentTypeSetByAPostStaysForLaterRequests)
{
    LocalHttpServer server;
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    client.setContentType("application/x-www-form-urlencoded");
    client.get(server.url("/next"));
    EXPECT_EQ(server.lastRequest().header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
}

TEST(HttpClient, KeepsCookiesForItsLifeOnly)
{
    LocalHttpServer server;
    Reply login;
    login.headers = {{"Set-Cookie", "session=abc123; Path=/"}};
    server.reply("/login", login);
    {
        HttpClient client(HttpClient::Kind::ExchangeWindow);
        client.get(server.url("/login"));
        client.get(server.url("/api/next.php"));
        EXPECT_EQ(server.lastRequest().header("Cookie"), QByteArray("session=abc123"));
    }
    HttpClient nextRun(HttpClient::Kind::ExchangeWindow);
    nextRun.get(server.url("/api/next.php"));
    EXPECT_FALSE(server.lastRequest().hasHeader("Cookie"));
}

TEST(HttpClient, DoesNotFollowRedirectsUntilSwitchedOn)
{
    LocalHttpServer server;
    server.reply("/old", redirectTo("/new"));
    server.reply("/new", "arrived");
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    EXPECT_TRUE(errorOf([&] { client.get(server.url("/old")); }).contains("302"));
    EXPECT_EQ(server.requestCount(), 1);

    client.setFollowRedirects(true);
    EXPECT_EQ(client.get(server.url("/old")), QByteArray("arrived"));
}

TEST(HttpClient, FollowsAtMostFifteenRedirects)
{
    LocalHttpServer server;
    for (int hop = 0; hop < 20; ++hop)
        server.reply("/hop" + QByteArray::number(hop), redirectTo("/hop" + QByteArray::number(hop + 1)));
    server.reply("/hop20", "arrived");
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    client.setFollowRedirects(true);
    EXPECT_EQ(client.get(server.url("/hop5")), QByteArray("arrived"));
    EXPECT_TRUE(errorOf([&] { client.get(server.url("/hop4")); }).startsWith(QStringLiteral("Zu viele")));
}

TEST(HttpClient, SpeaksOnlyHttpAndHttps)
{
    LocalHttpServer server;
    server.reply("/to-file", redirectTo("file:///etc/hostname"));
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    client.setFollowRedirects(true);
    EXPECT_FALSE(errorOf([&] { client.get(QStringLiteral("file:///etc/hostname")); }).isEmpty());
    EXPECT_FALSE(errorOf([&] { client.get(server.url("/to-file")); }).isEmpty());
    // A TLS handshake is attempted (and fails against this plain server).
    const QString tls = errorOf([&] { client.get(QStringLiteral("https://127.0.0.1:%1/").arg(server.port())); });
    EXPECT_FALSE(tls.isEmpty());
    EXPECT_FALSE(tls.contains(QStringLiteral("not supported"), Qt::CaseInsensitive)) << tls.toStdString();
}

TEST(HttpClient, ErrorStatusFailsWithTheStatusLine)
{
    LocalHttpServer server;
    Reply missing;
    missing.status = 404;
    missing.body = "not here";
    server.reply("/gone", missing);
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    EXPECT_EQ(errorOf([&] { client.get(server.url("/gone")); }), QStringLiteral("HTTP/1.1 404 Not Found"));
}

TEST(HttpClient, RefusedConnectionFailsAtOnceWithAText)
{
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    const QString url = QStringLiteral("http://127.0.0.1:%1/api/XMLDaten.php").arg(LocalHttpServer::closedPort());
    const QString error = errorOf([&] { client.get(url); });
    EXPECT_TRUE(error.startsWith(QStringLiteral("Verbindung zum Server nicht möglich"))) << error.toStdString();
}

TEST(HttpClient, StalledServerEndsInATimeOutInsteadOfAHang)
{
    LocalHttpServer server;
    server.stall("/api/XMLDaten.php");
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    client.setStallTimeout(1000);
    QElapsedTimer timer;
    timer.start();
    const QString error = errorOf([&] { client.get(server.url("/api/XMLDaten.php")); });
    EXPECT_TRUE(error.startsWith(QStringLiteral("Zeitüberschreitung"))) << error.toStdString();
    EXPECT_LT(timer.elapsed(), 10000);
}

TEST(HttpClient, ReplyDroppedMidwayIsAnError)
{
    LocalHttpServer server;
    Reply broken;
    broken.body = QByteArray(1000, 'x');
    broken.dropAfter = 100;
    server.reply("/broken", broken);
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    EXPECT_FALSE(errorOf([&] { client.get(server.url("/broken")); }).isEmpty());
}

TEST(HttpClient, ProgressHookRunsWhileTheRequestWaits)
{
    LocalHttpServer server;
    server.stall("/slow");
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    int calls = 0;
    // The server answers only once the hook has run while the client was waiting.
    client.setProgressHook([&](qint64, qint64) {
        if (++calls == 1)
            server.release();
    });
    client.get(server.url("/slow"));
    EXPECT_GE(calls, 1);
}

TEST(HttpClient, AnErrorInTheProgressHookEndsTheRequestAndReachesTheCaller)
{
    LocalHttpServer server;
    server.stall("/slow");
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    client.setProgressHook([](qint64, qint64) { throw std::runtime_error("window gone"); });
    EXPECT_THROW(client.get(server.url("/slow")), std::runtime_error);
}

TEST(HttpClient, DownloadWritesTheFileOnlyWhenComplete)
{
    LocalHttpServer server;
    QTemporaryDir dir;
    const QString target = dir.filePath("picture.jpg");
    server.reply("/pic", QByteArray("\xFF\xD8 jpeg bytes"));
    Reply broken;
    broken.body = QByteArray(5000, 'y');
    broken.dropAfter = 10;
    server.reply("/broken", broken);
    HttpClient client(HttpClient::Kind::ExchangeWindow);

    LocalHttpServer::Reply missing;
    missing.status = 404;
    missing.body = "<html>not found</html>";
    server.reply("/missing", missing);
    for (const char *path : {"/broken", "/missing"}) {
        EXPECT_FALSE(errorOf([&] { client.download(server.url(path), target); }).isEmpty());
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty()) << path << " leaves no file";
    }

    client.download(server.url("/pic"), target);
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\xFF\xD8 jpeg bytes"));

    EXPECT_FALSE(errorOf([&] { client.download(server.url("/broken"), target); }).isEmpty());
    file.seek(0);
    EXPECT_EQ(file.readAll(), QByteArray("\xFF\xD8 jpeg bytes")) << "a broken download keeps the old file";
}

TEST(HttpClient, APostGoesOutOnceWhenTheServerDropsTheKeptConnection)
{
    DroppingPostServer server;
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    // A GET first leaves a kept connection behind, as the version check does in a run.
    EXPECT_EQ(client.get(server.url(QStringLiteral("/veltrano/version_check.php"))), QByteArray("ok"));
    const struct {
        const char *name;
        std::function<void()> post;
    } posts[] = {
        {"form", [&] { client.post(server.url(QStringLiteral("/asend.php")), "titel=Lampe&"); }},
        {"multipart",
            [&] {
                client.postMultipart(server.url(QStringLiteral("/api/abild.php?auktionid=7")),
                    {{"bild1", "a.jpg", "image/jpeg", QByteArray(5000, 'j')}});
            }},
    };
    int expectedPosts = 0;
    for (const auto &post : posts) {
        SCOPED_TRACE(post.name);
        EXPECT_EQ(errorOf(post.post), QStringLiteral("Die Verbindung zum Server wurde unterbrochen."));
        EXPECT_EQ(server.postCount(), ++expectedPosts);
    }
    EXPECT_EQ(server.getCount(), 1);
}

TEST(HttpClient, TransportFailuresReadInGerman)
{
    LocalHttpServer server;
    server.stall("/stalled");
    Reply broken;
    broken.body = QByteArray(1000, 'x');
    broken.dropAfter = 100;
    server.reply("/broken", broken);
    const struct {
        const char *name;
        QString url;
        QString text;
    } cases[] = {
        {"refused", QStringLiteral("http://127.0.0.1:%1/x").arg(LocalHttpServer::closedPort()),
            QStringLiteral("Verbindung zum Server nicht möglich: Der Server nimmt keine Verbindung an.")},
        {"stalled", server.url("/stalled"), QStringLiteral("Zeitüberschreitung: Der Server antwortet nicht.")},
        {"dropped", server.url("/broken"), QStringLiteral("Die Verbindung zum Server wurde unterbrochen.")},
    };
    for (const auto &failure : cases) {
        SCOPED_TRACE(failure.name);
        HttpClient client(HttpClient::Kind::ExchangeWindow);
        client.setStallTimeout(1000);
        EXPECT_EQ(errorOf([&] { client.get(failure.url); }), failure.text);
    }
}

TEST(HttpClient, AnEndlessReplyEndsAtTheLimitWithTheConnectionMessage)
{
    RawReplyServer server(RawReplyServer::endless("text/xml", "<daten>", QByteArray("<a>x</a>").repeated(8192)));
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    const QString error = errorOf([&] { client.get(server.url(QStringLiteral("/api/XMLAuctions.php"))); });
    EXPECT_TRUE(error.startsWith(QStringLiteral("Die Verbindung zum Server wurde unterbrochen"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("64 MB"))) << error.toStdString();
    EXPECT_LT(server.bytesSent(), HttpClient::MaxReplyBytes + 32 * 1024 * 1024) << "the client stopped reading";
}

TEST(HttpClient, AReplyJustBelowTheLimitArrivesWhole)
{
    LocalHttpServer server;
    const QByteArray body(HttpClient::MaxReplyBytes, 'z');
    server.reply("/gross", body);
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    EXPECT_EQ(client.get(server.url(QStringLiteral("/gross"))).size(), body.size());
}

TEST(HttpClient, TricklingAndEndlessServersEndInATimeOut)
{
    struct Case {
        const char *what;
        int intervalMs;
        QByteArray chunk;
    };
    // Two bytes a second is a stall; four kilobytes every 100 ms is not, but the overall
    // limit ends it.
    for (const Case &c : {Case{"trickle", 500, "xx"}, Case{"steady", 100, QByteArray(4096, 'x')}}) {
        RawReplyServer server(
            RawReplyServer::trickle(RawReplyServer::head("text/xml", 100000000), "<daten>", c.chunk, c.intervalMs));
        HttpClient client(HttpClient::Kind::ExchangeWindow);
        client.setStallTimeout(1000);
        client.setTotalTimeout(2500);
        QElapsedTimer clock;
        clock.start();
        const QString error = errorOf([&] { client.get(server.url(QStringLiteral("/api/XMLAuctions.php"))); });
        EXPECT_TRUE(error.startsWith(QStringLiteral("Zeitüberschreitung"))) << c.what << ": " << error.toStdString();
        EXPECT_LT(clock.elapsed(), 10000) << c.what;
    }
}
