#include "store/AuctionHouseNames.h"

#include "core/LoginContext.h"
#include "store/Database.h"
#include "store/Statement.h"

namespace AuctionHouseNames {

void load(LoginContext &context)
{
    Database db(context.ProgramDir);
    db.open();
    Statement query(db, QStringLiteral("SELECT `id`, `name` FROM `auktionshaus`"));
    query.exec();
    while (query.next())
        context.setAuctionHouseName(query.integer(QStringLiteral("id")), query.text(QStringLiteral("name")));
}

} // namespace AuctionHouseNames
