#include "TExBar.h"

#include "TFlickerFreePaintBox.h"
#include "WidgetAccessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

namespace {
const QSize InitialSize(218, 300);
// Showing the scroll bar only ever makes the content taller (narrower lines wrap more),
// hiding it only shorter, so the rule settles after at most two passes.
const int MaxLayoutPasses = 3;
} // namespace

TExBar::TExBar(QWidget *owner)
    : QScrollArea(owner), m_paintBox(new TFlickerFreePaintBox), m_colors(TExBarColors::plain(palette()))
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setTracking(true);
    m_paintBox->setObjectName(QStringLiteral("PaintBox"));
    m_paintBox->setPaintHandler([this](QPainter &painter) { Paint(painter); });
    m_paintBox->installEventFilter(this);
    setWidget(m_paintBox);
    viewport()->setAutoFillBackground(true);
    ApplyColors();
    resize(InitialSize);
    WidgetAccessibility::install();
}

TExBar::~TExBar()
{
    m_paintBox->removeEventFilter(this);
}

QSize TExBar::sizeHint() const
{
    return InitialSize;
}

const TImageList *TExBar::GroupIcons() const
{
    return m_groupIcons ? &*m_groupIcons : nullptr;
}

void TExBar::SetGroupIcons(const TImageList &icons)
{
    m_groupIcons = icons;
    Realign();
}

const TImageList *TExBar::ItemIcons() const
{
    return m_itemIcons ? &*m_itemIcons : nullptr;
}

void TExBar::SetItemIcons(const TImageList &icons)
{
    m_itemIcons = icons;
    Realign();
}

void TExBar::SetSkin(const QImage &picture)
{
    // A smaller picture would be read beyond its edges: it counts as none.
    const bool usable = picture.width() >= SkinMinimumWidth && picture.height() >= SkinMinimumHeight;
    m_skin = usable ? picture.convertToFormat(QImage::Format_RGB32) : QImage();
    m_colors = usable ? TExBarColors::fromSkin(m_skin) : TExBarColors::plain(palette());
    ApplyColors();
    Redraw();
}

void TExBar::ApplyColors()
{
    QPalette colours = viewport()->palette();
    colours.setColor(QPalette::Window, m_colors.background);
    viewport()->setPalette(colours);
    m_paintBox->setBackground(m_colors.background);
}

QFont TExBar::CaptionFont() const
{
    QFont caption = font();
    caption.setBold(true);
    return caption;
}

void TExBar::BeginUpdate()
{
    ++m_updateCount;
}

void TExBar::EndUpdate()
{
    if (m_updateCount == 0)
        return;
    if (--m_updateCount == 0) {
        Realign();
        // Assistive tools read the groups and entries anew.
        QAccessibleEvent refilled(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&refilled);
    }
}

void TExBar::Clear()
{
    m_hot = {};
    m_pressed = {};
    setToolTip(QString());
    m_paintBox->unsetCursor();
    m_groups.clear();
    Realign();
}

TExGroup *TExBar::AddGroup(const QString &caption, bool special)
{
    m_groups.push_back(std::make_unique<TExGroup>(this, caption, special));
    Realign();
    return m_groups.back().get();
}

int TExBar::ClientWidth() const
{
    return viewport()->width();
}

int TExBar::ClientHeight() const
{
    return viewport()->height();
}

bool TExBar::ScrollBarShown() const
{
    return verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
}

void TExBar::Realign()
{
    if (m_updateCount > 0 || m_inLayout) {
        m_relayoutNeeded = true;
        return;
    }
    m_inLayout = true;
    for (int pass = 0; pass < MaxLayoutPasses; ++pass) {
        m_relayoutNeeded = false;
        MeasureAndPlace();
        ShowScrollBar(ClientHeight() < m_contentHeight);
        // The scroll bar takes its width from the client area, or gives it back.
        if (ClientWidth() == m_lastWidth && !m_relayoutNeeded)
            break;
    }
    m_relayoutNeeded = false;
    m_inLayout = false;
    emit laidOut();
    Redraw();
}

