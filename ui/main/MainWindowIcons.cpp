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
    font.setPixelSize(size.height() * 2 / 5);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, QStringLiteral("Morvelia Veltrano"));
    return picture;
}

} // namespace MainWindowIcons
