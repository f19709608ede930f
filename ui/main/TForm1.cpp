#include "ui/main/TForm1.h"
#include "csvimport/window/TForm10.h"
#include "ui/accounts/TForm12.h"

#include "core/ErrorGuard.h"
#include "core/LoginContext.h"
#include "core/ProcessLocale.h"
#include "core/ProgramInfo.h"
#include "core/Prompter.h"
#include "ui/exchange/TForm5.h"
#include "store/Accounts.h"
#include "store/Listings.h"
#include "store/OptionFile.h"
#include "ui/dialogs/TForm11.h"
#include "ui/dialogs/TSoftwareupdate.h"
#include "ui/editor/AuctionCheck.h"
#include "ui/editor/TForm8.h"
#include "ui/main/CounterTexts.h"
#include "ui/main/DataAge.h"
#include "ui/main/ListingDeletion.h"
#include "ui/main/ListPanel.h"
#include "ui/main/ListRowFormatter.h"
#include "ui/main/MainWindowIcons.h"
#include "ui/widgets/TExBar.h"
#include "ui/widgets/WidgetAccessibility.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QProgressDialog>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int SideBarWidth = 218;
constexpr int HeaderHeight = 64;
const QColor Cream(255, 251, 240);

const std::array<ListPanel::Design, ListKinds::Count> &panelDesigns()
{
    static const std::array<ListPanel::Design, ListKinds::Count> designs{{
        {ListKinds::Running, "Panel3", "ListView1", "Label15", QStringLiteral("Meine Auktionen - Laufende Auktionen"),
            QColor(192, 192, 192), Qt::white},
        {ListKinds::Sold, "Panel7", "ListView3", "Label16", QStringLiteral("Meine Auktionen - Beendet und  Verkauft"),
            QColor(192, 192, 192), Qt::white},
        {ListKinds::Unsold, "Panel5", "ListView2", "Label9",
            QStringLiteral("Meine Auktionen - Nicht Verkaufte Auktionen"), QColor(192, 192, 192), QColor()},
        {ListKinds::TransferList, "Panel9", "ListView4", "Label17", QStringLiteral("Übertragungsliste"),
            QColor(128, 0, 0), Qt::red},
        {ListKinds::ArticleMaster, "Panel11", "ListView5", "Label20", QStringLiteral("Artikelstamm"),
            QColor(0, 255, 255), Qt::blue},
    }};
    return designs;
}

