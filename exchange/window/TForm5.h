#pragma once

#include "exchange/ExchangeProgress.h"
#include "exchange/ExchangeRun.h"

#include <QDialog>
#include <QStringList>
#include <memory>

class Database;
class HttpClient;
class QLabel;
class QProgressBar;
class QTimer;

// The exchange window "Datenaustausch mit dem Server": one transfer run with the server,
// started a moment after the window appears.
class TForm5 : public QDialog, public ExchangeProgress {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);
    ~TForm5() override;

    // The run's settings, set by the starter before the window is shown.
    ExchangeRun::Settings settings;

    QLabel *StatusLabel = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QProgressBar *ProgressBar2 = nullptr;
    QTimer *Timer1 = nullptr;
    const QStringList &runLog() const { return m_runLog; }
    bool isRunning() const { return m_running; }
    HttpClient &client() { return *m_client; }

    void RunExchange();

    void setStatus(const QString &text) override;
    void setProgress1(int value) override;
    void advanceProgress1(int step) override;
    void setProgress2Maximum(int maximum) override;
    void advanceProgress2() override;
    void fillProgress2() override;
    void appendRunLog(const QString &line) override;
    void keepResponsive() override;

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

    std::unique_ptr<HttpClient> m_client;
    std::unique_ptr<Database> m_db;
    QStringList m_runLog;
    bool m_running = false;
};
