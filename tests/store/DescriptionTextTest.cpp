#include "store/DescriptionText.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

TEST(DescriptionText, BodyOfADocument)
{
    const struct {
        const char *document;
        const char *body;
    } cases[] = {
        {"<html><head></head><body><p>Größe þ ÿ €</p></body></html>", "<p>Größe þ ÿ €</p>"},
        {"<HTML><HEAD></HEAD>\r\n<BODY>\r\n<P>Text</P></BODY></HTML>", "\r\n<P>Text</P>"},
        {"<html><body class=\"a>b\" id='x>y'>Inhalt</body></html>", "Inhalt"},
        {"<html><body><!-- </body> -->Rest</body></html>", "<!-- </body> -->Rest"},
        {"<html><body>ohne Ende", ""},
        {"Text vor dem Ende</body></html>", "Text vor dem Ende"},
        {"<html><body></body></html>", ""},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DescriptionText::extractBody(QString::fromUtf8(c.document)), QString::fromUtf8(c.body)) << c.document;
}

TEST(DescriptionText, AnyBodyTextComesBackUnchanged)
{
    // Random texts of characters that matter here: tags, quotes, the bytes 0x00, 0xFE, 0xFF,
    // German letters, characters beyond Windows-1252 and a surrogate pair.
    const QString alphabet = QString::fromUtf8("<>/\"'=bodyBODY \r\n\tÄöüßþÿ€✓") + QChar(0) + QChar(0xFE) + QChar(0xFF)
        + QString::fromUtf8("😀");
    QRandomGenerator random(4711);
    for (int round = 0; round < 2000; ++round) {
        QString body;
        const int length = random.bounded(40);
        for (int i = 0; i < length; ++i)
            body += alphabet.at(random.bounded(alphabet.size()));
        const QString document = QStringLiteral("<html><head></head><body>") + body + QStringLiteral("</body></html>");
        ASSERT_EQ(DescriptionText::extractBody(document), body) << round;
    }
}

TEST(DescriptionText, OnlyTheGermanMarkerIsRemoved)
{
    EXPECT_EQ(DescriptionText::withoutGermanMarker(QStringLiteral("<##DE##><p>Hallo</p><##EN##><p>Hello</p><##DE##>")),
              QStringLiteral("<p>Hallo</p><##EN##><p>Hello</p>"));
    EXPECT_EQ(DescriptionText::withoutGermanMarker(QStringLiteral("<##FR##>Bonjour")), QStringLiteral("<##FR##>Bonjour"));
    EXPECT_EQ(DescriptionText::withoutGermanMarker(QStringLiteral("<##de##>")), QStringLiteral("<##de##>"));
}
