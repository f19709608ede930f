#include "ui/widgets/WidgetPrompter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include <algorithm>

namespace {
bool canCarryBoxes(const QWidget *window)
{
    const Qt::WindowType type = window->windowType();
    return window->isVisible() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen;
}

// A box always gets a window to belong to. A box of its own, without a parent, counts for
// Qt as a primary window, and closing it while no other primary window is visible ends the
// program. No window is active without a window manager, and under one for a moment after
// another box closed, so the active window alone is not enough.
QWidget *dialogParent()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto visible = std::find_if(windows.rbegin(), windows.rend(), canCarryBoxes);
    return visible == windows.rend() ? nullptr : *visible;
}

QString titleOrApplication(const QString &title)
{
    return title.isEmpty() ? QApplication::applicationName() : title;
}
} // namespace

void WidgetPrompter::showMessage(const QString &text, const QString &title, Kind kind)
{
    const QString caption = titleOrApplication(title);
    switch (kind) {
    case Kind::Information:
        QMessageBox::information(dialogParent(), caption, text);
        break;
    case Kind::Warning:
        QMessageBox::warning(dialogParent(), caption, text);
        break;
    case Kind::Error:
        QMessageBox::critical(dialogParent(), caption, text);
        break;
    }
}

void WidgetPrompter::showError(const QString &text)
{
    QMessageBox::critical(dialogParent(), QApplication::applicationName(), text);
}

bool WidgetPrompter::askYesNo(const QString &text, const QString &title)
{
    return QMessageBox::question(dialogParent(), titleOrApplication(title), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
        == QMessageBox::Yes;
}

std::optional<QString> WidgetPrompter::askText(const QString &title, const QString &label, const QString &initial, bool secret)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(dialogParent(), title, label,
                                                 secret ? QLineEdit::Password : QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

QString WidgetPrompter::chooseOpenFile(const QString &title, const QString &startDir, const QString &filter)
{
    return QFileDialog::getOpenFileName(dialogParent(), title, startDir, filter);
}

bool WidgetPrompter::openExternally(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}
