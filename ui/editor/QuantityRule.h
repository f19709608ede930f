#pragma once

#include "ui/editor/AuctionTypes.h"

#include <QString>

// Whether the seller may type a quantity, and which quantity a type forces.
namespace QuantityRule {

struct State {
    bool enabled = true;
    QString text = QStringLiteral("1");
};

State apply(AuctionTypes::QuantityKind kind, int editorAukId, int mehrfachFestpreis, const State &current);

} // namespace QuantityRule
