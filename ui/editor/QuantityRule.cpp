#include "ui/editor/QuantityRule.h"

namespace QuantityRule {

namespace {

State fixedPrice(int editorAukId, int mehrfach, State state)
{
    if (editorAukId == 1 || editorAukId == 2 || mehrfach == 2) {
        state.enabled = true;
    } else {
        state.enabled = false;
        if (mehrfach != 1)
            state.text = QStringLiteral("1");
    }
    if (mehrfach != 0)
        state.enabled = true;
    return state;
}

} // namespace

State apply(AuctionTypes::QuantityKind kind, int editorAukId, int mehrfachFestpreis, const State &current)
{
    State state = current;
    switch (kind) {
    case AuctionTypes::QuantityKind::FixedPrice:
        return fixedPrice(editorAukId, mehrfachFestpreis, state);
    case AuctionTypes::QuantityKind::Auction:
        state.enabled = !(editorAukId == 2 || mehrfachFestpreis == 2);
        return state;
    case AuctionTypes::QuantityKind::Unchanged:
        break;
    }
    return state;
}

} // namespace QuantityRule
