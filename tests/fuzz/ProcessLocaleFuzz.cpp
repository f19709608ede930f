// The date and number parsers of the process's locale.
#include "core/ProcessLocale.h"
#include "tests/fuzz/FuzzInput.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList in = FuzzInput::texts(data, size, 2);
    ProcessLocale::setDecimalSeparator(size % 2 ? QLatin1Char(',') : QLatin1Char('.'));
    const QDateTime when = ProcessLocale::parseDateTime(in[0]);
    if (when.isValid())
        FuzzInput::require(ProcessLocale::parseDateTime(ProcessLocale::formatDateTime(when)) == when,
                           "a parsed date reads back the same");
    double value = 0;
    if (ProcessLocale::parseNumber(in[1], &value) && std::isfinite(value)) {
        double again = 0;
        FuzzInput::require(ProcessLocale::parseNumber(ProcessLocale::numberText(value), &again),
                           "a number's text is a number");
    }
    return 0;
}
