#include "store/Accounts.h"

#include "store/AuctionHouseRow.h"

#include "store/Statement.h"
#include "store/UnitOfWork.h"

namespace {

Accounts::AuctionHouse houseOf(const Statement &row)
{
    return {row.integer(QStringLiteral("id")), row.text(QStringLiteral("name")), row.text(QStringLiteral("url")),
            row.integer(QStringLiteral("typ"))};
}

} // namespace

Accounts::Accounts(QString programDir) : m_db(std::move(programDir)) {}

std::vector<Accounts::AuctionHouse> Accounts::auctionHouses()
{
    UnitOfWork work(m_db);
    Statement query(m_db, QStringLiteral("SELECT `id`, `name`, `url`, `typ` FROM `auktionshaus` ORDER BY `name` ASC"));
    query.exec();
    std::vector<AuctionHouse> houses;
    while (query.next())
        houses.push_back(houseOf(query));
    return houses;
}

std::optional<Accounts::AuctionHouse> Accounts::auctionHouseNamed(const QString &name)
{
    UnitOfWork work(m_db);
    Statement query(m_db, QStringLiteral("SELECT `url`, `id`, `name`, `typ` FROM `auktionshaus` WHERE name=:name"));
    query.bind(QStringLiteral(":name"), name).exec();
    if (!query.next())
        return std::nullopt;
    return houseOf(query);
}

bool Accounts::userExists(const QString &usern, int aukid)
{
    UnitOfWork work(m_db);
    Statement query(m_db, QStringLiteral("SELECT * FROM `user` WHERE usern=:usern AND `aukid`=:aukid"));
    query.bind(QStringLiteral(":usern"), usern).bind(QStringLiteral(":aukid"), aukid).exec();
    return query.next();
}

int Accounts::addUser(const NewUser &user)
{
    UnitOfWork work(m_db);
    const ServerData &server = user.server;
    Statement::run(m_db,
                   QStringLiteral("INSERT INTO `user` (`usern`, `password`, `uid`, `lastupdate`, `auktionshaus`, "
                                  "`hauptid`, `firma`, `name`, `adresse`, `plz`, `ort`, `land`, `telefon`, `email`, "
                                  "`aukid`) VALUES(:usern, :password, :uid, :lastupdate, :auktionshaus, :hauptid, "
                                  ":firma, :name, :adresse, :plz, :ort, :land, :telefon, :email, :aukid)"),
                   {{QStringLiteral(":usern"), user.usern},
                    {QStringLiteral(":password"), user.password},
                    {QStringLiteral(":uid"), server.uid},
                    {QStringLiteral(":lastupdate"), QString::fromLatin1(FirstLastUpdate)},
                    {QStringLiteral(":auktionshaus"), user.auctionHouseName},
                    {QStringLiteral(":hauptid"), user.hauptid},
                    {QStringLiteral(":firma"), server.firma},
                    {QStringLiteral(":name"), server.name},
                    {QStringLiteral(":adresse"), server.adresse},
                    {QStringLiteral(":plz"), server.plz},
                    {QStringLiteral(":ort"), server.ort},
                    {QStringLiteral(":land"), server.land},
                    {QStringLiteral(":telefon"), server.telefon},
                    {QStringLiteral(":email"), server.email},
                    {QStringLiteral(":aukid"), user.aukid}});
    return idOfUser(user.usern, user.aukid);
}

int Accounts::idOfUser(const QString &usern, int aukid)
{
    return Statement::scalar(m_db, QStringLiteral("SELECT `id` FROM `user` WHERE `usern`=:usern AND aukid=:aukid"),
                             {{QStringLiteral(":usern"), usern}, {QStringLiteral(":aukid"), aukid}})
        .toInt();
}

std::vector<Accounts::SubAccount> Accounts::subAccounts(int masterId)
{
    UnitOfWork work(m_db);
    Statement query(m_db, QStringLiteral("SELECT `usern`, `password`, `uid`, `aukid` FROM `user` "
                                         "WHERE `hauptid`=:master ORDER BY `name` ASC;"));
    query.bind(QStringLiteral(":master"), masterId).exec();
    std::vector<SubAccount> accounts;
    while (query.next()) {
        accounts.push_back({query.text(QStringLiteral("uid")), query.text(QStringLiteral("password")),
                            query.text(QStringLiteral("usern")), query.integer(QStringLiteral("aukid"))});
    }
    return accounts;
}

void Accounts::removeUser(const QString &usern, int aukid)
{
    UnitOfWork work(m_db);
    Statement::run(m_db, QStringLiteral("DELETE FROM `user` WHERE usern=:usern AND aukid=:aukid"),
                   {{QStringLiteral(":usern"), usern}, {QStringLiteral(":aukid"), aukid}});
}

std::vector<AccountEntry> Accounts::ownAccounts()
{
    UnitOfWork work(m_db);
    Statement query(m_db, QStringLiteral("SELECT `usern`, `password`, `uid`, `aukid`, `id` FROM `user` WHERE `hauptid`=0"));
    query.exec();
    std::vector<AccountEntry> accounts;
    while (query.next()) {
        accounts.push_back({query.text(QStringLiteral("uid")), query.text(QStringLiteral("password")),
                            query.text(QStringLiteral("usern")), query.integer(QStringLiteral("aukid")),
                            query.integer(QStringLiteral("id"))});
    }
    return accounts;
}

void Accounts::changePassword(int userId, const QString &newPassword)
{
    UnitOfWork work(m_db);
    Statement::run(m_db, QStringLiteral("UPDATE `user` SET `password`=:password WHERE id=:id;"),
                   {{QStringLiteral(":password"), newPassword}, {QStringLiteral(":id"), userId}});
}

::AuctionHouse Accounts::auctionHouseRow(int aukid)
{
    UnitOfWork work(m_db);
    Statement query(m_db, QStringLiteral("SELECT * FROM `auktionshaus` WHERE id=:id"));
    query.bind(QStringLiteral(":id"), aukid).exec();
    if (!query.next())
        return {};
    return auctionHouseFromRow(query);
}

std::optional<QString> Accounts::lastUpdate(const QString &usern, int aukid)
{
    UnitOfWork work(m_db);
    Statement query(m_db, QStringLiteral("SELECT * FROM `user` WHERE usern=:usern AND aukid=:aukid"));
    query.bind(QStringLiteral(":usern"), usern).bind(QStringLiteral(":aukid"), aukid).exec();
    if (!query.next())
        return std::nullopt;
    return query.text(QStringLiteral("lastupdate"));
}

QString Accounts::lastUpdateOf(int userId)
{
    UnitOfWork work(m_db);
    return Statement::scalar(m_db, QStringLiteral("SELECT `lastupdate` FROM `user` where `id`=:id"),
                             {{QStringLiteral(":id"), userId}})
        .toString();
}

void Accounts::stampLastUpdate(const QString &usern, int aukid, const QString &stamp)
{
    UnitOfWork work(m_db);
    Statement::run(m_db, QStringLiteral("UPDATE `user` SET lastupdate=:stamp WHERE usern=:name AND aukid=:house"),
                   {{QStringLiteral(":stamp"), stamp}, {QStringLiteral(":name"), usern}, {QStringLiteral(":house"), aukid}});
}
