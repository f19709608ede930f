#pragma once

#include "core/Prompter.h"

#include <QList>
#include <QString>
#include <optional>

// A prompter for tests: installed while it lives, it answers the prompts it was told to
// expect, in order, records every prompt, and fails the test on any other prompt.
class ScriptedPrompter final : public Prompter {
public:
    enum class Type { Message, Error, Question, Input, OpenFile, OpenExternally };

    struct Prompt {
        Type type;
        QString title;
        QString text;
    };

    ScriptedPrompter();
    ~ScriptedPrompter() override;

    // text matches the prompt exactly; a text ending with "*" matches by its beginning.
    ScriptedPrompter &expectMessage(const QString &text);
    ScriptedPrompter &expectError(const QString &text);
    ScriptedPrompter &expectQuestion(const QString &text, bool answer);
    // Matches the input box by its label; no answer means the box is cancelled.
    ScriptedPrompter &expectInput(const QString &label, std::optional<QString> answer);
    ScriptedPrompter &expectOpenFile(const QString &answer);
    ScriptedPrompter &expectOpenExternally(const QString &url);

    const QList<Prompt> &prompts() const { return m_prompts; }
    int pending() const { return static_cast<int>(m_expected.size()); }
    // The rule the expectations follow: exactly, or by the beginning for a pattern ending with "*".
    static bool matches(const QString &pattern, const QString &text);
    // Fails the test when expected prompts did not come.
    void verify();

    void showMessage(const QString &text, const QString &title, Kind kind) override;
    void showError(const QString &text) override;
    bool askYesNo(const QString &text, const QString &title) override;
    std::optional<QString> askText(const QString &title, const QString &label, const QString &initial, bool secret) override;
    QString chooseOpenFile(const QString &title, const QString &startDir, const QString &filter) override;
    bool openExternally(const QUrl &url) override;

private:
    struct Expectation {
        Type type;
        QString text;
        bool yes = false;
        std::optional<QString> answer;
    };

    // Records the prompt and returns the matching expectation, or none (the test failed).
    std::optional<Expectation> take(Type type, const QString &title, const QString &text);

    QList<Expectation> m_expected;
    QList<Prompt> m_prompts;
    bool m_verified = false;
};
