#include "ui/editor/fees/FeeCalculator.h"

#include "core/ProcessLocale.h"
#include "store/DatabaseError.h"

#include <utility>

const QString FeeCalculator::PicturesUnknown = QStringLiteral("Die Kosten für die Bilder konnten nicht ermittelt werden");
const QString FeeCalculator::ExtrasUnknown = QStringLiteral("Die Kosten für die Zusätze konnten nicht ermittelt werden");
const QString FeeCalculator::InsertionFeeUnknown =
    QStringLiteral("Die Einstellkosten für den Startpreis kontte nicht ermittelt werden");
const QString FeeCalculator::CalculationFailed = QStringLiteral("Preisberechnung fehlerhaft!");

namespace {

// Adds the price at a position of the list (the position names the extra) when chosen.
bool addPrice(const std::vector<FeeTables::ExtraPrice> &prices, size_t position, bool chosen, double *sum)
{
    if (!chosen)
        return true;
    double price = 0;
    if (position >= prices.size() || !ProcessLocale::parseNumber(prices[position].preis, &price))
        return false;
    *sum += price;
    return true;
}

QString feeLine(double amount, const QString &moneySymbol)
{
    return QStringLiteral("+ ") + ProcessLocale::numberText(amount) + QLatin1Char(' ') + moneySymbol;
}

} // namespace

FeeCalculator::FeeCalculator(FeeTables &tables) : m_tables(tables) {}

std::optional<FeeCalculator::Result> FeeCalculator::calculate(int auctionHouseTyp, int aukid, const Input &input)
{
    if (!feesApply(auctionHouseTyp) || aukid == 0)
        return std::nullopt;
    try {
        return calculateFrom(aukid, input);
    } catch (const DatabaseError &) {
        Result failed;
        failed.failed = true;
        return failed;
    }
}

FeeCalculator::Result FeeCalculator::calculateFrom(int aukid, const Input &input)
{
    const std::vector<FeeTables::ExtraPrice> prices = m_tables.extraPrices(aukid);
    const std::vector<FeeTables::FeeBand> bands = m_tables.insertionFeeBands(aukid);
    Result result;
    bool ok = true;
    result.pictureFee = pictureFee(prices, input, &ok);
    if (!ok)
        result.problems.append(PicturesUnknown);
    result.extrasFee = extrasFee(prices, input, &ok);
    if (!ok)
        result.problems.append(ExtrasUnknown);
    result.insertionFee = insertionFee(bands, input.startPrice, &ok);
    if (!ok)
        result.problems.append(InsertionFeeUnknown);
    return result;
}

double FeeCalculator::pictureFee(const std::vector<FeeTables::ExtraPrice> &prices, const Input &input, bool *ok)
{
    double fee = 0;
    *ok = addPrice(prices, 3, input.secondPicture, &fee) && addPrice(prices, 4, input.thirdPicture, &fee);
    return *ok ? fee : 0;
}

double FeeCalculator::extrasFee(const std::vector<FeeTables::ExtraPrice> &prices, const Input &input, bool *ok)
{
    const std::pair<size_t, bool> chosen[] = {
        {0, input.bold}, {2, input.topCategory}, {1, input.highlight}, {5, input.gallery}, {6, input.frontPage},
    };
    double fee = 0;
    for (const auto &[position, isChosen] : chosen) {
        if (!addPrice(prices, position, isChosen, &fee)) {
            *ok = false;
            return 0;
        }
    }
    *ok = true;
    return fee;
}

double FeeCalculator::insertionFee(const std::vector<FeeTables::FeeBand> &bands, double startPrice, bool *ok)
{
    *ok = false;
    for (const FeeTables::FeeBand &band : bands) {
        double min = 0;
        double max = 0;
        if (!ProcessLocale::parseNumber(band.min_val, &min) || !ProcessLocale::parseNumber(band.max_val, &max))
            return 0;
        // The band holding the price, or the first band lying wholly above it.
        const bool matches = (min <= startPrice && max >= startPrice) || (min > startPrice && max > startPrice);
        if (!matches)
            continue;
        double fee = 0;
        *ok = ProcessLocale::parseNumber(band.fee, &fee);
        return *ok ? fee : 0;
    }
    return 0;
}

FeeCalculator::Lines FeeCalculator::linesOf(const Result &result, const QString &moneySymbol)
{
    return {feeLine(result.insertionFee, moneySymbol), feeLine(result.pictureFee, moneySymbol),
            feeLine(result.extrasFee, moneySymbol),
            QStringLiteral("Gesammt: ") + ProcessLocale::numberText(result.total()) + QLatin1Char(' ') + moneySymbol};
}
