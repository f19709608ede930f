#include "ui/accounts/TForm2.h"

#include "app/ErrorGuard.h"
#include "app/LoginContext.h"
#include "app/ProgramInfo.h"
#include "store/AuctionHouseNames.h"
#include "store/PictureFolder.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TForm2::TForm2(const QString &programDir, QWidget *parent) : QDialog(parent)
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
    setFixedSize(560, 340);
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
