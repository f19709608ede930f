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
