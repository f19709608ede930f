#include "ui/main/ListingDeletion.h"

#include "core/AccountSession.h"
#include "core/Prompter.h"
#include "store/Database.h"
#include "store/ListKinds.h"
#include "store/Listings.h"
#include "store/PictureFolder.h"

namespace {
const QString QuestionTitle = QStringLiteral("Auktion löschen");
} // namespace

void ListingDeletion::run(const AccountSession &session, int listKind, int listingId)
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
    Database db(session.ProgramDir);
    db.open();
    Listings listings(db, session);
    // The names are read first but the files go only once the row is gone, so a failed
    // delete never leaves a listing without its pictures.
    const QStringList pictures = ListKinds::isPrepared(listKind) ? listings.pictureNames(listingId) : QStringList();
    const bool deleted = listings.remove(listingId);
    db.close();
    PictureFolder(session.ProgramDir).removeQuietly(pictures);
    if (deleted && listKind != ListKinds::Unsold)
        prompter().showMessage(QStringLiteral("Die Auktion wurde gelöscht!"));
}
