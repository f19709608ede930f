#include "ui/editor/ListingSummary.h"

#include "store/FeeTables.h"
#include "ui/editor/ListingEditor.h"

namespace {

const QString LineBreak = QStringLiteral("\r\n");

QString entryAt(const QStringList &entries, int index)
{
    return index >= 0 && index < entries.size() ? entries.at(index) : QStringLiteral("—");
}

FeeCalculator::Input feeInput(const ListingDraft &draft, const ListingValues &values)
{
    FeeCalculator::Input input;
    input.startPrice = values.startPrice;
    input.secondPicture = !draft.pictures[1].isEmpty();
    input.thirdPicture = !draft.pictures[2].isEmpty();
    input.bold = values.bold == 1;
    input.highlight = values.highlight == 1;
    input.topCategory = values.topCategory == 1;
    input.gallery = values.gallery == 1;
    input.frontPage = values.frontPage == 1;
    return input;
}

} // namespace

QString ListingSummary::amountText(double amount)
{
    QString text = QString::number(amount, 'g', 15);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

ListingSummary ListingSummary::of(const ListingEditor &editor, const ListingDraft &draft, const ListingValues &values)
{
    const AuctionHouse &house = editor.session().house;
    const QString &money = house.MoneySymbol;
    ListingSummary summary;
    summary.title = values.title;
    summary.startPrice = amountText(values.startPrice) + money;
    summary.buyNowPrice = values.buyNowPrice == 0 ? QStringLiteral("N/A")
                                                   : amountText(values.buyNowPrice) + QLatin1Char(' ') + money;
    summary.quantity = QString::number(values.quantity) + QStringLiteral(" Stück");
    summary.duration = entryAt(editor.durationNames(), values.durationIndex);
    summary.articleNo = values.ownArticleNo;
    summary.location = values.postcode + QLatin1Char(' ') + values.town;
    summary.condition = entryAt(editor.shape().conditions, values.conditionIndex);
    summary.payment = values.paymentLines.join(LineBreak);
    summary.shipping = shippingText(values, money);
    summary.extras = extrasText(values);
    summary.description = values.description;
    FeeTables tables(editor.session().ProgramDir);
    FeeCalculator fees(tables);
    if (const std::optional<FeeCalculator::Result> result = fees.calculate(house.typ, house.aukid, feeInput(draft, values))) {
        summary.fees = FeeCalculator::linesOf(*result, money);
        summary.feeProblems = result->problems;
        if (result->failed)
            summary.feeProblems << FeeCalculator::CalculationFailed;
    }
    return summary;
}

QString ListingSummary::shippingText(const ListingValues &values, const QString &moneySymbol)
{
    QString text = values.buyerPays ? QStringLiteral("Der Käufer trägt Versandkosten")
                                    : QStringLiteral("Der Veräufer trägt Versandkosten");
    if (values.costsGiven) {
        text += LineBreak + QStringLiteral("Folgende Angaben wurden gemacht:") + LineBreak + QStringLiteral("Versandkosten: ")
            + amountText(values.shippingCost) + QLatin1Char(' ') + moneySymbol;
        if (values.insuranceOption != QLatin1String("0") && !values.insuranceOption.isEmpty())
            text += LineBreak + QStringLiteral("Versicherung: ") + values.insuranceOption + QLatin1Char(' ')
                + amountText(values.insuranceCost) + QLatin1Char(' ') + moneySymbol;
    }
    if (values.international)
        text += LineBreak + QStringLiteral("Sie versenden Weltweit");
    return text;
}

QString ListingSummary::extrasText(const ListingValues &values)
{
    const std::pair<int, const char *> extras[] = {{values.bold, "Fettschrift"},
                                                   {values.highlight, "Textmarker"},
                                                   {values.topCategory, "Top-Kategorie"},
                                                   {values.gallery, "Galerie"},
                                                   {values.frontPage, "Startseite"}};
    QString text;
    for (const auto &[chosen, name] : extras) {
        if (chosen == 1)
            text += QString::fromUtf8(name) + LineBreak;
    }
    return text.isEmpty() ? QStringLiteral("Es wurden keine Extras gewählt") : text;
}
