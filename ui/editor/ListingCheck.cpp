#include "ui/editor/ListingCheck.h"

#include "store/Cp1252.h"
#include "ui/editor/AuctionTypes.h"
#include "ui/editor/ListingEditor.h"
#include "ui/editor/PaymentChoice.h"

#include <QLocale>

namespace {

const QString NotAvailable = QStringLiteral("N/A");
const QString StartPriceFormat = QStringLiteral("Der Startpreis weist ein ungültiges Format auf");
const QString BuyNowFormat = QStringLiteral("Der Sofortkaufpreis weist ein ungültiges Format auf");

void add(ListingCheck::Result &result, const QString &message, EditorPage page)
{
    result.findings.append({message, page});
}

// Reads an amount into target; a text that is no amount leaves target and adds the finding.
void readInto(double &target, const QString &text, const QString &finding, ListingCheck::Result &result,
              EditorPage page = EditorPage::General)
{
    if (const std::optional<double> amount = ListingCheck::readAmount(text))
        target = *amount;
    else
        add(result, finding, page);
}

// The characters of a text the auction house cannot receive, each once, in order.
QString unencodable(const QString &text)
{
    QString found;
    for (const char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        if (Cp1252::byteOf(c) < 0 && !found.contains(character))
            found += character;
    }
    return found;
}

} // namespace

QString ListingCheck::Result::text() const
{
    QString text;
    for (const Finding &finding : findings)
        text += finding.message + QStringLiteral("\r\n");
    return text;
}

std::optional<EditorPage> ListingCheck::Result::frontPage() const
{
    if (findings.isEmpty())
        return std::nullopt;
    return findings.last().page;
}

ListingCheck::ListingCheck(const ListingEditor &editor) : m_editor(editor) {}

std::optional<double> ListingCheck::readAmount(const QString &text)
{
    QString plain = text.trimmed();
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    if (plain.isEmpty() || plain.count(QLatin1Char('.')) > 1)
        return std::nullopt;
    bool ok = false;
    const double amount = QLocale::c().toDouble(plain, &ok);
    if (!ok)
        return std::nullopt;
    return amount;
}

ListingCheck::Result ListingCheck::check(ListingDraft &draft, Mode mode, ListingValues &values) const
{
    Result result;
    values.title = draft.title;
    readTypeAndPrices(draft, values, result);
    readListingData(draft, values, result);
    checkWireCharacters(values, result);
    if (mode == Mode::Full)
        applyHouseRules(draft, values, result);
    applyCommonRules(values, result);
    return result;
}

void ListingCheck::readTypeAndPrices(ListingDraft &draft, ListingValues &values, Result &result) const
{
    const bool buyNowMissing = draft.buyNowPrice.trimmed() == NotAvailable;
    switch (draft.auctionType) {
    case AuctionTypes::HighestBid:
    case AuctionTypes::HighestBidWithFixedPrice:
        values.auctionTypeCode = draft.auctionType;
        readInto(values.startPrice, draft.startPrice, StartPriceFormat, result);
        break;
    case AuctionTypes::FixedPrice:
    case AuctionTypes::ShopArticle: {
        const bool shop = draft.auctionType == AuctionTypes::ShopArticle;
        values.auctionTypeCode = draft.auctionType;
        if (buyNowMissing)
            add(result,
                shop ? QStringLiteral("Bei einem Shopartikel muss der Preis trotzdem angegeben werden!")
                     : QStringLiteral("Bei einer Festpreisauktion muss der Preis trotzdem angegeben werden!"),
                EditorPage::General);
        readInto(values.startPrice, draft.buyNowPrice,
                 shop ? QStringLiteral("Der Preis weist ein ungültiges Format auf") : StartPriceFormat, result);
        draft.startPrice = draft.buyNowPrice;
        readInto(values.buyNowPrice, draft.buyNowPrice, BuyNowFormat, result);
        break;
    }
    case AuctionTypes::AuctionShopArticle:
        values.auctionTypeCode = draft.auctionType;
        readInto(values.startPrice, draft.buyNowPrice, StartPriceFormat, result);
        break;
    default:
        add(result, QStringLiteral("FEHLER bei der Bestimmung des Auktionstyps"), EditorPage::AuctionData);
        break;
    }
    if (buyNowMissing)
        values.buyNowPrice = 0;
    else
        readInto(values.buyNowPrice, draft.buyNowPrice, BuyNowFormat, result);
    readInto(values.minPrice, draft.minPrice, QStringLiteral("Der Mindestpreis weist ein ungültiges Format auf"),
             result);
}