QLabel *headerLabel(const QString &text, QWidget *parent, const char *name = nullptr)
{
    auto *label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Auktionshaus Offline-Tool"));
    WidgetAccessibility::install();
    for (FieldRows &rows : m_cache)
        rows = FieldRows(Listings::FieldCount);
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    QPalette cream = palette();
    cream.setColor(QPalette::Window, Cream);
    setPalette(cream);
    setAutoFillBackground(true);

    buildToolBar();
    buildMenu();
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    Panel2 = new QFrame(central);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(3);
    Panel2->installEventFilter(this);
    column->addWidget(Panel2);
    buildHeader();
    column->addWidget(Panel1);
    m_workRow = new QHBoxLayout;
    m_workRow->setContentsMargins(0, 0, 0, 0);
    m_workRow->setSpacing(4);
    buildPanels(m_workRow);
    column->addLayout(m_workRow, 1);
    setCentralWidget(central);

    StatusBar1 = new QLabel(CounterTexts::initialStatusLine(), this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(StatusBar1, 1);

    showPanel(ListKinds::Running);
    runGuarded([this] { m_listDb.open(); });
}

QToolButton *TForm1::addToolButton(const char *name, const QString &tip, const QIcon &icon)
{
    auto *button = new QToolButton(ToolBar1);
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->addWidget(button);
    return button;
}

void TForm1::setToolButtonShown(QToolButton *button, bool shown)
{
    // A tool bar shows or hides its widgets through their actions.
    for (QAction *action : ToolBar1->actions()) {
        if (ToolBar1->widgetForAction(action) == button)
            action->setVisible(shown);
    }
}

void TForm1::buildToolBar()
{
    ToolBar1 = addToolBar(QStringLiteral("Werkzeuge"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->toggleViewAction()->setVisible(false);
    ToolBar1->setIconSize(QSize(32, 32));
    ToolBar1->setStyleSheet(QStringLiteral(
        "#ToolBar1 { border: none; padding: 3px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #fdfbf3, stop:1 #e6dfc6); }"));
    using MainWindowIcons::Tool;
    using MainWindowIcons::toolIcon;
    ToolButton1 = addToolButton("ToolButton1", QStringLiteral("Neuer Artikel"), toolIcon(Tool::NewListing));
    ToolButton3 = addToolButton("ToolButton3", QStringLiteral("Artikel bearbeiten"), toolIcon(Tool::Edit));
    ToolButton9 = addToolButton("ToolButton9", QStringLiteral("Artikel kopieren"), toolIcon(Tool::Copy));
    ToolButton5 = addToolButton("ToolButton5", QStringLiteral("Artikel löschen"), toolIcon(Tool::Delete));
    ToolButton7 = addToolButton("ToolButton7", QStringLiteral("Übertragung"), toolIcon(Tool::Transfer));
    setToolButtonShown(ToolButton3, false);
    setToolButtonShown(ToolButton5, false);

    TransferMenu = new QMenu(ToolButton7);
    TransferMenu->setObjectName(QStringLiteral("TransferMenu"));
    const auto transferItem = [this](const QString &caption, TransferFlags flags) {
        connect(TransferMenu->addAction(caption), &QAction::triggered, this,
            [this, flags] { runGuarded([this, flags] { Uebertragung(flags); }); });
    };
    transferItem(QStringLiteral("Auktions Status"), {true, false, true, false});
    transferItem(QStringLiteral("NUR Übertragungsliste senden"), {false, true, false, false});
    transferItem(QStringLiteral("Alle Aufgaben erledigen"), {true, true, true, false});
    transferItem(QStringLiteral("Aktive Auktionen neu laden"), {true, true, true, true});
    ToolButton7->setMenu(TransferMenu);
    ToolButton7->setPopupMode(QToolButton::MenuButtonPopup);

    connect(ToolButton1, &QToolButton::clicked, this, [this] { guarded(&TForm1::ToolButton1Click); });
    connect(ToolButton3, &QToolButton::clicked, this, [this] { guarded(&TForm1::editListingPending); });
    connect(ToolButton9, &QToolButton::clicked, this, [this] { guarded(&TForm1::copyListingPending); });
    connect(ToolButton5, &QToolButton::clicked, this, &TForm1::ToolButton5Click);
    connect(ToolButton7, &QToolButton::clicked, this, &TForm1::ToolButton7Click);
}

void TForm1::buildMenu()
{
    const auto item = [this](QMenu *menu, const char *name, const QString &caption, const QKeySequence &keys,
                          void (TForm1::*command)()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, command] { guarded(command); });
        return action;
    };
    QMenu *file = menuBar()->addMenu(QStringLiteral("&Datei"));
    Benutzerwechseln1 = item(file, "Benutzerwechseln1", QStringLiteral("Benutzer &wechseln"), {}, &TForm1::ChangeUser);
    CSVImport1 = item(file, "CSVImport1", QStringLiteral("CSV-&Import"), QKeySequence(Qt::CTRL | Qt::Key_I),
        &TForm1::CSVImport1Click);
    file->addSeparator();
    Beenden1 = file->addAction(QStringLiteral("&Beenden"));
    Beenden1->setObjectName(QStringLiteral("Beenden1"));
    connect(Beenden1, &QAction::triggered, this, &QWidget::close);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    Artikelvorschau1 = edit->addAction(QStringLiteral("Artikel&vorschau"));
    Artikelvorschau1->setObjectName(QStringLiteral("Artikelvorschau1"));
    Artikelbearbeiten1 = item(edit, "Artikelbearbeiten1", QStringLiteral("Artikel &bearbeiten"),
        QKeySequence(Qt::CTRL | Qt::Key_B), &TForm1::editListingPending);
    Artikelloeschen1 = item(edit, "Artikelloeschen1", QStringLiteral("Artikel &löschen"), QKeySequence(Qt::Key_Delete),
        &TForm1::ToolButton5Click);

    QMenu *options = menuBar()->addMenu(QStringLiteral("&Optionen"));
    Einstellungen1 = item(options, "Einstellungen1", QStringLiteral("&Einstellungen"),
        QKeySequence(Qt::CTRL | Qt::Key_E), &TForm1::Einstellungen1Click);
    MultiBenutzerverwaltung1 = item(options, "MultiBenutzerverwaltung1", QStringLiteral("Multi-&Benutzerverwaltung"),
        QKeySequence(Qt::CTRL | Qt::Key_M), &TForm1::openMultiUserManagement);
    MultiBenutzerverwaltung1->setVisible(false);
    MultiBenutzerverwaltung1->setEnabled(false);
    SoftwareUpdate1 = item(options, "SoftwareUpdate1", QStringLiteral("Software-&Update"), {},
        &TForm1::SoftwareUpdate1Click);

    OnlineHilfe1 = menuBar()->addAction(QStringLiteral("Online-&Hilfe"));
    OnlineHilfe1->setObjectName(QStringLiteral("OnlineHilfe1"));
    OnlineHilfe1->setShortcut(QKeySequence(Qt::Key_F1));
    connect(OnlineHilfe1, &QAction::triggered, this, &TForm1::OnlineHilfeClick);
    PowerdbyMorvelia1 = menuBar()->addAction(QStringLiteral("Powerd by Morvelia"));
    PowerdbyMorvelia1->setObjectName(QStringLiteral("PowerdbyMorvelia1"));
    PowerdbyMorvelia1->setEnabled(false);
}

void TForm1::buildHeader()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(HeaderHeight);
    Shape1 = new QFrame(Panel1);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setStyleSheet(QStringLiteral(
        "#Shape1 { background: white; border: 1px solid #c9c0a0; border-radius: 10px; }"));
    Shape1->setGeometry(8, 5, 600, HeaderHeight - 10);

    auto *icon = new QLabel(Panel1);
    icon->setPixmap(MainWindowIcons::toolIcon(MainWindowIcons::Tool::Transfer).pixmap(32, 32));
    icon->setGeometry(20, 16, 32, 32);
    auto *syncCaption = headerLabel(QStringLiteral("Letzer Abgleich mit dem Server:"), Panel1);
    auto *countCaption = headerLabel(QStringLiteral("Artikel in der Übertragungsliste:"), Panel1);
    Label3 = headerLabel(QString(), Panel1, "Label3");
    Label4 = headerLabel(QStringLiteral("0 Artikel"), Panel1, "Label4");
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    Label4->setFont(bold);
    syncCaption->setBuddy(Label3);
    countCaption->setBuddy(Label4);
    const int captionWidth = std::max(syncCaption->sizeHint().width(), countCaption->sizeHint().width());
    syncCaption->setGeometry(62, 12, captionWidth, 20);
    countCaption->setGeometry(62, 33, captionWidth, 20);
    Label3->setGeometry(62 + captionWidth + 8, 12, 200, 20);
    Label4->setGeometry(62 + captionWidth + 8, 33, 200, 20);

    Label7 = headerLabel(
        QStringLiteral("Einige Auktionen scheinen abgelaufen zu sein. Eine \"Übertragung\" ist empfohlen."), Panel1,
        "Label7");
    Label7->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    Label7->adjustSize();
    Label7->move(0, 22);
    Label7->hide();

    const QSize logoSize(190, 44);
    Image2 = headerLabel(QString(), Panel1, "Image2");
    Image2->setPixmap(MainWindowIcons::logo(logoSize));
    Image2->setGeometry(QRect(QPoint(0, 10), logoSize));
    Image3 = headerLabel(QString(), Panel1, "Image3");
    Image3->setPixmap(MainWindowIcons::logo(logoSize));
    Image3->setGeometry(QRect(QPoint(0, 10), logoSize));
    Image3->hide();
}

