#include "ui/exchange/TForm5.h"

#include "core/LoginContext.h"
#include "core/Prompter.h"
#include "exchange/HttpClient.h"
#include "exchange/PictureDownloadPool.h"
#include "exchange/TransferLock.h"
#include "store/Database.h"

#include "ui/widgets/DialogParts.h"
#include "ui/widgets/WidgetArtwork.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace {
PictureDownloadPool &picturePool()
{
    // Tests and tools without an installed pool still get one that lives for the process.
    if (!PictureDownloadPool::shared()) {
        static PictureDownloadPool fallback;
        PictureDownloadPool::setShared(&fallback);
    }
    return *PictureDownloadPool::shared();
}
} // namespace

TForm5::TForm5(QWidget *parent) : TForm5(loginContext().session(), parent) {}

TForm5::TForm5(const AccountSession &session, QWidget *parent)
    : QDialog(parent), m_session(session), m_client(std::make_unique<HttpClient>(HttpClient::Kind::ExchangeWindow)),
      m_relay(this, *this)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Datenaustausch mit dem Server"));
    // While the run works the other windows take no input.
    setWindowModality(Qt::ApplicationModal);
    buildControls();
    connect(&picturePool(), &PictureDownloadPool::pictureStored, this, [this] { advanceProgress1(2); });
}

TForm5::~TForm5()
{
    // The window cannot close while the run works; a window destroyed anyway waits for it,
    // and goes on delivering what the run hands over, so a report cannot block it forever.
    if (m_worker) {
        while (!m_worker->wait(10))
            QCoreApplication::processEvents();
        delete m_worker;
    }
}

void TForm5::buildControls()
{
    QWidget *side = DialogParts::whiteSidePanel(this, 170);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->addWidget(DialogParts::namedLabel(QStringLiteral("Serverabgleich"), side, "Label1", true));
    auto *logo = DialogParts::namedLabel(QString(), side, "Image1");
    logo->setPixmap(QPixmap(WidgetArtwork::GroupTasks));
    sideLayout->addWidget(logo);
    sideLayout->addWidget(DialogParts::namedLabel(
        QStringLiteral("Für den Serverabgleich muss eine stehende Internetverbindung bestehen"), side, "Label2"));
    sideLayout->addStretch();

    StatusLabel = DialogParts::namedLabel(QStringLiteral("Verbinde zum Auktionshaus ...."), this, "Label5");
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(15);
    ProgressBar1->setTextVisible(false);
    ProgressBar2 = new QProgressBar(this);
    ProgressBar2->setObjectName(QStringLiteral("ProgressBar2"));
    ProgressBar2->setRange(0, 100);
    ProgressBar2->setValue(0);
    ProgressBar2->setTextVisible(false);

    auto *bars = new QGridLayout;
    bars->addWidget(DialogParts::namedLabel(QStringLiteral("0%"), this, "Label6"), 0, 0);
    bars->addWidget(ProgressBar1, 0, 1);
    bars->addWidget(DialogParts::namedLabel(QStringLiteral("100%"), this, "Label7"), 0, 2);
    bars->addWidget(DialogParts::namedLabel(QStringLiteral("Bilderdownload ...."), this, "Label8"), 1, 1);
    bars->addWidget(DialogParts::namedLabel(QStringLiteral("0%"), this, "Label9"), 2, 0);
    bars->addWidget(ProgressBar2, 2, 1);
    bars->addWidget(DialogParts::namedLabel(QStringLiteral("100%"), this, "Label10"), 2, 2);
    ActivityBar = new QProgressBar(this);
    ActivityBar->setObjectName(QStringLiteral("ActivityBar"));
    ActivityBar->setAccessibleName(QStringLiteral("Übertragung läuft"));
    ActivityBar->setRange(0, 100);
    ActivityBar->setValue(0);
    ActivityBar->setTextVisible(false);
    ActivityBar->setMaximumHeight(6);
    bars->addWidget(ActivityBar, 3, 1);

    auto *main = new QVBoxLayout;
    main->addWidget(DialogParts::namedLabel(
        QStringLiteral("Ihre Auktionen werden vom Server geladen. Bitte haben Sie ein wenig Geduld!"), this, "Label3", true));
    main->addWidget(DialogParts::namedLabel(QStringLiteral("Auktion/ Bilder werden heruntergeladen. Dieser Vorgang kann je "
                                                           "nach Größe einige Minuten in Anspruch nehmen."),
                                            this, "Label4"));
    main->addSpacing(8);
    main->addWidget(StatusLabel);
    main->addLayout(bars);
    main->addStretch();
    auto *outer = new QHBoxLayout(this);
    outer->addWidget(side);
    outer->addLayout(main, 1);
    setFixedSize(560, 260);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    m_activityTimer = new QTimer(this);
    m_activityTimer->setInterval(40);
    connect(m_activityTimer, &QTimer::timeout, this, [this] { moveActivity(); });
}

