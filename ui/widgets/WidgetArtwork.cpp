#include "WidgetArtwork.h"

#include <QPainter>

namespace WidgetArtwork {

QImage tintedGlyph(bool up, const QColor &colour)
{
    static const QImage upMask(ArrowUp);
    static const QImage downMask(ArrowDown);
    const QImage &mask = up ? upMask : downMask;
    QImage tinted(mask.size(), QImage::Format_ARGB32_Premultiplied);
    tinted.fill(colour);
    QPainter painter(&tinted);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, mask);
    return tinted;
}

} // namespace WidgetArtwork
