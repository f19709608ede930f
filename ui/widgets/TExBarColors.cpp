#include "TExBarColors.h"

#include <QImage>
#include <QPalette>

TExBarColors TExBarColors::fromSkin(const QImage &skin)
{
    auto at = [&skin](int y) { return skin.pixelColor(1, y); };
    return {at(1), at(7), at(13), at(19), at(25), at(31), at(37)};
}

TExBarColors TExBarColors::plain(const QPalette &palette)
{
    const QColor buttonText = palette.color(QPalette::ButtonText);
    const QColor captionText = palette.color(QPalette::HighlightedText);
    return {Qt::white, palette.color(QPalette::Base), palette.color(QPalette::Button),
            buttonText, buttonText, captionText, captionText};
}