void TExBar::MeasureAndPlace()
{
    const int width = ClientWidth();
    m_lastWidth = width;
    int y = TopMargin;
    for (const auto &group : m_groups) {
        group->SetWidth(width - 2 * GroupMargin);
        const int fullHeight = group->Measure(GroupMargin);
        const bool bodyCounts = group->GroupState() == TExGroup::Expanded || group->GroupState() == TExGroup::Expanding;
        y += HeaderHeight + (bodyCounts ? fullHeight : 0) + GroupGap;
    }
    m_contentHeight = y;

    // Groups are drawn stacked by their current body heights, so the ones below a
    // sliding group move with it.
    int top = TopMargin;
    for (const auto &group : m_groups)
        top += group->Arrange(GroupMargin, top) + GroupGap;

    // A collapsing body still slides: keep it visible until it is gone.
    const int paintHeight = AnyGroupCollapsing() ? qMax(m_contentHeight, ClientHeight() - 1) : m_contentHeight;
    m_paintBox->resize(width, paintHeight);
}

bool TExBar::AnyGroupCollapsing() const
{
    for (const auto &group : m_groups) {
        if (group->GroupState() == TExGroup::Collapsing)
            return true;
    }
    return false;
}

void TExBar::ShowScrollBar(bool shown)
{
    const Qt::ScrollBarPolicy policy = shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (verticalScrollBarPolicy() != policy)
        setVerticalScrollBarPolicy(policy);
}

void TExBar::Resize()
{
    if (ClientWidth() != m_lastWidth || ScrollBarShown() != (ClientHeight() < m_contentHeight))
        Realign();
}

void TExBar::Redraw()
{
    if (m_updateCount == 0)
        m_paintBox->Invalidate();
}

void TExBar::Paint(QPainter &painter)
{
    if (m_updateCount > 0)
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const auto &group : m_groups)
        group->Draw(painter);
}

// After the scroll area has placed its viewport for the new size.
bool TExBar::event(QEvent *event)
{
    const bool handled = QScrollArea::event(event);
    if (event->type() == QEvent::Resize)
        Resize();
    return handled;
}

bool TExBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_paintBox)
        return QScrollArea::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        MouseMove(static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    case QEvent::MouseButtonPress:
        MouseDown(static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        MouseUp(static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    case QEvent::Leave:
        MouseLeave();
        break;
    default:
        break;
    }
    return QScrollArea::eventFilter(watched, event);
}

TExBar::Element TExBar::ElementAt(const QPoint &point) const
{
    for (const auto &group : m_groups) {
        if (group->HeaderRect().contains(point))
            return {group.get(), nullptr};
        if (TExMenuItem *item = group->ItemAt(point))
            return {nullptr, item};
    }
    return {};
}

void TExBar::SetHot(const Element &element)
{
    if (element == m_hot)
        return;
    m_hot = element;
    setToolTip(element.item ? element.item->Description() : QString());
    if (QToolTip::isVisible())
        QToolTip::hideText();
    if (element.isNone())
        m_paintBox->unsetCursor();
    else
        m_paintBox->setCursor(Qt::PointingHandCursor);
    Redraw();
}

void TExBar::MouseMove(const QPoint &point)
{
    SetHot(ElementAt(point));
}

void TExBar::MouseDown(const QPoint &point)
{
    SetHot(ElementAt(point));
    m_pressed = m_hot;
}

// Only a release on the element the button went down on counts as a click.
void TExBar::MouseUp(const QPoint &point)
{
    SetHot(ElementAt(point));
    const Element pressed = m_pressed;
    m_pressed = {};
    if (pressed.isNone() || !(pressed == m_hot))
        return;
    if (pressed.header) {
        pressed.header->Toggle();
        return;
    }
    ClickItem(pressed.item);
}

void TExBar::ClickItem(const TExMenuItem *item)
{
    // The handler may refill the bar, which frees the entry: nothing of it is used afterwards.
    const int id = item->Id();
    emit OnMenuItemClick(this, id);
}

void TExBar::MouseLeave()
{
    SetHot({});
}
