#include "store/Cp1252.h"

#include <array>

namespace Cp1252 {

namespace {
// Code points of the bytes 0x80 to 0x9F; the undefined ones keep their C1 value.
constexpr std::array<char16_t, 32> HighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

int byteOf(char32_t unicode)
{
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return static_cast<int>(unicode);
    for (size_t i = 0; i < HighTable.size(); ++i) {
        if (HighTable[i] == unicode)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

QByteArray encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const int byte = byteOf(ch.unicode());
        bytes.append(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return bytes;
}

QString toWireHtml(const QString &html)
{
    QString wire;
    wire.reserve(html.size());
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar ch = html.at(i);
        if (byteOf(ch.unicode()) >= 0) {
            wire.append(ch);
            continue;
        }
        char32_t codePoint = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < html.size() && html.at(i + 1).isLowSurrogate())
            codePoint = QChar::surrogateToUcs4(ch, html.at(++i));
        else if (ch.isSurrogate())
            codePoint = QChar::ReplacementCharacter; // half a pair names no character
        wire += QStringLiteral("&#") + QString::number(codePoint) + QLatin1Char(';');
    }
    return wire;
}

QByteArray encodeHtml(const QString &html)
{
    return encode(toWireHtml(html));
}

QString decode(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value >= 0x80 && value < 0xA0)
            text.append(QChar(HighTable[value - 0x80]));
        else
            text.append(QChar(value));
    }
    return text;
}

} // namespace Cp1252
