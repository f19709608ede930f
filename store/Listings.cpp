#include "store/Listings.h"

#include "core/AccountSession.h"
#include "core/ProcessLocale.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/InsertRecords.h"
#include "store/ListKinds.h"
#include "store/Savepoint.h"
#include "store/Statement.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

QString fieldList(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted.append(QLatin1Char('`') + field + QLatin1Char('`'));
    return quoted.join(QLatin1Char(','));
}

QString withFieldList(QString statement, const QStringList &fields)
{
    const int at = statement.indexOf(QLatin1String("##FIELD##"), 0, Qt::CaseInsensitive);
    if (at >= 0)
        statement.replace(at, 9, fieldList(fields));
    return statement;
}

[[noreturn]] void fail(const QSqlQuery &query)
{
    const QSqlError error = query.lastError();
    throw DatabaseError(error.databaseText().isEmpty() ? error.text() : error.databaseText());
}

// The fields of a listing record, in their order, with the type code of their column.
const QStringList &typedFields()
{
    static const QStringList fields = QString::fromLatin1(
        "id:2 seite:1 waehrung:0 kategorie:1 kategorie2:1 shopkategorie:1 dauer:1 auktionstyp:1 privatauktion:3 "
        "wiederholung:1 anzahl:1 posanzahl:1 startpreis:2 sofortkaufpreis:2 minpreis:2 treuhand:3 zustand:1 "
        "titel:0 u_titel:0 beschreibung:0 plz:0 ort:0 region:0 land:0 start:4 ende:4 artnr:0 zahlungsmethode:0 "
        "zahlungshinweis:0 versandtrager:3 versand_angabe:3 versand_versicherung:2 versand_rabatt:3 "
        "versand_int:3 versandkosten:2 versandoption:0 versandkostenoption:2 fett:3 marker:3 topkat:3 galerie:3 "
        "galerie_url:0 galerie_plus:3 startseite:3 zaehler:3 ruecknahme:3 pic_beschr:0 sofort_neu:3 themeID:3 "
        "layoutID:3 status:1 gebote:3 gebotspreis:2 mwst:2 enfsuche:3 zusatzangaben:0 pic1:0 pic2:0 pic3:0 "
        "pic4:0 pic5:0 pic6:0")
                                          .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return fields;
}

} // namespace

const QStringList &Listings::listFields()
{
    static const QStringList fields{
        QStringLiteral("id"), QStringLiteral("titel"), QStringLiteral("startpreis"), QStringLiteral("gebotspreis"),
        QStringLiteral("anzahl"), QStringLiteral("sofortkaufpreis"), QStringLiteral("pic1"), QStringLiteral("status"),
        QStringLiteral("auktionstyp"), QStringLiteral("ende"), QStringLiteral("gebote"), QStringLiteral("dauer")};
    return fields;
}

Listings::Listings(Database &db, const AccountSession &session)
    : m_db(db), m_userID(session.userID), m_aukid(session.house.aukid)
{
}

QVariantMap Listings::listingKey(int listingId) const
{
    return {{QStringLiteral(":userID"), m_userID}, {QStringLiteral(":id"), listingId}, {QStringLiteral(":aukid"), m_aukid}};
}

QVariantMap Listings::account() const
{
    return {{QStringLiteral(":user"), m_userID}, {QStringLiteral(":house"), m_aukid}};
}

FieldRows Listings::selectFieldRows(const QString &statement, const QStringList &fields, const QVariantMap &values)
{
    // Read forward only and by column position: a list can hold a hundred thousand rows.
    QSqlQuery query(m_db.connection());
    query.setForwardOnly(true);
    if (!query.prepare(withFieldList(statement, fields)))
        fail(query);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        query.bindValue(it.key(), it.value());
    if (!query.exec())
        fail(query);
    const int fieldCount = static_cast<int>(fields.size());
    FieldRows rows(fieldCount);
    while (query.next()) {
        for (int field = 0; field < fieldCount; ++field)
            rows.append(query.value(field));
    }
    return rows;
}

int Listings::count(int listKind)
{
    return Statement::scalar(m_db,
        QStringLiteral("SELECT count(*) as zahl FROM `auktionen` WHERE `userID`=:userID AND `artliste`=:artliste;"),
        {{QStringLiteral(":userID"), m_userID}, {QStringLiteral(":artliste"), listKind}})
        .toInt();
}

QString Listings::listStatement(int listKind)
{
    const QString order = ListKinds::isPrepared(listKind) ? QStringLiteral("`titel`") : QStringLiteral("`ende`");
    return QStringLiteral("SELECT ##FIELD## FROM `auktionen` WHERE `userID`=:userID AND `artliste`=:artliste ORDER BY ")
        + order + QStringLiteral(" ASC;");
}

FieldRows Listings::listRows(int listKind)
{
    return selectFieldRows(listStatement(listKind), listFields(),
        {{QStringLiteral(":userID"), m_userID}, {QStringLiteral(":artliste"), listKind}});
}

FieldRows Listings::listingRow(int listingId)
{
    return selectFieldRows(QStringLiteral("SELECT ##FIELD## FROM `auktionen` WHERE `userID`=:userID AND `id`=:id;"),
        listFields(), {{QStringLiteral(":userID"), m_userID}, {QStringLiteral(":id"), listingId}});
}

int Listings::newestListingId()
{
    return Statement::scalar(m_db, QStringLiteral("SELECT Max(id) as hid FROM `auktionen` WHERE `userID`=:userID;"),
        {{QStringLiteral(":userID"), m_userID}})
        .toInt();
}

