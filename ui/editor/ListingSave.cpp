#include "ui/editor/ListingSave.h"

#include "core/AppError.h"
#include "store/PictureFolder.h"
#include "store/PictureNames.h"
#include "ui/editor/ListingEditor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>

const QString ListingSave::AssignmentFailed = QStringLiteral("Fehler bei der Zuweisung der Datenfelder");

namespace {

// A stored picture that is already small enough is copied as it is: scaling it again would
// lose quality at every save.
bool storedAsItIs(const QString &source, const PictureFolder &folder)
{
    if (QFileInfo(source).absolutePath() != QFileInfo(folder.filePath(QStringLiteral("x"))).absolutePath())
        return false;
    const QSize size = QImageReader(source).size();
    return size.isValid() && size.height() <= 400;
}

} // namespace

ListingSave::ListingSave(ListingEditor &editor, const ListingDraft &draft, const ListingValues &values)
    : m_editor(editor), m_draft(draft), m_values(values)
{
}

SavedListings::Row ListingSave::rowFor(Target target) const
{
    const AccountSession &session = m_editor.session();
    SavedListings::Row row;
    bool categoryRead = false;
    row.kategorie = m_draft.categoryId.trimmed().toInt(&categoryRead);
    if (target != MultiUser) {
        const std::optional<int> days = m_editor.daysAt(m_values.durationIndex);
        if (!days || !categoryRead)
            throw AppError(AssignmentFailed);
        row.dauer = *days;
    } else {
        // The multi-user rows keep the duration chosen at their auction house, if any.
        row.dauer = m_editor.daysAt(m_values.durationIndex).value_or(0);
    }
    row.userID = session.userID;
    row.artliste = target + 3;
    row.titel = m_values.title;
    row.beschreibung = m_values.description;
    row.startpreis = m_values.startPrice;
    row.ort = m_values.town;
    row.plz = m_values.postcode;
    row.versandtrager = m_values.buyerPays ? 1 : 0;
    row.zahlungsmethode = m_values.paymentText;
    row.versand_int = m_values.international ? 1 : 0;
    row.fett = m_values.bold;
    row.marker = m_values.highlight;
    row.topkat = m_values.topCategory;
    row.zustand = m_values.conditionIndex;
    row.artnr = m_values.ownArticleNo;
    row.sofortkaufpreis = m_values.buyNowPrice;
    row.versandkosten = m_values.shippingCost;
    row.versandkostenoption = m_values.insuranceCost;
    row.versandoption = m_draft.shippingMethod;
    row.anzahl = m_values.quantity;
    row.galerie = m_values.gallery;
    row.startseite = m_values.frontPage;
    row.minpreis = m_values.minPrice;
    row.auktionstyp = m_values.auctionTypeCode;
    row.wiederholung = m_values.repetitions;
    row.land = session.house.typ == 2 && target != MultiUser ? m_draft.country : QString();
    row.aukID = QString::number(m_editor.editorAukId());
    row.fsk = m_values.fsk;
    row.mwst = m_values.taxIndex;
    return row;
}

QString ListingSave::stagePicture(int slot, const QString &prefix, int listingId, const QString &stagingDir) const
{
    PictureSlots &pictures = m_editor.pictures();
    if (!pictures.occupied(slot))
        return {};
    const AccountSession &session = m_editor.session();
    const PictureFolder folder(session.ProgramDir);
    const QString name = PictureNames::editorPictureName(prefix, slot, listingId, session.usern);
    const QString source = pictures.path(slot);
    if (storedAsItIs(source, folder)) {
        if (!QFile::copy(source, stagingDir + QStringLiteral("pictures/") + name))
            throw AppError(QStringLiteral("Das Bild konnte nicht gespeichert werden: ") + source);
        return name;
    }
    return pictures.StorePicture(prefix, slot, listingId, session.usern, stagingDir);
}

int ListingSave::save(Target target, bool update, int listingId)
{
    const AccountSession &session = m_editor.session();
    SavedListings listings(session.ProgramDir);
    const SavedListings::Row base = rowFor(target);
    const int id = update ? listingId : listings.nextId();
    const std::array<QString, 3> before = update ? listings.pictureNames(id, base.aukID) : std::array<QString, 3>{};

    const PictureFolder folder(session.ProgramDir);
    folder.ensureExists();
    // New picture files wait beside the folder until the row is committed.
    QTemporaryDir staging(folder.folderPath() + QStringLiteral("/.staging-XXXXXX"));
    if (!staging.isValid() || !QDir(staging.path()).mkdir(QStringLiteral("pictures")))
        throw AppError(QStringLiteral("Die Bilder konnten nicht zwischengespeichert werden."));
    const QString stagingDir = staging.path() + QLatin1Char('/');
    SavedListings::Row row = base;
    const QString prefix = target == MultiUser ? QStringLiteral("Stammart") : QStringLiteral("save");
    for (int slot = 1; slot <= PictureSlots::Count; ++slot)
        row.pics[static_cast<size_t>(slot - 1)] = stagePicture(slot, prefix, id, stagingDir);

    const auto movePictures = [&] {
        for (const QString &name : row.pics) {
            if (name.isEmpty())
                continue;
            QFile::remove(folder.filePath(name));
            if (!QFile::rename(stagingDir + QStringLiteral("pictures/") + name, folder.filePath(name)))
                throw AppError(QStringLiteral("Das Bild konnte nicht gespeichert werden: ") + name);
        }
    };
    const int written = update ? listings.update(id, row, movePictures) : listings.insert(row, movePictures);
    for (const QString &old : before) {
        if (PictureNames::isPictureName(old) && !listings.pictureInUse(old))
            QFile::remove(folder.filePath(old));
    }
    return written;
}
