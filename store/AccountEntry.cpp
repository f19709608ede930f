#include "store/AccountEntry.h"

#include "core/LoginContext.h"

QString AccountEntry::caption(const LoginContext &context) const
{
    return usern + QStringLiteral("  (") + context.auctionHouseName(aukid) + QLatin1Char(')');
}
