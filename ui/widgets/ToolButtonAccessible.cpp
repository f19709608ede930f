#include "ToolButtonAccessible.h"

#include <QMetaObject>
#include <QToolButton>

ToolButtonAccessible::ToolButtonAccessible(QToolButton *button) : QAccessibleWidget(button, QAccessible::PushButton)
{
}

QToolButton *ToolButtonAccessible::button() const
{
    return static_cast<QToolButton *>(widget());
}

bool ToolButtonAccessible::hasMenu() const
{
    return button()->menu() != nullptr;
}

bool ToolButtonAccessible::hasSplitMenu() const
{
    return hasMenu() && button()->popupMode() == QToolButton::MenuButtonPopup;
}

QAccessible::Role ToolButtonAccessible::role() const
{
    if (hasSplitMenu() || (hasMenu() && button()->popupMode() == QToolButton::DelayedPopup))
        return QAccessible::ButtonDropDown;
    if (hasMenu())
        return QAccessible::ButtonMenu;
    return button()->isCheckable() ? QAccessible::CheckBox : QAccessible::PushButton;
}

QString ToolButtonAccessible::text(QAccessible::Text t) const
{
    QString text = QAccessibleWidget::text(t);
    if (t != QAccessible::Name || !text.isEmpty())
        return text;
    text = button()->text();
    text.remove(QLatin1Char('&'));
    return text.isEmpty() ? button()->toolTip() : text;
}

QAccessible::State ToolButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.hasPopup = hasMenu();
    state.pressed = button()->isDown();
    state.checkable = button()->isCheckable();
    state.checked = button()->isChecked();
    return state;
}

QStringList ToolButtonAccessible::actionNames() const
{
    if (!button()->isEnabled())
        return {};
    if (!hasMenu())
        return {button()->isCheckable() ? toggleAction() : pressAction()};
    if (button()->popupMode() == QToolButton::InstantPopup)
        return {showMenuAction()};
    return {pressAction(), showMenuAction()};
}

void ToolButtonAccessible::doAction(const QString &actionName)
{
    if (!actionNames().contains(actionName))
        return;
    if (actionName == showMenuAction())
        // The menu runs its own event loop; the tool asking for it must not wait for it.
        QMetaObject::invokeMethod(button(), &QToolButton::showMenu, Qt::QueuedConnection);
    else
        button()->click();
}
