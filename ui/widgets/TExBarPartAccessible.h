#pragma once

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPointer>

class TExBar;
class TExGroup;
class TExMenuItem;

// What assistive tools see of a group or an entry that the side bar draws itself: a group
// (its caption, expanded or collapsed, toggled by its action) holding its entries (a button
// with the entry's text and description, pressed as by a click). It is found by its
// position in the bar, so it follows the bar when the bar is refilled.
class TExBarPartAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    // itemIndex -1: the group itself.
    TExBarPartAccessible(TExBar *bar, int groupIndex, int itemIndex);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

    TExBar *bar() const { return m_bar; }
    int groupIndex() const { return m_groupIndex; }
    int itemIndex() const { return m_itemIndex; }

private:
    bool isGroup() const { return m_itemIndex < 0; }
    TExGroup *group() const;
    TExMenuItem *item() const;
    // The part's rectangle in the coordinates of the bar's paint box.
    QRect localRect() const;

    QPointer<TExBar> m_bar;
    int m_groupIndex;
    int m_itemIndex;
};
