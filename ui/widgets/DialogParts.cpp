#include "ui/widgets/DialogParts.h"

#include <QLabel>
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

QLabel *namedLabel(const QString &text, QWidget *parent, const char *name, bool bold)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
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
