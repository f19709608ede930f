#include "ui/editor/description/DescriptionPage.h"

#include <QWebEngineScript>
#include <QWebEngineSettings>

DescriptionPage::DescriptionPage(QObject *parent) : QWebEnginePage(parent)
{
    QWebEngineSettings *pageSettings = settings();
    pageSettings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    pageSettings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    pageSettings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    pageSettings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
}

void DescriptionPage::loadOwn(const QUrl &url)
{
    ++m_ownLoadsPending;
    load(url);
}

void DescriptionPage::showHtml(const QString &html, const QUrl &baseUrl)
{
    ++m_ownLoadsPending;
    setHtml(html, baseUrl);
}

void DescriptionPage::runOwnScript(const QString &script)
{
    runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

bool DescriptionPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    const bool ownLoad = isMainFrame && m_ownLoadsPending > 0 && type != NavigationTypeLinkClicked
        && type != NavigationTypeFormSubmitted;
    if (ownLoad) {
        --m_ownLoadsPending;
        return true;
    }
    emit navigationRefused(url);
    return false;
}

void DescriptionPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &, int, const QString &)
{
    // A description's messages are no business of the program's output.
}
