#include "ui/editor/ListingLoad.h"

#include "store/DescriptionText.h"
#include "store/PictureFolder.h"
#include "store/PictureNames.h"
#include "ui/editor/AuctionTypes.h"
#include "ui/editor/ListingEditor.h"
#include "ui/editor/ListingSummary.h"
#include "ui/editor/PaymentChoice.h"

#include <QFile>

const QString ListingLoad::PictureProblem =
    QStringLiteral("PIC-ERROR: Leider konnten nicht alle Bilder geladen werden! Versuchen Sie die Übertragung erneut!");

ListingLoad::ListingLoad(ListingEditor &editor) : m_editor(editor) {}

std::optional<ListingLoad::Loaded> ListingLoad::load(int id, Source source, const ListingDraft &design)
{
    SavedListings listings(m_editor.session().ProgramDir);
    const std::optional<SavedListings::Row> row = listings.load(id, QString::number(m_editor.editorAukId()));
    if (!row)
        return std::nullopt;
    return draftOf(*row, source, design);
}

ListingLoad::Loaded ListingLoad::draftOf(const SavedListings::Row &row, Source source, const ListingDraft &design)
{
    Loaded loaded{design, {}};
    ListingDraft &d = loaded.draft;
    d.title = row.titel;
    d.ownArticleNo = row.artnr;
    d.categoryId = QString::number(row.kategorie);
    d.quantity = QString::number(row.anzahl);
    d.description = DescriptionText::withoutGermanMarker(row.beschreibung);
    d.startPrice = ListingSummary::amountText(row.startpreis);
    d.minPrice = ListingSummary::amountText(row.minpreis);
    d.buyNowPrice = ListingSummary::amountText(row.sofortkaufpreis);
    d.conditionIndex = row.zustand;
    d.postcode = row.plz;
    d.town = row.ort;
    d.country = row.land;
    takePictures(row, source, loaded);
    d.paymentPositions = PaymentChoice::restore(m_editor.paymentMethods(), row.zahlungsmethode);
    d.bold = row.fett != 0;
    d.highlight = row.marker != 0;
    d.topCategory = row.topkat != 0;
    d.gallery = row.galerie != 0;
    d.frontPage = row.startseite != 0;
    d.fsk18 = row.fsk == 1;
    d.taxIndex = row.mwst;
    takeType(row, loaded);
    d.durationIndex = -1;
    for (int index = 0; m_editor.daysAt(index); ++index) {
        if (*m_editor.daysAt(index) == row.dauer) {
            d.durationIndex = index;
            break;
        }
    }
    d.buyerPays = row.versandtrager != 0;
    d.international = row.versand_int != 0;
    d.shippingCost = ListingSummary::amountText(row.versandkosten);
    d.insuranceCost = ListingSummary::amountText(row.versandkostenoption);
    d.shippingMethod = row.versandoption;
    d.costsGiven = row.versandkosten > 0 || !row.versandoption.isEmpty();
    d.repetitionIndex = static_cast<int>(m_editor.shape().repetitionEntries.indexOf(QString::number(row.wiederholung)));
    return loaded;
}

void ListingLoad::takeType(const SavedListings::Row &row, Loaded &loaded)
{
    const int code = row.auktionstyp;
    const bool known = code == AuctionTypes::HighestBid || code == AuctionTypes::HighestBidWithFixedPrice
        || code == AuctionTypes::ShopArticle || code == AuctionTypes::AuctionShopArticle
        || (code == AuctionTypes::FixedPrice && m_editor.session().house.festpreis == 1);
    if (!known) {
        loaded.problems << QStringLiteral("ERROR bei der Auktionstypbestimmung! Typ: ") + QString::number(code);
        return;
    }
    loaded.draft.auctionType = code;
    const QString categoryId = loaded.draft.categoryId;
    m_editor.applyType(code, loaded.draft);
    loaded.draft.categoryId = categoryId;
}

void ListingLoad::takePictures(const SavedListings::Row &row, Source source, Loaded &loaded)
{
    const PictureFolder folder(m_editor.session().ProgramDir);
    PictureSlots &chosen = m_editor.pictures();
    for (int slot = PictureSlots::Count; slot >= 1; --slot)
        chosen.remove(slot);
    bool missing = false;
    for (int slot = 1; slot <= PictureSlots::Count; ++slot) {
        QString name = row.pics[static_cast<size_t>(slot - 1)];
        if (source == Source::Downloaded && m_editor.session().house.typ == 1 && name.size() > 6)
            name.remove(6, 1);
        if (!PictureNames::isPictureName(name))
            continue;
        if (!QFile::exists(folder.filePath(name))) {
            missing = true;
            continue;
        }
        chosen.set(slot, folder.filePath(name));
        loaded.draft.pictures[static_cast<size_t>(slot - 1)] = folder.filePath(name);
    }
    if (missing)
        loaded.problems << PictureProblem;
}
