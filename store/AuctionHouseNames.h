#pragma once

struct LoginContext;

// The display names of the auction houses, by id, as the account lists show them.
namespace AuctionHouseNames {

// Reads every row of auktionshaus into the context's name table; a row with id 0
// replaces "~ Multiuser ~", ids outside 0 to 100 are skipped.
void load(LoginContext &context);

} // namespace AuctionHouseNames
