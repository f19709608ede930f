#include "store/SchemaScript.h"

#include "core/ProgramInfo.h"
#include "store/Database.h"
#include "store/DatabaseError.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

static void initStoreResources()
{
    Q_INIT_RESOURCE(store);
}

namespace SchemaScript {

namespace {

QString resourceText(const QString &path)
{
    initStoreResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(QStringLiteral("Die Programmressource %1 fehlt.").arg(path));
    return QString::fromUtf8(file.readAll());
}

void execute(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        throw DatabaseError(query.lastError().databaseText() + QStringLiteral("\n") + sql.left(200));
}

} // namespace

QStringList statements(const QString &script)
{
    QStringList result;
    QString current;
    for (const QString &line : script.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1String("--")))
            continue;
        current += line + QLatin1Char('\n');
        if (trimmed.endsWith(QLatin1Char(';'))) {
            result << current.trimmed();
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        result << current.trimmed();
    return result;
}

void create(QSqlDatabase &db)
{
    QString delivered = resourceText(QStringLiteral(":/store/delivered.sql"));
    delivered.replace(QLatin1String("@DEFAULT_URL@"), ProgramInfo::defaultServerUrl());
    if (!db.transaction())
        throw DatabaseError(db.lastError().text());
    try {
        for (const QString &sql : statements(resourceText(QStringLiteral(":/store/schema.sql"))))
            execute(db, sql);
        for (const QString &sql : statements(delivered))
            execute(db, sql);
        execute(db, QStringLiteral("PRAGMA user_version = %1").arg(Database::SchemaVersion));
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit())
        throw DatabaseError(db.lastError().text());
}

} // namespace SchemaScript
