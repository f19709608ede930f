#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Database;
struct AccountSession;

#include <cstddef>
#include <cstdint>

// Turns a fuzzer's bytes into the values a target needs.
namespace FuzzInput {

QByteArray bytes(const uint8_t *data, size_t size);
// The input split at NUL bytes into at least count texts (missing ones are empty), each
// read as UTF-8.
QStringList texts(const uint8_t *data, size_t size, int count);
// Once per process: an application object, a silent prompter and the program's database
// in a temporary program directory.
Database &temporaryDatabase();
// The account the database belongs to: user 1 at auction house 11, in the temporary
// program directory.
const AccountSession &session();
// Stops the run with a report when a property does not hold.
void require(bool holds, const char *what);

} // namespace FuzzInput
