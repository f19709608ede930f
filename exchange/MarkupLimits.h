#pragma once

#include <QByteArray>

// Checks of a server reply's shape that run before the XML reader sees it. The reader's
// cost grows with the square of the attributes of one element, so a reply with an
// element of a hundred thousand attributes would keep it busy for a minute.
namespace MarkupLimits {

// Far above anything a real reply holds (its records carry no attributes at all).
constexpr int MaxAttributesPerElement = 256;

// The offset of the first tag with more than limit attributes, or -1. One pass over the
// bytes; comments, CDATA sections, processing instructions and declarations are skipped.
qsizetype firstCrowdedTag(const QByteArray &xml, int limit = MaxAttributesPerElement);

} // namespace MarkupLimits
