#include "store/MasterDataLists.h"

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
    const auto integer = [&](const char *column) { return query.integer(QLatin1String(column)); };
    AuctionHouse house;
    house.url = query.text(QStringLiteral("url"));
    house.name = query.text(QStringLiteral("name"));
    house.MoneySymbol = query.text(QStringLiteral("MoneySymbol"));
    house.aukid = integer("id");
    house.xml = integer("xml");
    house.typ = integer("typ");
    house.zusatzoptionen = integer("zusatzoptionen");
    house.festpreis = integer("festpreis");
    house.mehrfach_festpreis = integer("mehrfach_festpreis");
    house.minpreis = integer("minpreis");
    house.galerie = integer("galerie");
    house.startseite = integer("startseite");
    house.versandangabe = integer("versandangabe");
    house.versandangabe_extra = integer("versandangabe_extra");
    house.wiedereinstellen = integer("wiedereinstellen");
    house.auktions_shop = integer("auktions_shop");
    house.wiedereinstellen_anz = integer("wiedereinstellen_anz");
    for (size_t i = 0; i < house.zust.size(); ++i)
        house.zust[i] = query.text(QStringLiteral("zust%1").arg(i + 1));
    return house;
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
