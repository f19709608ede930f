#pragma once

#include <QString>

class Database;

// A group of statements that takes effect whole or not at all, inside an open transaction
// as well as on its own (then it is a transaction of its own). Rolled back unless released.
class Savepoint {
public:
    explicit Savepoint(Database &db);
    ~Savepoint();
    Savepoint(const Savepoint &) = delete;
    Savepoint &operator=(const Savepoint &) = delete;

    void release();

private:
    Database &m_db;
    QString m_name;
    bool m_done = false;
};
