#include "TExGroup.h"

#include "TExBar.h"
#include "WidgetArtwork.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// Cells of a skin header row: left cap, stretched middle, and the four right cells.
const int SkinNormalRowTop = 1;
const int SkinSpecialRowTop = 25;
const int SkinBandHeight = 23;
const QRect SkinCap(7, 0, 5, SkinBandHeight);
const QRect SkinMiddle(13, 0, 151, SkinBandHeight);
const int SkinCellLeft[] = {164, 190, 216, 242}; // expanded, expanded hot, collapsed, collapsed hot
const int CapWidth = 5;
const int CaptionMargin = 8;
const int CaptionMarginWithIcon = 40;
const int GlyphFromRight = 24;
const int GlyphTop = 16;
const int AnimationSpeedDivisor = 150;

} // namespace

TExGroup::TExGroup(TExBar *bar, const QString &caption, bool special)
    : m_bar(bar), m_caption(caption), m_special(special)
{
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { AnimationStep(); });
}

void TExGroup::SetIconIndex(int index)
{
    m_iconIndex = index;
    m_bar->Realign();
}

TExMenuItem *TExGroup::AddItem(const QString &caption, const QString &description, int imageIndex, int id)
{
    if (!m_bar->ItemIcons())
        return nullptr;
    m_items.push_back(std::make_unique<TExMenuItem>(this, caption, description, imageIndex, id));
    m_bar->Realign();
    return m_items.back().get();
}

void TExGroup::Toggle()
{
    if (!m_bar->Animate()) {
        m_timer.stop();
        m_state = (m_state == Expanded || m_state == Expanding) ? Collapsed : Expanded;
        m_bodyHeight = m_state == Expanded ? m_fullHeight : 0;
        m_bar->Realign();
        return;
    }
    switch (m_state) {
    case Expanded:
        m_targetHeight = 0;
        m_state = Collapsing;
        StartAnimation();
        break;
    case Collapsed:
        m_targetHeight = m_fullHeight;
        m_bodyHeight = 0;
        m_state = Expanding;
        StartAnimation();
        break;
    case Expanding: // turns back with its current height and step
        m_targetHeight = 0;
        m_state = Collapsing;
        break;
    case Collapsing:
        m_targetHeight = m_fullHeight;
        m_state = Expanding;
        break;
    }
    m_bar->Realign();
}

// Expanding slows down and collapsing speeds up: the step falls from just below the limit
// to zero, or rises from zero to the limit, by the same increment every tick.
void TExGroup::StartAnimation()
{
    m_stepIncrement = m_fullHeight / AnimationSpeedDivisor + 1;
    m_stepLimit = 1;
    for (int covered = 0; covered < m_fullHeight; m_stepLimit += m_stepIncrement)
        covered += m_stepLimit;
    m_step = m_state == Expanding ? m_stepLimit - 1 : 0;
    m_timer.start(m_bar->AnimationInterval());
}

void TExGroup::AnimationStep()
{
    if (m_state == Expanding) {
        m_bodyHeight = qMin(m_bodyHeight + m_step, m_fullHeight);
        m_step -= m_stepIncrement;
    } else if (m_state == Collapsing) {
        m_bodyHeight = qMax(m_bodyHeight - m_step, 0);
        m_step += m_stepIncrement;
    } else {
        return;
    }
    if (m_step >= m_stepLimit || m_step < 0)
        FinishAnimation();
    m_bar->Realign();
}

void TExGroup::FinishAnimation()
{
    m_timer.stop();
    m_bodyHeight = m_state == Expanding ? m_fullHeight : m_targetHeight;
    m_state = m_bodyHeight == 0 ? Collapsed : Expanded;
}

int TExGroup::Measure(int x)
{
    const QFontMetrics metrics(m_bar->font());
    const TImageList noIcons(0, 0);
    const TImageList &icons = m_bar->ItemIcons() ? *m_bar->ItemIcons() : noIcons;
    const int textRight = x + m_width - TExBar::GroupMargin;
    int offset = TExBar::BodyPadding;
    for (const auto &item : m_items)
        offset += item->Measure(metrics, icons, x, textRight, offset);
    m_fullHeight = offset + TExBar::BodyPadding;
    if (m_state == Expanded)
        m_bodyHeight = m_fullHeight;
    return m_fullHeight;
}

int TExGroup::Arrange(int x, int y)
{
    m_headerRect = QRect(x, y + TExBar::HeaderBandTop, m_width, TExBar::HeaderHeight - TExBar::HeaderBandTop);
    const int bodyTop = y + TExBar::HeaderHeight;
    m_bodyRect = m_state == Collapsed ? QRect() : QRect(x, bodyTop, m_width, m_bodyHeight);
    const int hiddenPart = m_state == Collapsed ? m_fullHeight : m_fullHeight - m_bodyHeight;
    for (const auto &item : m_items)
        item->Arrange(bodyTop - hiddenPart);
    return TExBar::HeaderHeight + (m_state == Collapsed ? 0 : m_bodyHeight);
}

