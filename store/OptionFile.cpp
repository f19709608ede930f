#include "store/OptionFile.h"

#include "core/AppError.h"
#include "core/LoginContext.h"
#include "core/ProgramInfo.h"

#include <QSettings>

namespace {
const QString Section = QStringLiteral("uebertragung");

int wholeNumber(const QString &text, int fallback)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}
} // namespace

OptionFile::OptionFile(QString programDir)
    : m_programDir(ProgramInfo::withTrailingSeparator(programDir.isEmpty() ? loginContext().ProgramDir : programDir))
{
}

QString OptionFile::path() const
{
    return m_programDir + QStringLiteral("option.ini");
}

QString OptionFile::value(const QString &key) const
{
    QSettings settings(path(), QSettings::IniFormat);
    const QVariant stored = settings.value(Section + QLatin1Char('/') + key);
    return stored.isValid() ? stored.toString() : QString();
}

int OptionFile::load() const
{
    return wholeNumber(value(QStringLiteral("load")), DefaultLoad);
}

QString OptionFile::loadDaysText() const
{
    QSettings settings(path(), QSettings::IniFormat);
    return settings.value(Section + QStringLiteral("/load_days"), QString::number(DefaultLoadDays)).toString();
}

int OptionFile::loadDays() const
{
    return wholeNumber(value(QStringLiteral("load_days")), DefaultLoadDays);
}

QString OptionFile::loadDaysProblem(const QString &text)
{
    bool ok = false;
    const int days = text.toInt(&ok);
    if (!ok)
        return QStringLiteral("Datenfehler: Die Eingabe ist keine Zahl bzw. enthält Sonderzeichen!");
    if (days > MaxLoadDays)
        return QStringLiteral("Es sind maximal 60 Tage erlaubt!");
    return {};
}

void OptionFile::save(bool loadAuctionData, const QString &loadDaysText) const
{
    QSettings settings(path(), QSettings::IniFormat);
    settings.setValue(Section + QStringLiteral("/load"), loadAuctionData ? QStringLiteral("1") : QStringLiteral("0"));
    settings.setValue(Section + QStringLiteral("/load_days"), loadDaysText);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw AppError(QStringLiteral("Die Einstellungen können nicht in %1 gespeichert werden.").arg(path()));
}
