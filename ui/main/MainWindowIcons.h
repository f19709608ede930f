#pragma once

#include <QIcon>
#include <QPixmap>
#include <QStyle>

class TImageList;

// The pictures of the main window: the program's own icons where they exist, the style's
// standard icons otherwise.
namespace MainWindowIcons {

// ":/icons/" + name, or the style's icon when the program has no such picture.
QIcon icon(const QString &name, QStyle::StandardPixmap fallback);
// The list rows' icons (picture 0: the listing has a picture; 1: not checked yet).
QIcon listingPicture();
QIcon listingUnchecked();
// The side bar's 16-pixel entry icons, numbered as the entries name them.
TImageList sideBarItemIcons();
TImageList sideBarGroupIcons();
// The side bar's skin picture; a null image when the program has none.
QImage sideBarSkin();
// The tool bar's 32-pixel pictures.
enum class Tool { NewListing, Edit, Copy, Delete, Transfer };
QIcon toolIcon(Tool tool);
// The maker's logo of the header.
QPixmap logo(const QSize &size);

} // namespace MainWindowIcons
