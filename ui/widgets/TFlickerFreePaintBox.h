#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>

// Draws into an off-screen bitmap of its own size and only copies that bitmap to the
// screen, so redrawing never flickers. The bitmap is redrawn (cleared with the
// background colour, then painted by the handler) only when it is out of date.
class TFlickerFreePaintBox : public QWidget {
    Q_OBJECT
public:
    using PaintHandler = std::function<void(QPainter &)>;

    explicit TFlickerFreePaintBox(QWidget *parent = nullptr);

    void setPaintHandler(PaintHandler handler);
    void setBackground(const QColor &colour);
    QColor background() const { return m_background; }

    // Marks the bitmap out of date and schedules a paint.
    void Invalidate();
    bool isOutOfDate() const { return m_outOfDate; }
    // The bitmap, brought up to date first.
    const QImage &bitmap();

signals:
    // The bitmap has been drawn anew.
    void redrawn();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void redraw();

    PaintHandler m_paintHandler;
    QColor m_background = Qt::white;
    QImage m_bitmap;
    bool m_outOfDate = true;
};
