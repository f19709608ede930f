#include "store/FieldRows.h"

#include "core/ProcessLocale.h"

int FieldRows::appendRow()
{
    m_cells.resize(m_cells.size() + static_cast<size_t>(m_fieldCount));
    return rowCount() - 1;
}

void FieldRows::replaceRow(int row, const FieldRows &other)
{
    for (int field = 0; field < m_fieldCount; ++field)
        setValue(row, field, other.value(0, field));
}

int FieldRows::findRow(int field, const QString &text) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (this->text(row, field) == text)
            return row;
    }
    return -1;
}

QString FieldRows::textOf(const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
        return ProcessLocale::numberText(value.toDouble());
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::Int:
        return QString::number(value.toInt());
    default:
        return value.toString();
    }
}
