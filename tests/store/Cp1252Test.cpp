#include "store/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, RoundTripOfGermanAndSpecialCharacters)
{
    const QString text = QStringLiteral("Käufer trägt Versandkosten – 12 € „Größe“ ß");
    const QByteArray bytes = Cp1252::encode(text);
    EXPECT_EQ(bytes.size(), text.size());
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(text.indexOf(QChar(0x20AC)))), 0x80);
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(1)), 0xE4);
    EXPECT_EQ(Cp1252::decode(bytes), text);
}

TEST(Cp1252, EveryByteDecodesAndUnmappableCharactersBecomeQuestionMarks)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(Cp1252::encode(Cp1252::decode(all)), all);
    EXPECT_EQ(Cp1252::encode(QStringLiteral("Ω→")), QByteArray("??"));
}

TEST(Cp1252, HtmlForTheWireKeepsEveryCharacter)
{
    const struct {
        const char *html;
        const char *wire;
    } cases[] = {
        {"<p>Größe þ ÿ €</p>", "<p>Größe þ ÿ €</p>"},
        {"✓ erledigt", "&#10003; erledigt"},
        {"„Zitat“ – ok", "„Zitat“ – ok"},
        {"Ω", "&#937;"},
        {"😀!", "&#128512;!"},
        {"&#10003; bleibt", "&#10003; bleibt"},
        {"", ""},
    };
    for (const auto &c : cases) {
        const QString html = QString::fromUtf8(c.html);
        EXPECT_EQ(Cp1252::toWireHtml(html), QString::fromUtf8(c.wire)) << c.html;
        EXPECT_EQ(Cp1252::encodeHtml(html), Cp1252::encode(QString::fromUtf8(c.wire))) << c.html;
        EXPECT_FALSE(Cp1252::encodeHtml(html).contains('?')) << c.html;
    }
}

TEST(Cp1252, HalfASurrogatePairBecomesTheReplacementCharacter)
{
    const QString lone = QString(QChar(0xD83D)) + QStringLiteral("x") + QString(QChar(0xDE00));
    EXPECT_EQ(Cp1252::toWireHtml(lone), QStringLiteral("&#65533;x&#65533;"));
}
