#include "exchange/UrlEncode.h"

#include "store/Cp1252.h"

namespace {

bool passesUnchanged(char byte)
{
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9');
}

} // namespace

QString UrlEncode(const QString &text)
{
    static const char hexDigits[] = "0123456789ABCDEF";
    QByteArray encoded;
    for (const char byte : Cp1252::encode(text)) {
        if (passesUnchanged(byte)) {
            encoded.append(byte);
        } else if (byte == ' ') {
            encoded.append("%20");
        } else {
            const auto value = static_cast<unsigned char>(byte);
            encoded.append('%').append(hexDigits[value >> 4]).append(hexDigits[value & 0x0F]);
        }
    }
    return QString::fromLatin1(encoded);
}
