#include "tools/screenshots/EditorWindowShots.h"

#include "core/LoginContext.h"
#include "exchange/HttpClient.h"
#include "exchange/MasterDataLoader.h"
#include "exchange/QuietProgress.h"
#include "store/Database.h"
#include "store/MasterDataLists.h"
#include "tools/auction-house-server/AuctionHouseServer.h"
#include "tools/auction-house-server/DemoSeed.h"
#include "ui/editor/TForm8.h"
#include "ui/editor/description/DescriptionEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

const QSize EditorSize(1280, 860);

struct HouseShot {
    int aukid;
    // Shipping mode shown instead of the house's own (0: the house's).
    int shippingMode;
    const char *prefix;
};

const HouseShot HouseShots[] = {
    {11, 0, "editor-11"},
    {12, 0, "editor-12-typ1"},
    {14, 0, "editor-14-typ2"},
    {14, 4, "editor-14-versand4"},
};

struct PageShot {
    QWidget *TForm8::*page;
    const char *name;
};

const PageShot PageShots[] = {
    {&TForm8::TabSheet2, "auktionsdaten"}, {&TForm8::TabSheet7, "allgemein"},
    {&TForm8::TabSheet1, "beschreibung"},  {&TForm8::TabSheet3, "darstellung"},
    {&TForm8::TabSheet5, "ende"},
};

// Loads the demo server's master data for each auction house, as a transfer run does.
bool loadMasterData()
{
    AuctionHouseServer server(AuctionHouseServer::Options{});
    server.start(0);
    LoginContext &context = loginContext();
    const LoginContext saved = context;
    Database db;
    db.open();
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    bool ok = true;
    for (const int aukid : {11, 12, 14}) {
        context.url = server.baseUrl();
        context.aukid = aukid;
        QuietProgress progress;
        const AccountSession session = context.session();
        MasterDataLoader loader(client, db, session, progress);
        loader.load();
        ok = ok && !loader.closeWindowAfterRun();
    }
    context.url = saved.url;
    context.aukid = saved.aukid;
    server.stop();
    return ok;
}

QString writeDemoPicture(int slot)
{
    const QString path = loginContext().ProgramDir + QStringLiteral("demo-bild-%1.jpg").arg(slot);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(DemoSeed::makePicture(7, slot));
    return path;
}

// The rendered description reaches the screen a little after the summary is filled.
void waitForPaint(TForm8 &editor)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < 1500 && editor.isVisible())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// Fills the editor as a seller would before looking at each page.
void fillListing(TForm8 &editor)
{
    editor.Edit1->setText(QStringLiteral("Herren-Armbanduhr Automatik, Edelstahl"));
    editor.Description->loadDescription(
        QStringLiteral("<p>Sehr gut erhaltene <b>Automatikuhr</b> mit Edelstahlarmband.</p><p>Mit Box und Papieren.</p>"));
    editor.Fettschrift->setChecked(true);
    QTest::keyClicks(editor.CategorySearchEdit, QStringLiteral("armband"));
    for (int row = 0; row < editor.CategorySearchList->count(); ++row) {
        if (editor.CategorySearchList->item(row)->text().endsWith(QStringLiteral("Armbanduhren"))) {
            editor.searchHitChosen(row);
            break;
        }
    }
    for (int level = 2; level < 6 && editor.Label3->text().isEmpty(); ++level) {
        if (editor.CategoryLists[static_cast<size_t>(level)]->count() == 0)
            break;
        editor.CategoryLists[static_cast<size_t>(level)]->setCurrentIndex(0);
        editor.comboBoxChange(level);
    }
    if (editor.Edit5->text().isEmpty()) {
        editor.Edit5->setText(QStringLiteral("50667"));
        editor.Edit6->setText(QStringLiteral("Köln"));
    }
    editor.ComboBox1->setCurrentIndex(1);
    editor.ComboBox9->setCurrentIndex(1);
    editor.RadioButton2->click();
    editor.RadioButton4->click();
    for (int row = 0; row < editor.ListBox7->count() && row < 2; ++row)
        editor.ListBox7->item(row)->setSelected(true);
    editor.takePicture(1, writeDemoPicture(1));
    editor.takePicture(2, writeDemoPicture(2));
}

AccountSession sessionFor(const HouseShot &shot)
{
    AccountSession session = loginContext().session();
    Database db;
    if (const auto house = MasterDataLists(db, shot.aukid).auctionHouse())
        session.house = *house;
    if (shot.shippingMode)
        session.house.versandangabe = shot.shippingMode;
    return session;
}

bool saveHouse(const HouseShot &shot, const EditorWindowShots::SaveFunction &save)
{
    TForm8 editor(sessionFor(shot));
    editor.NewListing = true;
    editor.setWindowState(Qt::WindowNoState);
    editor.resize(EditorSize);
    editor.show();
    fillListing(editor);
    bool ok = true;
    for (const PageShot &page : PageShots) {
        QWidget *widget = editor.*(page.page);
        const int index = editor.PageControl1->indexOf(widget);
        if (!editor.PageControl1->isTabVisible(index))
            continue;
        editor.PageControl1->setCurrentIndex(index);
        if (widget == editor.TabSheet5)
            waitForPaint(editor);
        ok = save(&editor, QString::fromLatin1(shot.prefix) + QLatin1Char('-') + QString::fromLatin1(page.name)) && ok;
    }
    editor.close();
    return ok;
}

} // namespace

namespace EditorWindowShots {

bool saveAll(const SaveFunction &save)
{
    bool ok = loadMasterData();
    for (const HouseShot &shot : HouseShots)
        ok = saveHouse(shot, save) && ok;
    return ok;
}

} // namespace EditorWindowShots
