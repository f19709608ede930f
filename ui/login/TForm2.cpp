#include "ui/login/TForm2.h"
#include "ui/accounts/TForm3.h"

#include "core/ErrorGuard.h"
#include "core/LoginContext.h"
#include "core/ProgramInfo.h"
#include "store/AuctionHouseNames.h"
#include "store/PictureFolder.h"
#include "ui/login/LoginContextFiller.h"
#include "ui/login/PasswordChange.h"
#include "core/Prompter.h"
#include "ui/main/MainWindowIcons.h"
#include "ui/main/TForm1.h"

#include "ui/widgets/DialogParts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QShowEvent>

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TForm2::TForm2(const QString &programDir, QWidget *parent)
    : QDialog(parent), m_accounts(ProgramInfo::withTrailingSeparator(programDir))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Morvelia"));
    buildControls();
    FormCreate(programDir);
}

void TForm2::buildControls()
{
    Label3 = new QLabel(QStringLiteral("Vorhandene Benutzernamen"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    ListView1 = new QListWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    Label3->setBuddy(ListView1);
    Label4 = new QLabel(QStringLiteral("Passwort:"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->hide();
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setEchoMode(QLineEdit::Password);
    Edit1->setEnabled(false);
    Edit1->hide();
    Label4->setBuddy(Edit1);

    const auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    Button1 = button("Button1", QStringLiteral("&Neu"));
    Button6 = button("Button6", QStringLiteral("Passwort ändern"));
    Button2 = button("Button2", QStringLiteral("&Entfernen"));
    Button3 = button("Button3", QStringLiteral("&Login"));
    Button6->setEnabled(false);
    Button2->setEnabled(false);
    Button3->setEnabled(false);
    Button3->setDefault(true);
    QFont loginFont = Button3->font();
    loginFont.setBold(true);
    Button3->setFont(loginFont);
    Button3->setStyleSheet(QStringLiteral("QPushButton:enabled { color: #800000; }"));
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setIconSize(QSize(16, 16));
    connect(ListView1, &QListWidget::itemSelectionChanged, this, &TForm2::selectionChanged);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm2::Edit1Change);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm2::Button3Click);
    connect(Button6, &QPushButton::clicked, this, &TForm2::Button6Click);

    auto *side = new QWidget(this);
    side->setObjectName(QStringLiteral("SidePanel"));
    side->setAutoFillBackground(true);
    QPalette sidePalette = side->palette();
    sidePalette.setColor(QPalette::Window, Qt::white);
    side->setPalette(sidePalette);
    auto *label5 = new QLabel(QStringLiteral("Loggen Sie sich ein"), side);
    label5->setObjectName(QStringLiteral("Label5"));
    auto *label1 = new QLabel(
        QStringLiteral("Sollte Ihr Benutzer hier nicht auftauchen, so klicken Sie auf neu um diesen hinzuzufügen."), side);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    Label2 = new QLabel(QStringLiteral("Version:"), side);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    label5->setFont(bold);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->addWidget(label5);
    sideLayout->addWidget(label1);
    sideLayout->addStretch();
    auto *image1 = new QLabel(side);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(MainWindowIcons::logo(QSize(156, 40)));
    sideLayout->addWidget(image1);
    sideLayout->addWidget(Label2);
    side->setFixedWidth(180);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {Button1, Button6, Button2})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(Button3);
    auto *main = new QVBoxLayout;
    main->addWidget(Label3);
    main->addWidget(ListView1);
    main->addWidget(Label4);
    main->addWidget(Edit1);
    main->addLayout(buttons);
    auto *outer = new QHBoxLayout(this);
    outer->addWidget(side);
    outer->addLayout(main);
    setFixedSize(640, 340);
}

void TForm2::FormCreate(const QString &programDir)
{
    Label2->setText(QStringLiteral("Version: ") + ProgramInfo::version());
    LoginContext &context = loginContext();
    context.ProgramDir = ProgramInfo::withTrailingSeparator(programDir);
    // Each step stops the rest on failure; the program goes on with what was done.
    runGuarded([&] {
        PictureFolder(context.ProgramDir).ensureExists();
        context.setAuctionHouseName(0, QStringLiteral("~ Multiuser ~"));
        AuctionHouseNames::load(context);
        setWindowTitle(QStringLiteral("Morvelia -- Veltrano"));
    });
}

void TForm2::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm2::FormShow()
{
    if (TForm1 *mainWindow = m_mainWindow) {
        mainWindow->close();
        m_mainWindow = nullptr;
    }
    runGuarded([this] { LoadAccountList(); });
}

void TForm2::closeEvent(QCloseEvent *event)
{
    m_closing = true;
    QDialog::closeEvent(event);
    m_closing = false;
    if (event->isAccepted())
        QCoreApplication::exit(0);
}

void TForm2::reject()
{
    if (m_closing)
        QDialog::reject();
}

void TForm2::LoadAccountList()
{
    ListView1->clear();
    const LoginContext &context = loginContext();
    const QIcon icon = DialogParts::accountIcon(QColor(0x4a, 0x6d, 0x22));
    for (const AccountEntry &account : m_accounts.ownAccounts()) {
        auto *item = new QListWidgetItem(icon, account.caption(context), ListView1);
        item->setData(UidRole, account.uid);
        item->setData(PasswordRole, account.password);
        item->setData(UsernRole, account.usern);
        item->setData(AukidRole, QString::number(account.aukid));
        item->setData(IdRole, QString::number(account.id));
    }
}

std::optional<AccountEntry> TForm2::selectedAccount() const
{
    if (!m_selected)
        return std::nullopt;
    return AccountEntry{m_selected->data(UidRole).toString(), m_selected->data(PasswordRole).toString(),
        m_selected->data(UsernRole).toString(), m_selected->data(AukidRole).toString().toInt(),
        m_selected->data(IdRole).toString().toInt()};
}

void TForm2::selectionChanged()
{
    const QList<QListWidgetItem *> selected = ListView1->selectedItems();
    QListWidgetItem *now = selected.isEmpty() ? nullptr : selected.first();
    if (now == m_selected)
        return;
    // The old entry is let go first, which empties the password field, so a password typed
    // for one account never opens another.
    if (QListWidgetItem *previous = m_selected) {
        m_selected = nullptr;
        ListView1SelectItem(previous, false);
    }
    if (now) {
        m_selected = now;
        ListView1SelectItem(now, true);
    }
}

void TForm2::ListView1SelectItem(QListWidgetItem *, bool selected)
{
    if (!selected)
        Edit1->clear();
    Edit1->setVisible(selected);
    Edit1->setEnabled(selected);
    Label4->setVisible(selected);
    Button2->setEnabled(selected);
    Button6->setEnabled(selected);
    if (selected)
        Edit1->setFocus();
    else
        Edit1Change();
}

void TForm2::Edit1Change()
{
    const std::optional<AccountEntry> account = selectedAccount();
    Button3->setEnabled(account && Edit1->text() == account->password);
}

void TForm2::Button1Click()
{
    runGuarded([this] {
        openRegistration();
        LoadAccountList();
    });
}

void TForm2::openRegistration()
{
    TForm3 registration(this);
    registration.setMasterId(0);
    registration.exec();
}

void TForm2::Button2Click()
{
    runGuarded([this] {
        const std::optional<AccountEntry> account = selectedAccount();
        if (!account)
            return;
        if (!prompter().askYesNo(QStringLiteral("Benutzer aus dem System entfernen?"), QStringLiteral("MessageBox")))
            return;
        m_accounts.removeUser(account->usern, account->aukid);
        LoadAccountList();
    });
}

void TForm2::Button6Click()
{
    runGuarded([this] {
        const std::optional<AccountEntry> account = selectedAccount();
        if (account && PasswordChange(m_accounts).run(*account))
            LoadAccountList();
    });
}

void TForm2::Button3Click()
{
    runGuarded([this] {
        const std::optional<AccountEntry> account = selectedAccount();
        if (!account || Edit1->text() != account->password)
            return;
        LoginContext &context = loginContext();
        LoginContextFiller(context.ProgramDir).fillAuctionHouse(context, account->aukid);
        // A window of its own, not a child of the login window: Qt counts a window whose
        // parent is hidden as secondary, and would end the program when a box over it closes.
        auto *mainWindow = new TForm1;
        m_mainWindows.emplace_back(mainWindow);
        m_mainWindow = mainWindow;
        mainWindow->SetUpAccount(account->usern, account->password, account->uid, this);
        context.userID = account->id;
        mainWindow->setWindowTitle(context.name + QStringLiteral(" -- Auktionshaus Veltrano"));
        mainWindow->show();
        hide();
    });
}
