#include "ui/editor/AuctionTypes.h"

namespace AuctionTypes {

namespace {

using Table = Categories::Table;

const std::array<Layout, 5> &layouts()
{
    static const std::array<Layout, 5> table{{
        {HighestBid, false, QuantityKind::Auction, true, true, Table::Categories, false},
        {FixedPrice, true, QuantityKind::FixedPrice, false, false, Table::Categories, false},
        {HighestBidWithFixedPrice, true, QuantityKind::Auction, true, true, Table::Categories, false},
        {ShopArticle, true, QuantityKind::FixedPrice, false, false, Table::Categories, true},
        {AuctionShopArticle, std::nullopt, QuantityKind::Unchanged, false, false, Table::AuctionsShop, true},
    }};
    return table;
}

} // namespace

const std::array<Code, 5> &all()
{
    static const std::array<Code, 5> codes{HighestBid, FixedPrice, HighestBidWithFixedPrice, ShopArticle,
                                           AuctionShopArticle};
    return codes;
}

bool isKnown(int code)
{
    for (const Layout &layout : layouts()) {
        if (layout.code == code)
            return true;
    }
    return false;
}

const Layout &layoutFor(int code)
{
    for (const Layout &layout : layouts()) {
        if (layout.code == code)
            return layout;
    }
    return layouts().front();
}

} // namespace AuctionTypes
