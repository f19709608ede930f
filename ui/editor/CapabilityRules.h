#pragma once

#include "core/AuctionHouse.h"
#include "ui/editor/EditorShape.h"

// Shapes the editor by the capability columns of an auction house's row.
namespace CapabilityRules {

EditorShape shapeFor(const AuctionHouse &house);
// The re-listing numbers a mode offers: mode 1 counts up to the house's maximum.
QStringList repetitionEntries(int mode, int maximum);
// The non-empty condition texts in order; a listing's condition is a position here.
QStringList conditions(const AuctionHouse &house);

} // namespace CapabilityRules
