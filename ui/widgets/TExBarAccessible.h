#pragma once

#include <QAccessibleWidget>
#include <QMap>
#include <QPair>

class TExBar;

// The side bar for assistive tools: its children are its groups, and theirs the entries,
// which the bar draws itself and would otherwise be invisible.
class TExBarAccessible : public QAccessibleWidget {
public:
    explicit TExBarAccessible(TExBar *bar);
    ~TExBarAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    // The interface of a group (itemIndex -1) or an entry, made once and kept by Qt.
    QAccessibleInterface *part(int groupIndex, int itemIndex) const;
    // The child of parent whose rectangle holds the screen point, or none.
    static QAccessibleInterface *childContaining(const QAccessibleInterface &parent, int x, int y);

private:
    TExBar *bar() const;

    mutable QMap<QPair<int, int>, QAccessible::Id> m_parts;
};
