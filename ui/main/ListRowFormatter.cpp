#include "ui/main/ListRowFormatter.h"

#include "core/AppError.h"
#include "core/ProcessLocale.h"
#include "store/PictureNames.h"
#include "store/TextHelpers.h"
#include "store/ListKinds.h"
#include "store/Listings.h"

using F = Listings::Field;

namespace {

bool isNoAmount(const QString &amount)
{
    double value = 0;
    return amount.trimmed().isEmpty() || (ProcessLocale::parseNumber(amount, &value) && value == 0.0);
}

QString price(const QString &amount)
{
    return TextHelpers::FormatPrice(amount);
}

bool isStoredForm(const QString &text)
{
    return text.size() >= 10 && text.at(4) == QLatin1Char('-') && text.at(7) == QLatin1Char('-');
}

QDateTime wallClock(const QDate &date, const QTime &time)
{
    return QDateTime(date, time, Qt::UTC);
}

int digits(const QString &text, int from, int count, bool *ok)
{
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9') {
            *ok = false;
            return 0;
        }
        value = value * 10 + (c - u'0');
    }
    return value;
}

// "yyyy-MM-dd HH:mm:ss" read digit by digit: a list renders hundreds of ends at a time.
QDateTime storedWallClock(const QString &stored)
{
    if (stored.size() != 19 || !isStoredForm(stored))
        return {};
    bool ok = true;
    const QDate date(digits(stored, 0, 4, &ok), digits(stored, 5, 2, &ok), digits(stored, 8, 2, &ok));
    const QTime time(digits(stored, 11, 2, &ok), digits(stored, 14, 2, &ok), digits(stored, 17, 2, &ok));
    if (!ok || !date.isValid() || !time.isValid())
        return {};
    return wallClock(date, time);
}

} // namespace

ListRowFormatter::ListRowFormatter(const QDateTime &now)
    : m_now(now), m_wallClockNow(wallClock(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second())))
{
}

QStringList ListRowFormatter::columnCaptions(int listKind)
{
    const QString description = QStringLiteral("Auktionsbeschreibung");
    switch (listKind) {
    case ListKinds::Running:
        return {description, QStringLiteral("Anzahl"), QStringLiteral("Auktionstyp"), QStringLiteral("Startpreis"),
            QStringLiteral("Sofortkauf Preis"), QStringLiteral("Auktionsende"), QStringLiteral("vorr. Restdauer")};
    case ListKinds::Unsold:
        return {description, QStringLiteral("Anzahl"), QStringLiteral("Auktionstyp"), QStringLiteral("Startpreis"),
            QStringLiteral("Sofortkauf Preis"), QStringLiteral("Geendet")};
    case ListKinds::Sold:
        return {description, QStringLiteral("Anzahl"), QStringLiteral("Auktionstyp"), QStringLiteral("Startpreis"),
            QStringLiteral("Gebote"), QStringLiteral("höchst Gebot"), QStringLiteral("Sofortkauf Preis"),
            QStringLiteral("Geendet")};
    default:
        return {QStringLiteral("Titel"), QStringLiteral("Anzahl"), QStringLiteral("Auktionstyp"),
            QStringLiteral("Startpreis"), QStringLiteral("Sofortkauf Preis"), QStringLiteral("Laufzeit")};
    }
}

QList<int> ListRowFormatter::columnWidths(int listKind)
{
    switch (listKind) {
    case ListKinds::Running: return {0, 0, 90, 80, 80, 130, 150};
    case ListKinds::Unsold: return {0, 0, 90, 80, 80, 130};
    case ListKinds::Sold: return {0, 0, 90, 80, 0, 80, 80, 130};
    default: return {0, 0, 90, 80, 80, 70};
    }
}

int ListRowFormatter::columnCount(int listKind)
{
    switch (listKind) {
    case ListKinds::Running: return 9;
    case ListKinds::Sold: return 11;
    case ListKinds::Unsold: return 9;
    default: return 7;
    }
}

QString ListRowFormatter::typeText(const QString &auktionstyp, bool withUnknownValue)
{
    if (auktionstyp == QLatin1String("1"))
        return QStringLiteral("Höchstgebot");
    if (auktionstyp == QLatin1String("2"))
        return QStringLiteral("Festpreis");
    if (auktionstyp == QLatin1String("3"))
        return QStringLiteral("Höchstgebot/Festpreis");
    if (auktionstyp == QLatin1String("4"))
        return QStringLiteral("Shop-Artikel");
    if (auktionstyp == QLatin1String("100"))
        return QStringLiteral("Auktions-Shop-Artikel");
    if (withUnknownValue)
        return QStringLiteral("ERROR bei der Bestimmung: ") + auktionstyp;
    return QStringLiteral("ERROR bei der Bestimmung");
}

QString ListRowFormatter::buyNowText(const QString &amount)
{
    return isNoAmount(amount) ? QStringLiteral("N/A") : price(amount);
}

QString ListRowFormatter::highestBidText(const QString &amount)
{
    return isNoAmount(amount) ? QStringLiteral("kein Gebot") : price(amount);
}

