#include "exchange/UpdateSignature.h"

#include <sodium.h>

namespace UpdateSignature {

QByteArray publicKeyFromHex(const QString &hex)
{
    const QByteArray text = hex.trimmed().toLatin1();
    const QByteArray key = QByteArray::fromHex(text);
    if (key.size() != crypto_sign_PUBLICKEYBYTES || key.toHex() != text.toLower())
        return {};
    return key;
}

bool verify(const QByteArray &data, const QByteArray &signature, const QByteArray &publicKey)
{
    if (sodium_init() < 0 || signature.size() != crypto_sign_BYTES || publicKey.size() != crypto_sign_PUBLICKEYBYTES)
        return false;
    return crypto_sign_verify_detached(reinterpret_cast<const unsigned char *>(signature.constData()),
                                       reinterpret_cast<const unsigned char *>(data.constData()),
                                       static_cast<unsigned long long>(data.size()),
                                       reinterpret_cast<const unsigned char *>(publicKey.constData()))
        == 0;
}

} // namespace UpdateSignature
