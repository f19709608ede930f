#include "exchange/HttpClient.h"
#include "exchange/PostPictures.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ScriptedPrompter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PostPicturesTest : public ::testing::Test {
protected:
    QString picture(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    ScriptedPrompter m_prompts;
    QTemporaryDir m_dir;
    LocalHttpServer m_server;
    HttpClient m_client{HttpClient::Kind::ExchangeWindow};
};

} // namespace

TEST_F(PostPicturesTest, SendsEachFileAsNumberedJpegFieldInListOrder)
{
    const QStringList files = {picture("12_2.jpg", "second"), picture("12_1.jpg", "first"),
                               picture("12_3.jpg", QByteArray("\xFF\xD8\x00\xFF", 4))};
    m_server.reply("/api/abild.php", "OK\r\n<BODY>raw</BODY>");
    const PostReply reply = PostPictures(m_client, m_server.url("/api/abild.php?auktionid=77"), files);

    EXPECT_TRUE(reply.ok);
    EXPECT_EQ(reply.text, QByteArray("OK\r\n<BODY>raw</BODY>")) << "the reply comes back unchanged";
    const LocalHttpServer::Request request = m_server.lastRequest();
    EXPECT_EQ(request.target, QByteArray("/api/abild.php?auktionid=77"));
    EXPECT_TRUE(request.header("Content-Type").startsWith("multipart/form-data; boundary="));
    ASSERT_EQ(request.parts.size(), 3);
    const QByteArray names[] = {"12_2.jpg", "12_1.jpg", "12_3.jpg"};
    const QByteArray contents[] = {"second", "first", QByteArray("\xFF\xD8\x00\xFF", 4)};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(request.parts[i].name, "bild" + QByteArray::number(i + 1));
        EXPECT_EQ(request.parts[i].fileName, names[i]);
        EXPECT_EQ(request.parts[i].contentType, QByteArray("image/jpeg"));
        EXPECT_EQ(request.parts[i].content, contents[i]);
    }
}

TEST_F(PostPicturesTest, DeletesTheFilesOnlyAfterSuccess)
{
    const QStringList files = {picture("5_1.jpg", "one"), picture("5_2.jpg", "two")};
    LocalHttpServer::Reply refused;
    refused.status = 503;
    m_server.reply("/api/abild.php", refused);
    const PostReply failed = PostPictures(m_client, m_server.url("/api/abild.php"), files);
    EXPECT_EQ(failed.error, QStringLiteral("Fehler bei der Übertragung: HTTP/1.1 503 Service Unavailable"));
    EXPECT_FALSE(failed.ok);
    EXPECT_TRUE(failed.text.isEmpty());
    EXPECT_TRUE(QFile::exists(files[0]) && QFile::exists(files[1])) << "kept for the next attempt";

    m_server.reply("/api/abild.php", "done");
    EXPECT_TRUE(PostPictures(m_client, m_server.url("/api/abild.php"), files).ok);
    EXPECT_FALSE(QFile::exists(files[0]) || QFile::exists(files[1]));
}

TEST_F(PostPicturesTest, MissingFileFailsWithoutSendingOrDeleting)
{
    const QString present = picture("9_1.jpg", "one");
    const PostReply failed = PostPictures(m_client, m_server.url("/api/abild.php"), {present, m_dir.filePath("9_2.jpg")});
    EXPECT_FALSE(failed.ok);
    EXPECT_TRUE(failed.error.startsWith(QStringLiteral("Fehler bei der Übertragung: Die Datei "))) << failed.error.toStdString();
    EXPECT_EQ(m_server.requestCount(), 0);
    EXPECT_TRUE(QFile::exists(present));
}
