#include "store/StoredRow.h"

#include "core/ProcessLocale.h"
#include "store/DatabaseError.h"
#include "store/FieldRows.h"

QVariant StoredRow::value(const QString &column) const
{
    const int index = m_record.indexOf(column);
    if (index < 0)
        throw DatabaseError(QStringLiteral("Das Feld %1 ist nicht vorhanden.").arg(column));
    return m_record.value(index);
}

QString StoredRow::text(const QString &column) const
{
    return FieldRows::textOf(value(column));
}

int StoredRow::integer(const QString &column) const
{
    return integerOf(value(column));
}

int StoredRow::integerOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString)
        return static_cast<int>(numberOf(value));
    return value.toInt();
}

double StoredRow::numberOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString) {
        double parsed = 0;
        return ProcessLocale::parseNumber(value.toString(), &parsed) ? parsed : 0.0;
    }
    return value.toDouble();
}
