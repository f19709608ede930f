#include "store/MasterData.h"

#include "store/Database.h"
#include "store/InsertRecords.h"
#include "store/Statement.h"
#include "store/Transaction.h"

MasterData::MasterData(Database &db, int aukid) : m_db(db), m_aukid(aukid) {}

QString MasterData::catalogueNumber()
{
    const QVariant stored = Statement::scalar(m_db, QStringLiteral("SELECT `catno` FROM `auktionshaus` WHERE `id`=:id"),
                                              {{QStringLiteral(":id"), m_aukid}});
    return stored.isNull() ? QString() : stored.toString();
}

void MasterData::storeCatalogueNumber(const QString &number)
{
    Statement::run(m_db, QStringLiteral("UPDATE `auktionshaus` SET `catno`=:catno WHERE `id`=:id;"),
                   {{QStringLiteral(":catno"), number}, {QStringLiteral(":id"), m_aukid}});
}

bool MasterData::replaceSection(const QString &table, const QList<QStringList> &records,
                                const ColumnSpecs &columns)
{
    Transaction transaction(m_db);
    Statement::run(m_db, QStringLiteral("DELETE FROM `") + table + QStringLiteral("` WHERE `aukid`=:aukid"),
                   {{QStringLiteral(":aukid"), m_aukid}});
    // Without a commit the old rows come back.
    if (!InsertRecords(m_db, table, {QString::number(m_aukid)}, records, columns))
        return false;
    transaction.commit();
    return true;
}
