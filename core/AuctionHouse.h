#pragma once

#include <QString>
#include <array>

// One row of table auktionshaus: where the auction house is and what it allows.
struct AuctionHouse {
    QString url;
    QString name;
    QString MoneySymbol;
    std::array<QString, 10> zust{}; // zust1 ... zust10
    int typ = 0;
    int zusatzoptionen = 0;
    int festpreis = 0;
    int mehrfach_festpreis = 0;
    int minpreis = 0;
    int galerie = 0;
    int startseite = 0;
    int versandangabe = 0;
    int versandangabe_extra = 0;
    int wiedereinstellen = 0;
    int auktions_shop = 0;
    int wiedereinstellen_anz = 0;
    int xml = 0;
    int aukid = 0;
};