bool Listings::remove(int listingId)
{
    return Statement::run(m_db,
               QStringLiteral("DELETE FROM `auktionen` where userID=:userID and id=:id AND aukID=:aukid"),
               listingKey(listingId))
        > 0;
}

QStringList Listings::pictureNames(int listingId)
{
    Statement query(m_db,
        QStringLiteral("SELECT `pic1`, `pic2`, `pic3` FROM `auktionen` where userID=:userID and id=:id AND aukID=:aukid"));
    const QVariantMap key = listingKey(listingId);
    for (auto it = key.cbegin(); it != key.cend(); ++it)
        query.bind(it.key(), it.value());
    query.exec();
    QStringList names;
    while (query.next()) {
        for (const char *column : {"pic1", "pic2", "pic3"})
            names.append(query.text(QLatin1String(column)));
    }
    return names;
}

void Listings::removeEndedRunning()
{
    Statement::run(m_db,
                   QStringLiteral("DELETE FROM `auktionen` WHERE `userID`=:user AND `ende` < datetime('now','localtime') "
                                  "AND `artliste`=0 AND `aukID`=:house"),
                   account());
}

QList<int> Listings::readyForUpload()
{
    Statement ready(m_db, QStringLiteral("SELECT id FROM `auktionen` WHERE `userID`=:user AND `status`=0 AND "
                                         "`artliste`=3 AND `aukID`=:house"));
    ready.bind(QStringLiteral(":user"), m_userID).bind(QStringLiteral(":house"), m_aukid).exec();
    QList<int> ids;
    while (ready.next())
        ids.append(ready.integer(QStringLiteral("id")));
    return ids;
}

std::optional<StoredRow> Listings::listing(int listingId)
{
    Statement row(m_db, QStringLiteral("SELECT * FROM `auktionen` WHERE id=:id"));
    row.bind(QStringLiteral(":id"), listingId).exec();
    if (!row.next())
        return std::nullopt;
    return row.row();
}

void Listings::removeSent(int listingId)
{
    Statement::run(m_db, QStringLiteral("DELETE FROM `auktionen` WHERE id=:id AND aukID=:house AND `status`=0"),
                   {{QStringLiteral(":id"), listingId}, {QStringLiteral(":house"), m_aukid}});
}

bool Listings::storeDownloadedPage(int list, const QList<QStringList> &records, bool replaceCopies)
{
    const QStringList extras = {QString::number(list), QString::number(m_aukid), QString::number(m_userID)};
    Savepoint unit(m_db);
    if (replaceCopies)
        removeEarlierCopies(records);
    if (!InsertRecords(m_db, QStringLiteral("auktionen"), extras, records, downloadedColumns()))
        return false;
    unit.release();
    return true;
}

void Listings::removeEarlierCopies(const QList<QStringList> &records)
{
    // The server sends a listing again whenever it changed (a bid, its sale): the new state
    // replaces the one stored before, in whichever downloaded list that was.
    Statement remove(m_db, QStringLiteral("DELETE FROM `auktionen` WHERE (artliste=0 OR artliste=1 OR artliste=2) "
                                          "AND `userID`=:user AND `aukID`=:house AND `artID`=:id"));
    remove.bind(QStringLiteral(":user"), m_userID).bind(QStringLiteral(":house"), m_aukid);
    for (const QStringList &record : records) {
        double serverId = 0;
        if (ProcessLocale::parseNumber(record.value(0), &serverId))
            remove.bind(QStringLiteral(":id"), serverId).exec();
    }
}

void Listings::removeDownloadedLists()
{
    Statement::run(m_db,
                   QStringLiteral("DELETE FROM `auktionen` where (artliste=1 OR artliste=2 OR artliste=0) And "
                                  "`userID`=:user AND `aukID`=:house"),
                   account());
}

QList<QStringList> Listings::pictureNamesOfListingsWithPictures()
{
    Statement rows(m_db, QStringLiteral("SELECT `pic1`,`pic2`,`pic3` FROM `auktionen` WHERE `userID`=:user AND "
                                        "`aukID`=:house AND `pic1`<>'0'"));
    rows.bind(QStringLiteral(":user"), m_userID).bind(QStringLiteral(":house"), m_aukid).exec();
    QList<QStringList> names;
    while (rows.next())
        names.append({rows.text(QStringLiteral("pic1")), rows.text(QStringLiteral("pic2")), rows.text(QStringLiteral("pic3"))});
    return names;
}

const QStringList &Listings::downloadedFieldNames()
{
    static const QStringList names = [] {
        QStringList result;
        for (const QString &field : typedFields())
            result.append(field.section(QLatin1Char(':'), 0, 0));
        return result;
    }();
    return names;
}

const QList<QStringList> &Listings::downloadedColumns()
{
    static const QList<QStringList> all = [] {
        QList<QStringList> result;
        for (const QString &field : typedFields()) {
            QString column = field.section(QLatin1Char(':'), 0, 0);
            if (column == QLatin1String("id"))
                column = QStringLiteral("artID");
            else if (column == QLatin1String("seite"))
                column = QStringLiteral("seitenID");
            result.append({column, field.section(QLatin1Char(':'), 1, 1)});
        }
        result.append({QStringLiteral("artliste"), QStringLiteral("1")});
        result.append({QStringLiteral("aukID"), QStringLiteral("1")});
        result.append({QStringLiteral("userID"), QStringLiteral("1")});
        return result;
    }();
    return all;
}
