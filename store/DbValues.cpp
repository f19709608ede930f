#include "store/DbValues.h"

namespace DbValues {

QString dateTimeText(const QDateTime &dateTime)
{
    return dateTime.toString(QLatin1String(DateTimeFormat));
}

QDateTime parseDateTime(const QString &stored)
{
    QDateTime parsed = QDateTime::fromString(stored, QLatin1String(DateTimeFormat));
    if (!parsed.isValid())
        parsed = QDateTime(QDate::fromString(stored, QLatin1String("yyyy-MM-dd")), QTime(0, 0));
    return parsed;
}

} // namespace DbValues
