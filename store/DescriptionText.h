#pragma once

#include <QString>

// The forms of a listing's description: the document the editing view holds, the inner
// HTML of its body that the memo and the database keep, and the language markers.
namespace DescriptionText {

// The text between the body's start tag and "</body>" (either case), unchanged. Empty
// when "</body>" is missing; without a body start tag, everything before "</body>".
QString extractBody(const QString &document);
// The stored text as the editor shows it: every "<##DE##>" removed, the other language
// markers and their sections kept.
QString withoutGermanMarker(const QString &stored);

} // namespace DescriptionText
