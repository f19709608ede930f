#pragma once

#include "core/AuctionHouse.h"

class Statement;

// The auction house of the current row of a query over table auktionshaus.
AuctionHouse auctionHouseFromRow(const Statement &row);
