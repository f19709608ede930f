#pragma once

#include "core/Prompter.h"

// Answers every prompt without showing it: a fuzz run shows no boxes and writes nothing
// per input.
class SilentPrompter final : public Prompter {
public:
    void showMessage(const QString &, const QString &, Kind) override {}
    void showError(const QString &) override {}
    bool askYesNo(const QString &, const QString &) override { return false; }
    std::optional<QString> askText(const QString &, const QString &, const QString &, bool) override { return {}; }
    QString chooseOpenFile(const QString &, const QString &, const QString &) override { return {}; }
    bool openExternally(const QUrl &) override { return false; }

    // Installs one for the rest of the process.
    static void install();
};
