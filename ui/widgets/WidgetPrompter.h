#pragma once

#include "core/Prompter.h"

// The prompter of the running program: real message boxes, input boxes and file dialogs.
class WidgetPrompter final : public Prompter {
public:
    void showMessage(const QString &text, const QString &title, Kind kind) override;
    void showError(const QString &text) override;
    bool askYesNo(const QString &text, const QString &title) override;
    std::optional<QString> askText(const QString &title, const QString &label, const QString &initial, bool secret) override;
    QString chooseOpenFile(const QString &title, const QString &startDir, const QString &filter) override;
    bool openExternally(const QUrl &url) override;
};
