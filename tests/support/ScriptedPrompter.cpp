#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {
const char *typeName(ScriptedPrompter::Type type)
{
    switch (type) {
    case ScriptedPrompter::Type::Message: return "message";
    case ScriptedPrompter::Type::Error: return "error box";
    case ScriptedPrompter::Type::Question: return "question";
    case ScriptedPrompter::Type::Input: return "input box";
    case ScriptedPrompter::Type::OpenFile: return "file dialog";
    case ScriptedPrompter::Type::OpenExternally: return "open externally";
    }
    return "?";
}

} // namespace

bool ScriptedPrompter::matches(const QString &pattern, const QString &text)
{
    if (pattern.endsWith(QLatin1Char('*')))
        return text.startsWith(pattern.chopped(1));
    return pattern == text;
}

ScriptedPrompter::ScriptedPrompter()
{
    setPrompter(this);
}

ScriptedPrompter::~ScriptedPrompter()
{
    setPrompter(nullptr);
    if (!m_verified)
        verify();
}

ScriptedPrompter &ScriptedPrompter::expectMessage(const QString &text)
{
    m_expected.append({Type::Message, text, false, std::nullopt});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectError(const QString &text)
{
    m_expected.append({Type::Error, text, false, std::nullopt});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectQuestion(const QString &text, bool answer)
{
    m_expected.append({Type::Question, text, answer, std::nullopt});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectInput(const QString &label, std::optional<QString> answer)
{
    m_expected.append({Type::Input, label, false, std::move(answer)});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectOpenFile(const QString &answer)
{
    m_expected.append({Type::OpenFile, QStringLiteral("*"), false, answer});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectOpenExternally(const QString &url)
{
    m_expected.append({Type::OpenExternally, url, false, std::nullopt});
    return *this;
}

void ScriptedPrompter::verify()
{
    m_verified = true;
    for (const Expectation &e : m_expected)
        ADD_FAILURE() << "expected " << typeName(e.type) << " did not come: " << e.text.toStdString();
    m_expected.clear();
}

std::optional<ScriptedPrompter::Expectation> ScriptedPrompter::take(Type type, const QString &title, const QString &text)
{
    m_prompts.append({type, title, text});
    if (m_expected.isEmpty()) {
        ADD_FAILURE() << "unexpected " << typeName(type) << ": " << text.toStdString();
        return std::nullopt;
    }
    const Expectation next = m_expected.front();
    if (next.type != type || !matches(next.text, text)) {
        ADD_FAILURE() << "expected " << typeName(next.type) << " \"" << next.text.toStdString() << "\" but got "
                      << typeName(type) << " \"" << text.toStdString() << "\"";
        return std::nullopt;
    }
    m_expected.removeFirst();
    return next;
}

void ScriptedPrompter::showMessage(const QString &text, const QString &title, Kind)
{
    take(Type::Message, title, text);
}

void ScriptedPrompter::showError(const QString &text)
{
    take(Type::Error, QString(), text);
}

bool ScriptedPrompter::askYesNo(const QString &text, const QString &title)
{
    const auto e = take(Type::Question, title, text);
    return e && e->yes;
}

std::optional<QString> ScriptedPrompter::askText(const QString &title, const QString &label, const QString &, bool)
{
    const auto e = take(Type::Input, title, label);
    return e ? e->answer : std::nullopt;
}

QString ScriptedPrompter::chooseOpenFile(const QString &title, const QString &, const QString &)
{
    const auto e = take(Type::OpenFile, title, title);
    return e && e->answer ? *e->answer : QString();
}

bool ScriptedPrompter::openExternally(const QUrl &url)
{
    return take(Type::OpenExternally, QString(), url.toString()).has_value();
}
