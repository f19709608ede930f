#pragma once

#include <QDateTime>
#include <QString>

// How values are kept in the database file: dates and times as "yyyy-MM-dd HH:mm:ss".
namespace DbValues {

inline constexpr const char *DateTimeFormat = "yyyy-MM-dd HH:mm:ss";

QString dateTimeText(const QDateTime &dateTime);
QDateTime parseDateTime(const QString &stored);

} // namespace DbValues
