#include "app/VeltranoApplication.h"

#include "app/ErrorGuard.h"
#include "app/ProgramInfo.h"
#include "app/Prompter.h"

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
