#include "core/ProgramInfo.h"
#include "core/Prompter.h"
#include "app/CommandLine.h"
#include "app/VeltranoApplication.h"
#include "app/WindowRegistry.h"
#include "exchange/PictureDownloadPool.h"
#include "ui/login/TForm2.h"
#include "ui/widgets/WidgetPrompter.h"

#include <QStandardPaths>

int main(int argc, char *argv[])
{
    // The web views of the listing editor need this before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // With arguments: help, version or a transfer run without windows.
    if (argc > 1)
        return CommandLine::run(argc, argv);
    VeltranoApplication app(argc, argv);
    WidgetPrompter dialogs;
    setPrompter(&dialogs);

    const QString programDir = ProgramInfo::resolveProgramDir(
        QCoreApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // Picture downloads outlive the exchange window; whatever is left ends with the program.
    PictureDownloadPool pictures;
    PictureDownloadPool::setShared(&pictures);
    WindowRegistry windows(programDir);
    windows.Form2->show();
    const int result = app.exec();
    setPrompter(nullptr);
    return result;
}
