#include "TExBarPartAccessible.h"

#include "TExBar.h"
#include "TExBarAccessible.h"
#include "TFlickerFreePaintBox.h"

TExBarPartAccessible::TExBarPartAccessible(TExBar *bar, int groupIndex, int itemIndex)
    : m_bar(bar), m_groupIndex(groupIndex), m_itemIndex(itemIndex)
{
}

TExGroup *TExBarPartAccessible::group() const
{
    if (!m_bar || m_groupIndex >= m_bar->GroupCount())
        return nullptr;
    return m_bar->Group(m_groupIndex);
}

TExMenuItem *TExBarPartAccessible::item() const
{
    TExGroup *owner = group();
    if (!owner || isGroup() || m_itemIndex >= owner->ItemCount())
        return nullptr;
    return owner->Item(m_itemIndex);
}

bool TExBarPartAccessible::isValid() const
{
    return isGroup() ? group() != nullptr : item() != nullptr;
}

// Like the cells of Qt's item views, a part has no object of its own: the cache would
// otherwise take it for the bar's interface.
QObject *TExBarPartAccessible::object() const
{
    return nullptr;
}

QWindow *TExBarPartAccessible::window() const
{
    QAccessibleInterface *barInterface = m_bar ? QAccessible::queryAccessibleInterface(m_bar) : nullptr;
    return barInterface ? barInterface->window() : nullptr;
}

QAccessibleInterface *TExBarPartAccessible::childAt(int x, int y) const
{
    return TExBarAccessible::childContaining(*this, x, y);
}

QAccessibleInterface *TExBarPartAccessible::parent() const
{
    if (!m_bar)
        return nullptr;
    auto *barInterface = static_cast<TExBarAccessible *>(QAccessible::queryAccessibleInterface(m_bar));
    return isGroup() ? barInterface : barInterface->part(m_groupIndex, -1);
}

QAccessibleInterface *TExBarPartAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    auto *barInterface = static_cast<TExBarAccessible *>(QAccessible::queryAccessibleInterface(m_bar));
    return barInterface->part(m_groupIndex, index);
}

int TExBarPartAccessible::childCount() const
{
    TExGroup *owner = isGroup() ? group() : nullptr;
    // Entries of a collapsed group are not shown, so they are not there for the reader either.
    if (!owner || owner->GroupState() == TExGroup::Collapsed)
        return 0;
    return owner->ItemCount();
}

int TExBarPartAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *entry = dynamic_cast<const TExBarPartAccessible *>(child);
    if (!isGroup() || !entry || entry->m_bar != m_bar || entry->m_groupIndex != m_groupIndex)
        return -1;
    return entry->m_itemIndex < childCount() ? entry->m_itemIndex : -1;
}

QString TExBarPartAccessible::text(QAccessible::Text t) const
{
    if (!isValid())
        return {};
    if (t == QAccessible::Name)
        return isGroup() ? group()->Caption() : item()->Caption();
    if (t == QAccessible::Description && !isGroup())
        return item()->Description();
    return {};
}

void TExBarPartAccessible::setText(QAccessible::Text, const QString &)
{
}

QRect TExBarPartAccessible::localRect() const
{
    if (!isValid())
        return {};
    return isGroup() ? group()->HeaderRect().united(group()->BodyRect()) : item()->HitRect();
}

QRect TExBarPartAccessible::rect() const
{
    const QRect local = localRect();
    if (local.isNull())
        return {};
    return QRect(m_bar->PaintBox()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role TExBarPartAccessible::role() const
{
    return isGroup() ? QAccessible::Grouping : QAccessible::PushButton;
}

QAccessible::State TExBarPartAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.invisible = !m_bar->isVisible();
    if (isGroup()) {
        const bool collapsed = group()->GroupState() == TExGroup::Collapsed
            || group()->GroupState() == TExGroup::Collapsing;
        state.expandable = true;
        state.expanded = !collapsed;
        state.collapsed = collapsed;
        return state;
    }
    state.hotTracked = m_bar->HotItem() == item();
    return state;
}

void *TExBarPartAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

QStringList TExBarPartAccessible::actionNames() const
{
    if (!isValid())
        return {};
    return {isGroup() ? toggleAction() : pressAction()};
}

void TExBarPartAccessible::doAction(const QString &actionName)
{
    if (!isValid())
        return;
    if (isGroup() && actionName == toggleAction())
        group()->Toggle();
    else if (!isGroup() && actionName == pressAction())
        m_bar->ClickItem(item());
}

QStringList TExBarPartAccessible::keyBindingsForAction(const QString &) const
{
    return {};
}
