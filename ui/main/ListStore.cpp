#include "ui/main/ListStore.h"

#include "store/DatabaseError.h"
#include "store/Statement.h"
#include "ui/main/ListKinds.h"

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

} // namespace

const QStringList &ListStore::listFields()
{
    static const QStringList fields{
        QStringLiteral("id"), QStringLiteral("titel"), QStringLiteral("startpreis"), QStringLiteral("gebotspreis"),
        QStringLiteral("anzahl"), QStringLiteral("sofortkaufpreis"), QStringLiteral("pic1"), QStringLiteral("status"),
        QStringLiteral("auktionstyp"), QStringLiteral("ende"), QStringLiteral("gebote"), QStringLiteral("dauer")};
    return fields;
}

ListStore::ListStore(QString programDir) : m_db(std::move(programDir)) {}

void ListStore::open()
{
    m_db.open();
}

FieldRows ListStore::SelectFieldRows(const QString &statement, const QStringList &fields, const QVariantMap &values)
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

int ListStore::countListings(int userID, int listKind)
{
    return Statement::scalar(m_db,
        QStringLiteral("SELECT count(*) as zahl FROM `auktionen` WHERE `userID`=:userID AND `artliste`=:artliste;"),
        {{QStringLiteral(":userID"), userID}, {QStringLiteral(":artliste"), listKind}})
        .toInt();
}

QString ListStore::listStatement(int listKind)
{
    const QString order = ListKinds::isPrepared(listKind) ? QStringLiteral("`titel`") : QStringLiteral("`ende`");
    return QStringLiteral("SELECT ##FIELD## FROM `auktionen` WHERE `userID`=:userID AND `artliste`=:artliste ORDER BY ")
        + order + QStringLiteral(" ASC;");
}

FieldRows ListStore::listRows(int userID, int listKind)
{
    return SelectFieldRows(listStatement(listKind), listFields(),
        {{QStringLiteral(":userID"), userID}, {QStringLiteral(":artliste"), listKind}});
}

FieldRows ListStore::listingRow(int userID, int listingId)
{
    return SelectFieldRows(QStringLiteral("SELECT ##FIELD## FROM `auktionen` WHERE `userID`=:userID AND `id`=:id;"),
        listFields(), {{QStringLiteral(":userID"), userID}, {QStringLiteral(":id"), listingId}});
}

int ListStore::newestListingId(int userID)
{
    return Statement::scalar(m_db, QStringLiteral("SELECT Max(id) as hid FROM `auktionen` WHERE `userID`=:userID;"),
        {{QStringLiteral(":userID"), userID}})
        .toInt();
}

std::optional<QString> ListStore::lastUpdate(const QString &usern, int aukid)
{
    Statement query(m_db, QStringLiteral("SELECT * FROM `user` WHERE usern=:usern AND aukid=:aukid"));
    query.bind(QStringLiteral(":usern"), usern).bind(QStringLiteral(":aukid"), aukid).exec();
    if (!query.next())
        return std::nullopt;
    return query.text(QStringLiteral("lastupdate"));
}
