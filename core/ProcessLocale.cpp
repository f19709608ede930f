#include "core/ProcessLocale.h"

#include <QLocale>

namespace ProcessLocale {

namespace {
QChar systemSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

QChar &separator()
{
    static QChar current = systemSeparator();
    return current;
}
} // namespace

QChar decimalSeparator()
{
    return separator();
}

void setDecimalSeparator(QChar value)
{
    separator() = value;
}

void useDecimalComma()
{
    separator() = QLatin1Char(',');
}

void resetToSystem()
{
    separator() = systemSeparator();
}

QString formatDate(const QDate &date)
{
    return date.toString(QLatin1String(ShortDateFormat));
}

QString formatTime(const QTime &time)
{
    return time.toString(QLatin1String(LongTimeFormat));
}

QString formatDateTime(const QDateTime &dateTime)
{
    return formatDate(dateTime.date()) + QLatin1Char(' ') + formatTime(dateTime.time());
}

QDateTime parseDateTime(const QString &text)
{
    const QString trimmed = text.trimmed();
    for (const char *format : {"d.M.yyyy H:mm:ss", "d.M.yyyy H:mm"}) {
        const QDateTime parsed = QDateTime::fromString(trimmed, QLatin1String(format));
        if (parsed.isValid())
            return parsed;
    }
    const QDate date = QDate::fromString(trimmed, QLatin1String("d.M.yyyy"));
    if (date.isValid())
        return QDateTime(date, QTime(0, 0));
    return {};
}

bool parseNumber(const QString &text, double *value)
{
    QString normalized = text.trimmed();
    normalized.replace(decimalSeparator(), QLatin1Char('.'));
    normalized.replace(QLatin1Char(','), QLatin1Char('.'));
    if (normalized.isEmpty() || normalized.count(QLatin1Char('.')) > 1)
        return false;
    bool ok = false;
    const double parsed = QLocale::c().toDouble(normalized, &ok);
    if (ok && value)
        *value = parsed;
    return ok;
}

QString numberText(double value)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), decimalSeparator());
    return text;
}

} // namespace ProcessLocale
