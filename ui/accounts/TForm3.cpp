#include "ui/accounts/TForm3.h"

#include "core/ErrorGuard.h"
#include "core/LoginContext.h"
#include "core/Prompter.h"
#include "exchange/AccountCheck.h"
#include "exchange/HttpClient.h"
#include "ui/exchange/TForm5.h"

#include "ui/widgets/DialogParts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int DefaultAuctionHouseId = 11;
const QString ErrorTitle = QStringLiteral("Fehler");

QLabel *label(const QString &text, QWidget *parent, const char *name)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(true);
    return l;
}

void showFailure(const QString &text)
{
    prompter().showMessage(text, ErrorTitle, Prompter::Kind::Error);
}

void useAuctionHouse(AuctionHouse &target, const Accounts::AuctionHouse &house)
{
    target.url = house.url;
    target.aukid = house.id;
    target.name = house.name;
    // The first transfer run forms upload and picture addresses by the house's kind.
    target.typ = house.typ;
}

} // namespace

TForm3::TForm3(QWidget *parent)
    : QDialog(parent), m_client(std::make_unique<HttpClient>(HttpClient::Kind::AccountOrUpdateWindow))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Neuen User hinzufügen"));
    buildControls();
    // While the server is asked the window repaints, but takes no input.
    m_client->setProgressHook([](qint64, qint64) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    runGuarded([this] { FormCreate(); });
}

TForm3::~TForm3() = default;

void TForm3::buildControls()
{
    QWidget *side = DialogParts::whiteSidePanel(this, 170);
    Label1 = label(QStringLiteral("Neuen User anlegen"), side, "Label1");
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label2 = label(QStringLiteral("Beachten Sie bitte dass eine Verbindung zum Internet bestehen muss"), side, "Label2");
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->addWidget(Label1);
    sideLayout->addWidget(Label2);
    sideLayout->addStretch();

    Label3 = label(QStringLiteral("Bitte geben Sie Ihren Benutzernamen ein:"), this, "Label3");
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label3->setBuddy(Edit1);
    Label4 = label(QStringLiteral("Bitte geben Sie Ihr Passwort ein:"), this, "Label4");
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setEchoMode(QLineEdit::Password);
    Edit2->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
    Label4->setBuddy(Edit2);
    Label5 = label(QStringLiteral("Auktionshaus:"), this, "Label5");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setPlaceholderText(QStringLiteral("-- Bitte wählen"));
    Label5->setBuddy(ComboBox1);

    Button1 = new QPushButton(QStringLiteral("Hinzufügen"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Abbrechen"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *fields = new QVBoxLayout;
    for (QWidget *w : {static_cast<QWidget *>(Label3), static_cast<QWidget *>(Edit1),
                       static_cast<QWidget *>(Label4), static_cast<QWidget *>(Edit2),
                       static_cast<QWidget *>(Label5), static_cast<QWidget *>(ComboBox1)})
        fields->addWidget(w);
    fields->addStretch();
    fields->addLayout(buttons);
    auto *outer = new QHBoxLayout(this);
    outer->addWidget(side);
    outer->addLayout(fields, 1);
    setFixedSize(520, 240);
}

void TForm3::FormCreate()
{
    ComboBox1->clear();
    for (const Accounts::AuctionHouse &house : m_accounts.auctionHouses())
        ComboBox1->addItem(house.name, house.id);
    ComboBox1->setCurrentIndex(ComboBox1->findData(DefaultAuctionHouseId));
    Label5->hide();
    ComboBox1->hide();
}

void TForm3::Button1Click()
{
    runGuarded([this] { RegisterUser(); });
    // Every way that keeps the window open leaves it ready for another try.
    Button1->setEnabled(true);
}

void TForm3::Button2Click()
{
    close();
}

std::optional<Accounts::AuctionHouse> TForm3::selectedAuctionHouse()
{
    if (ComboBox1->currentIndex() < 0)
        return std::nullopt;
    return m_accounts.auctionHouseNamed(ComboBox1->currentText());
}

void TForm3::RegisterUser()
{
    const std::optional<Accounts::AuctionHouse> house = selectedAuctionHouse();
    if (!house) {
        prompter().showMessage(QStringLiteral("Bitte wählen Sie das Auktionshaus aus!"));
        return;
    }
    // A sub-account is registered for the master: the login stays the master's.
    const bool ownAccount = m_masterId == 0;
    AccountSession session = loginContext().session();
    useAuctionHouse(session.house, *house);
    if (ownAccount)
        useAuctionHouse(loginContext(), *house);
    Button1->setEnabled(false);
    const QString userName = Edit1->text();
    const QString password = Edit2->text();
    const QString reply = askServer(*house, userName, password);
    if (AccountCheck::isRejection(reply)) {
        showFailure(QStringLiteral("Die von Ihnen eingegebenen Benutzerdaten sind falsch! Bitte versuchen Sie es erneut!"));
        return;
    }
    if (m_accounts.userExists(userName, house->id)) {
        showFailure(QStringLiteral("Dieser Benutzer ist bereits in der Datenbank vorhanden!"));
        close();
        return;
    }
    const Accounts::ServerData server = AccountCheck::parseReply(reply);
    session.userID = m_accounts.addUser({userName, password, house->name, house->id, m_masterId, server});
    session.usern = userName;
    session.password = password;
    session.uid = server.uid;
    if (ownAccount)
        loginContext().userID = session.userID;
    const bool importAll = prompter().askYesNo(
        QStringLiteral("Wollen Sie alle Auktionen importieren? (Zeitkritischer Zustand!)"), QStringLiteral("Auktionsimport"));
    RunFirstTransfer(session, importAll);
    accept();
}

QString TForm3::askServer(const Accounts::AuctionHouse &house, const QString &userName, const QString &password)
{
    const std::optional<QString> reply = AccountCheck(*m_client).ask(house.url, userName, password);
    if (reply)
        return *reply;
    showFailure(QStringLiteral("Verbindung zum Server fehlgeschlagen! Stellen Sie sicher dass eine Internetverbindung "
                               "besteht und versuchen Sie es nochmal!"));
    return {};
}

void TForm3::RunFirstTransfer(const AccountSession &session, bool fetchListings)
{
    TForm5 exchange(session, this);
    exchange.settings.userName = session.usern;
    exchange.settings.password = session.password;
    exchange.settings.uid = session.uid;
    exchange.settings.FetchData = true;
    exchange.settings.SendTransferList = true;
    exchange.settings.FetchListings = fetchListings;
    exchange.settings.ReloadAll = false;
    emit exchangeWindowOpening(&exchange);
    exchange.exec();
}