void ListingCheck::readListingData(ListingDraft &draft, ListingValues &values, Result &result) const
{
    bool quantityRead = false;
    const int quantity = draft.quantity.trimmed().toInt(&quantityRead);
    if (quantityRead)
        values.quantity = quantity;
    else
        add(result, QStringLiteral("Die Anzahl weist ein ungültiges Format auf"), EditorPage::General);
    if (values.quantity < 1)
        add(result, QStringLiteral("Ihre Artikelanzahl muss mindestens 1 betragen!"), EditorPage::General);
    values.durationIndex = draft.durationIndex;
    values.ownArticleNo = draft.ownArticleNo;
    values.postcode = draft.postcode;
    values.town = draft.town;
    values.conditionIndex = draft.conditionIndex;
    const QStringList &methods = m_editor.paymentMethods();
    values.paymentText = PaymentChoice::join(methods, draft.paymentPositions);
    values.paymentLines = values.paymentText.isEmpty() ? QStringList() : values.paymentText.split(QLatin1Char(','));

    const AuctionHouse &house = m_editor.session().house;
    if (house.galerie != 1)
        draft.gallery = false;
    if (house.startseite != 1)
        draft.frontPage = false;
    values.bold = draft.bold ? 1 : 0;
    values.highlight = draft.highlight ? 1 : 0;
    values.topCategory = draft.topCategory ? 1 : 0;
    values.gallery = draft.gallery ? 1 : 0;
    values.frontPage = draft.frontPage ? 1 : 0;
    values.fsk = draft.fsk18 ? 1 : 0;
    values.taxIndex = draft.taxIndex;
    const QStringList &repetitions = m_editor.shape().repetitionEntries;
    values.repetitions = draft.repetitionIndex >= 0 && draft.repetitionIndex < repetitions.size()
        ? repetitions.at(draft.repetitionIndex).toInt()
        : 0;
    values.description = draft.description;

    values.buyerPays = draft.buyerPays;
    values.international = draft.international;
    values.costsGiven = draft.costsGiven;
    values.insuranceOption = draft.insuranceOption;
    readInto(values.shippingCost, draft.shippingCost, QStringLiteral("Die Versandkosten weisen ein ungültiges Format auf"),
             result, EditorPage::Presentation);
    readInto(values.insuranceCost, draft.insuranceCost,
             QStringLiteral("Die Versicherungskosten weisen ein ungültiges Format auf"), result, EditorPage::Presentation);
}

void ListingCheck::checkWireCharacters(const ListingValues &values, Result &result) const
{
    const struct {
        const QString &text;
        const char *field;
    } fields[] = {{values.title, "Der Titel"},
                  {values.ownArticleNo, "Die Artikelnummer"},
                  {values.postcode, "Die Postleitzahl"},
                  {values.town, "Der Artikelstandort"}};
    for (const auto &field : fields) {
        const QString found = unencodable(field.text);
        if (!found.isEmpty())
            add(result,
                QString::fromUtf8(field.field)
                    + QStringLiteral(" enthält Zeichen, die das Auktionshaus nicht empfangen kann: ") + found,
                EditorPage::General);
    }
}

void ListingCheck::applyHouseRules(const ListingDraft &draft, const ListingValues &values, Result &result) const
{
    const AuctionHouse &house = m_editor.session().house;
    const QString category = draft.categoryId.trimmed();
    if (category.isEmpty() || category == QLatin1String("0"))
        add(result, QStringLiteral("Bitte wählen Sie eine Kategorie aus!"), EditorPage::General);
    if (house.typ == 2 && draft.country.trimmed().isEmpty())
        add(result, QStringLiteral("Bitte wählen Sie ihr Land aus!"), EditorPage::General);
    if (values.minPrice > 0 && !(values.minPrice > values.startPrice))
        add(result, QStringLiteral("Der Mindestpreis muss höher als der Startpreis liegen!"), EditorPage::General);
    if (values.buyNowPrice > 0 && values.buyNowPrice < values.startPrice)
        add(result, QStringLiteral("Der Sofortkaufpreis muss höher als der Startpreis liegen!"), EditorPage::General);
    if (values.repetitions > house.wiedereinstellen_anz)
        add(result,
            QStringLiteral("Sie können die Wiederholungen nicht höher als %1 setzen!").arg(house.wiedereinstellen_anz),
            EditorPage::AuctionData);
    if (values.durationIndex < 0)
        add(result, QStringLiteral("Sie haben keine Laufzeitbestimmt!"), EditorPage::General);
    if (values.conditionIndex < 0)
        add(result, QStringLiteral("Bitte wählen sie den Artikelzustand!"), EditorPage::General);
    if (values.paymentText.isEmpty())
        add(result, QStringLiteral("Eine Zahlungsmethode ist pflicht!"), EditorPage::Presentation);
}

void ListingCheck::applyCommonRules(const ListingValues &values, Result &result) const
{
    if (values.title.isEmpty())
        add(result, QStringLiteral("Sie benötigen einen Titel für die Auktion!"), EditorPage::General);
    if (values.description.isEmpty())
        add(result, QStringLiteral("Die Artikelbeschreibung fehlt!"), EditorPage::Description);
    if (!(values.startPrice > 0))
        add(result,
            QStringLiteral("Der Startpreis muss min 0,01 ") + m_editor.session().house.MoneySymbol
                + QStringLiteral(" betragen!"),
            EditorPage::General);
    if (values.postcode.isEmpty())
        add(result, QStringLiteral("Ihre Postleitzahl lautet?"), EditorPage::General);
    if (values.town.isEmpty())
        add(result, QStringLiteral("Der Artikelstandort fehlt!"), EditorPage::General);
}
