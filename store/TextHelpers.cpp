#include "store/TextHelpers.h"

#include "core/AppError.h"
#include "core/LoginContext.h"
#include "core/ProcessLocale.h"

#include <cmath>

namespace TextHelpers {

QString StripTimestamp(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u' ' || c == u'-' || c == u'.' || c == u':' || (c >= u'a' && c <= u'z'))
            continue;
        result.append(ch);
    }
    return result;
}

QString FormatServerTimestamp(const QString &timestamp)
{
    const QString s = StripTimestamp(timestamp);
    const auto piece = [&s](int from, int length) { return s.mid(from, length); };
    return piece(6, 2) + QLatin1Char('.') + piece(4, 2) + QLatin1Char('.') + piece(0, 4) + QLatin1Char(' ')
        + piece(8, 2) + QLatin1Char(':') + piece(10, 2) + QLatin1Char(':') + piece(12, 2);
}

bool SplitTimeSpan(const QString &date, const QString &time, const QString &end, TimeSpan *span)
{
    const QDateTime endAt = ProcessLocale::parseDateTime(end);
    const QDateTime startAt = ProcessLocale::parseDateTime(date + QLatin1Char(' ') + time);
    if (!endAt.isValid() || !startAt.isValid())
        return false;
    // Wall-clock difference, as the calendar counts it, in whole milliseconds.
    const auto wallClock = [](const QDateTime &at) { return QDateTime(at.date(), at.time(), Qt::UTC); };
    const qint64 msecs = wallClock(startAt).msecsTo(wallClock(endAt));
    constexpr qint64 MsecsPerDay = 86400000;
    const qint64 fraction = msecs % MsecsPerDay; // keeps the sign of the difference
    span->days = static_cast<int>(msecs / MsecsPerDay);
    span->hours = static_cast<int>(fraction / 3600000);
    span->minutes = static_cast<int>((fraction / 60000) % 60);
    span->seconds = static_cast<int>(static_cast<qint64>(std::nearbyint(static_cast<double>(fraction) / 1000.0)) % 60);
    return true;
}

QString FormatRemainingTime(const QString &end, const QDateTime &now)
{
    TimeSpan span;
    SplitTimeSpan(ProcessLocale::formatDate(now.date()), ProcessLocale::formatTime(now.time()), end, &span);
    if (span.days < 0 || span.hours < 0 || span.minutes < 0 || span.seconds < 0)
        return QStringLiteral("beendet");
    return QStringLiteral("%1d %2h %3m %4s ").arg(span.days).arg(span.hours).arg(span.minutes).arg(span.seconds);
}

QString FormatRemainingTime(const QString &end)
{
    return FormatRemainingTime(end, QDateTime::currentDateTime());
}

QStringList SplitText(const QString &text, const QString &separator)
{
    return text.split(separator, Qt::KeepEmptyParts);
}

QString FormatPrice(const QString &amount, const QString &moneySymbol)
{
    QString normalized = amount;
    normalized.replace(QLatin1Char('.'), QLatin1Char(','));
    normalized.replace(QLatin1Char(','), ProcessLocale::decimalSeparator());
    double value = 0;
    if (normalized.count(ProcessLocale::decimalSeparator()) > 1 || !ProcessLocale::parseNumber(normalized, &value))
        throw AppError(QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(amount));
    QString text = QString::number(value, 'f', 2);
    if (text == QLatin1String("-0.00"))
        text = QStringLiteral("0.00");
    text.replace(QLatin1Char('.'), ProcessLocale::decimalSeparator());
    return text + QLatin1Char(' ') + moneySymbol;
}

QString FormatPrice(const QString &amount)
{
    return FormatPrice(amount, loginContext().MoneySymbol);
}

} // namespace TextHelpers

