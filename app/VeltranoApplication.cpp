#include "app/VeltranoApplication.h"

#include "core/ErrorGuard.h"
#include "core/ProgramInfo.h"
#include "core/Prompter.h"
#include "core/QtGermanTexts.h"

VeltranoApplication::VeltranoApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QString::fromLatin1(ProgramInfo::ApplicationTitle));
    setApplicationVersion(ProgramInfo::version());
    // The program ends when the seller closes the login window or the main window (their
    // close handlers end it), never because Qt found no visible window after a box closed.
    setQuitOnLastWindowClosed(false);
    QtGermanTexts::install();
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
