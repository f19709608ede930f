#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariant>

class Database;
class StoredRow;

// One SQL statement with named placeholders (":name"); every value is bound, never
// written into the text. Failures raise a DatabaseError with the engine's message.
class Statement {
public:
    Statement(Database &db, const QString &sql);

    Statement &bind(const QString &placeholder, const QVariant &value);
    // Runs the statement; the bound values stay and may be replaced for the next run.
    Statement &exec();
    bool next();

    QVariant value(const QString &column) const;
    // The value at a position of the select list; for loops over many rows.
    QVariant value(int position) const;
    // A column's text form: integers as digits, amounts with the current decimal
    // separator, NULL as an empty text.
    QString text(const QString &column) const;
    // A date/time column as "dd.MM.yyyy HH:mm:ss"; empty when it holds no date.
    QString dateText(const QString &column) const;
    int integer(const QString &column) const;
    double number(const QString &column) const;
    bool flag(const QString &column) const;
    int rowsAffected() const;
    // The current row, kept after the statement is gone.
    StoredRow row() const;

    // Runs a statement without results in one call.
    static int run(Database &db, const QString &sql, const QVariantMap &values = {});
    // The first column of the first row, or an invalid value when there is none.
    static QVariant scalar(Database &db, const QString &sql, const QVariantMap &values = {});

private:
    [[noreturn]] void fail() const;

    QSqlQuery m_query;
    QString m_sql;
};
