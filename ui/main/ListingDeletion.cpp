#include "ui/main/ListingDeletion.h"

#include "core/Prompter.h"
#include "store/PictureFolder.h"
#include "store/Statement.h"
#include "ui/main/ListKinds.h"

namespace {

const QString QuestionTitle = QStringLiteral("Auktion löschen");

QVariantMap listingKey(int listingId, int userID, int aukid)
{
    return {{QStringLiteral(":userID"), userID}, {QStringLiteral(":id"), listingId}, {QStringLiteral(":aukid"), aukid}};
}

} // namespace

ListingDeletion::ListingDeletion(QString programDir) : m_programDir(programDir), m_db(std::move(programDir)) {}

void ListingDeletion::run(int listKind, int listingId, int userID, int aukid)
{
    if (listKind == ListKinds::Running) {
        prompter().showMessage(QStringLiteral("Momentan können laufende Auktionen nicht gelöscht werden!"));
        return;
    }
    const QString question = ListKinds::isPrepared(listKind)
        ? QStringLiteral("Wollen Sie diese Auktion wirklich von der Liste löschen?")
        : QStringLiteral("Wollen Sie diese Auktion wirklich löschen?");
    if (!ListKinds::isListKind(listKind) || !prompter().askYesNo(question, QuestionTitle))
        return;
    m_db.open();
    // The names are read first but the files go only once the row is gone, so a failed
    // delete never leaves a listing without its pictures.
    const QStringList pictures =
        ListKinds::isPrepared(listKind) ? pictureNames(listingId, userID, aukid) : QStringList();
    const bool deleted = deleteRow(listingId, userID, aukid);
    m_db.close();
    PictureFolder(m_programDir).removeQuietly(pictures);
    if (deleted && listKind != ListKinds::Unsold)
        prompter().showMessage(QStringLiteral("Die Auktion wurde gelöscht!"));
}

bool ListingDeletion::deleteRow(int listingId, int userID, int aukid)
{
    return Statement::run(m_db,
               QStringLiteral("DELETE FROM `auktionen` where userID=:userID and id=:id AND aukID=:aukid"),
               listingKey(listingId, userID, aukid))
        > 0;
}

QStringList ListingDeletion::pictureNames(int listingId, int userID, int aukid)
{
    Statement query(m_db,
        QStringLiteral("SELECT `pic1`, `pic2`, `pic3` FROM `auktionen` where userID=:userID and id=:id AND aukID=:aukid"));
    const QVariantMap key = listingKey(listingId, userID, aukid);
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
