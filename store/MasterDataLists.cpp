#include "store/MasterDataLists.h"

#include "store/AuctionHouseRow.h"

#include "store/Database.h"
#include "store/Statement.h"

MasterDataLists::MasterDataLists(Database &db, int aukid) : m_db(db), m_aukid(aukid) {}

void MasterDataLists::ensureOpen()
{
    if (!m_db.isOpen())
        m_db.open();
}

std::vector<MasterDataLists::Duration> MasterDataLists::durations(bool shop)
{
    ensureOpen();
    Statement query(m_db, shop ? QStringLiteral("SELECT `tage`, `bez` FROM shop_einstelldauer WHERE aukid=:aukid ORDER BY rowid")
                               : QStringLiteral("SELECT `tage`, `bez` FROM einstelldauer WHERE aukid=:aukid ORDER BY rowid"));
    query.bind(QStringLiteral(":aukid"), m_aukid).exec();
    std::vector<Duration> rows;
    while (query.next())
        rows.push_back({query.integer(QStringLiteral("tage")), query.text(QStringLiteral("bez"))});
    return rows;
}

QStringList MasterDataLists::paymentMethods()
{
    ensureOpen();
    Statement query(m_db, QStringLiteral("SELECT `bez` FROM zahlungsmethoden WHERE aukid=:aukid ORDER BY rowid"));
    query.bind(QStringLiteral(":aukid"), m_aukid).exec();
    QStringList names;
    while (query.next())
        names << query.text(QStringLiteral("bez"));
    return names;
}

QStringList MasterDataLists::countries()
{
    ensureOpen();
    Statement query(m_db, QStringLiteral("SELECT `land` FROM `land` WHERE `aukid`=:aukid ORDER BY `land` ASC"));
    query.bind(QStringLiteral(":aukid"), m_aukid).exec();
    QStringList names;
    while (query.next())
        names << query.text(QStringLiteral("land"));
    return names;
}

std::optional<AuctionHouse> MasterDataLists::auctionHouse()
{
    ensureOpen();
    Statement query(m_db, QStringLiteral("SELECT * FROM `auktionshaus` WHERE id=:id"));
    query.bind(QStringLiteral(":id"), m_aukid).exec();
    if (!query.next())
        return std::nullopt;
    return auctionHouseFromRow(query);
}

std::optional<MasterDataLists::Location> MasterDataLists::accountLocation(const QString &uid)
{
    ensureOpen();
    Statement query(m_db, QStringLiteral("SELECT `plz`, `ort` FROM `user` WHERE uid=:uid AND aukid=:aukid"));
    query.bind(QStringLiteral(":uid"), uid).bind(QStringLiteral(":aukid"), m_aukid).exec();
    std::optional<Location> location;
    while (query.next())
        location = Location{query.text(QStringLiteral("plz")), query.text(QStringLiteral("ort"))};
    return location;
}
