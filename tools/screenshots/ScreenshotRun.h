#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QWidget;
class TForm1;
class TForm2;

// One run of the screenshot tool: a temporary program directory with sample accounts and
// listings, the login window and the main window driven as a seller would, and a PNG of
// each state.
class ScreenshotRun {
public:
    explicit ScreenshotRun(const QString &outputFolder);

    // False when a picture could not be written.
    bool saveAll();
    const QStringList &savedFiles() const { return m_saved; }

private:
    void addSampleData();
    bool save(QWidget *widget, const QString &name);
    bool saveLoginWindow(TForm2 &login);
    bool saveMainWindow(TForm1 &main);
    static void settle();

    QString m_output;
    QTemporaryDir m_programDir;
    QStringList m_saved;
};
