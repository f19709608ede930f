#include "TFlickerFreePaintBox.h"

#include <QPaintEvent>
#include <QPainter>

TFlickerFreePaintBox::TFlickerFreePaintBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

void TFlickerFreePaintBox::setPaintHandler(PaintHandler handler)
{
    m_paintHandler = std::move(handler);
    Invalidate();
}

void TFlickerFreePaintBox::setBackground(const QColor &colour)
{
    m_background = colour;
    Invalidate();
}

void TFlickerFreePaintBox::Invalidate()
{
    m_outOfDate = true;
    update();
}

const QImage &TFlickerFreePaintBox::bitmap()
{
    if (m_outOfDate)
        redraw();
    return m_bitmap;
}

void TFlickerFreePaintBox::paintEvent(QPaintEvent *event)
{
    if (m_outOfDate)
        redraw();
    QPainter painter(this);
    painter.drawImage(event->rect(), m_bitmap, QRectF(event->rect().topLeft() * m_bitmap.devicePixelRatio(),
                                                       event->rect().size() * m_bitmap.devicePixelRatio()));
}

void TFlickerFreePaintBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_bitmap = QImage();
    Invalidate();
}

void TFlickerFreePaintBox::redraw()
{
    const qreal ratio = devicePixelRatioF();
    if (m_bitmap.isNull()) {
        m_bitmap = QImage((QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        m_bitmap.setDevicePixelRatio(ratio);
    }
    m_bitmap.fill(m_background);
    if (m_paintHandler) {
        QPainter painter(&m_bitmap);
        m_paintHandler(painter);
    }
    m_outOfDate = false;
    emit redrawn();
}
