#include "ui/main/DataAge.h"

#include "core/ProcessLocale.h"
#include "store/TextHelpers.h"

namespace {
constexpr const char *NeverDownloaded = "01.01.1991";
}

DataAge DataAge::describe(const std::optional<QString> &lastupdate, const QDateTime &now)
{
    const QString stored = lastupdate.value_or(QString()).trimmed();
    if (stored.isEmpty() || stored == QLatin1String(NeverDownloaded))
        return {QStringLiteral("Noch nicht erledigt!"), true, {}};
    const QStringList parts = TextHelpers::SplitText(stored, QStringLiteral(" "));
    TextHelpers::TimeSpan span;
    TextHelpers::SplitTimeSpan(parts.value(0), parts.value(1),
        ProcessLocale::formatDate(now.date()) + QLatin1Char(' ') + ProcessLocale::formatTime(now.time()), &span);
    return {QStringLiteral("%1d %2h %3m %4s ").arg(span.days).arg(span.hours).arg(span.minutes).arg(span.seconds),
        false, stored};
}
