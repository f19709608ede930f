#include "ui/accounts/LoginContextFiller.h"

#include "core/LoginContext.h"
#include "core/ProgramInfo.h"
#include "store/Database.h"
#include "store/MasterDataLists.h"

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
    static_cast<AuctionHouse &>(context) = MasterDataLists(db, aukid).auctionHouse().value_or(AuctionHouse{});
}
