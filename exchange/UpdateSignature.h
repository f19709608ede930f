#pragma once

#include <QByteArray>
#include <QString>

// Checks the detached Ed25519 signature that the update server publishes beside every
// update file.
namespace UpdateSignature {

// The 32-byte key of 64 hex digits; empty for any other text.
QByteArray publicKeyFromHex(const QString &hex);
// True only when signature is a valid signature of data by publicKey.
bool verify(const QByteArray &data, const QByteArray &signature, const QByteArray &publicKey);

} // namespace UpdateSignature
