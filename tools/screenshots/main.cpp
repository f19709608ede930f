// Drives the real windows headless on sample data and saves pictures of them:
//   screenshots <output folder>
#include "core/ProgramInfo.h"
#include "tools/screenshots/ScreenshotRun.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The description views share their graphics contexts with the application.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    app.setApplicationName(QString::fromLatin1(ProgramInfo::ApplicationTitle));
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: screenshots <output folder>\n");
        return 2;
    }
    ScreenshotRun run(QDir(arguments.at(1)).absolutePath());
    const bool ok = run.saveAll();
    for (const QString &file : run.savedFiles())
        std::printf("%s\n", qPrintable(file));
    return ok ? 0 : 1;
}
