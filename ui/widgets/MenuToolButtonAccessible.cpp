#include "MenuToolButtonAccessible.h"

#include <QMetaObject>
#include <QToolButton>

MenuToolButtonAccessible::MenuToolButtonAccessible(QToolButton *button)
    : QAccessibleWidget(button, QAccessible::ButtonDropDown)
{
}

QToolButton *MenuToolButtonAccessible::button() const
{
    return static_cast<QToolButton *>(widget());
}

QAccessible::State MenuToolButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.hasPopup = true;
    state.pressed = button()->isDown();
    return state;
}

QStringList MenuToolButtonAccessible::actionNames() const
{
    if (!button()->isEnabled())
        return {};
    return {pressAction(), showMenuAction()};
}

void MenuToolButtonAccessible::doAction(const QString &actionName)
{
    if (!button()->isEnabled())
        return;
    if (actionName == pressAction())
        button()->click();
    else if (actionName == showMenuAction())
        // The menu runs its own event loop; the tool asking for it must not wait for it.
        QMetaObject::invokeMethod(button(), &QToolButton::showMenu, Qt::QueuedConnection);
}
