#pragma once

#include <QColor>
#include <QLabel>

// A bold title drawn twice, one pixel apart, the lower copy in the shadow colour. Without
// a text colour it is drawn once, in the shadow colour.
class ShadowLabel : public QLabel {
public:
    ShadowLabel(const QString &text, QColor shadow, QColor textColour, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_shadow;
    QColor m_text;
};
