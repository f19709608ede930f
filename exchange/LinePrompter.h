#pragma once

#include "core/Prompter.h"

#include <functional>

// The prompter of a run without windows: every message becomes one line for the log
// (standard error), questions are answered No, nothing is opened. It remembers whether
// an error or a warning was shown.
class LinePrompter final : public Prompter {
public:
    using LineSink = std::function<void(const QString &line)>;

    explicit LinePrompter(LineSink sink);

    bool errorShown() const { return m_errorShown; }
    // Texts of the messages shown so far, in order.
    const QStringList &messages() const { return m_messages; }

    void showMessage(const QString &text, const QString &title, Kind kind) override;
    void showError(const QString &text) override;
    bool askYesNo(const QString &text, const QString &title) override;
    std::optional<QString> askText(const QString &title, const QString &label, const QString &initial, bool secret) override;
    QString chooseOpenFile(const QString &title, const QString &startDir, const QString &filter) override;
    bool openExternally(const QUrl &url) override;

    // The text on one line: line breaks become blanks.
    static QString oneLine(const QString &text);

private:
    void write(const QString &text);

    LineSink m_sink;
    QStringList m_messages;
    bool m_errorShown = false;
};