void TForm1::buildPanels(QHBoxLayout *workRow)
{
    auto *workArea = new QWidget(this);
    workArea->setObjectName(QStringLiteral("WorkArea"));
    auto *stack = new QVBoxLayout(workArea);
    stack->setContentsMargins(0, 4, 4, 0);
    for (const ListPanel::Design &design : panelDesigns()) {
        auto *listPanel = new ListPanel(design, workArea);
        listPanel->setIcons(MainWindowIcons::listingPicture(), MainWindowIcons::listingUnchecked());
        listPanel->hide();
        stack->addWidget(listPanel);
        m_panels[static_cast<size_t>(design.listKind)] = listPanel;
        connect(listPanel->backButton(), &QPushButton::clicked, this, [this] { guarded(&TForm1::List_back); });
        connect(listPanel->forwardButton(), &QPushButton::clicked, this, [this] { guarded(&TForm1::List_for); });
        if (ListKinds::isPrepared(design.listKind))
            connect(listPanel, &ListPanel::rowActivated, this, [this] { guarded(&TForm1::editListingPending); });
        if (QPushButton *check = listPanel->checkButton())
            connect(check, &QPushButton::clicked, this, [this] { guarded(&TForm1::auctionCheckPending); });
    }
    workRow->addWidget(workArea, 1);
}

