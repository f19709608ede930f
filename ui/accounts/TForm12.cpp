#include "ui/accounts/TForm12.h"

#include "core/ErrorGuard.h"
#include "core/LoginContext.h"
#include "core/Prompter.h"
#include "ui/accounts/TForm3.h"

#include "ui/widgets/DialogParts.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>

namespace {

QLabel *heading(const QString &text, QWidget *parent, const char *name)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    QFont font = l->font();
    font.setBold(true);
    font.setUnderline(true);
    l->setFont(font);
    return l;
}

QPushButton *button(const QString &caption, QWidget *parent, const char *name)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TForm12::TForm12(QWidget *parent) : QDialog(parent), m_masterId(loginContext().userID)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Multi-Benutzerverwaltung"));
    buildControls();
    runGuarded([this] { FormCreate(); });
}

void TForm12::buildControls()
{
    Label1 = new QLabel(QStringLiteral("Verwalten Sie Ihre Benutzer der Auktionshäuser, damit Sie mit dem Morvelias-Tool "
                                       "Ihre Artikel einstellen können."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label2 = heading(QStringLiteral("Angelegte Benutzer"), this, "Label2");
    ListView1 = new QListWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setViewMode(QListView::ListMode);
    ListView1->setIconSize(QSize(16, 16));
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Label2->setBuddy(ListView1);
    Button1 = button(QStringLiteral("Hinzufügen"), this, "Button1");
    Button2 = button(QStringLiteral("Entfernen"), this, "Button2");

    Label3 = heading(QStringLiteral("Verfügbare Auktionshäuser"), this, "Label3");
    ListView2 = new QTreeWidget(this);
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("URL")});
    ListView2->setColumnWidth(0, 235);
    ListView2->setColumnWidth(1, 300);
    ListView2->setRootIsDecorated(false);
    ListView2->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Label3->setBuddy(ListView2);
    Button3 = button(QStringLiteral("URL öffnen"), this, "Button3");

    connect(Button1, &QPushButton::clicked, this, &TForm12::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm12::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm12::Button3Click);

    auto *layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0, 1, 2);
    layout->addWidget(Label2, 1, 0, 1, 2);
    layout->addWidget(ListView1, 2, 0, 3, 1);
    layout->addWidget(Button1, 2, 1);
    layout->addWidget(Button2, 3, 1);
    layout->addWidget(Label3, 5, 0, 1, 2);
    layout->addWidget(ListView2, 6, 0, 2, 1);
    layout->addWidget(Button3, 6, 1);
    layout->setRowStretch(4, 1);
    layout->setRowStretch(7, 1);
    resize(700, 480);
}

void TForm12::FormCreate()
{
    LoadAuctionHouses();
    LoadSubAccounts();
}

void TForm12::LoadAuctionHouses()
{
    const std::vector<Accounts::AuctionHouse> houses = m_accounts.auctionHouses();
    ListView2->clear();
    for (const Accounts::AuctionHouse &house : houses)
        new QTreeWidgetItem(ListView2, {house.name, house.url});
}

void TForm12::LoadSubAccounts()
{
    const std::vector<Accounts::SubAccount> accounts = m_accounts.subAccounts(m_masterId);
    const LoginContext &context = loginContext();
    const QIcon icon = DialogParts::accountIcon(QColor(0x2b, 0x4f, 0x8a));
    ListView1->clear();
    for (const Accounts::SubAccount &account : accounts) {
        const QString caption =
            account.usern + QStringLiteral("  (") + context.auctionHouseName(account.aukid) + QLatin1Char(')');
        auto *item = new QListWidgetItem(icon, caption, ListView1);
        item->setData(UidRole, account.uid);
        item->setData(PasswordRole, account.password);
        item->setData(UsernRole, account.usern);
        item->setData(AukidRole, QString::number(account.aukid));
    }
}

void TForm12::Button1Click()
{
    runGuarded([this] {
        {
            // The registration runs the sub-account's first transfer with that account's
            // session; the login stays the master's.
            TForm3 registration(this);
            registration.setMasterId(m_masterId);
            emit registrationOpening(&registration);
            registration.exec();
        }
        LoadSubAccounts();
    });
}

void TForm12::Button2Click()
{
    runGuarded([this] {
        const QList<QListWidgetItem *> selected = ListView1->selectedItems();
        if (selected.isEmpty())
            return;
        if (!prompter().askYesNo(QStringLiteral("Benutzer aus dem System entfernen?"), QStringLiteral("MessageBox")))
            return;
        const QListWidgetItem *entry = selected.first();
        m_accounts.removeUser(entry->data(UsernRole).toString(), entry->data(AukidRole).toString().toInt());
        LoadSubAccounts();
    });
}

void TForm12::Button3Click()
{
    runGuarded([this] {
        const QList<QTreeWidgetItem *> selected = ListView2->selectedItems();
        if (selected.isEmpty()) {
            prompter().showMessage(QStringLiteral("Sie haben kein Auktionshaus ausgewählt!"));
            return;
        }
        prompter().openExternally(QUrl(selected.first()->text(ListView2->columnCount() - 1)));
    });
}
