#pragma once

#include <QString>
#include <optional>

// The names under which listing pictures live in the picture folder.
namespace PictureNames {

// "0", empty and any text shorter than 3 characters mean "no picture".
bool isPictureName(const QString &value);
// prefix + slot + "_" + number + "_" + account name + ".jpg" (prefix "save" or "Stammart").
// Characters of the account name that cannot stand in a file name become "_".
QString editorPictureName(const QString &prefix, int slot, int number, const QString &usern);
// "save_" + number + "_" + slot + ".jpg"
QString csvPictureName(int number, int slot);
// The local name of a picture the server names: for typ 1 houses the 7th character (the
// slash after the six-character folder) is left out. No value when the name could
// reach outside the picture folder.
std::optional<QString> downloadedPictureName(const QString &received, int typ);
// A name given by a server is usable when it is relative and holds no "..", no backslash
// and no "/" except, where allowed, the one folder separator.
bool isSafeServerName(const QString &name, int allowedSlashPosition = -1);

} // namespace PictureNames
