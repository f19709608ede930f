#include "TExBarAccessible.h"

#include "TExBar.h"
#include "TExBarPartAccessible.h"

TExBarAccessible::TExBarAccessible(TExBar *bar) : QAccessibleWidget(bar, QAccessible::Pane)
{
}

TExBarAccessible::~TExBarAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_parts))
        QAccessible::deleteAccessibleInterface(id);
}

TExBar *TExBarAccessible::bar() const
{
    return static_cast<TExBar *>(widget());
}

int TExBarAccessible::childCount() const
{
    return bar()->GroupCount();
}

QAccessibleInterface *TExBarAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return part(index, -1);
}

int TExBarAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *groupPart = dynamic_cast<const TExBarPartAccessible *>(child);
    if (!groupPart || groupPart->bar() != bar() || groupPart->itemIndex() >= 0)
        return -1;
    return groupPart->groupIndex() < childCount() ? groupPart->groupIndex() : -1;
}

QAccessibleInterface *TExBarAccessible::childAt(int x, int y) const
{
    return childContaining(*this, x, y);
}

QAccessibleInterface *TExBarAccessible::childContaining(const QAccessibleInterface &parent, int x, int y)
{
    for (int i = 0; i < parent.childCount(); ++i) {
        QAccessibleInterface *part = parent.child(i);
        if (part && part->rect().contains(x, y))
            return part;
    }
    return nullptr;
}

QAccessibleInterface *TExBarAccessible::part(int groupIndex, int itemIndex) const
{
    const QPair<int, int> key(groupIndex, itemIndex);
    auto known = m_parts.constFind(key);
    if (known == m_parts.constEnd())
        known = m_parts.insert(
            key, QAccessible::registerAccessibleInterface(new TExBarPartAccessible(bar(), groupIndex, itemIndex)));
    return QAccessible::accessibleInterface(*known);
}