QTreeWidget *TForm1::listView(int listKind) const
{
    return panel(listKind)->list();
}

QLabel *TForm1::pageLabel(int listKind) const
{
    return panel(listKind)->pageLabel();
}

int TForm1::visibleListKind() const
{
    for (ListPanel *listPanel : m_panels) {
        if (!listPanel->isHidden())
            return listPanel->listKind();
    }
    return -1;
}

void TForm1::guarded(void (TForm1::*command)())
{
    runGuarded([this, command] { (this->*command)(); });
}

void TForm1::SetUpAccount(const QString &usern, const QString &password, const QString &uid, QWidget *loginWindow)
{
    LoginContext &context = loginContext();
    context.usern = usern;
    context.password = password;
    context.uid = uid;
    m_loginWindow = loginWindow;
    ProcessLocale::useDecimalComma();
}

void TForm1::setVisible(bool visible)
{
    if (visible && !isVisible())
        placeMaximised();
    QMainWindow::setVisible(visible);
}

// Geometry and state are settled before the window system sees the window. The lists,
// header and status line together ask for more width than a small screen has; a window
// manager cannot maximise a window whose minimum size exceeds the screen and leaves it
// partly off it, so the minimum is bounded by the screen's free area.
void TForm1::placeMaximised()
{
    const QScreen *target = screen() ? screen() : QGuiApplication::primaryScreen();
    if (target) {
        const QRect available = target->availableGeometry();
        layout()->setSizeConstraint(QLayout::SetNoConstraint);
        setMinimumSize(minimumSizeHint().boundedTo(available.size()));
        setGeometry(available);
    }
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    runGuarded([this] { LoadLists(true); });
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (m_switchingUser) {
        if (m_loginWindow)
            m_loginWindow->show();
    } else {
        QCoreApplication::exit(0);
    }
    event->accept();
}

void TForm1::showDataAge()
{
    const LoginContext &context = loginContext();
    const DataAge age = DataAge::describe(Accounts(context.ProgramDir).lastUpdate(context.usern, context.aukid), QDateTime::currentDateTime());
    Label3->setText(age.text);
    Label3->setStyleSheet(age.never ? QStringLiteral("color: red;") : QStringLiteral("color: black;"));
    Label3->setToolTip(age.hint);
}

void TForm1::LoadLists(bool recount)
{
    const LoginContext &context = loginContext();
    showDataAge();
    if (context.aukid == 0) {
        MultiBenutzerverwaltung1->setVisible(true);
        MultiBenutzerverwaltung1->setEnabled(true);
    }
    Listings listings(m_listDb, context.session());
    if (recount) {
        for (int k = 0; k < ListKinds::Count; ++k)
            m_paging.setCount(k, listings.count(k));
    }
    for (int k = 0; k < ListKinds::Count; ++k)
        pageLabel(k)->setText(m_paging.pageLabel(k));
    for (ListPanel *listPanel : m_panels)
        listPanel->clearRows();
    for (int k = 0; k < ListKinds::Count; ++k) {
        if (recount)
            m_cache[static_cast<size_t>(k)] = listings.listRows(k);
        renderPage(k);
    }
    // The whole transfer list, not only the rows of the page shown.
    Label4->setText(QString::number(m_paging.count(ListKinds::TransferList)) + QStringLiteral(" Artikel"));
    UpdateCounters();
}

void TForm1::renderPage(int listKind)
{
    const FieldRows &rows = m_cache[static_cast<size_t>(listKind)];
    const int first = m_paging.firstRow(listKind, rows.rowCount());
    const int end = m_paging.endRow(listKind, rows.rowCount());
    const ListRowFormatter formatter;
    std::vector<ListRowTexts> texts;
    texts.reserve(static_cast<size_t>(end - first));
    try {
        for (int row = first; row < end; ++row)
            texts.push_back(formatter.pageRow(listKind, rows, row));
    } catch (...) {
        // The rows before the faulty one stay on the list.
        panel(listKind)->appendRows(texts);
        throw;
    }
    panel(listKind)->appendRows(texts);
}

