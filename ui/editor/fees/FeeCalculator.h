#pragma once

#include "store/FeeTables.h"

#include <QString>
#include <QStringList>
#include <optional>

// The fees a listing will cost at its auction house, for information only: the insertion
// fee of its start-price band, the second and third picture and the paid extras. Takes the
// listing's values as plain parameters; windows decide how to show the result.
class FeeCalculator {
public:
    struct Input {
        double startPrice = 0;
        bool secondPicture = false;
        bool thirdPicture = false;
        bool bold = false;
        bool highlight = false;
        bool topCategory = false;
        bool gallery = false;
        bool frontPage = false;
    };

    struct Result {
        double insertionFee = 0;
        double pictureFee = 0;
        double extrasFee = 0;
        // The partial fees that could not be determined and count as 0, in message form.
        QStringList problems;
        // The price lists could not be read at all: every fee is 0.
        bool failed = false;

        double total() const { return insertionFee + pictureFee + extrasFee; }
    };

    // The four fee lines of the summary.
    struct Lines {
        QString insertionFee; // Label49
        QString pictureFee;   // Label50
        QString extrasFee;    // Label51
        QString total;        // Label52
    };

    static const QString PicturesUnknown;
    static const QString ExtrasUnknown;
    static const QString InsertionFeeUnknown;
    static const QString CalculationFailed;

    explicit FeeCalculator(FeeTables &tables);

    // Auction houses of typ 1 show no prices and charge no fees.
    static bool feesApply(int auctionHouseTyp) { return auctionHouseTyp != 1; }
    // Nothing when the fees do not apply or no auction house is given (aukid 0).
    std::optional<Result> calculate(int auctionHouseTyp, int aukid, const Input &input);
    static Lines linesOf(const Result &result, const QString &moneySymbol);

private:
    Result calculateFrom(int aukid, const Input &input);
    static double pictureFee(const std::vector<FeeTables::ExtraPrice> &prices, const Input &input, bool *ok);
    static double extrasFee(const std::vector<FeeTables::ExtraPrice> &prices, const Input &input, bool *ok);
    static double insertionFee(const std::vector<FeeTables::FeeBand> &bands, double startPrice, bool *ok);

    FeeTables &m_tables;
};
