// The cut-out of a form POST's reply.
#include "exchange/PostForm.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray reply = FuzzInput::bytes(data, size);
    const QByteArray cleaned = cleanFormReply(reply);
    FuzzInput::require(!cleaned.contains('\r') && !cleaned.contains('\n'), "no line breaks are left");
    FuzzInput::require(cleaned.size() <= reply.size(), "the cut-out is never longer than the reply");
    return 0;
}
