#pragma once

#include "store/ColumnSpec.h"

#include <QList>

#include <QString>
#include <QStringList>

class Database;

// Appends the record rows to table, one row per record, converting each text by its
// column's type. Column j receives record field j, then the extra values, then "0".
// All rows go through one prepared statement and are stored together or not at all: a
// date that does not convert or a database error raises an error and stores nothing of
// this call. Returns true when the last row was stored (and for no rows).
bool InsertRecords(Database &db, const QString &table, const QStringList &extraValues,
                   const QList<QStringList> &rows, const ColumnSpecs &columns);
