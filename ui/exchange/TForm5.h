#pragma once

#include "core/AccountSession.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/ExchangeRun.h"
#include "ui/exchange/ExchangeProgressRelay.h"

#include <QDialog>
#include <QStringList>
#include <memory>

class Database;
class HttpClient;
class TransferLock;
class QLabel;
class QProgressBar;
class QThread;
class QTimer;

// The exchange window "Datenaustausch mit dem Server": one transfer run with the server,
// started a moment after the window appears. The run works on a thread of its own and
// reports here, so the window repaints and shows its progress while a request waits; it
// is modal and cannot be closed while the run goes on.
class TForm5 : public QDialog, public ExchangeProgress {
    Q_OBJECT
public:
    // Runs for the logged-in account.
    explicit TForm5(QWidget *parent = nullptr);
    // Runs for the given account (a sub-account's first transfer).
    explicit TForm5(const AccountSession &session, QWidget *parent = nullptr);
    ~TForm5() override;

    // The run's settings, set by the starter before the window is shown.
    ExchangeRun::Settings settings;

    QLabel *StatusLabel = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QProgressBar *ProgressBar2 = nullptr;
    QTimer *Timer1 = nullptr;
    // Moves while the run is underway, also while a request waits for the server.
    QProgressBar *ActivityBar = nullptr;
    const QStringList &runLog() const { return m_runLog; }
    bool isRunning() const { return m_running; }
    HttpClient &client() { return *m_client; }

    // Starts the run on its worker thread; runFinished follows when it is over.
    void RunExchange();

    void setStatus(const QString &text) override;
    void setProgress1(int value) override;
    void advanceProgress1(int step) override;
    void setProgress2Maximum(int maximum) override;
    void advanceProgress2() override;
    void fillProgress2() override;
    void appendRunLog(const QString &line) override;
    void report(ReportKind kind, const QString &text) override;

signals:
    // The run returned (the window may still be open, waiting to be closed).
    void runFinished();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void Timer1Timer();
    // On the worker thread.
    void runOnWorker();
    void workerFinished();
    void moveActivity();

    AccountSession m_session;
    std::unique_ptr<HttpClient> m_client;
    ExchangeProgressRelay m_relay;
    QThread *m_worker = nullptr;
    std::unique_ptr<TransferLock> m_lock;
    QTimer *m_activityTimer = nullptr;
    QStringList m_runLog;
    bool m_running = false;
    bool m_closeAfterRun = false;
};
