#include "ui/widgets/DialogParts.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace DialogParts {

QWidget *whiteSidePanel(QWidget *parent, int width)
{
    auto *side = new QWidget(parent);
    side->setObjectName(QStringLiteral("Panel1"));
    side->setAutoFillBackground(true);
    QPalette white = side->palette();
    white.setColor(QPalette::Window, Qt::white);
    side->setPalette(white);
    side->setFixedWidth(width);
    return side;
}

QIcon accountIcon(const QColor &colour)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(5, 1, 6, 6));
    painter.drawRoundedRect(QRectF(2, 8, 12, 7), 3, 3);
    return QIcon(picture);
}

} // namespace DialogParts
