#include "ui/main/ShadowLabel.h"

#include <QPainter>

ShadowLabel::ShadowLabel(const QString &text, QColor shadow, QColor textColour, QWidget *parent)
    : QLabel(text, parent), m_shadow(shadow), m_text(textColour)
{
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    setFont(titleFont);
}

QSize ShadowLabel::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextSingleLine, this->text());
    return text + QSize(2, 2);
}

void ShadowLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    const QRect area = rect().adjusted(0, 0, -1, -1);
    painter.setPen(m_shadow);
    painter.drawText(area.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, text());
    if (!m_text.isValid())
        return;
    painter.setPen(m_text);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, text());
}
