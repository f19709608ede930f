#include "tests/ui/editor/description/ViewWaits.h"

#include <QDeadlineTimer>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <memory>
#include <optional>

namespace ViewWaits {

bool until(const std::function<bool()> &condition, int deadlineMs)
{
    const QDeadlineTimer deadline(deadlineMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

QVariant scriptResult(QWebEnginePage *page, const QString &script)
{
    auto result = std::make_shared<std::optional<QVariant>>();
    page->runJavaScript(script, QWebEngineScript::ApplicationWorld, [result](const QVariant &value) { *result = value; });
    until([&] { return result->has_value(); });
    return result->value_or(QVariant());
}

QString document(QWebEnginePage *page)
{
    auto result = std::make_shared<std::optional<QString>>();
    page->toHtml([result](const QString &html) { *result = html; });
    until([&] { return result->has_value(); });
    return result->value_or(QString());
}

bool loaded(QWebEnginePage *page)
{
    return until([page] {
        return scriptResult(page, QStringLiteral("document.readyState")).toString() == QLatin1String("complete");
    });
}

} // namespace ViewWaits
