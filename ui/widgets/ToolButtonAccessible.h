#pragma once

#include <QAccessibleWidget>

class QToolButton;

// A tool button as assistive tools see it. One with a drop-down menu beside its face is a
// button that can be pressed, like a click on its face, and whose menu can be shown; Qt's
// own view of such a button offers only the menu. The view follows the button as it is
// now: a button often gets its menu after assistive tools first asked for it.
class ToolButtonAccessible : public QAccessibleWidget {
public:
    explicit ToolButtonAccessible(QToolButton *button);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QToolButton *button() const;
    bool hasMenu() const;
    bool hasSplitMenu() const;
};
