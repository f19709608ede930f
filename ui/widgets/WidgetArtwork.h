#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The pictures the widgets library carries in its resources (prefix "/icons/").
namespace WidgetArtwork {

// The olive skin of the side bar: header artwork and colour scheme.
inline const QString Skin = QStringLiteral(":/icons/exbar-skin.png");
// Masks of the header arrows of the plain look.
inline const QString ArrowUp = QStringLiteral(":/icons/exbar-arrow-up.png");
inline const QString ArrowDown = QStringLiteral(":/icons/exbar-arrow-down.png");

// Group header icons, 32 pixels.
inline const QString GroupLists = QStringLiteral(":/icons/group-lists-32.png");
inline const QString GroupNew = QStringLiteral(":/icons/group-new-32.png");
inline const QString GroupTasks = QStringLiteral(":/icons/group-tasks-32.png");

// Side bar entry icons, 16 pixels.
inline const QString Running = QStringLiteral(":/icons/running-16.png");
inline const QString Sold = QStringLiteral(":/icons/sold-16.png");
inline const QString Unsold = QStringLiteral(":/icons/unsold-16.png");
inline const QString TransferList = QStringLiteral(":/icons/transfer-list-16.png");
inline const QString ArticleMaster = QStringLiteral(":/icons/article-master-16.png");
inline const QString NewListing = QStringLiteral(":/icons/new-listing-16.png");
inline const QString Transfer = QStringLiteral(":/icons/transfer-16.png");
inline const QString CsvImport = QStringLiteral(":/icons/csv-import-16.png");
inline const QString Settings = QStringLiteral(":/icons/settings-16.png");

// Listing list rows, 16 pixels: a listing, one with a picture, one not yet checked.
inline const QString Listing = QStringLiteral(":/icons/listing-16.png");
inline const QString ListingPicture = QStringLiteral(":/icons/listing-picture-16.png");
inline const QString ListingUnchecked = QStringLiteral(":/icons/listing-unchecked-16.png");

// The arrow mask (up or down) coloured in colour; loaded once.
QImage tintedGlyph(bool up, const QColor &colour);

} // namespace WidgetArtwork
