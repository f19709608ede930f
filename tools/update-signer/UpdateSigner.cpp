#include "tools/update-signer/UpdateSigner.h"

#include "tools/update-signer/DemoUpdateKey.h"

#include <sodium.h>
#include <stdexcept>

void UpdateSigner::initLibrary()
{
    if (sodium_init() < 0)
        throw std::runtime_error("libsodium cannot be initialised");
}

UpdateSigner UpdateSigner::generate()
{
    initLibrary();
    QByteArray seed(crypto_sign_SEEDBYTES, '\0');
    randombytes_buf(seed.data(), static_cast<size_t>(seed.size()));
    return fromSeedHex(QString::fromLatin1(seed.toHex()));
}

UpdateSigner UpdateSigner::fromSeedHex(const QString &seedHex)
{
    initLibrary();
    const QByteArray hex = seedHex.trimmed().toLatin1();
    const QByteArray seed = QByteArray::fromHex(hex);
    if (seed.size() != crypto_sign_SEEDBYTES || seed.toHex() != hex.toLower())
        throw std::runtime_error("the secret key must be 64 hex digits");
    UpdateSigner signer;
    signer.m_seed = seed;
    signer.m_publicKey.resize(crypto_sign_PUBLICKEYBYTES);
    signer.m_secretKey.resize(crypto_sign_SECRETKEYBYTES);
    crypto_sign_seed_keypair(reinterpret_cast<unsigned char *>(signer.m_publicKey.data()),
                             reinterpret_cast<unsigned char *>(signer.m_secretKey.data()),
                             reinterpret_cast<const unsigned char *>(seed.constData()));
    return signer;
}

UpdateSigner UpdateSigner::demo()
{
    return fromSeedHex(QString::fromLatin1(DemoUpdateKey::SecretSeedHex));
}

QByteArray UpdateSigner::sign(const QByteArray &data) const
{
    QByteArray signature(crypto_sign_BYTES, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char *>(signature.data()), nullptr,
                         reinterpret_cast<const unsigned char *>(data.constData()),
                         static_cast<unsigned long long>(data.size()),
                         reinterpret_cast<const unsigned char *>(m_secretKey.constData()));
    return signature;
}

QString UpdateSigner::seedHex() const
{
    return QString::fromLatin1(m_seed.toHex());
}

QString UpdateSigner::publicKeyHex() const
{
    return QString::fromLatin1(m_publicKey.toHex());
}
