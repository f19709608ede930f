#pragma once

#include <QString>
#include <optional>

// The conversions of the import: text clean-up and the digits of numbers and prices.
namespace CsvValues {

// Drops one leading double quote and every "%0d%0a"; nothing else changes.
QString CleanText(const QString &text);
// Keeps the digits 0 to 9 and, when withSeparator is set, every character equal to the
// one-character separator text (a longer text matches nothing).
QString FilterDigits(const QString &text, bool withSeparator, const QString &separator);
// The digits of the text as a whole number; none when there are none or too many.
std::optional<int> wholeNumber(const QString &text);
// A price written with the given decimal separator ("1.234,50" with ",", "1,234.50" or
// "12.50" with "."); none when it holds no digits or more than one separator.
std::optional<double> price(const QString &text, const QString &decimalSeparator);

} // namespace CsvValues
