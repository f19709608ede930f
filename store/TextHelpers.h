#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Timestamp, remaining-time, text-splitting and price helpers of the listing lists.
namespace TextHelpers {

struct TimeSpan {
    int days = 0;
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};

// Removes every blank, "-", ".", ":" and lower-case ASCII letter.
QString StripTimestamp(const QString &text);
// "2010-01-05 14:03:07" -> "05.01.2010 14:03:07", by character positions.
QString FormatServerTimestamp(const QString &timestamp);
// How far the end lies after date + " " + time; false (span untouched) when a text is no date.
bool SplitTimeSpan(const QString &date, const QString &time, const QString &end, TimeSpan *span);
// "1d 1h 1m 1s " or "beendet", measured from now.
QString FormatRemainingTime(const QString &end);
QString FormatRemainingTime(const QString &end, const QDateTime &now);
// Pieces of the text between the separators; never empty.
QStringList SplitText(const QString &text, const QString &separator);
// "12.5" -> "12,50 EUR" with the login context's currency symbol. Raises AppError for no number.
QString FormatPrice(const QString &amount);
QString FormatPrice(const QString &amount, const QString &moneySymbol);

} // namespace TextHelpers