QString ListRowFormatter::endText(const QString &stored)
{
    if (stored.isEmpty())
        return {};
    if (isStoredForm(stored)) {
        QString text = stored;
        if (text.size() == 10)
            text += QStringLiteral(" 00:00:00");
        return TextHelpers::FormatServerTimestamp(text);
    }
    // Already in the form the lists show.
    if (ProcessLocale::parseDateTime(stored).isValid())
        return stored;
    return TextHelpers::FormatServerTimestamp(stored);
}

int ListRowFormatter::icon(const QString &pic1, const QString &status, bool statusCounts)
{
    if (statusCounts) {
        bool ok = false;
        const int value = status.trimmed().toInt(&ok);
        if (!ok)
            throw AppError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(status));
        if (value > 0)
            return ListRowTexts::UncheckedIcon;
    }
    return pic1.size() > 2 ? ListRowTexts::PictureIcon : ListRowTexts::NoIcon;
}

QString ListRowFormatter::remainingTime(const QString &stored, const QString &shownEnd) const
{
    const QDateTime end = storedWallClock(stored);
    if (!end.isValid())
        return TextHelpers::FormatRemainingTime(shownEnd, m_now);
    // The same days, hours, minutes and seconds as TextHelpers::FormatRemainingTime.
    constexpr qint64 MsecsPerDay = 86400000;
    const qint64 msecs = m_wallClockNow.msecsTo(end);
    if (msecs < 0)
        return QStringLiteral("beendet");
    const qint64 fraction = msecs % MsecsPerDay;
    return QString::number(msecs / MsecsPerDay) + QStringLiteral("d ") + QString::number(fraction / 3600000)
        + QStringLiteral("h ") + QString::number((fraction / 60000) % 60) + QStringLiteral("m ")
        + QString::number((fraction / 1000) % 60) + QStringLiteral("s ");
}

ListRowTexts ListRowFormatter::pageRow(int listKind, const FieldRows &rows, int row) const
{
    switch (listKind) {
    case ListKinds::Running: return runningRow(rows, row);
    case ListKinds::Sold: return soldRow(rows, row);
    case ListKinds::Unsold: return unsoldRow(rows, row);
    default: return preparedRow(rows, row, false);
    }
}

ListRowTexts ListRowFormatter::refreshedRow(int listKind, const FieldRows &rows, int row) const
{
    ListRowTexts texts = ListKinds::isPrepared(listKind) ? preparedRow(rows, row, true) : pageRow(listKind, rows, row);
    texts.icon = icon(rows.text(row, F::Pic1), rows.text(row, F::Status), true);
    return texts;
}

ListRowTexts ListRowFormatter::runningRow(const FieldRows &rows, int row) const
{
    const QString stored = rows.text(row, F::Ende);
    const QString shown = endText(stored);
    return {rows.text(row, F::Titel),
        {rows.text(row, F::Anzahl), typeText(rows.text(row, F::Auktionstyp), true),
            price(rows.text(row, F::Startpreis)), buyNowText(rows.text(row, F::Sofortkaufpreis)), shown,
            remainingTime(stored, shown), stored, rows.text(row, F::Id)},
        icon(rows.text(row, F::Pic1), {}, false)};
}

ListRowTexts ListRowFormatter::soldRow(const FieldRows &rows, int row) const
{
    const QString stored = rows.text(row, F::Ende);
    const QString shown = endText(stored);
    return {rows.text(row, F::Titel),
        {rows.text(row, F::Anzahl), typeText(rows.text(row, F::Auktionstyp), false),
            price(rows.text(row, F::Startpreis)), rows.text(row, F::Gebote),
            highestBidText(rows.text(row, F::Gebotspreis)), buyNowText(rows.text(row, F::Sofortkaufpreis)), shown,
            remainingTime(stored, shown), stored, rows.text(row, F::Id)},
        icon(rows.text(row, F::Pic1), {}, false)};
}

ListRowTexts ListRowFormatter::unsoldRow(const FieldRows &rows, int row) const
{
    const QString stored = rows.text(row, F::Ende);
    const QString shown = endText(stored);
    return {rows.text(row, F::Titel),
        {rows.text(row, F::Anzahl), typeText(rows.text(row, F::Auktionstyp), false),
            price(rows.text(row, F::Startpreis)), buyNowText(rows.text(row, F::Sofortkaufpreis)), shown,
            remainingTime(stored, shown), stored, rows.text(row, F::Id)},
        icon(rows.text(row, F::Pic1), {}, false)};
}

ListRowTexts ListRowFormatter::preparedRow(const FieldRows &rows, int row, bool withUnknownType) const
{
    return {rows.text(row, F::Titel),
        {rows.text(row, F::Anzahl), typeText(rows.text(row, F::Auktionstyp), withUnknownType),
            price(rows.text(row, F::Startpreis)), buyNowText(rows.text(row, F::Sofortkaufpreis)),
            rows.text(row, F::Dauer) + QStringLiteral(" Tage"), rows.text(row, F::Id)},
        icon(rows.text(row, F::Pic1), rows.text(row, F::Status), true)};
}