void TForm1::RefreshListingRow(int id, int listKind, bool isNew)
{
    if (!ListKinds::isListKind(listKind))
        return;
    Listings listings(m_listDb, loginContext().session());
    ListPanel *listPanel = panel(listKind);
    FieldRows &cache = m_cache[static_cast<size_t>(listKind)];
    int cacheRow = -1;
    QTreeWidgetItem *item = nullptr;
    if (isNew) {
        id = listings.newestListingId();
        cacheRow = cache.appendRow();
        item = listPanel->appendEmptyRow(QString::number(id));
    } else {
        cacheRow = cache.findRow(Listings::Id, QString::number(id));
        item = listPanel->findRow(QString::number(id));
    }
    const FieldRows rows = listings.listingRow(id);
    if (rows.rowCount() == 0)
        return;
    if (cacheRow >= 0)
        cache.replaceRow(cacheRow, rows);
    if (item)
        listPanel->setRow(item, ListRowFormatter().refreshedRow(listKind, rows, 0));
}

void TForm1::createSideBar()
{
    m_sideBar = new TExBar(this);
    m_sideBar->setObjectName(QStringLiteral("ExBar1"));
    m_sideBar->SetSkin(MainWindowIcons::sideBarSkin());
    m_sideBar->SetGroupIcons(MainWindowIcons::sideBarGroupIcons());
    m_sideBar->SetItemIcons(MainWindowIcons::sideBarItemIcons());
    m_sideBar->setFixedWidth(SideBarWidth);
    connect(m_sideBar, &TExBar::OnMenuItemClick, this,
        [this](TExBar *, int id) { runGuarded([this, id] { ItemClick(id); }); });
    m_workRow->insertWidget(0, m_sideBar);
}

void TForm1::UpdateCounters()
{
    if (!m_sideBar)
        createSideBar();
    m_sideBar->BeginUpdate();
    m_sideBar->Clear();
    for (const CounterTexts::Group &group : CounterTexts::sideBarGroups(m_paging)) {
        TExGroup *added = m_sideBar->AddGroup(group.caption);
        for (const CounterTexts::Item &entry : group.items)
            added->AddItem(entry.text, entry.description, entry.icon, entry.number);
    }
    m_sideBar->EndUpdate();
    m_sideBar->show();
    m_sideBar->update();
    StatusBar1->setText(CounterTexts::statusLine(loginContext().usern, m_paging));
}

void TForm1::hideAllPanels()
{
    for (ListPanel *listPanel : m_panels)
        listPanel->hide();
}

void TForm1::showPanel(int listKind)
{
    hideAllPanels();
    panel(listKind)->show();
}

void TForm1::ItemClick(int n)
{
    hideAllPanels();
    setToolButtonShown(ToolButton3, false);
    setToolButtonShown(ToolButton9, false);
    struct Choice {
        int listKind;
        bool deleteShown;
        bool editShown;
    };
    static const std::array<Choice, 5> choices{{
        {ListKinds::Running, false, false},
        {ListKinds::Unsold, true, false},
        {ListKinds::Sold, false, false},
        {ListKinds::TransferList, true, true},
        {ListKinds::ArticleMaster, true, true},
    }};
    if (n >= 0 && n < static_cast<int>(choices.size())) {
        const Choice &choice = choices[static_cast<size_t>(n)];
        showPanel(choice.listKind);
        setToolButtonShown(ToolButton9, true);
        setToolButtonShown(ToolButton5, choice.deleteShown);
        setToolButtonShown(ToolButton3, choice.editShown);
        m_paging.setShownListKind(choice.listKind);
    } else if (n == CounterTexts::NewListingItem) {
        ToolButton1Click();
    } else if (n == CounterTexts::CsvImportItem) {
        CSVImport1Click();
    }
}

void TForm1::List_back()
{
    if (m_paging.back())
        LoadLists(false);
}

void TForm1::List_for()
{
    if (m_paging.forward())
        LoadLists(false);
}

void TForm1::ToolButton5Click()
{
    runGuarded([this] {
        const int listKind = visibleListKind();
        if (listKind < 0)
            return;
        const std::optional<int> listingId = panel(listKind)->selectedListingId();
        if (!listingId)
            return;
        ListingDeletion::run(loginContext().session(), listKind, *listingId);
        LoadLists(true);
    });
}

void TForm1::ChangeUser()
{
    m_switchingUser = true;
    close();
    m_switchingUser = false;
}

void TForm1::OnlineHilfeClick()
{
    runGuarded([] { prompter().openExternally(QUrl(ProgramInfo::updateServerUrl() + QStringLiteral("/hilfe.html"))); });
}

void TForm1::ToolButton7Click()
{
    runGuarded([this] {
        const bool everything = OptionFile().loadsAuctionData();
        Uebertragung({everything, true, everything, false});
    });
}

