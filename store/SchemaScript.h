#pragma once

class QSqlDatabase;
class QString;
#include <QStringList>

// The database's tables and delivered rows, kept in the program's resources.
namespace SchemaScript {

// Splits a script into its statements (each ends with ";" at the end of a line).
QStringList statements(const QString &script);
// Creates every table, index and delivered row on an empty database in one transaction.
void create(QSqlDatabase &db);

} // namespace SchemaScript