TExMenuItem *TExGroup::ItemAt(const QPoint &point) const
{
    if (!m_bodyRect.contains(point))
        return nullptr;
    for (const auto &item : m_items) {
        if (item->HitRect().contains(point))
            return item.get();
    }
    return nullptr;
}

bool TExGroup::HasIcon() const
{
    return m_bar->GroupIcons() && m_bar->GroupIcons()->hasPicture(m_iconIndex);
}

void TExGroup::Draw(QPainter &painter) const
{
    DrawHeader(painter);
    if (m_state != Collapsed && m_bodyHeight > 0)
        DrawBody(painter);
}

void TExGroup::DrawHeader(QPainter &painter) const
{
    const QRect &band = m_headerRect;
    if (m_bar->HasSkin())
        DrawSkinHeader(painter, band);
    else
        DrawPlainHeader(painter, band);
    if (HasIcon())
        m_bar->GroupIcons()->draw(painter, band.left(), band.top() - TExBar::HeaderBandTop, m_iconIndex);
    DrawCaption(painter, band);
}

void TExGroup::DrawSkinHeader(QPainter &painter, const QRect &band) const
{
    const QImage &skin = m_bar->Skin();
    const int rowTop = m_special ? SkinSpecialRowTop : SkinNormalRowTop;
    const bool showsCollapsed = m_state == Collapsed || m_state == Collapsing;
    const bool hot = m_bar->HotHeader() == this;
    const int cellLeft = SkinCellLeft[(showsCollapsed ? 2 : 0) + (hot ? 1 : 0)];
    const int cellWidth = TExBar::HeaderCellWidth;

    painter.drawImage(QRect(band.left(), band.top(), CapWidth, band.height()), skin, SkinCap.translated(0, rowTop));
    painter.drawImage(QRect(band.left() + CapWidth, band.top(), band.width() - CapWidth - cellWidth, band.height()),
                      skin, SkinMiddle.translated(0, rowTop));
    painter.drawImage(QRect(band.right() + 1 - cellWidth, band.top(), cellWidth, band.height()), skin,
                      QRect(cellLeft, rowTop, cellWidth, SkinBandHeight));
}

void TExGroup::DrawPlainHeader(QPainter &painter, const QRect &band) const
{
    const QPalette &palette = m_bar->palette();
    painter.fillRect(band, m_special ? palette.color(QPalette::Highlight) : palette.color(QPalette::Button));
    const bool showsCollapsed = m_state == Collapsed || m_state == Collapsing;
    const QColor colour = m_bar->HotHeader() == this ? (m_special ? m_bar->Colors().specialHotText : m_bar->Colors().hotText)
                                                     : (m_special ? m_bar->Colors().specialText : m_bar->Colors().text);
    painter.drawImage(QPoint(band.right() + 1 - GlyphFromRight, band.top() - TExBar::HeaderBandTop + GlyphTop),
                      WidgetArtwork::tintedGlyph(!showsCollapsed, colour));
}

void TExGroup::DrawCaption(QPainter &painter, const QRect &band) const
{
    const TExBarColors &colours = m_bar->Colors();
    const bool hot = m_bar->HotHeader() == this;
    painter.setPen(m_special ? (hot ? colours.specialHotText : colours.specialText) : (hot ? colours.hotText : colours.text));
    painter.setFont(m_bar->CaptionFont());
    const int margin = HasIcon() ? CaptionMarginWithIcon : CaptionMargin;
    const QRect area(band.left() + margin, band.top(), band.width() - margin - TExBar::HeaderCellWidth, band.height());
    painter.save();
    painter.setClipRect(area);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_caption);
    painter.restore();
}

void TExGroup::DrawBody(QPainter &painter) const
{
    const TExBarColors &colours = m_bar->Colors();
    const QRect &body = m_bodyRect;
    painter.fillRect(body, colours.bodyFill);
    painter.save();
    painter.setClipRect(body);
    painter.setFont(m_bar->font());
    const TImageList noIcons(0, 0);
    const TImageList &icons = m_bar->ItemIcons() ? *m_bar->ItemIcons() : noIcons;
    for (const auto &item : m_items)
        item->Draw(painter, icons, colours, m_bar->HotItem() == item.get());
    painter.restore();

    painter.setPen(colours.bodyBorder);
    painter.drawLine(body.topLeft(), body.bottomLeft());
    painter.drawLine(body.bottomLeft(), body.bottomRight());
    painter.drawLine(body.topRight(), body.bottomRight());

    if (IsAnimating() && m_fullHeight > 0) {
        QColor veil = colours.background;
        veil.setAlphaF(qBound(0.0, double(m_fullHeight - m_bodyHeight) / m_fullHeight, 1.0));
        painter.fillRect(body, veil);
    }
}
