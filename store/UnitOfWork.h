#pragma once

#include "store/Database.h"

// Opens the connection for one unit of work and closes it when the work ends, also
// when it fails.
class UnitOfWork {
public:
    explicit UnitOfWork(Database &db) : m_db(db) { m_db.open(); }
    ~UnitOfWork() { m_db.close(); }
    UnitOfWork(const UnitOfWork &) = delete;
    UnitOfWork &operator=(const UnitOfWork &) = delete;

private:
    Database &m_db;
};
