#pragma once

#include <QAccessibleWidget>

class QToolButton;

// A tool button with a drop-down menu as assistive tools see it: a button that can be
// pressed, like a click on its face, and whose menu can be shown. Qt's own view of such a
// button offers only the menu.
class MenuToolButtonAccessible : public QAccessibleWidget {
public:
    explicit MenuToolButtonAccessible(QToolButton *button);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QToolButton *button() const;
};
