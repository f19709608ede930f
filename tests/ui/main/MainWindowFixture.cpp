#include "tests/ui/main/MainWindowFixture.h"

#include "core/LoginContext.h"
#include "store/Statement.h"
#include "ui/main/ListPanel.h"

#include <QAction>
#include <QToolButton>
#include <QTreeWidget>

void MainWindowFixture::SetUp()
{
    db = std::make_unique<Database>(dir.path());
    db->open();
    data = std::make_unique<SampleData>(*db);
    userID = data->addAccount(QStringLiteral("verkaeufer"), QStringLiteral("geheim"), 11, QStringLiteral("u77"));
}

void MainWindowFixture::TearDown()
{
    form.reset();
    prompts.verify();
}

TForm1 &MainWindowFixture::openWindow(int aukid)
{
    Statement::run(*db, QStringLiteral("UPDATE user SET lastupdate=:l, aukid=:a WHERE id=:id"),
        {{QStringLiteral(":l"), lastupdate}, {QStringLiteral(":a"), aukid}, {QStringLiteral(":id"), userID}});
    LoginContext &context = loginContext();
    context.aukid = aukid;
    context.MoneySymbol = QStringLiteral("EUR");
    context.name = QStringLiteral("Morvelia");
    form = std::make_unique<TForm1>();
    // Transfer runs only record their choice here; the runs themselves are tested with the server.
    form->setExchangeWindowRunner([](TForm5 &) {});
    // The CSV import wizard closes at once unless a test drives it.
    form->setCsvImportRunner([](TForm10 &) {});
    // The editor's own tests drive it; here "Neuer Artikel" only has to come back.
    form->setEditorRunner([](TForm8 &) {});
    form->SetUpAccount(QStringLiteral("verkaeufer"), QStringLiteral("geheim"), QStringLiteral("u77"), nullptr);
    context.userID = userID;
    form->show();
    return *form;
}

int MainWindowFixture::addListing(SampleData::Listing listing)
{
    return data->addListing(userID, listing);
}

int MainWindowFixture::addListing(int listKind, const QString &titel)
{
    SampleData::Listing listing;
    listing.listKind = listKind;
    listing.titel = titel;
    return addListing(listing);
}

int MainWindowFixture::listingCount(int listKind)
{
    return Statement::scalar(*db, QStringLiteral("SELECT count(*) FROM auktionen WHERE userID=:u AND artliste=:k"),
        {{QStringLiteral(":u"), userID}, {QStringLiteral(":k"), listKind}})
        .toInt();
}

QTreeWidgetItem *MainWindowFixture::row(int listKind, int index) const
{
    return form->listView(listKind)->topLevelItem(index);
}

int MainWindowFixture::rowCount(int listKind) const
{
    return form->listView(listKind)->topLevelItemCount();
}

void MainWindowFixture::deleteRow(int listKind, int index)
{
    QTreeWidget *list = form->listView(listKind);
    list->setCurrentItem(list->topLevelItem(index));
    form->Artikelloeschen1->trigger();
}
