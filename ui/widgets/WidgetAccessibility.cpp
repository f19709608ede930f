#include "WidgetAccessibility.h"

#include "TExBar.h"
#include "TExBarAccessible.h"
#include "ToolButtonAccessible.h"

#include <QToolButton>

namespace {
QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    if (auto *bar = qobject_cast<TExBar *>(object))
        return new TExBarAccessible(bar);
    if (auto *button = qobject_cast<QToolButton *>(object))
        return new ToolButtonAccessible(button);
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
