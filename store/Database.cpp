#include "store/Database.h"

#include "core/LoginContext.h"
#include "core/ProgramInfo.h"
#include "store/DatabaseError.h"
#include "store/SchemaScript.h"
#include "store/Statement.h"

#include <QAtomicInt>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("veltrano-%1").arg(counter.fetchAndAddRelaxed(1));
}

void restrictToOwner(const QString &path)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void applyConnectionSettings(QSqlDatabase &db)
{
    QSqlQuery query(db);
    for (const char *pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL"}) {
        if (!query.exec(QLatin1String(pragma)))
            throw DatabaseError(query.lastError().text());
    }
}

} // namespace

Database::Database(QString programDir)
    : m_programDir(programDir.isEmpty() ? loginContext().ProgramDir : std::move(programDir)),
      m_connectionName(nextConnectionName())
{
}

Database::~Database()
{
    close();
    m_db = QSqlDatabase();
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

QString Database::filePath(const QString &programDir)
{
    return ProgramInfo::withTrailingSeparator(programDir) + QStringLiteral("database.sqlite");
}

void Database::ensureCreated(const QString &programDir)
{
    const QString path = filePath(programDir);
    if (QFile::exists(path))
        return;
    // Built under a temporary name, so an interrupted creation leaves no half database.
    const QString building = path + QStringLiteral(".new");
    QFile::remove(building);
    const QString name = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(building);
        if (!db.open())
            throw DatabaseError(db.lastError().text());
        try {
            SchemaScript::create(db);
        } catch (...) {
            db.close();
            QFile::remove(building);
            throw;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    restrictToOwner(building);
    if (!QFile::rename(building, path)) {
        QFile::remove(building);
        throw DatabaseError(QStringLiteral("Die Datenbank %1 kann nicht angelegt werden.").arg(path));
    }
}

void Database::open()
{
    close();
    ensureCreated(m_programDir);
    if (!m_db.isValid()) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    }
    m_db.setDatabaseName(filePath(m_programDir));
    if (!m_db.open())
        throw DatabaseError(m_db.lastError().text());
    applyConnectionSettings(m_db);
}

void Database::close()
{
    if (m_db.isValid() && m_db.isOpen())
        m_db.close();
}

bool Database::isOpen() const
{
    return m_db.isValid() && m_db.isOpen();
}

QSqlDatabase &Database::connection()
{
    if (!isOpen())
        open();
    return m_db;
}

int Database::nextListingId()
{
    // AUTOINCREMENT never reuses an id: the next one follows the highest ever given,
    // which sqlite_sequence remembers even after that row was deleted.
    const QVariant sequence = Statement::scalar(*this,
        QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = 'auktionen'"));
    const QVariant largest = Statement::scalar(*this, QStringLiteral("SELECT MAX(id) FROM auktionen"));
    return static_cast<int>(std::max(sequence.toLongLong(), largest.toLongLong()) + 1);
}
