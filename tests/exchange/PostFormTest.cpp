#include "exchange/Credentials.h"
#include "exchange/HttpClient.h"
#include "exchange/PostForm.h"
#include "tests/support/DroppingPostServer.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

struct ReplyCase {
    const char *name;
    QByteArray reply;
    QByteArray cleaned;
};

class CleanFormReply : public ::testing::TestWithParam<ReplyCase> {
};

} // namespace

TEST_P(CleanFormReply, RemovesLineBreaksAndCutsOutTheBody)
{
    EXPECT_EQ(cleanFormReply(GetParam().reply), GetParam().cleaned);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, CleanFormReply,
    ::testing::Values(ReplyCase{"WrappedInBody", "<HTML><BODY>123</BODY></HTML>", "123"},
                      ReplyCase{"TrailingLineBreak", "123\r\n", "123"},
                      ReplyCase{"BodyAtFirstCharacter", "<BODY>123</BODY>", "<BODY>123</BODY>"},
                      ReplyCase{"LowerCaseTags", "<html><body>123</body></html>", "<html><body>123</body></html>"},
                      ReplyCase{"NoClosingTag", "ab<BODY>xyz", "xyz"},
                      ReplyCase{"LineBreaksInsideBody", "<HTML>\r\n<BODY>\r\n45\n6\r</BODY>\r\n</HTML>", "456"},
                      ReplyCase{"FirstBodyCounts", "x<BODY>1</BODY><BODY>2</BODY>", "1"},
                      ReplyCase{"Empty", "", ""}),
    [](const ::testing::TestParamInfo<ReplyCase> &info) { return std::string(info.param.name); });

TEST(PostForm, SendsEachLineFollowedByAnAmpersand)
{
    ScriptedPrompter prompts;
    LocalHttpServer server;
    server.reply("/asend.php", "<HTML><BODY>4711\r\n</BODY></HTML>");
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    const PostReply reply = PostForm(client, server.url("/asend.php"), {"a=1", "b=2", "c=3"});
    EXPECT_TRUE(reply.ok);
    EXPECT_EQ(reply.text, QByteArray("4711"));
    const LocalHttpServer::Request request = server.lastRequest();
    EXPECT_EQ(request.method, QByteArray("POST"));
    EXPECT_EQ(request.body, QByteArray("a=1&b=2&c=3&"));
    EXPECT_EQ(request.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
}

TEST(PostForm, EmptyFieldListSendsAnEmptyBody)
{
    ScriptedPrompter prompts;
    LocalHttpServer server;
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    EXPECT_TRUE(PostForm(client, server.url("/asend.php"), {}).ok);
    EXPECT_EQ(server.lastRequest().body, QByteArray());
    EXPECT_EQ(server.lastRequest().method, QByteArray("POST"));
}

TEST(PostForm, TextsGoOutAsWindows1252)
{
    ScriptedPrompter prompts;
    LocalHttpServer server;
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    PostForm(client, server.url("/asend.php"), {QStringLiteral("sprache=DE"), QStringLiteral("x=ä€")});
    EXPECT_EQ(server.lastRequest().body, QByteArray("sprache=DE&x=\xE4\x80&"));
}

TEST(PostForm, PasswordWithSeparatorsArrivesIntact)
{
    ScriptedPrompter prompts;
    LocalHttpServer server;
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    const Credentials account(QStringLiteral("Müller & Co"), QStringLiteral("p&ss=w%rd ä"));
    PostForm(client, server.url("/asend.php"), QStringList{QStringLiteral("titel=x")} + account.formFields());
    const LocalHttpServer::Request request = server.lastRequest();
    EXPECT_EQ(request.formValue("benutzername"), QByteArray("M\xFCller & Co"));
    EXPECT_EQ(request.formValue("passwort"), QByteArray("p&ss=w%rd \xE4"));
    EXPECT_EQ(request.formValue("titel"), QByteArray("x"));
}

TEST(PostForm, FailureGivesTheMessageAndNothingElse)
{
    ScriptedPrompter prompts;
    struct FailureCase {
        const char *name;
        int status;
        const char *message;
    };
    const FailureCase cases[] = {
        {"refused connection", 0, "Fehler bei der Übertragung: Verbindung zum Server nicht möglich*"},
        {"server error", 500, "Fehler bei der Übertragung: HTTP/1.1 500 Internal Server Error"},
    };
    for (const FailureCase &failure : cases) {
        SCOPED_TRACE(failure.name);
        LocalHttpServer server;
        LocalHttpServer::Reply reply;
        reply.status = failure.status;
        reply.body = "ERROR";
        server.reply("/asend.php", reply);
        const QString url = failure.status == 0
            ? QStringLiteral("http://127.0.0.1:%1/asend.php").arg(LocalHttpServer::closedPort())
            : server.url("/asend.php");
        HttpClient client(HttpClient::Kind::ExchangeWindow);
        const PostReply result = PostForm(client, url, {"a=1"});
        EXPECT_TRUE(ScriptedPrompter::matches(QString::fromUtf8(failure.message), result.error))
            << result.error.toStdString();
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.text.isEmpty());
    }
}

TEST(PostForm, DroppedConnectionShowsTheMessageAndSendsTheListingOnce)
{
    ScriptedPrompter prompts;
    DroppingPostServer server;
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    client.get(server.url(QStringLiteral("/veltrano/version_check.php")));
    const PostReply reply = PostForm(client, server.url(QStringLiteral("/asend.php")), {"titel=Lampe"});
    EXPECT_EQ(reply.error, QStringLiteral("Fehler bei der Übertragung: Die Verbindung zum Server wurde unterbrochen."));
    EXPECT_FALSE(reply.ok);
    EXPECT_TRUE(reply.text.isEmpty());
    EXPECT_EQ(server.postCount(), 1);
    prompts.verify();
}
