#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the encoding of every byte this program exchanges with servers and files.
namespace Cp1252 {

// The byte of one character, or -1 when it has no Windows-1252 form.
int byteOf(char32_t unicode);
// Characters without a Windows-1252 form become "?".
QByteArray encode(const QString &text);
// HTML for the wire: every character without a Windows-1252 form becomes a numeric
// character reference ("✓" -> "&#10003;"), so nothing in a description turns into "?".
QString toWireHtml(const QString &html);
// toWireHtml, then encode: the bytes of an HTML text as the auction house receives them.
QByteArray encodeHtml(const QString &html);
// Every byte has a meaning; the five undefined ones map to the C1 control of that value.
QString decode(const QByteArray &bytes);

} // namespace Cp1252
