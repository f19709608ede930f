// The Windows-1252 pair: every byte has a meaning, so bytes survive the round trip; any
// text can be encoded.
#include "store/Cp1252.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = FuzzInput::bytes(data, size);
    const QString text = Cp1252::decode(bytes);
    FuzzInput::require(text.size() == bytes.size(), "one character per byte");
    FuzzInput::require(Cp1252::encode(text) == bytes, "bytes survive decoding and encoding");
    const QString utf8 = QString::fromUtf8(bytes);
    FuzzInput::require(Cp1252::encode(utf8).size() <= utf8.size(), "at most one byte per character");
    return 0;
}
