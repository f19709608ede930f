#pragma once

#include <QSqlDatabase>
#include <QString>

// One connection to the local database file. Every window that touches the database owns
// one and opens it for a unit of work. The file is created from the program's resources
// when it is missing.
class Database {
public:
    static constexpr int SchemaVersion = 1;

    // Uses the login context's program directory unless another is given.
    explicit Database(QString programDir = {});
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Closes the connection if it is open and opens it afresh.
    void open();
    void close();
    bool isOpen() const;
    QSqlDatabase &connection();

    // The id the next listing inserted into auktionen will receive.
    int nextListingId();

    static QString filePath(const QString &programDir);
    // Creates the database file with its schema and delivered rows when it is missing.
    static void ensureCreated(const QString &programDir);

private:
    QString m_programDir;
    QString m_connectionName;
    QSqlDatabase m_db;
};
