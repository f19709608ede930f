#include "store/Savepoint.h"

#include "store/Database.h"
#include "store/DatabaseError.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString nextSavepointName()
{
    static QAtomicInt counter;
    return QStringLiteral("vt_savepoint_%1").arg(counter.fetchAndAddRelaxed(1));
}

bool execute(Database &db, const QString &sql, QString *error = nullptr)
{
    QSqlQuery query(db.connection());
    if (query.exec(sql))
        return true;
    if (error)
        *error = query.lastError().text();
    return false;
}

} // namespace

Savepoint::Savepoint(Database &db) : m_db(db), m_name(nextSavepointName())
{
    QString error;
    if (!execute(m_db, QStringLiteral("SAVEPOINT ") + m_name, &error))
        throw DatabaseError(error);
}

Savepoint::~Savepoint()
{
    if (m_done)
        return;
    execute(m_db, QStringLiteral("ROLLBACK TO ") + m_name);
    execute(m_db, QStringLiteral("RELEASE ") + m_name);
}

void Savepoint::release()
{
    QString error;
    if (!execute(m_db, QStringLiteral("RELEASE ") + m_name, &error))
        throw DatabaseError(error);
    m_done = true;
}