void TForm1::Panel2Resize()
{
    Shape1->setFixedWidth(std::max(0, Panel2->width() - 2 * Shape1->x()));
    const int w = Shape1->width();
    Image2->move(w - Image2->width() - 20, Image2->y());
    Image3->move(w - Image2->width() - 60, Image3->y());
    Label7->move(w - Image2->width() - Label7->width() - 44, Label7->y());
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Panel2 && event->type() == QEvent::Resize)
        Panel2Resize();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::Einstellungen1Click()
{
    TForm11 settings(this);
    settings.exec();
}

void TForm1::Uebertragung(const TransferFlags &flags)
{
    m_lastTransfer = flags;
    const LoginContext &context = loginContext();
    TForm5 exchange(this);
    exchange.settings = {context.usern, context.password, context.uid, flags.masterData, flags.sendTransferList,
                         flags.downloadListings, flags.fullReload};
    if (m_exchangeRunner)
        m_exchangeRunner(exchange);
    else
        exchange.exec();
    LoadLists(true);
}

void TForm1::ToolButton1Click()
{
    LoginContext &context = loginContext();
    TForm8 editor(context.session(), this);
    editor.NewListing = true;
    runEditor(editor);
    if (context.LastSavedListKind >= 0)
        RefreshListingRow(0, context.LastSavedListKind, true);
}
void TForm1::runEditor(TForm8 &editor)
{
    if (m_editorRunner)
        m_editorRunner(editor);
    else
        editor.exec();
}

void TForm1::editListingPending()
{
    openListing(false);
}

void TForm1::copyListingPending()
{
    openListing(true);
}

void TForm1::openListing(bool copy)
{
    const int listKind = visibleListKind();
    const std::optional<int> listingId = listKind < 0 ? std::nullopt : panel(listKind)->selectedListingId();
    if (!listingId)
        return;
    if (listKind == ListKinds::Running && !copy) {
        prompter().showMessage(QStringLiteral("Momentan können laufende Auktionen nicht bearbeitet werden!"));
        return;
    }
    LoginContext &context = loginContext();
    TForm8 editor(context.session());
    const bool prepared = ListKinds::isPrepared(listKind);
    const bool editing = prepared && !copy;
    editor.LoadListing(*listingId, prepared ? ListingLoad::Source::Saved : ListingLoad::Source::Downloaded, editing);
    if (prepared) {
        editor.ComboBox11->setCurrentIndex(editing && listKind == ListKinds::ArticleMaster ? 1 : 0);
        editor.ComboBox11->setEnabled(!editing);
    }
    runEditor(editor);
    if (listKind == ListKinds::TransferList)
        ItemClick(3);
    if (context.LastSavedListKind >= 0)
        RefreshListingRow(editing ? *listingId : editor.ListingId, context.LastSavedListKind, !editing);
}
void TForm1::auctionCheckPending()
{
    if (!prompter().askYesNo(QStringLiteral("Bitte beachten Sie, dass dieser Vorgang sehr Zeitintensiv ist und daher "
                                            "sehr lange dauert! Wollen Sie fortfahren?"),
                             QStringLiteral("Starten:")))
        return;
    if (visibleListKind() == ListKinds::TransferList) {
        QProgressDialog progress(QStringLiteral("Auktions-Check läuft ..."), QStringLiteral("Abbrechen"), 0, 0, this);
        progress.setObjectName(QStringLiteral("AuctionCheckProgress"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        const AuctionCheck::Outcome outcome = AuctionCheck(loginContext().session()).run([&progress](int done, int total) {
            progress.setMaximum(total);
            progress.setValue(done);
            progress.setLabelText(QStringLiteral("Artikel %1 von %2").arg(std::min(done + 1, total)).arg(total));
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        });
        progress.close();
        ItemClick(3);
        prompter().showMessage(AuctionCheck::closingMessage(outcome));
    }
    LoadLists(true);
}
void TForm1::CSVImport1Click()
{
    TForm10 import(loginContext().session(), this);
    if (m_csvImportRunner)
        m_csvImportRunner(import);
    else
        import.exec();
    LoadLists(true);
    ItemClick(ListKinds::TransferList);
}
void TForm1::openMultiUserManagement()
{
    TForm12 management(this);
    management.exec();
}
void TForm1::SoftwareUpdate1Click()
{
    TSoftwareupdate update(this);
    update.Timer1->start();
    update.exec();
}
