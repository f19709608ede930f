#include "store/Transaction.h"

#include "store/Database.h"
#include "store/DatabaseError.h"

#include <QSqlError>

Transaction::Transaction(Database &db) : m_db(db)
{
    if (!m_db.connection().transaction())
        throw DatabaseError(m_db.connection().lastError().text());
}

Transaction::~Transaction()
{
    if (!m_done)
        m_db.connection().rollback();
}

void Transaction::commit()
{
    if (!m_db.connection().commit())
        throw DatabaseError(m_db.connection().lastError().text());
    m_done = true;
}
