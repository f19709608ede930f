#include "app/VeltranoApplication.h"

#include "core/ErrorGuard.h"
#include "core/ProgramInfo.h"
#include "core/Prompter.h"

VeltranoApplication::VeltranoApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QString::fromLatin1(ProgramInfo::ApplicationTitle));
    setApplicationVersion(ProgramInfo::version());
}

bool VeltranoApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        prompter().showError(currentErrorText());
        return false;
    }
}
