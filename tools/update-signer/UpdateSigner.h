#pragma once

#include <QByteArray>
#include <QString>

// An Ed25519 key pair that signs update files with detached signatures (64 bytes, the
// content of the file published as the update's address + ".sig").
class UpdateSigner {
public:
    // A new random key pair.
    static UpdateSigner generate();
    // The key pair of a 32-byte seed given as 64 hex digits. Throws std::runtime_error
    // for a text that is not such a seed.
    static UpdateSigner fromSeedHex(const QString &seedHex);
    // The demo's published key pair.
    static UpdateSigner demo();

    QByteArray sign(const QByteArray &data) const;
    QString seedHex() const;
    QString publicKeyHex() const;

private:
    UpdateSigner() = default;
    static void initLibrary();

    QByteArray m_seed;
    QByteArray m_publicKey;
    QByteArray m_secretKey;
};
