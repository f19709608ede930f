#pragma once

#include "store/FieldRows.h"
#include "store/ListKinds.h"
#include "ui/main/ListPaging.h"
#include "store/Database.h"

#include <QMainWindow>
#include <functional>
#include <QPointer>
#include <array>

class ListPanel;
class QAction;
class QFrame;
class QHBoxLayout;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;
class QTreeWidget;
class TExBar;

// The main window: the account's listings in five lists, the side bar, the tool bar and
// the menus. Each login opens a new one.
class TForm5;
class TForm10;
class TForm8;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // The four choices of a transfer run.
    struct TransferFlags {
        bool masterData = false;
        bool sendTransferList = false;
        bool downloadListings = false;
        bool fullReload = false;
        bool operator==(const TransferFlags &o) const
        {
            return masterData == o.masterData && sendTransferList == o.sendTransferList
                && downloadListings == o.downloadListings && fullReload == o.fullReload;
        }
    };

    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Called by the login window right after creating the window.
    void SetUpAccount(const QString &usern, const QString &password, const QString &uid, QWidget *loginWindow);
    // True only while the window closes for a change of user.
    bool isSwitchingUser() const { return m_switchingUser; }

    // (Re)loads and renders all five lists; without recount only the cached rows are rendered.
    void LoadLists(bool recount);
    // Refreshes one row after the listing editor saved into list listKind, or appends it.
    void RefreshListingRow(int id, int listKind, bool isNew);
    void UpdateCounters();
    // A click on the side bar entry with the given number.
    void ItemClick(int n);
    void List_back();
    void List_for();

    const ListPaging &paging() const { return m_paging; }
    // The rows of each list as last read from the database.
    const std::array<FieldRows, ListKinds::Count> &ListRowCache() const { return m_cache; }
    ListPanel *panel(int listKind) const { return m_panels[static_cast<size_t>(listKind)]; }
    QTreeWidget *listView(int listKind) const;
    // The list whose panel is visible; -1 when none is.
    int visibleListKind() const;
    TExBar *sideBar() const { return m_sideBar; }
    // The flags of the transfer run last asked for (the exchange dialog is still to come).
    const TransferFlags &lastTransferRequest() const { return m_lastTransfer; }
    // How a transfer run's exchange window is shown: modally, unless a test replaces it.
    using ExchangeWindowRunner = std::function<void(TForm5 &)>;
    void setExchangeWindowRunner(ExchangeWindowRunner runner) { m_exchangeRunner = std::move(runner); }
    // How the CSV import wizard is shown: modally, unless a test replaces it.
    using CsvImportRunner = std::function<void(TForm10 &)>;
    void setCsvImportRunner(CsvImportRunner runner) { m_csvImportRunner = std::move(runner); }
    // How the listing editor is shown: modally, unless a test replaces it.
    using EditorRunner = std::function<void(TForm8 &)>;
    void setEditorRunner(EditorRunner runner) { m_editorRunner = std::move(runner); }

    QToolBar *ToolBar1 = nullptr;
    QToolButton *ToolButton1 = nullptr;
    QToolButton *ToolButton3 = nullptr;
    QToolButton *ToolButton9 = nullptr;
    QToolButton *ToolButton5 = nullptr;
    QToolButton *ToolButton7 = nullptr;
    QMenu *TransferMenu = nullptr;

    QFrame *Panel1 = nullptr;
    QFrame *Panel2 = nullptr;
    QFrame *Shape1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Image3 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *StatusBar1 = nullptr;

    QAction *Benutzerwechseln1 = nullptr;
    QAction *CSVImport1 = nullptr;
    QAction *Beenden1 = nullptr;
    QAction *Artikelvorschau1 = nullptr;
    QAction *Artikelbearbeiten1 = nullptr;
    QAction *Artikelloeschen1 = nullptr;
    QAction *Einstellungen1 = nullptr;
    QAction *MultiBenutzerverwaltung1 = nullptr;
    QAction *SoftwareUpdate1 = nullptr;
    QAction *OnlineHilfe1 = nullptr;
    QAction *PowerdbyMorvelia1 = nullptr;

    // The page label of each list.
    QLabel *pageLabel(int listKind) const;

    // Showing the window opens it maximised on the free area of its screen.
    void setVisible(bool visible) override;

public slots:
    void ChangeUser();
    void ToolButton5Click();
    void OnlineHilfeClick();
    void ToolButton7Click();
    // Opens the CSV import wizard, then reloads the lists and shows the transfer list.
    void CSVImport1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void placeMaximised();
    void buildToolBar();
    void buildMenu();
    void buildHeader();
    void buildPanels(QHBoxLayout *workRow);
    QToolButton *addToolButton(const char *name, const QString &tip, const QIcon &icon);
    void setToolButtonShown(QToolButton *button, bool shown);
    void showPanel(int listKind);
    void hideAllPanels();
    void renderPage(int listKind);
    void showDataAge();
    void Panel2Resize();
    void createSideBar();
    void guarded(void (TForm1::*command)());

    void Uebertragung(const TransferFlags &flags);
    void Einstellungen1Click();
    // "Neuer Artikel": the listing editor for a new listing.
    void ToolButton1Click();
    // Edit and copy of the selected listing.
    void editListingPending();
    void copyListingPending();
    // Opens the selected listing in the editor: to edit it, or as the template of a new one.
    void openListing(bool copy);
    void runEditor(TForm8 &editor);
    // "Auktions-Check": checks and saves the imported listings of the transfer list.
    void auctionCheckPending();
    void openMultiUserManagement();
    void SoftwareUpdate1Click();

    // The lists' connection, open while the window lives.
    Database m_listDb;
    ListPaging m_paging;
    std::array<FieldRows, ListKinds::Count> m_cache;
    std::array<ListPanel *, ListKinds::Count> m_panels{};
    QHBoxLayout *m_workRow = nullptr;
    TExBar *m_sideBar = nullptr;
    QPointer<QWidget> m_loginWindow;
    // True only while the window closes for a change of user.
    bool m_switchingUser = false;
    TransferFlags m_lastTransfer;
    ExchangeWindowRunner m_exchangeRunner;
    CsvImportRunner m_csvImportRunner;
    EditorRunner m_editorRunner;
};
