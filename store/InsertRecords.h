#pragma once

#include <QList>

#include <QString>
#include <QStringList>

class Database;

// Appends the record rows to table, one row per record. columns holds one row per table
// column: its name and its type code ("0" text, "1" whole number, "2" amount with "." or
// ",", "3" yes/no as a whole number, "4" date "yyyy-mm-dd" with an optional time
// "HH:mm:ss"). Column j receives record field j, then the extra values, then "0".
// All rows go through one prepared statement and are stored together or not at all: a
// date that does not convert or a database error raises an error and stores nothing of
// this call. Returns true when the last row was stored (and for no rows).
bool InsertRecords(Database &db, const QString &table, const QStringList &extraValues,
                   const QList<QStringList> &rows, const QList<QStringList> &columns);
