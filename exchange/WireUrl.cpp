#include "exchange/WireUrl.h"

#include "store/Cp1252.h"

QByteArray wireUrl(const QString &url)
{
    static const char hexDigits[] = "0123456789ABCDEF";
    QByteArray wire;
    for (const char byte : Cp1252::encode(url)) {
        const auto value = static_cast<unsigned char>(byte);
        if (value > 0x20 && value < 0x7F)
            wire.append(byte);
        else
            wire.append('%').append(hexDigits[value >> 4]).append(hexDigits[value & 0x0F]);
    }
    return wire;
}
