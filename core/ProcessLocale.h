#pragma once

#include <QChar>
#include <QDateTime>
#include <QString>

// The process-wide number and date settings. Dates are always written the German way
// (dd.MM.yyyy and HH:mm:ss); the decimal separator is the system's until the first login
// switches it to the comma for the rest of the run.
namespace ProcessLocale {

QChar decimalSeparator();
void setDecimalSeparator(QChar separator);
// What every login does.
void useDecimalComma();
// Back to the system's separator (tests use it).
void resetToSystem();

inline constexpr const char *ShortDateFormat = "dd.MM.yyyy";
inline constexpr const char *LongTimeFormat = "HH:mm:ss";

QString formatDate(const QDate &date);
QString formatTime(const QTime &time);
// Short date, a blank and the long time.
QString formatDateTime(const QDateTime &dateTime);
// Reads "dd.MM.yyyy HH:mm:ss", "dd.MM.yyyy HH:mm" or a bare "dd.MM.yyyy" (midnight);
// an invalid QDateTime when the text is none of these.
QDateTime parseDateTime(const QString &text);

// Parses a number written with the current decimal separator; a "." is read as the
// separator too. No grouping is accepted. Returns false when the text is not a number.
bool parseNumber(const QString &text, double *value);
// Shortest text of a number with the current decimal separator ("12,5", "0", "-3,456").
QString numberText(double value);

} // namespace ProcessLocale
