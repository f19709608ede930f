#pragma once

#include <QWebEnginePage>

// The page behind every view of a description. Descriptions come from CSV files and
// servers too, so the page runs none of their scripts, and it leaves the document only
// for the loads the program itself starts: links, refreshes and forms go nowhere.
// The program's own scripts still run, in the application's world.
class DescriptionPage final : public QWebEnginePage {
    Q_OBJECT
public:
    explicit DescriptionPage(QObject *parent = nullptr);

    // Loads an address or an HTML text; only these navigations are let through.
    void loadOwn(const QUrl &url);
    void showHtml(const QString &html, const QUrl &baseUrl);
    // Runs one of the program's scripts on the document.
    void runOwnScript(const QString &script);

signals:
    void navigationRefused(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceID) override;

private:
    int m_ownLoadsPending = 0;
};
