#pragma once

#include "exchange/UpdateProgress.h"

#include <QDialog>
#include <functional>
#include <memory>

class HttpClient;
class QLabel;
class QProgressBar;
class QTimer;
class SoftwareUpdate;

// The window "Software-Update": checks the version at the update server and, when a newer
// one exists, downloads it, verifies its signature, starts it and ends the program. The
// opener switches its timer on; the check runs when the timer fires.
class TSoftwareupdate : public QDialog, public UpdateProgress {
    Q_OBJECT
public:
    // AppError with the update folder's path when that folder cannot be created.
    explicit TSoftwareupdate(QWidget *parent = nullptr);
    ~TSoftwareupdate() override;

    QLabel *Label3 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QTimer *Timer1 = nullptr;
    HttpClient &client() { return *m_client; }

    // What "end the program" does once an update was started; quits the application
    // unless replaced (tests).
    void setProgramEnd(std::function<void()> endProgram) { m_endProgram = std::move(endProgram); }

    void FormCreate();
    void Timer1Timer();
    void setUpdateProgress(int value) override;

signals:
    // The check is over (the window closes right after).
    void checkFinished();

private:
    void buildControls();
    void startUpdate(const QString &filePath);

    std::unique_ptr<HttpClient> m_client;
    std::unique_ptr<SoftwareUpdate> m_update;
    std::function<void()> m_endProgram;
};
