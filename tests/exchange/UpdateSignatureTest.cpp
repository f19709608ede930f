#include "exchange/UpdateSignature.h"
#include "tools/update-signer/DemoUpdateKey.h"
#include "tools/update-signer/UpdateSigner.h"

#include <gtest/gtest.h>

TEST(UpdateSignature, OnlyTheUntouchedFileWithItsOwnSignatureAndKeyVerifies)
{
    const QByteArray file = QByteArrayLiteral("Veltrano-Update 13.200\n");
    const UpdateSigner demo = UpdateSigner::demo();
    const QByteArray demoKey = UpdateSignature::publicKeyFromHex(demo.publicKeyHex());
    const QByteArray otherKey = UpdateSignature::publicKeyFromHex(UpdateSigner::generate().publicKeyHex());
    const QByteArray signature = demo.sign(file);
    QByteArray flipped = signature;
    flipped[10] = static_cast<char>(flipped[10] ^ 0x40);

    const struct {
        const char *what;
        QByteArray data, signature, key;
        bool verifies;
    } cases[] = {
        {"good", file, signature, demoKey, true},
        {"file changed", file + ' ', signature, demoKey, false},
        {"signature changed", file, flipped, demoKey, false},
        {"other key", file, signature, otherKey, false},
        {"signature cut", file, signature.left(63), demoKey, false},
        {"no signature", file, QByteArray(), demoKey, false},
        {"no key", file, signature, QByteArray(), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(UpdateSignature::verify(c.data, c.signature, c.key), c.verifies) << c.what;
}

TEST(UpdateSignature, PublicKeysAreReadFromExactlySixtyFourHexDigits)
{
    EXPECT_EQ(UpdateSignature::publicKeyFromHex(QString::fromLatin1(DemoUpdateKey::PublicKeyHex)).size(), 32);
    EXPECT_EQ(UpdateSigner::demo().publicKeyHex(), QString::fromLatin1(DemoUpdateKey::PublicKeyHex));
    for (const QString &text : {QString(), QStringLiteral("55687b"), QString(64, QLatin1Char('g')),
                                QString::fromLatin1(DemoUpdateKey::PublicKeyHex) + QStringLiteral("00")})
        EXPECT_TRUE(UpdateSignature::publicKeyFromHex(text).isEmpty()) << text.toStdString();
}

TEST(UpdateSigner, KeyPairsComeBackFromTheirSeed)
{
    const UpdateSigner made = UpdateSigner::generate();
    const UpdateSigner again = UpdateSigner::fromSeedHex(made.seedHex() + QStringLiteral("\n"));
    EXPECT_EQ(again.publicKeyHex(), made.publicKeyHex());
    EXPECT_NE(made.publicKeyHex(), UpdateSigner::demo().publicKeyHex());
    EXPECT_THROW(UpdateSigner::fromSeedHex(QStringLiteral("abc")), std::runtime_error);
}
