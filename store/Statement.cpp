#include "store/Statement.h"

#include "core/ProcessLocale.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/DbValues.h"
#include "store/FieldRows.h"
#include "store/StoredRow.h"

#include <QSqlError>
#include <QSqlRecord>

Statement::Statement(Database &db, const QString &sql)
    : m_query(db.connection()), m_sql(sql)
{
    if (!m_query.prepare(sql))
        fail();
}

Statement &Statement::bind(const QString &placeholder, const QVariant &value)
{
    m_query.bindValue(placeholder, value);
    return *this;
}

Statement &Statement::exec()
{
    if (!m_query.exec())
        fail();
    return *this;
}

bool Statement::next()
{
    return m_query.next();
}

QVariant Statement::value(const QString &column) const
{
    const int index = m_query.record().indexOf(column);
    if (index < 0)
        throw DatabaseError(QStringLiteral("Das Feld %1 ist nicht vorhanden.").arg(column));
    return m_query.value(index);
}

QVariant Statement::value(int position) const
{
    return m_query.value(position);
}

QString Statement::text(const QString &column) const
{
    return FieldRows::textOf(value(column));
}

StoredRow Statement::row() const
{
    return StoredRow(m_query.record());
}

QString Statement::dateText(const QString &column) const
{
    const QDateTime stored = DbValues::parseDateTime(value(column).toString());
    return stored.isValid() ? ProcessLocale::formatDateTime(stored) : QString();
}

int Statement::integer(const QString &column) const
{
    return StoredRow::integerOf(value(column));
}

double Statement::number(const QString &column) const
{
    return StoredRow::numberOf(value(column));
}

bool Statement::flag(const QString &column) const
{
    return integer(column) != 0;
}

int Statement::rowsAffected() const
{
    return m_query.numRowsAffected();
}

int Statement::run(Database &db, const QString &sql, const QVariantMap &values)
{
    Statement statement(db, sql);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        statement.bind(it.key(), it.value());
    return statement.exec().rowsAffected();
}

QVariant Statement::scalar(Database &db, const QString &sql, const QVariantMap &values)
{
    Statement statement(db, sql);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        statement.bind(it.key(), it.value());
    statement.exec();
    if (!statement.next())
        return {};
    return statement.m_query.value(0);
}

void Statement::fail() const
{
    const QSqlError error = m_query.lastError();
    QString message = error.databaseText();
    if (message.isEmpty())
        message = error.text();
    throw DatabaseError(message);
}
