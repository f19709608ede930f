#include "ui/accounts/LoginContextFiller.h"

#include "core/LoginContext.h"
#include "core/ProgramInfo.h"
#include "store/Database.h"
#include "store/Statement.h"

LoginContextFiller::LoginContextFiller(QString programDir) : m_programDir(std::move(programDir)) {}

void LoginContextFiller::fillAuctionHouse(LoginContext &context, int aukid) const
{
    if (aukid == 0)
        applyMultiUserDefaults(context);
    else
        copyAuctionHouse(context, aukid);
}

void LoginContextFiller::applyMultiUserDefaults(LoginContext &context)
{
    context.url = ProgramInfo::defaultServerUrl();
    context.name = QString::fromLatin1(ProgramInfo::DefaultAuctionHouseName);
    context.MoneySymbol = QStringLiteral("EUR");
    context.aukid = 0;
}

void LoginContextFiller::copyAuctionHouse(LoginContext &context, int aukid) const
{
    Database db(m_programDir);
    db.open();
    Statement query(db, QStringLiteral("SELECT * FROM `auktionshaus` WHERE id=:id"));
    query.bind(QStringLiteral(":id"), aukid).exec();
    const bool found = query.next();
    const auto text = [&](const char *column) { return found ? query.text(QLatin1String(column)) : QString(); };
    const auto integer = [&](const char *column) { return found ? query.integer(QLatin1String(column)) : 0; };
    context.url = text("url");
    context.name = text("name");
    context.MoneySymbol = text("MoneySymbol");
    context.aukid = integer("id");
    context.xml = integer("xml");
    context.typ = integer("typ");
    context.zusatzoptionen = integer("zusatzoptionen");
    context.festpreis = integer("festpreis");
    context.mehrfach_festpreis = integer("mehrfach_festpreis");
    context.minpreis = integer("minpreis");
    context.galerie = integer("galerie");
    context.startseite = integer("startseite");
    context.versandangabe = integer("versandangabe");
    context.versandangabe_extra = integer("versandangabe_extra");
    context.wiedereinstellen = integer("wiedereinstellen");
    context.auktions_shop = integer("auktions_shop");
    context.wiedereinstellen_anz = integer("wiedereinstellen_anz");
    for (size_t i = 0; i < context.zust.size(); ++i)
        context.zust[i] = found ? query.text(QStringLiteral("zust%1").arg(i + 1)) : QString();
}
