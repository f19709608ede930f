#include "store/SavedListings.h"

#include "store/Statement.h"
#include "store/Transaction.h"
#include "store/UnitOfWork.h"

namespace {

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

std::optional<SavedListings::Row> SavedListings::load(int id, const QString &aukID)
{
    UnitOfWork work(m_db);
    Statement query(m_db, QStringLiteral("SELECT * FROM auktionen WHERE id=:id AND aukID=:aukid"));
    query.bind(QStringLiteral(":id"), id).bind(QStringLiteral(":aukid"), aukID).exec();
    if (!query.next())
        return std::nullopt;
    const auto text = [&query](const char *column) { return query.text(QString::fromLatin1(column)); };
    const auto integer = [&query](const char *column) { return query.integer(QString::fromLatin1(column)); };
    const auto number = [&query](const char *column) { return query.number(QString::fromLatin1(column)); };
    Row row;
    row.userID = integer("userID");
    row.artliste = integer("artliste");
    row.titel = text("titel");
    row.beschreibung = text("beschreibung");
    row.pics = {text("pic1"), text("pic2"), text("pic3")};
    row.kategorie = integer("kategorie");
    row.startpreis = number("startpreis");
    row.dauer = integer("dauer");
    row.ort = text("ort");
    row.plz = text("plz");
    row.versandtrager = integer("versandtrager");
    row.zahlungsmethode = text("zahlungsmethode");
    row.versand_int = integer("versand_int");
    row.fett = integer("fett");
    row.marker = integer("marker");
    row.topkat = integer("topkat");
    row.zustand = integer("zustand");
    row.artnr = text("artnr");
    row.sofortkaufpreis = number("sofortkaufpreis");
    row.versandkosten = number("versandkosten");
    row.versandkostenoption = number("versandkostenoption");
    row.versandoption = text("versandoption");
    row.anzahl = integer("anzahl");
    row.galerie = integer("galerie");
    row.startseite = integer("startseite");
    row.minpreis = number("minpreis");
    row.auktionstyp = integer("auktionstyp");
    row.wiederholung = integer("wiederholung");
    row.land = text("land");
    row.aukID = text("aukID");
    row.fsk = integer("fsk");
    row.mwst = integer("mwst");
    return row;
}

std::vector<int> SavedListings::importedIds(int userID, int aukid)
{
    UnitOfWork work(m_db);
    Statement query(m_db, QStringLiteral("SELECT id FROM auktionen WHERE userID=:user AND status=3 AND aukID=:aukid "
                                         "ORDER BY id"));
    query.bind(QStringLiteral(":user"), userID).bind(QStringLiteral(":aukid"), QString::number(aukid)).exec();
    std::vector<int> ids;
    while (query.next())
        ids.push_back(query.integer(QStringLiteral("id")));
    return ids;
}
