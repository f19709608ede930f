#include "store/SavedListings.h"

#include "store/Statement.h"
#include "store/Transaction.h"

namespace {

class UnitOfWork {
public:
    explicit UnitOfWork(Database &db) : m_db(db) { m_db.open(); }
    ~UnitOfWork() { m_db.close(); }
    UnitOfWork(const UnitOfWork &) = delete;
    UnitOfWork &operator=(const UnitOfWork &) = delete;

private:
    Database &m_db;
};

const QString UpdateSql = QStringLiteral(
    "UPDATE `auktionen` SET titel=:title, beschreibung=:desc, pic1=:pict_url, kategorie=:category,"
    "startpreis=:minimum_bid, dauer=:duration, ort=:location, plz=:location_zip,"
    "versandtrager=:shipping, zahlungsmethode=:payment, versand_int=:international, fett=:fett,"
    "marker=:marker, topkat=:topkat, zustand=:zustand, artnr=:artnr, sofortkaufpreis=:buynow, pic2=:pict_url2,"
    "pic3=:pict_url3, versandkosten=:versand, versandkostenoption=:versandkostenoption, versandoption=:versandoption,"
    "anzahl=:quantity, galerie=:galerie, startseite=:startseite, minpreis=:minpreis, "
    "auktionstyp=:auction_type, wiederholung=:reserve_price, status=:closed, land=:location_land, fsk=:fsk, mwst=:mwst "
    "WHERE id=:id AND aukID=:aukid;");

const QString InsertSql = QStringLiteral(
    "INSERT INTO `auktionen` (`userID`,`artliste`,`titel`,`beschreibung`, `pic1`,`kategorie`,`startpreis`,`dauer`,`ort`, `plz`,"
    "`versandtrager`,`zahlungsmethode`,`versand_int`, `fett`,`marker`, `topkat`,`zustand`,`artnr`,`sofortkaufpreis`,`pic2`,"
    "`pic3`, `versandkosten`,`versandkostenoption`, `versandoption`,`anzahl`,`galerie`,`startseite`,`minpreis`,`auktionstyp`,"
    "`wiederholung`,`status`,`land`, `aukID`, fsk, mwst)"
    "VALUES (:user, :artliste, :title, :desc, :pict_url, :category, :minimum_bid, :duration, :location, :location_zip,"
    ":shipping, :payment, :international, :fett, :marker, :topkat, :zustand, :artnr, :buynow, :pict_url2,"
    ":pict_url3, :versand, :versandkostenoption, :versandoption, :quantity, :galerie, :startseite, :minpreis, :auction_type,"
    " :reserve_price, :closed, :location_land, :aukid, :fsk, :mwst);");

void bindValues(Statement &statement, const SavedListings::Row &row)
{
    const std::pair<const char *, QVariant> values[] = {
        {":title", row.titel},
        {":desc", row.beschreibung},
        {":pict_url", row.pics[0]},
        {":pict_url2", row.pics[1]},
        {":pict_url3", row.pics[2]},
        {":category", row.kategorie},
        {":minimum_bid", row.startpreis},
        {":duration", row.dauer},
        {":location", row.ort},
        {":location_zip", row.plz},
        {":shipping", row.versandtrager},
        {":payment", row.zahlungsmethode},
        {":international", row.versand_int},
        {":fett", row.fett},
        {":marker", row.marker},
        {":topkat", row.topkat},
        {":zustand", row.zustand},
        {":artnr", row.artnr},
        {":buynow", row.sofortkaufpreis},
        {":versand", row.versandkosten},
        {":versandkostenoption", row.versandkostenoption},
        {":versandoption", row.versandoption},
        {":quantity", row.anzahl},
        {":galerie", row.galerie},
        {":startseite", row.startseite},
        {":minpreis", row.minpreis},
        {":auction_type", row.auktionstyp},
        {":reserve_price", row.wiederholung},
        {":closed", 0},
        {":location_land", row.land},
        {":aukid", row.aukID},
        {":fsk", row.fsk},
        {":mwst", row.mwst},
    };
    for (const auto &[name, value] : values)
        statement.bind(QString::fromLatin1(name), value);
}

} // namespace

SavedListings::SavedListings(QString programDir) : m_db(std::move(programDir)) {}

int SavedListings::nextId()
{
    UnitOfWork work(m_db);
    return m_db.nextListingId();
}

std::array<QString, 3> SavedListings::pictureNames(int id, const QString &aukID)
{
    UnitOfWork work(m_db);
    Statement query(m_db, QStringLiteral("SELECT pic1, pic2, pic3 FROM auktionen WHERE id=:id AND aukID=:aukid"));
    query.bind(QStringLiteral(":id"), id).bind(QStringLiteral(":aukid"), aukID).exec();
    if (!query.next())
        return {};
    return {query.text(QStringLiteral("pic1")), query.text(QStringLiteral("pic2")), query.text(QStringLiteral("pic3"))};
}

int SavedListings::insert(const Row &row, const std::function<void()> &beforeCommit)
{
    UnitOfWork work(m_db);
    Transaction transaction(m_db);
    Statement statement(m_db, InsertSql);
    bindValues(statement, row);
    statement.bind(QStringLiteral(":user"), row.userID).bind(QStringLiteral(":artliste"), row.artliste).exec();
    const int id = Statement::scalar(m_db, QStringLiteral("SELECT last_insert_rowid()")).toInt();
    if (beforeCommit)
        beforeCommit();
    transaction.commit();
    return id;
}

int SavedListings::update(int id, const Row &row, const std::function<void()> &beforeCommit)
{
    UnitOfWork work(m_db);
    Transaction transaction(m_db);
    Statement statement(m_db, UpdateSql);
    bindValues(statement, row);
    statement.bind(QStringLiteral(":id"), id).exec();
    if (beforeCommit)
        beforeCommit();
    transaction.commit();
    return id;
}

bool SavedListings::pictureInUse(const QString &name)
{
    UnitOfWork work(m_db);
    return Statement::scalar(m_db,
                             QStringLiteral("SELECT COUNT(*) FROM auktionen WHERE pic1=:a OR pic2=:b OR pic3=:c"),
                             {{QStringLiteral(":a"), name}, {QStringLiteral(":b"), name}, {QStringLiteral(":c"), name}})
               .toInt()
        > 0;
}
