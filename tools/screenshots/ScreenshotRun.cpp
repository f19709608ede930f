#include "tools/screenshots/ScreenshotRun.h"

#include "core/LoginContext.h"
#include "core/ProcessLocale.h"
#include "core/ProgramInfo.h"
#include "store/Database.h"
#include "tests/support/SampleData.h"
#include "tools/screenshots/AccountWindowShots.h"
#include "tools/screenshots/CsvImportShots.h"
#include "tools/screenshots/DescriptionEditorShots.h"
#include "tools/screenshots/EditorWindowShots.h"
#include "tools/screenshots/ExchangeWindowShots.h"
#include "ui/login/TForm2.h"
#include "store/ListKinds.h"
#include "ui/main/TForm1.h"
#include "ui/widgets/TExBar.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QSize MainWindowSize(1280, 800);

struct ListShot {
    int sideBarItem;
    const char *name;
};

const ListShot ListShots[] = {
    {0, "main-running"},
    {1, "main-unsold"},
    {2, "main-sold"},
    {3, "main-transfer-list"},
    {4, "main-article-master"},
};

} // namespace

ScreenshotRun::ScreenshotRun(const QString &outputFolder) : m_output(outputFolder) {}

void ScreenshotRun::settle()
{
    for (int round = 0; round < 5; ++round)
        QApplication::processEvents();
}

bool ScreenshotRun::save(QWidget *widget, const QString &name)
{
    settle();
    const QString path = m_output + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!widget->grab().save(path))
        return false;
    m_saved.append(path);
    return true;
}

void ScreenshotRun::addSampleData()
{
    Database db(ProgramInfo::withTrailingSeparator(m_programDir.path()));
    db.open();
    SampleData data(db);
    const QString lastDownload = ProcessLocale::formatDateTime(QDateTime::currentDateTime().addSecs(-2 * 3600 - 17 * 60));
    const int seller = data.addAccount(QStringLiteral("hanna.berger"), QStringLiteral("geheim"), 11,
        QStringLiteral("48211"), 0, lastDownload);
    data.addAccount(QStringLiteral("antik-stube"), QStringLiteral("geheim"), 12, QStringLiteral("7731"));
    data.addAccount(QStringLiteral("haendlerzentrale"), QStringLiteral("geheim"), 0, QStringLiteral("1"));
    const int rows[ListKinds::Count] = {260, 230, 215, 240, 220};
    for (int kind = 0; kind < ListKinds::Count; ++kind)
        data.addListings(seller, kind, rows[kind]);
}

bool ScreenshotRun::saveLoginWindow(TForm2 &login)
{
    login.show();
    bool ok = save(&login, QStringLiteral("login-empty"));
    addSampleData();
    login.hide();
    login.show();
    login.ListView1->setCurrentRow(0);
    login.Edit1->setText(QStringLiteral("geheim"));
    ok = save(&login, QStringLiteral("login-accounts")) && ok;
    return ok;
}

bool ScreenshotRun::saveMainWindow(TForm1 &main)
{
    main.setWindowState(Qt::WindowNoState);
    main.resize(MainWindowSize);
    bool ok = true;
    for (const ListShot &shot : ListShots) {
        main.ItemClick(shot.sideBarItem);
        const int kind = main.visibleListKind();
        if (main.listView(kind)->topLevelItemCount() > 2)
            main.listView(kind)->setCurrentItem(main.listView(kind)->topLevelItem(2));
        ok = save(&main, QString::fromLatin1(shot.name)) && ok;
    }
    main.List_for();
    ok = save(&main, QStringLiteral("main-article-master-page-2")) && ok;
    main.List_back();

    TExBar *bar = main.sideBar();
    bar->SetAnimate(false);
    bar->Group(1)->Toggle();
    ok = save(bar, QStringLiteral("side-bar-collapsed")) && ok;
    ok = save(&main, QStringLiteral("main-side-bar-collapsed")) && ok;
    return ok;
}

bool ScreenshotRun::saveAll()
{
    if (!m_programDir.isValid() || !QDir().mkpath(m_output))
        return false;
    TForm2 login(m_programDir.path());
    bool ok = saveLoginWindow(login);
    login.Button3->click();
    auto *main = login.currentMainWindow();
    if (!main)
        return false;
    ok = saveMainWindow(*main) && ok;
    ok = AccountWindowShots::saveAll([this](QWidget *window, const QString &name) { return save(window, name); }) && ok;
    ok = ExchangeWindowShots::saveAll([this](QWidget *window, const QString &name) { return save(window, name); }) && ok;
    ok = CsvImportShots::saveAll([this](QWidget *window, const QString &name) { return save(window, name); }) && ok;
    ok = EditorWindowShots::saveAll([this](QWidget *window, const QString &name) { return save(window, name); }) && ok;
    ok = DescriptionEditorShots::saveAll([this](QWidget *window, const QString &name) { return save(window, name); },
                                         loginContext().ProgramDir)
        && ok;
    return ok;
}
