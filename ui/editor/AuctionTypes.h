#pragma once

#include "store/Categories.h"

#include <array>
#include <optional>

// The five auction types of a listing (column auktionstyp) and the layout each one gives
// the editor: which price fields it shows, how the quantity behaves, which category tree
// and which durations it uses.
namespace AuctionTypes {

enum Code { HighestBid = 1, FixedPrice = 2, HighestBidWithFixedPrice = 3, ShopArticle = 4, AuctionShopArticle = 100 };

enum class QuantityKind { Auction, FixedPrice, Unchanged };

struct Layout {
    Code code;
    // No value: the field keeps its state.
    std::optional<bool> buyNowShown;
    QuantityKind quantity;
    bool startPriceShown;
    // Auction layouts show the minimum price where the auction house takes one.
    bool minPriceFollowsHouse;
    Categories::Table categoryTable;
    bool shopDurations;
};

const std::array<Code, 5> &all();
const Layout &layoutFor(int code);
bool isKnown(int code);

} // namespace AuctionTypes
