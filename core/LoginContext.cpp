#include "core/LoginContext.h"

namespace {
LoginContext &instance()
{
    static LoginContext context;
    return context;
}
} // namespace

LoginContext &loginContext()
{
    return instance();
}

void resetLoginContext()
{
    instance() = LoginContext{};
}

QString LoginContext::auctionHouseName(int id) const
{
    if (id < 0 || id >= AuctionHouseNameCount)
        return {};
    return AuctionHouseNames[static_cast<size_t>(id)];
}

void LoginContext::setAuctionHouseName(int id, const QString &houseName)
{
    // The name table covers ids 0 to 100; rows outside it have no name to show.
    if (id < 0 || id >= AuctionHouseNameCount)
        return;
    AuctionHouseNames[static_cast<size_t>(id)] = houseName;
}

AccountSession LoginContext::session() const
{
    AccountSession session;
    session.house = *this;
    session.userID = userID;
    session.usern = usern;
    session.password = password;
    session.uid = uid;
    session.ProgramDir = ProgramDir;
    return session;
}
