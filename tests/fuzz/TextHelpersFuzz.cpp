// The timestamp, remaining-time, splitting and price helpers on any texts.
#include "core/AppError.h"
#include "store/TextHelpers.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList in = FuzzInput::texts(data, size, 4);
    TextHelpers::StripTimestamp(in[0]);
    TextHelpers::FormatServerTimestamp(in[0]);
    TextHelpers::TimeSpan span;
    TextHelpers::SplitTimeSpan(in[0], in[1], in[2], &span);
    const QDateTime now(QDate(2026, 5, 1), QTime(12, 0));
    TextHelpers::FormatRemainingTime(in[2], now);
    FuzzInput::require(!TextHelpers::SplitText(in[0], in[3]).isEmpty(), "a split is never empty");
    try {
        TextHelpers::FormatPrice(in[1], QStringLiteral("EUR"));
    } catch (const AppError &) {
        // Not a number: reported to the seller.
    }
    return 0;
}
