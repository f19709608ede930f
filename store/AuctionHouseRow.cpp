#include "store/AuctionHouseRow.h"

#include "store/Statement.h"

AuctionHouse auctionHouseFromRow(const Statement &row)
{
    const auto integer = [&](const char *column) { return row.integer(QLatin1String(column)); };
    AuctionHouse house;
    house.url = row.text(QStringLiteral("url"));
    house.name = row.text(QStringLiteral("name"));
    house.MoneySymbol = row.text(QStringLiteral("MoneySymbol"));
    house.aukid = integer("id");
    house.xml = integer("xml");
    house.typ = integer("typ");
    house.zusatzoptionen = integer("zusatzoptionen");
    house.festpreis = integer("festpreis");
    house.mehrfach_festpreis = integer("mehrfach_festpreis");
    house.minpreis = integer("minpreis");
    house.galerie = integer("galerie");
    house.startseite = integer("startseite");
    house.versandangabe = integer("versandangabe");
    house.versandangabe_extra = integer("versandangabe_extra");
    house.wiedereinstellen = integer("wiedereinstellen");
    house.auktions_shop = integer("auktions_shop");
    house.wiedereinstellen_anz = integer("wiedereinstellen_anz");
    for (size_t i = 0; i < house.zust.size(); ++i)
        house.zust[i] = row.text(QStringLiteral("zust%1").arg(i + 1));
    return house;
}
