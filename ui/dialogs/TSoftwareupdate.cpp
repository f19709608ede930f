#include "ui/dialogs/TSoftwareupdate.h"

#include "core/ErrorGuard.h"
#include "core/LoginContext.h"
#include "core/ProgramInfo.h"
#include "core/Prompter.h"
#include "exchange/HttpClient.h"
#include "exchange/SoftwareUpdate.h"
#include "exchange/UpdateSignature.h"

#include "ui/widgets/DialogParts.h"
#include "ui/widgets/WidgetArtwork.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString CurrentText = QStringLiteral("Ihre Version ist auf dem aktuellen Stand!");
const QString FailedText = QStringLiteral("Versionsaustausch fehlgeschlagen! Bitte prüfen Sie die Internetverbinung.");
const QString UnverifiedText = QStringLiteral(
    "Das Update konnte nicht als echt bestätigt werden: seine Signatur fehlt oder stimmt nicht. "
    "Die heruntergeladene Datei wurde gelöscht und nicht gestartet.");
const QString BadNameText = QStringLiteral(
    "Der Update-Server nennt einen unzulässigen Dateinamen (%1). Es wurde nichts heruntergeladen.");
const QString NotStartedText = QStringLiteral(
    "Das Update %1 wurde heruntergeladen, konnte aber nicht gestartet werden. Bitte starten Sie es selbst.");

} // namespace

TSoftwareupdate::TSoftwareupdate(QWidget *parent)
    : QDialog(parent), m_client(std::make_unique<HttpClient>(HttpClient::Kind::AccountOrUpdateWindow)),
      m_update(std::make_unique<SoftwareUpdate>(*m_client, loginContext().ProgramDir, loginContext().name,
                                                UpdateSignature::publicKeyFromHex(ProgramInfo::updatePublicKeyHex()))),
      m_endProgram([] { QCoreApplication::exit(0); })
{
    setObjectName(QStringLiteral("Softwareupdate"));
    setWindowTitle(QStringLiteral("Software-Update"));
    buildControls();
    // While a request runs the window repaints and shows its progress, but takes no input.
    m_client->setProgressHook([](qint64, qint64) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    FormCreate();
}

TSoftwareupdate::~TSoftwareupdate() = default;

void TSoftwareupdate::buildControls()
{
    QWidget *side = DialogParts::whiteSidePanel(this, 170);
    auto *sideLayout = new QVBoxLayout(side);
    auto *logo = DialogParts::namedLabel(QString(), side, "Image1");
    logo->setPixmap(QPixmap(WidgetArtwork::GroupTasks));
    sideLayout->addWidget(logo);
    sideLayout->addWidget(
        DialogParts::namedLabel(QStringLiteral("Für den Serverabgleich muss eine Internetverbindung bestehen"), side, "Label1"));
    Label3 = DialogParts::namedLabel(QStringLiteral("Version: "), side, "Label3", true);
    sideLayout->addWidget(Label3);
    sideLayout->addStretch();

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(15);
    ProgressBar1->setTextVisible(false);
    auto *bar = new QGridLayout;
    bar->addWidget(DialogParts::namedLabel(QStringLiteral("0%"), this, "Label5"), 0, 0);
    bar->addWidget(ProgressBar1, 0, 1);
    bar->addWidget(DialogParts::namedLabel(QStringLiteral("100%"), this, "Label6"), 0, 2);

    auto *main = new QVBoxLayout;
    main->addWidget(DialogParts::namedLabel(QStringLiteral("Software-Update"), this, "Label2", true));
    main->addWidget(DialogParts::namedLabel(
        QStringLiteral("1.) Versionsaustausch von PC zum Server  2.) Verfügbare Updates werden geprüft   "
                       "3.) Updates werden heruntergeladen      4.) Software wird neu gestartet"),
        this, "Label4"));
    main->addSpacing(8);
    main->addLayout(bar);
    main->addStretch();
    auto *outer = new QHBoxLayout(this);
    outer->addWidget(side);
    outer->addLayout(main, 1);
    setFixedSize(520, 220);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { runGuarded([this] { Timer1Timer(); }); });
}

void TSoftwareupdate::FormCreate()
{
    m_update->ensureUpdateFolder();
}

void TSoftwareupdate::Timer1Timer()
{
    Timer1->stop();
    Label3->setText(QStringLiteral("Version: ") + ProgramInfo::version());
    const SoftwareUpdate::Result result = m_update->run(*this);
    switch (result.outcome) {
    case SoftwareUpdate::Outcome::Current:
        prompter().showMessage(CurrentText);
        break;
    case SoftwareUpdate::Outcome::ConnectionFailed:
        prompter().showMessage(FailedText, {}, Prompter::Kind::Warning);
        break;
    case SoftwareUpdate::Outcome::BadFileName:
        prompter().showMessage(BadNameText.arg(result.detail), {}, Prompter::Kind::Warning);
        break;
    case SoftwareUpdate::Outcome::Unverified:
        prompter().showMessage(UnverifiedText, {}, Prompter::Kind::Warning);
        break;
    case SoftwareUpdate::Outcome::Ready:
        startUpdate(result.filePath);
        break;
    }
    emit checkFinished();
    done(QDialog::Accepted);
}

void TSoftwareupdate::startUpdate(const QString &filePath)
{
    if (!prompter().openExternally(QUrl::fromLocalFile(filePath))) {
        prompter().showMessage(NotStartedText.arg(filePath), {}, Prompter::Kind::Warning);
        return;
    }
    m_endProgram();
}

void TSoftwareupdate::setUpdateProgress(int value)
{
    ProgressBar1->setValue(value);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
