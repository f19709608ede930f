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

// The fields of a listing record, in their order, with the type of their column.
const ColumnSpecs &typedFields()
{
    static const ColumnSpecs fields = {
        {"id", ColumnType::Amount}, {"seite", ColumnType::WholeNumber}, {"waehrung", ColumnType::Text},
        {"kategorie", ColumnType::WholeNumber}, {"kategorie2", ColumnType::WholeNumber},
        {"shopkategorie", ColumnType::WholeNumber}, {"dauer", ColumnType::WholeNumber},
        {"auktionstyp", ColumnType::WholeNumber}, {"privatauktion", ColumnType::Flag},
        {"wiederholung", ColumnType::WholeNumber}, {"anzahl", ColumnType::WholeNumber},
        {"posanzahl", ColumnType::WholeNumber}, {"startpreis", ColumnType::Amount},
        {"sofortkaufpreis", ColumnType::Amount}, {"minpreis", ColumnType::Amount}, {"treuhand", ColumnType::Flag},
        {"zustand", ColumnType::WholeNumber}, {"titel", ColumnType::Text}, {"u_titel", ColumnType::Text},
        {"beschreibung", ColumnType::Text}, {"plz", ColumnType::Text}, {"ort", ColumnType::Text},
        {"region", ColumnType::Text}, {"land", ColumnType::Text}, {"start", ColumnType::DateTime},
        {"ende", ColumnType::DateTime}, {"artnr", ColumnType::Text}, {"zahlungsmethode", ColumnType::Text},
        {"zahlungshinweis", ColumnType::Text}, {"versandtrager", ColumnType::Flag},
        {"versand_angabe", ColumnType::Flag}, {"versand_versicherung", ColumnType::Amount},
        {"versand_rabatt", ColumnType::Flag}, {"versand_int", ColumnType::Flag},
        {"versandkosten", ColumnType::Amount}, {"versandoption", ColumnType::Text},
        {"versandkostenoption", ColumnType::Amount}, {"fett", ColumnType::Flag}, {"marker", ColumnType::Flag},
        {"topkat", ColumnType::Flag}, {"galerie", ColumnType::Flag}, {"galerie_url", ColumnType::Text},
        {"galerie_plus", ColumnType::Flag}, {"startseite", ColumnType::Flag}, {"zaehler", ColumnType::Flag},
        {"ruecknahme", ColumnType::Flag}, {"pic_beschr", ColumnType::Text}, {"sofort_neu", ColumnType::Flag},
        {"themeID", ColumnType::Flag}, {"layoutID", ColumnType::Flag}, {"status", ColumnType::WholeNumber},
        {"gebote", ColumnType::Flag}, {"gebotspreis", ColumnType::Amount}, {"mwst", ColumnType::Amount},
        {"enfsuche", ColumnType::Flag}, {"zusatzangaben", ColumnType::Text}, {"pic1", ColumnType::Text},
        {"pic2", ColumnType::Text}, {"pic3", ColumnType::Text}, {"pic4", ColumnType::Text},
        {"pic5", ColumnType::Text}, {"pic6", ColumnType::Text},
    };
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
        for (const ColumnSpec &field : typedFields())
            result.append(field.name);
        return result;
    }();
    return names;
}

const ColumnSpecs &Listings::downloadedColumns()
{
    static const ColumnSpecs all = [] {
        ColumnSpecs result;
        for (ColumnSpec column : typedFields()) {
            if (column.name == QLatin1String("id"))
                column.name = QStringLiteral("artID");
            else if (column.name == QLatin1String("seite"))
                column.name = QStringLiteral("seitenID");
            result.append(column);
        }
        result.append({QStringLiteral("artliste"), ColumnType::WholeNumber});
        result.append({QStringLiteral("aukID"), ColumnType::WholeNumber});
        result.append({QStringLiteral("userID"), ColumnType::WholeNumber});
        return result;
    }();
    return all;
}
