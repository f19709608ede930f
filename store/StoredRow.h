#pragma once

#include <QSqlRecord>
#include <QString>
#include <QVariant>

// One row read from the database, kept after its statement is gone. The accessors read
// values the way Statement does.
class StoredRow {
public:
    StoredRow() = default;
    explicit StoredRow(QSqlRecord record) : m_record(std::move(record)) {}

    QVariant value(const QString &column) const;
    // Integers as digits, amounts with the current decimal separator, NULL as an empty text.
    QString text(const QString &column) const;
    int integer(const QString &column) const;
    bool flag(const QString &column) const { return integer(column) != 0; }

    // A stored whole number; a text is read as a number (amounts are cut), anything else is 0.
    static int integerOf(const QVariant &value);
    static double numberOf(const QVariant &value);

private:
    QSqlRecord m_record;
};
