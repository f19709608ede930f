#include "ui/editor/fees/OptionPriceLabels.h"

#include "core/ProcessLocale.h"

const QString OptionPriceLabels::FirstPictureText = QStringLiteral("kostenlos");

QString OptionPriceLabels::labelNameOf(int extraId)
{
    static const char *const names[] = {"Label41", "Label43", "Label42", "Label39", "Label40", "Label60", "Label61"};
    if (extraId < 1 || extraId > 7)
        return {};
    return QString::fromLatin1(names[extraId - 1]);
}

std::vector<OptionPriceLabels::Label> OptionPriceLabels::labelsFor(const std::vector<FeeTables::ExtraPrice> &prices,
                                                                   const QString &moneySymbol)
{
    std::vector<Label> labels;
    for (const FeeTables::ExtraPrice &row : prices) {
        const QString name = labelNameOf(row.id);
        double price = 0;
        if (name.isEmpty() || !ProcessLocale::parseNumber(row.preis, &price))
            continue;
        // The extras of the first page keep a blank before the symbol; the pictures,
        // gallery and front page do not.
        const QString gap = row.id <= 3 ? QStringLiteral(" ") : QString();
        const QString text = price == 0 ? QStringLiteral("(kostenlos)")
                                        : QLatin1Char('(') + ProcessLocale::numberText(price) + gap + moneySymbol
                + QLatin1Char(')');
        labels.push_back({name, text});
    }
    return labels;
}
