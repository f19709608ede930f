#include "csvimport/CsvValues.h"

#include <cmath>

namespace CsvValues {

QString CleanText(const QString &text)
{
    QString cleaned = text.startsWith(QLatin1Char('"')) ? text.mid(1) : text;
    cleaned.remove(QStringLiteral("%0d%0a"), Qt::CaseSensitive);
    return cleaned;
}

QString FilterDigits(const QString &text, bool withSeparator, const QString &separator)
{
    const bool keepSeparator = withSeparator && separator.size() == 1;
    QString digits;
    digits.reserve(text.size());
    for (const QChar ch : text) {
        if ((ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || (keepSeparator && ch == separator.at(0)))
            digits.append(ch);
    }
    return digits;
}

std::optional<int> wholeNumber(const QString &text)
{
    bool ok = false;
    const int value = FilterDigits(text, false, QString()).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<double> price(const QString &text, const QString &decimalSeparator)
{
    QString digits = FilterDigits(text, true, decimalSeparator);
    if (decimalSeparator.size() == 1) {
        if (digits.count(decimalSeparator.at(0)) > 1)
            return std::nullopt;
        digits.replace(decimalSeparator.at(0), QLatin1Char('.'));
    }
    if (digits.isEmpty() || digits == QLatin1String("."))
        return std::nullopt;
    bool ok = false;
    const double value = digits.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace CsvValues
