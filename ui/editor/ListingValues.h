#pragma once

#include <QString>
#include <QStringList>

// A listing's values as the check read them from a draft: what the save stores and the
// summary shows. A value whose text could not be read keeps what the previous check read.
struct ListingValues {
    int auctionTypeCode = 0;
    QString title;
    double startPrice = 0;
    double buyNowPrice = 0;
    double minPrice = 0;
    int quantity = 0;
    int durationIndex = -1;
    QString ownArticleNo;
    QString postcode;
    QString town;
    int conditionIndex = -1;
    QString paymentText;
    QStringList paymentLines;
    int bold = 0;
    int highlight = 0;
    int topCategory = 0;
    int gallery = 0;
    int frontPage = 0;
    int fsk = 0;
    int taxIndex = 0;
    int repetitions = 0;
    QString description;
    bool buyerPays = false;
    bool international = false;
    bool costsGiven = false;
    double shippingCost = 0;
    QString insuranceOption;
    double insuranceCost = 0;
};