void TForm5::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Timer1->start();
}

void TForm5::Timer1Timer()
{
    Timer1->stop();
    RunExchange();
}

void TForm5::RunExchange()
{
    if (m_running)
        return;
    // Never interleaves with an unattended run on the same database.
    m_lock = std::make_unique<TransferLock>(m_session.ProgramDir);
    if (!m_lock->acquire(0)) {
        m_lock.reset();
        prompter().showMessage(TransferLock::busyMessage(), {}, Prompter::Kind::Warning);
        emit runFinished();
        done(QDialog::Rejected);
        return;
    }
    m_running = true;
    m_closeAfterRun = false;
    m_activityTimer->start();
    m_worker = QThread::create([this] { runOnWorker(); });
    connect(m_worker, &QThread::finished, this, [this] { workerFinished(); });
    m_worker->start();
}

void TForm5::runOnWorker()
{
    // The connection belongs to the thread that uses it.
    Database db(m_session.ProgramDir);
    ExchangeRun run(*m_client, db, m_session, m_relay, picturePool());
    run.runReportingErrors(settings);
    db.close();
    m_closeAfterRun = run.closeWindowAfterRun();
}

void TForm5::workerFinished()
{
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
    m_activityTimer->stop();
    m_lock.reset();
    m_running = false;
    emit runFinished();
    if (m_closeAfterRun)
        done(QDialog::Accepted);
}

void TForm5::moveActivity()
{
    ActivityBar->setValue((ActivityBar->value() + 5) % (ActivityBar->maximum() + 1));
}

void TForm5::closeEvent(QCloseEvent *event)
{
    // A run cannot be cancelled once it has started.
    if (m_running)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TForm5::keyPressEvent(QKeyEvent *event)
{
    if (m_running && event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void TForm5::setStatus(const QString &text)
{
    StatusLabel->setText(text);
    keepResponsive();
}

void TForm5::setProgress1(int value)
{
    ProgressBar1->setValue(std::clamp(value, ProgressBar1->minimum(), ProgressBar1->maximum()));
}

void TForm5::advanceProgress1(int step)
{
    setProgress1(ProgressBar1->value() + step);
}

void TForm5::setProgress2Maximum(int maximum)
{
    ProgressBar2->setMaximum(std::max(1, maximum));
}

void TForm5::advanceProgress2()
{
    ProgressBar2->setValue(std::min(ProgressBar2->maximum(), ProgressBar2->value() + 1));
}

void TForm5::fillProgress2()
{
    ProgressBar2->setValue(ProgressBar2->maximum());
}

void TForm5::appendRunLog(const QString &line)
{
    m_runLog.append(line);
}

void TForm5::report(ReportKind kind, const QString &text)
{
    switch (kind) {
    case ReportKind::Error:
        prompter().showMessage(text, {}, Prompter::Kind::Error);
        return;
    case ReportKind::UnhandledError:
        prompter().showError(text);
        return;
    case ReportKind::NewVersion:
    case ReportKind::Completed:
        prompter().showMessage(text);
        return;
    }
}
