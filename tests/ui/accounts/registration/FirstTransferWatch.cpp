#include "tests/ui/accounts/registration/FirstTransferWatch.h"

#include "exchange/PictureDownloadPool.h"
#include "ui/exchange/TForm5.h"
#include "ui/accounts/TForm3.h"

#include <QTimer>

FirstTransferWatch::FirstTransferWatch(TForm3 &registration) : QObject(&registration)
{
    connect(&registration, &TForm3::exchangeWindowOpening, this, [this](TForm5 *window) {
        m_settings = window->settings;
        ++m_runs;
        window->Timer1->setInterval(0);
        connect(window, &TForm5::runFinished, window, [window] {
            if (PictureDownloadPool::shared())
                PictureDownloadPool::shared()->waitForIdle(20000);
            QMetaObject::invokeMethod(window, &QDialog::reject, Qt::QueuedConnection);
        });
    });
}
