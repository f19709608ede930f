#pragma once

class Database;

// A unit of work that takes effect whole or not at all: rolled back unless committed.
class Transaction {
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    Database &m_db;
    bool m_done = false;
};
