#include "store/ImportedListings.h"

#include "store/Database.h"
#include "store/Statement.h"
#include "store/Transaction.h"

namespace {

const QString InsertSql = QStringLiteral(
    "INSERT INTO `auktionen` (`id`, `userID`, `titel`, `beschreibung`, `kategorie`, `startpreis`, `auktionstyp`, "
    "`dauer`, `ort`, `plz`, `sofortkaufpreis`, `status`, `zustand`, `versandkostenoption`, `versandkosten`, "
    "`anzahl`, `gebotspreis`, `aukID`, `zahlungsmethode`, `versand_int`, `fett`, `marker`, `topkat`, `galerie`, "
    "`startseite`, `pic1`, `pic2`, `pic3`, `versandtrager`, `artliste`, `wiederholung`, `fsk`, `artnr`, "
    "`versandoption`, `mwst`) VALUES (:id, :user, :titel, :desc, :cat, :min_bid, :auction_type, :laufz, :ort, "
    ":plz, :sofortpreis, 3, :zustand, :versandkostenoption, :versandkosten, :anzahl, 0, :aukid, :zahlungsweise, "
    ":versand_int, :fett, :marker, :topkat, :galerie, :startseite, :bild1, :bild2, :bild3, :versand, 3, "
    ":wiederholung, :fsk, :artnr, :versandoption, :mwst)");

// An empty text is stored as an empty text, not as NULL.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

void bindRow(Statement &insert, const ImportedListings::Row &row)
{
    insert.bind(QStringLiteral(":titel"), text(row.titel))
        .bind(QStringLiteral(":desc"), text(row.beschreibung))
        .bind(QStringLiteral(":cat"), row.kategorie)
        .bind(QStringLiteral(":min_bid"), row.startpreis)
        .bind(QStringLiteral(":auction_type"), row.auktionstyp)
        .bind(QStringLiteral(":laufz"), row.dauer)
        .bind(QStringLiteral(":ort"), text(row.ort))
        .bind(QStringLiteral(":plz"), text(row.plz))
        .bind(QStringLiteral(":sofortpreis"), row.sofortkaufpreis)
        .bind(QStringLiteral(":zustand"), row.zustand)
        .bind(QStringLiteral(":versandkostenoption"), row.versandkostenoption)
        .bind(QStringLiteral(":versandkosten"), row.versandkosten)
        .bind(QStringLiteral(":anzahl"), row.anzahl)
        .bind(QStringLiteral(":zahlungsweise"), text(row.zahlungsmethode))
        .bind(QStringLiteral(":versand_int"), row.versand_int)
        .bind(QStringLiteral(":fett"), row.fett)
        .bind(QStringLiteral(":marker"), row.marker)
        .bind(QStringLiteral(":topkat"), row.topkat)
        .bind(QStringLiteral(":galerie"), row.galerie)
        .bind(QStringLiteral(":startseite"), row.startseite)
        .bind(QStringLiteral(":bild1"), text(row.pic1))
        .bind(QStringLiteral(":bild2"), text(row.pic2))
        .bind(QStringLiteral(":bild3"), text(row.pic3))
        .bind(QStringLiteral(":versand"), row.versandtrager)
        .bind(QStringLiteral(":wiederholung"), row.wiederholung)
        .bind(QStringLiteral(":fsk"), row.fsk)
        .bind(QStringLiteral(":artnr"), text(row.artnr))
        .bind(QStringLiteral(":versandoption"), text(row.versandoption))
        .bind(QStringLiteral(":mwst"), row.mwst);
}

} // namespace

ImportedListings::ImportedListings(Database &db) : m_db(db) {}

int ImportedListings::nextId()
{
    return m_db.nextListingId();
}

bool ImportedListings::insertAll(int userID, int aukID, int firstId, const std::vector<Row> &rows,
                                 const KeepGoing &keepGoing)
{
    Transaction transaction(m_db);
    Statement insert(m_db, InsertSql);
    insert.bind(QStringLiteral(":user"), userID).bind(QStringLiteral(":aukid"), aukID);
    for (size_t i = 0; i < rows.size(); ++i) {
        bindRow(insert, rows[i]);
        insert.bind(QStringLiteral(":id"), firstId + static_cast<int>(i)).exec();
        if (keepGoing && !keepGoing(static_cast<int>(i) + 1))
            return false;
    }
    transaction.commit();
    return true;
}
