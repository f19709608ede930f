#include "WidgetAccessibility.h"

#include "MenuToolButtonAccessible.h"
#include "TExBar.h"
#include "TExBarAccessible.h"

#include <QToolButton>

namespace {
QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    if (auto *bar = qobject_cast<TExBar *>(object))
        return new TExBarAccessible(bar);
    auto *button = qobject_cast<QToolButton *>(object);
    if (button && button->menu() && button->popupMode() == QToolButton::MenuButtonPopup)
        return new MenuToolButtonAccessible(button);
    return nullptr;
}
} // namespace

void WidgetAccessibility::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    (void)installed;
}
