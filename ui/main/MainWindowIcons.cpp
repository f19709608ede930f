#include "ui/main/MainWindowIcons.h"

#include "ui/widgets/TImageList.h"

#include <QApplication>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace MainWindowIcons {

namespace {
QString resource(const QString &name)
{
    return QStringLiteral(":/icons/") + name;
}
} // namespace

QIcon icon(const QString &name, QStyle::StandardPixmap fallback)
{
    if (QFile::exists(resource(name)))
        return QIcon(resource(name));
    return QApplication::style()->standardIcon(fallback);
}

QIcon listingPicture()
{
    return icon(QStringLiteral("listing-picture-16.png"), QStyle::SP_FileDialogContentsView);
}

QIcon listingUnchecked()
{
    return icon(QStringLiteral("listing-unchecked-16.png"), QStyle::SP_MessageBoxWarning);
}

TImageList sideBarItemIcons()
{
    QStringList files(15);
    files[1] = resource(QStringLiteral("running-16.png"));
    files[3] = resource(QStringLiteral("sold-16.png"));
    files[11] = resource(QStringLiteral("transfer-list-16.png"));
    files[12] = resource(QStringLiteral("article-master-16.png"));
    files[14] = resource(QStringLiteral("new-listing-16.png"));
    return TImageList::fromFiles(16, files);
}

TImageList sideBarGroupIcons()
{
    return TImageList::fromFiles(32, {resource(QStringLiteral("group-lists-32.png")),
                                         resource(QStringLiteral("group-new-32.png")),
                                         resource(QStringLiteral("group-tasks-32.png"))});
}

QImage sideBarSkin()
{
    return QImage(resource(QStringLiteral("exbar-skin.png")));
}

namespace {

const QColor Ink(0x3c, 0x46, 0x32);
const QColor Leaf(0x5b, 0x7f, 0x2e);

void paintSheet(QPainter &p, const QRectF &sheet)
{
    QPainterPath path;
    const double fold = 7;
    path.moveTo(sheet.topLeft());
    path.lineTo(sheet.right() - fold, sheet.top());
    path.lineTo(sheet.right(), sheet.top() + fold);
    path.lineTo(sheet.bottomRight());
    path.lineTo(sheet.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(Ink, 1.4));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.setPen(QPen(QColor(0xa8, 0xb0, 0x9c), 1.2));
    for (double y = sheet.top() + 10; y < sheet.bottom() - 3; y += 4)
        p.drawLine(QPointF(sheet.left() + 4, y), QPointF(sheet.right() - 4, y));
}

void paintBadge(QPainter &p, const QPointF &centre, const QColor &fill, const QString &sign)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(centre, 7.5, 7.5);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    if (sign == QLatin1String("+")) {
        p.drawLine(centre + QPointF(-4, 0), centre + QPointF(4, 0));
        p.drawLine(centre + QPointF(0, -4), centre + QPointF(0, 4));
    } else {
        p.drawLine(centre + QPointF(-3.2, -3.2), centre + QPointF(3.2, 3.2));
        p.drawLine(centre + QPointF(-3.2, 3.2), centre + QPointF(3.2, -3.2));
    }
}

void paintPencil(QPainter &p)
{
    p.save();
    p.translate(22, 21);
    p.rotate(45);
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(QColor(0xe8, 0xb3, 0x3c));
    p.drawRect(QRectF(-2.8, -11, 5.6, 15));
    p.setBrush(QColor(0xf3, 0xd9, 0xb1));
    QPolygonF tip;
    tip << QPointF(-2.8, 4) << QPointF(2.8, 4) << QPointF(0, 9);
    p.drawPolygon(tip);
    p.restore();
}

void paintArrow(QPainter &p, double y, bool right, const QColor &colour)
{
    p.setPen(QPen(colour, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const double from = right ? 5 : 27;
    const double to = right ? 27 : 5;
    const double back = right ? -6 : 6;
    p.drawLine(QPointF(from, y), QPointF(to, y));
    p.drawLine(QPointF(to, y), QPointF(to + back, y - 5));
    p.drawLine(QPointF(to, y), QPointF(to + back, y + 5));
}

} // namespace

QIcon toolIcon(Tool tool)
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    switch (tool) {
    case Tool::NewListing:
        paintSheet(p, QRectF(5.5, 3.5, 19, 25));
        paintBadge(p, QPointF(23, 23), Leaf, QStringLiteral("+"));
        break;
    case Tool::Edit:
        paintSheet(p, QRectF(5.5, 3.5, 19, 25));
        paintPencil(p);
        break;
    case Tool::Copy:
        paintSheet(p, QRectF(10.5, 8.5, 18, 21));
        paintSheet(p, QRectF(3.5, 2.5, 18, 21));
        break;
    case Tool::Delete:
        paintSheet(p, QRectF(5.5, 3.5, 19, 25));
        paintBadge(p, QPointF(23, 23), QColor(0xc0, 0x28, 0x28), QStringLiteral("x"));
        break;
    case Tool::Transfer:
        paintArrow(p, 11, true, Leaf);
        paintArrow(p, 22, false, QColor(0x2f, 0x6d, 0xa8));
        break;
    }
    return QIcon(picture);
}

QPixmap logo(const QSize &size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, QColor(0x5b, 0x7f, 0x2e));
    fill.setColorAt(1, QColor(0x3a, 0x55, 0x1c));
    QPainterPath frame;
    frame.addRoundedRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0), 8, 8);
    painter.fillPath(frame, fill);
    QFont font = QApplication::font();
    font.setBold(true);
    const QString name = QStringLiteral("Morvelia Veltrano");
    for (int pixels = size.height() * 2 / 5; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(name) <= size.width() - 16)
            break;
    }
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, name);
    return picture;
}

} // namespace MainWindowIcons
