#include "store/InsertRecords.h"

#include "core/AppError.h"
#include "core/ProcessLocale.h"
#include "core/Prompter.h"
#include "store/Savepoint.h"
#include "store/DbValues.h"
#include "store/Statement.h"

#include <QVariant>

namespace {

struct Column {
    QString name;
    QString placeholder;
    ColumnType type;
};

QList<Column> columnsOf(const ColumnSpecs &specs)
{
    QList<Column> columns;
    for (const ColumnSpec &spec : specs)
        columns.append({spec.name, QLatin1Char(':') + spec.name, spec.type});
    return columns;
}

QString insertStatement(const QString &table, const QList<Column> &columns)
{
    QString names;
    QString placeholders;
    for (const Column &column : columns) {
        names += (names.isEmpty() ? QStringLiteral("`") : QStringLiteral(",`")) + column.name + QLatin1Char('`');
        placeholders += (placeholders.isEmpty() ? QStringLiteral(" :") : QStringLiteral(", :")) + column.name;
    }
    return QStringLiteral("INSERT INTO `") + table + QStringLiteral("` (") + names + QStringLiteral(") values (")
        + placeholders + QStringLiteral(");");
}

int wholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

double amount(const QString &text)
{
    double value = 0;
    return ProcessLocale::parseNumber(text, &value) ? value : 0.0;
}

QString storedDateTime(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char(' '));
    const QDate date = QDate::fromString(parts.value(0), QStringLiteral("yyyy-M-d"));
    const QTime time = parts.size() == 1 ? QTime(0, 0) : QTime::fromString(parts.value(1), QStringLiteral("H:m:s"));
    if (parts.size() > 2 || !date.isValid() || !time.isValid())
        throw AppError(QStringLiteral("'%1' ist kein gültiges Datum mit Uhrzeit.").arg(text));
    return DbValues::dateTimeText(QDateTime(date, time));
}

QVariant converted(const QString &text, ColumnType type)
{
    switch (type) {
    case ColumnType::Text:
        return text;
    case ColumnType::WholeNumber:
    case ColumnType::Flag:
        return wholeNumber(text);
    case ColumnType::Amount:
        return amount(text);
    case ColumnType::DateTime:
        // A record without the date stores none; a date that is there must convert.
        if (text.trimmed().isEmpty())
            return QVariant(QMetaType(QMetaType::QString));
        return storedDateTime(text);
    }
    // Only a value cast from outside the enumeration gets here.
    prompter().showMessage(
        QStringLiteral("Parameterobjekt kann nicht zugewiesen werden, da keine Felddefinition vorhanden ist!"), {},
        Prompter::Kind::Error);
    return QVariant();
}

QString valueFor(qsizetype column, const QStringList &row, qsizetype recordFields, const QStringList &extraValues)
{
    if (column < recordFields)
        return row.value(column);
    if (column < recordFields + extraValues.size())
        return extraValues.at(column - recordFields);
    return QStringLiteral("0");
}

} // namespace

bool InsertRecords(Database &db, const QString &table, const QStringList &extraValues,
                   const QList<QStringList> &rows, const ColumnSpecs &columnList)
{
    if (rows.isEmpty())
        return true;
    const QList<Column> columns = columnsOf(columnList);
    const qsizetype recordFields = rows.first().size() - 1;
    Savepoint allRows(db);
    Statement insert(db, insertStatement(table, columns));
    bool lastStored = false;
    for (const QStringList &row : rows) {
        for (qsizetype j = 0; j < columns.size(); ++j) {
            const Column &column = columns.at(j);
            insert.bind(column.placeholder, converted(valueFor(j, row, recordFields, extraValues), column.type));
        }
        lastStored = insert.exec().rowsAffected() > 0;
    }
    allRows.release();
    return lastStored;
}
