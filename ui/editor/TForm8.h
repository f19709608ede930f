#pragma once

#include "core/AccountSession.h"
#include "store/Database.h"
#include "ui/editor/ListingCheck.h"
#include "ui/editor/ListingDraft.h"
#include "ui/editor/ListingEditor.h"
#include "ui/editor/ListingLoad.h"
#include "ui/editor/ListingSummary.h"
#include "ui/editor/ListingValues.h"

#include <QDialog>
#include <array>
#include <memory>

class DescriptionEditor;
class DescriptionPreview;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;
class QVBoxLayout;

// The listing editor "Auktion einstellen". It only shows a draft of the listing and reads
// it back; the rules live in ListingEditor.
class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(const AccountSession &session, QWidget *parent = nullptr);
    ~TForm8() override;

    // Set by "Neuer Artikel" before the window is shown: the location comes from the account.
    bool NewListing = false;
    // Set when a stored listing is edited: the save then updates row ListingId.
    bool UpdateExisting = false;
    int ListingId = 0;

    // The set-up that runs when the window is first shown; callers that never show the
    // window may run it directly. It runs once.
    void FormCreate();

    ListingDraft draft() const;
    void showDraft(const ListingDraft &draft);
    ListingEditor &editor() { return *m_editor; }

    // The slot (1 to 3) a picture file is taken into, as from the dialog or a drop.
    void takePicture(int slot, const QString &path);

    // Handlers of the controls.
    void Auktionstyp_auktionExit();
    void Auktionstyp_FestpreisExit();
    void RadioButton8Exit();
    void RadioButton5Exit();
    void comboBoxChange(int level);
    void versand_kON();
    void versand_kOFF();
    void versand_angabeON();
    void versand_angabeOFF();
    void ImageClick(int slot);
    void RemoveClick(int slot);
    void searchTextChanged();
    void searchHitChosen(int row);
    void PageControl1Change();
    // Fills the window from a stored listing; in edit mode the save updates that row.
    // Runs the set-up first when it has not run yet.
    void LoadListing(int id, ListingLoad::Source source, bool editMode);
    // "&Artikel speichern": saves into the list chosen in "Speichern in" and closes.
    void Button1Click();

    // Reads the controls into the listing's values and checks them; interactive shows the
    // findings and fills the summary. Shows the save button when nothing was found.
    bool CheckListing(ListingCheck::Mode mode, bool interactive);
    const ListingValues &values() const { return m_values; }
    QWidget *page(EditorPage page) const;

    QLabel *Banner = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QTreeWidget *ListView1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QWidget *TabSheet7 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet3 = nullptr;
    QWidget *TabSheet5 = nullptr;

    // "Auktionsdaten"
    QRadioButton *Auktionstyp_auktion = nullptr;
    QRadioButton *Auktionstyp_Festpreis = nullptr;
    QRadioButton *RadioButton8 = nullptr;
    QRadioButton *RadioButton9 = nullptr;
    QRadioButton *RadioButton5 = nullptr;
    QLabel *Label31 = nullptr;
    QComboBox *ComboBox9 = nullptr;
    QLabel *Label62 = nullptr;
    QGroupBox *FskGroup = nullptr;
    QRadioButton *FskNone = nullptr;
    QRadioButton *Fsk18 = nullptr;

    // "Allgemein"
    QLineEdit *Edit1 = nullptr;
    QLineEdit *CategorySearchEdit = nullptr;
    QListWidget *CategorySearchList = nullptr;
    QLabel *Label1 = nullptr;
    std::array<QComboBox *, CategoryCascade::Levels> CategoryLists{};
    QComboBox *ComboBox2 = nullptr;
    QComboBox *ComboBox3 = nullptr;
    QComboBox *ComboBox4 = nullptr;
    QComboBox *ComboBox5 = nullptr;
    QComboBox *ComboBox6 = nullptr;
    QComboBox *ComboBox7 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label67 = nullptr;
    QLabel *Label53 = nullptr;
    QLabel *Label8 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QLabel *Label12 = nullptr;
    QLineEdit *sofortkauf = nullptr;
    QLabel *Label63 = nullptr;
    QLineEdit *Edit10 = nullptr;
    QLineEdit *Edit5 = nullptr;
    QLineEdit *Edit6 = nullptr;
    QLabel *Label66 = nullptr;
    QComboBox *ComboBox10 = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLabel *Label72 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QCheckBox *Fettschrift = nullptr;
    QCheckBox *TopKategorie = nullptr;
    QCheckBox *Highlight = nullptr;
    QCheckBox *Galerie = nullptr;
    QCheckBox *Startseite = nullptr;
    QLabel *Label41 = nullptr;
    QLabel *Label42 = nullptr;
    QLabel *Label43 = nullptr;
    QLabel *Label60 = nullptr;
    QLabel *Label61 = nullptr;
    QGroupBox *GroupBox15 = nullptr;
    QComboBox *Zustand = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QLabel *Label75 = nullptr;
    QComboBox *cb_tax = nullptr;

    // "Beschreibung"
    DescriptionEditor *Description = nullptr;
    QTabWidget *DescriptionPages = nullptr;

    // "Darstellung, Zahlung & Versand"
    std::array<QGroupBox *, PictureSlots::Count> PictureBoxes{};
    std::array<QLabel *, PictureSlots::Count> Images{};
    std::array<QLabel *, PictureSlots::Count> PicturePrices{};
    std::array<QPushButton *, PictureSlots::Count> RemoveButtons{};
    QGroupBox *GroupBox2 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QFrame *versand_k = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QRadioButton *RadioButton4 = nullptr;
    QFrame *versandkosten = nullptr;
    QLabel *Label17 = nullptr;
    QComboBox *ComboBox12 = nullptr;
    QLineEdit *Edit7 = nullptr;
    QLabel *Label19 = nullptr;
    QLabel *Label18 = nullptr;
    QComboBox *versicherung = nullptr;
    QLineEdit *Edit8 = nullptr;
    QLabel *Label20 = nullptr;
    QLabel *Label64 = nullptr;
    std::array<QLineEdit *, 4> ExtendedCosts{}; // Edit12, Edit14, Edit13, Edit15
    QGroupBox *GroupBox3 = nullptr;
    QListWidget *ListBox7 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label16 = nullptr;
    QLabel *Label54 = nullptr;
    QFrame *Shape1 = nullptr;
    QFrame *Shape2 = nullptr;
    QFrame *Shape3 = nullptr;

    // "Ende"
    QGroupBox *ExtrasGroup = nullptr;
    std::array<QLabel *, PictureSlots::Count> Thumbnails{};
    QLabel *Label36 = nullptr;
    // Label49 to Label52 and "(Preisangaben ohne Gewähr)".
    QList<QLabel *> FeeLabels;
    QList<QLabel *> SummaryLabels;
    DescriptionPreview *WebBrowser1 = nullptr;
    QComboBox *ComboBox11 = nullptr;
    QPushButton *Button1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildAuctionDataPage();
    QWidget *buildGeneralPage();
    QWidget *buildTitleAndCategories();
    QWidget *buildPriceGroup();
    QWidget *buildLocationGroup();
    QWidget *buildQuantityGroup();
    QWidget *buildOptionsGroup();
    QWidget *buildListingDataGroup();
    QWidget *buildDescriptionPage();
    QWidget *buildPresentationPage();
    QWidget *buildPictureBox(int slot);
    QWidget *buildShippingGroup();
    QWidget *buildShippingCosts();
    QWidget *buildPaymentGroup();
    QWidget *buildEndPage();
    QGroupBox *summaryGroup(const QString &caption, std::initializer_list<std::pair<const char *, const char *>> rows);
    void connectHandlers();

    void applyShape();
    void applyTypeLayout(int code);
    void showCascade();
    void showDurations();
    void showPicture(int slot);
    void showPriceLabels(bool shown);
    void showSummary(const ListingSummary &summary);
    void setSummaryText(const char *label, const QString &text);
    int slotOfWidget(QObject *widget) const;
    void guarded(const std::function<void()> &action);

    std::unique_ptr<Database> m_db;
    std::unique_ptr<ListingEditor> m_editor;
    ListingDraft m_draft;
    ListingValues m_values;
    std::vector<CategorySearch::Hit> m_hits;
    bool m_setUp = false;
    bool m_showing = false;
};
