#include "tests/fuzz/FuzzInput.h"

#include "core/AccountSession.h"
#include "core/ProcessLocale.h"
#include "store/Database.h"
#include "tests/fuzz/SilentPrompter.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

QByteArray FuzzInput::bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

QStringList FuzzInput::texts(const uint8_t *data, size_t size, int count)
{
    QStringList result;
    for (const QByteArray &piece : bytes(data, size).split('\0'))
        result.append(QString::fromUtf8(piece));
    while (result.size() < count)
        result.append(QString());
    return result;
}

void FuzzInput::require(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

const AccountSession &FuzzInput::session()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir dir;
    static const AccountSession account = [] {
        AccountSession result;
        result.house.aukid = 11;
        result.userID = 1;
        result.ProgramDir = dir.path() + QLatin1Char('/');
        return result;
    }();
    return account;
}

Database &FuzzInput::temporaryDatabase()
{
    const AccountSession &account = session();
    SilentPrompter::install();
    ProcessLocale::useDecimalComma();
    // Never destroyed: the SQL driver's own statics may be gone when the fuzzer exits.
    static Database *db = new Database(account.ProgramDir);
    return *db;
}
