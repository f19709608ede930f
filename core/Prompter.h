#pragma once

#include <QString>
#include <QUrl>
#include <optional>

// Every message, question, input box, file dialog and "open with the default program"
// goes through the application's prompter. The real one shows dialogs; tests install a
// scripted one.
class Prompter {
public:
    enum class Kind { Information, Warning, Error };

    virtual ~Prompter();

    // A message box with an OK button. An empty title means the application title.
    virtual void showMessage(const QString &text, const QString &title = {}, Kind kind = Kind::Information) = 0;
    // The standard error box for an error no handler caught.
    virtual void showError(const QString &text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const QString &text, const QString &title = {}) = 0;
    // A one-line input box; no value when cancelled.
    virtual std::optional<QString> askText(const QString &title, const QString &label, const QString &initial = {}, bool secret = false) = 0;
    // A file-open dialog; an empty text when cancelled.
    virtual QString chooseOpenFile(const QString &title, const QString &startDir, const QString &filter) = 0;
    // Opens a file or web address with the desktop's default program.
    virtual bool openExternally(const QUrl &url) = 0;
};

// The application's prompter. Without one installed, a prompter that writes to stderr and
// answers No/cancel is used, so nothing ever waits for a person by accident.
Prompter &prompter();
// Installs a prompter (not owned); nullptr restores the fallback.
void setPrompter(Prompter *prompter);
