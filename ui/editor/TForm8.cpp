#include "ui/editor/TForm8.h"

#include "core/ErrorGuard.h"
#include "core/LoginContext.h"
#include "core/Prompter.h"
#include "ui/editor/ListingSave.h"
#include "ui/editor/PaymentChoice.h"
#include "ui/editor/description/DescriptionEditor.h"
#include "ui/editor/description/DescriptionPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString InUseStyle = QStringLiteral("QComboBox { background: white; }");
const QString UnusedStyle = QStringLiteral("QComboBox { background: silver; }");
const QString ChoosePrompt = QStringLiteral("Bitte wählen");
const QString EmptyPictureText = QStringLiteral("Hier klicken\noder JPEG-Datei\nhierher ziehen");
const QString PictureFilter = QStringLiteral("JPEG-Grafikdatei (*.jpg *.jpeg)");

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel *label(const QString &text, const char *name = nullptr)
{
    auto *result = new QLabel(text);
    if (name)
        result->setObjectName(QString::fromLatin1(name));
    return result;
}

QLabel *buddyLabel(const QString &text, QWidget *buddy, const char *name = nullptr)
{
    QLabel *result = label(text, name);
    result->setBuddy(buddy);
    return result;
}

QLineEdit *lineEdit(const char *name, const QString &text = {})
{
    auto *edit = named(new QLineEdit(text), name);
    return edit;
}

QComboBox *dropDown(const char *name, bool editable = false)
{
    auto *box = named(new QComboBox, name);
    box->setEditable(editable);
    box->setMinimumContentsLength(12);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

QLabel *redNote(const QString &text, const char *name = nullptr)
{
    QLabel *note = label(text, name);
    note->setStyleSheet(QStringLiteral("color: red;"));
    note->setWordWrap(true);
    return note;
}

QFrame *shape(const char *name, QWidget *content)
{
    auto *frame = named(new QFrame, name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setStyleSheet(QStringLiteral("QFrame#%1 { background: #fffbe6; border: 1px solid #c8b97a; }")
                             .arg(QString::fromLatin1(name)));
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(content);
    return frame;
}

void setShown(std::initializer_list<QWidget *> widgets, bool shown)
{
    for (QWidget *widget : widgets)
        widget->setVisible(shown);
}

QString firstLocalFile(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().isEmpty())
        return {};
    const QUrl url = mime->urls().first();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

} // namespace

TForm8::TForm8(const AccountSession &session, QWidget *parent)
    : QDialog(parent), m_db(std::make_unique<Database>(session.ProgramDir)),
      m_editor(std::make_unique<ListingEditor>(session, *m_db))
{
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("Auktion einstellen"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto *layout = new QVBoxLayout(this);
    Banner = named(label(QStringLiteral("Auktion einstellen")), "Banner");
    Banner->setFixedHeight(48);
    Banner->setStyleSheet(QStringLiteral("QLabel { color: white; font-size: 18pt; font-weight: bold; padding-left: 16px;"
                                         " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #17407a,"
                                         " stop:1 #6f9bd6); }"));
    layout->addWidget(Banner);
    auto *row = new QHBoxLayout;
    PageControl1 = named(new QTabWidget, "PageControl1");
    TabSheet2 = buildAuctionDataPage();
    TabSheet7 = buildGeneralPage();
    TabSheet1 = buildDescriptionPage();
    TabSheet3 = buildPresentationPage();
    TabSheet5 = buildEndPage();
    PageControl1->addTab(TabSheet2, QStringLiteral("Auktionsdaten"));
    PageControl1->addTab(TabSheet7, QStringLiteral("Allgemein"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Beschreibung"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Darstellung, Zahlung && Versand"));
    PageControl1->addTab(TabSheet5, QStringLiteral("Ende"));
    PageControl1->setTabVisible(0, false);
    row->addWidget(PageControl1, 1);
    ListView1 = named(new QTreeWidget, "ListView1");
    ListView1->setHeaderLabels({QStringLiteral("Auktionshaus"), QStringLiteral("ID")});
    ListView1->setRootIsDecorated(false);
    ListView1->setFixedWidth(200);
    ListView1->hide();
    row->addWidget(ListView1);
    layout->addLayout(row, 1);
    connectHandlers();
    showDraft(m_draft);
    setWindowState(windowState() | Qt::WindowMaximized);
}

TForm8::~TForm8() = default;

void TForm8::guarded(const std::function<void()> &action)
{
    runGuarded(action);
}

QWidget *TForm8::buildAuctionDataPage()
{
    auto *page = named(new QWidget, "TabSheet2");
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(label(QStringLiteral("Auktionstyp wählen:")));
    Auktionstyp_auktion = named(new QRadioButton(QStringLiteral("Auktion: Verkaufen zum Höchstpreis")), "Auktionstyp_auktion");
    Auktionstyp_Festpreis = named(new QRadioButton(QStringLiteral("Verkaufen zum Festpreis")), "Auktionstyp_Festpreis");
    RadioButton8 = named(new QRadioButton(QStringLiteral("Auktion: Verkaufen zum Höchstpreis mit Festpreis")), "RadioButton8");
    RadioButton9 = named(new QRadioButton(QStringLiteral("Shop-Artikel")), "RadioButton9");
    RadioButton5 = named(new QRadioButton(QStringLiteral("Auktions-Shop-Artikel")), "RadioButton5");
    for (QRadioButton *button : {Auktionstyp_auktion, Auktionstyp_Festpreis, RadioButton8, RadioButton9, RadioButton5})
        layout->addWidget(button);
    Auktionstyp_auktion->setChecked(true);
    RadioButton8->hide();
    RadioButton9->hide();
    RadioButton5->setEnabled(false);

    auto *repetition = new QHBoxLayout;
    ComboBox9 = dropDown("ComboBox9");
    ComboBox9->setMinimumContentsLength(4);
    Label31 = buddyLabel(QStringLiteral("Wie oft soll der Artikel automatisch wiedereingestellt werden?"), ComboBox9, "Label31");
    Label62 = label(QStringLiteral("Mal"), "Label62");
    repetition->addWidget(Label31);
    repetition->addWidget(ComboBox9);
    repetition->addWidget(Label62);
    repetition->addStretch();
    layout->addSpacing(16);
    layout->addLayout(repetition);
    setShown({Label31, ComboBox9, Label62}, false);

    FskGroup = named(new QGroupBox(QStringLiteral("FSK - Jugendschutzbestimmungen")), "FskGroup");
    auto *fsk = new QVBoxLayout(FskGroup);
    FskNone = named(new QRadioButton(QStringLiteral("kein FSK")), "FskNone");
    Fsk18 = named(new QRadioButton(QStringLiteral("FSK 18")), "Fsk18");
    FskNone->setChecked(true);
    fsk->addWidget(FskNone);
    fsk->addWidget(Fsk18);
    layout->addWidget(FskGroup);
    layout->addStretch();
    return page;
}

QWidget *TForm8::buildGeneralPage()
{
    auto *page = named(new QWidget, "TabSheet7");
    auto *grid = new QGridLayout(page);
    grid->addWidget(buildTitleAndCategories(), 0, 0, 1, 3);
    grid->addWidget(buildPriceGroup(), 1, 0);
    grid->addWidget(buildLocationGroup(), 1, 1);
    grid->addWidget(buildQuantityGroup(), 1, 2);
    grid->addWidget(buildOptionsGroup(), 2, 0, 1, 2);
    grid->addWidget(buildListingDataGroup(), 2, 2);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget *TForm8::buildTitleAndCategories()
{
    auto *box = new QWidget;
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    Edit1 = lineEdit("Edit1");
    Edit1->setMaxLength(55);
    grid->addWidget(buddyLabel(QStringLiteral("Artikeltitel"), Edit1), 0, 0);
    grid->addWidget(Edit1, 0, 1, 1, 3);
    CategorySearchEdit = lineEdit("CategorySearchEdit");
    CategorySearchEdit->setPlaceholderText(QStringLiteral("mindestens 3 Buchstaben, z. B. \"mobel\""));
    grid->addWidget(buddyLabel(QStringLiteral("Kategorie suchen"), CategorySearchEdit, "LabelCategorySearch"), 1, 0);
    grid->addWidget(CategorySearchEdit, 1, 1, 1, 3);
    CategorySearchList = named(new QListWidget, "CategorySearchList");
    CategorySearchList->setMaximumHeight(110);
    CategorySearchList->hide();
    grid->addWidget(CategorySearchList, 2, 1, 1, 3);
    const char *names[] = {"ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox6", "ComboBox7"};
    for (int level = 0; level < CategoryCascade::Levels; ++level) {
        QComboBox *list = dropDown(names[level]);
        list->setMinimumContentsLength(22);
        list->setStyleSheet(level == 0 ? InUseStyle : UnusedStyle);
        CategoryLists[static_cast<size_t>(level)] = list;
        grid->addWidget(list, 3 + level / 3, 1 + level % 3);
    }
    ComboBox2 = CategoryLists[0];
    ComboBox3 = CategoryLists[1];
    ComboBox4 = CategoryLists[2];
    ComboBox5 = CategoryLists[3];
    ComboBox6 = CategoryLists[4];
    ComboBox7 = CategoryLists[5];
    Label1 = buddyLabel(QStringLiteral("Kategorie wählen:"), ComboBox2, "Label1");
    grid->addWidget(Label1, 3, 0);
    Label3 = label(QStringLiteral("0"), "Label3");
    Label3->hide();
    grid->addWidget(Label3, 4, 0);
    Label2 = label(QStringLiteral("Aktuell gewählte Kategorie:"), "Label2");
    Label67 = label(QStringLiteral("None"), "Label67");
    Label67->setWordWrap(true);
    QFont bold = Label67->font();
    bold.setBold(true);
    Label67->setFont(bold);
    grid->addWidget(Label2, 5, 0);
    grid->addWidget(Label67, 5, 1, 1, 3);
    Label53 = redNote(QStringLiteral("Achtung: Wenn sie die Kategorie ändern wird die momentane Kategorie gelöscht!"), "Label53");
    Label53->hide();
    grid->addWidget(Label53, 6, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget *TForm8::buildPriceGroup()
{
    auto *group = named(new QGroupBox(QStringLiteral("Preis")), "PriceGroup");
    auto *grid = new QGridLayout(group);
    Edit4 = lineEdit("Edit4", QStringLiteral("1,00"));
    sofortkauf = lineEdit("sofortkauf", QStringLiteral("N/A"));
    Edit10 = lineEdit("Edit10", QStringLiteral("0"));
    Label8 = buddyLabel(QStringLiteral("Startpreis"), Edit4, "Label8");
    Label12 = buddyLabel(QStringLiteral("Sofortkaufpreis"), sofortkauf, "Label12");
    Label63 = buddyLabel(QStringLiteral("Mindestpreis"), Edit10, "Label63");
    grid->addWidget(Label8, 0, 0);
    grid->addWidget(Edit4, 0, 1);
    grid->addWidget(Label12, 1, 0);
    grid->addWidget(sofortkauf, 1, 1);
    grid->addWidget(Label63, 2, 0);
    grid->addWidget(Edit10, 2, 1);
    setShown({Label63, Edit10}, false);
    grid->setRowStretch(3, 1);
    return group;
}

QWidget *TForm8::buildLocationGroup()
{
    auto *group = named(new QGroupBox(QStringLiteral("Standort")), "LocationGroup");
    auto *grid = new QGridLayout(group);
    Edit5 = lineEdit("Edit5");
    Edit5->setMaxLength(5);
    Edit6 = lineEdit("Edit6");
    ComboBox10 = dropDown("ComboBox10");
    Label66 = buddyLabel(QStringLiteral("Land"), ComboBox10, "Label66");
    grid->addWidget(buddyLabel(QStringLiteral("Postleitzahl"), Edit5), 0, 0);
    grid->addWidget(Edit5, 0, 1);
    grid->addWidget(buddyLabel(QStringLiteral("Ort"), Edit6), 1, 0);
    grid->addWidget(Edit6, 1, 1);
    grid->addWidget(Label66, 2, 0);
    grid->addWidget(ComboBox10, 2, 1);
    grid->setRowStretch(3, 1);
    return group;
}

QWidget *TForm8::buildQuantityGroup()
{
    auto *group = named(new QGroupBox(QStringLiteral("Bezeichnung / Menge")), "QuantityGroup");
    auto *grid = new QGridLayout(group);
    Edit2 = lineEdit("Edit2");
    Label5 = buddyLabel(QStringLiteral("Eigene Artikelnr."), Edit2, "Label5");
    Edit3 = lineEdit("Edit3", QStringLiteral("1"));
    Edit3->setMaximumWidth(80);
    grid->addWidget(Label5, 0, 0);
    grid->addWidget(Edit2, 0, 1, 1, 2);
    grid->addWidget(buddyLabel(QStringLiteral("Artikelanzahl"), Edit3), 1, 0);
    grid->addWidget(Edit3, 1, 1);
    grid->addWidget(label(QStringLiteral("Stück")), 1, 2);
    Label72 = label(QStringLiteral("(Dutch-Auktion > 1 St)"), "Label72");
    Label72->hide();
    grid->addWidget(Label72, 2, 1, 1, 2);
    grid->setRowStretch(3, 1);
    return group;
}

QWidget *TForm8::buildOptionsGroup()
{
    GroupBox1 = named(new QGroupBox(QStringLiteral("Zusatzoptionen")), "GroupBox1");
    auto *grid = new QGridLayout(GroupBox1);
    struct Option {
        QCheckBox **box;
        const char *name;
        const char *caption;
        QLabel **price;
        const char *priceName;
    };
    const Option options[] = {
        {&Fettschrift, "Fettschrift", "Fettschrift", &Label41, "Label41"},
        {&TopKategorie, "TopKategorie", "Top-Kategorie", &Label42, "Label42"},
        {&Highlight, "Highlight", "Highlight (Textmarker)", &Label43, "Label43"},
        {&Galerie, "Galerie", "Galerie", &Label60, "Label60"},
        {&Startseite, "Startseite", "Startseite", &Label61, "Label61"},
    };
    int row = 0;
    for (const Option &option : options) {
        *option.box = named(new QCheckBox(QString::fromUtf8(option.caption)), option.name);
        *option.price = label(QStringLiteral("(kostenlos)"), option.priceName);
        grid->addWidget(*option.box, row, 0);
        grid->addWidget(*option.price, row, 1);
        ++row;
    }
    setShown({Galerie, Label60, Startseite, Label61}, false);
    grid->addWidget(redNote(QStringLiteral("Optionen können kostenpflichtig sein!")), row, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    return GroupBox1;
}

QWidget *TForm8::buildListingDataGroup()
{
    GroupBox15 = named(new QGroupBox(QStringLiteral("Auktionsdaten")), "GroupBox15");
    auto *grid = new QGridLayout(GroupBox15);
    Zustand = dropDown("Zustand");
    ComboBox1 = dropDown("ComboBox1");
    ComboBox1->addItems({QStringLiteral("1 Tag"), QStringLiteral("1 Woche"), QStringLiteral("1 Monat")});
    cb_tax = dropDown("cb_tax");
    cb_tax->addItems({QStringLiteral("Mwst. wird nicht ausgewiesen"), QStringLiteral("19%"), QStringLiteral("7%"),
                      QStringLiteral("Nach §19 werden keine MwSt. ausgewiesen"), QStringLiteral("Siehe Beschreibung")});
    Label75 = buddyLabel(QStringLiteral("MwSt:"), cb_tax, "Label75");
    grid->addWidget(buddyLabel(QStringLiteral("Zustand der Ware:"), Zustand), 0, 0);
    grid->addWidget(Zustand, 0, 1);
    grid->addWidget(buddyLabel(QStringLiteral("Auktionsdauer:"), ComboBox1), 1, 0);
    grid->addWidget(ComboBox1, 1, 1);
    grid->addWidget(Label75, 2, 0);
    grid->addWidget(cb_tax, 2, 1);
    grid->setRowStretch(3, 1);
    return GroupBox15;
}

QWidget *TForm8::buildDescriptionPage()
{
    auto *page = named(new QWidget, "TabSheet1");
    auto *layout = new QVBoxLayout(page);
    Description = named(new DescriptionEditor(m_editor->session().ProgramDir), "Description");
    DescriptionPages = Description->PageControl2;
    layout->addWidget(Description);
    return page;
}

QWidget *TForm8::buildPresentationPage()
{
    auto *page = named(new QWidget, "TabSheet3");
    auto *grid = new QGridLayout(page);
    auto *pictures = new QHBoxLayout;
    for (int slot = 1; slot <= PictureSlots::Count; ++slot)
        pictures->addWidget(buildPictureBox(slot));
    Label14 = label(QStringLiteral("Klicken Sie auf ein leeres Feld, um ein Bild auszuwählen, oder ziehen Sie eine "
                                   "JPEG-Datei darauf. Der Preis jedes Bildes steht unten rechts."),
                    "Label14");
    Label14->setWordWrap(true);
    Label14->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Shape1 = shape("Shape1", Label14);
    grid->addLayout(pictures, 0, 0);
    grid->addWidget(Shape1, 0, 1);
    grid->addWidget(buildShippingGroup(), 1, 0);
    Label54 = label(QStringLiteral("Geben Sie an, wer die Versandkosten trägt und ob Sie sie schon jetzt kennen."),
                    "Label54");
    Label54->setWordWrap(true);
    Shape3 = shape("Shape3", Label54);
    grid->addWidget(Shape3, 1, 1, Qt::AlignTop);
    grid->addWidget(buildPaymentGroup(), 2, 0);
    Label16 = label(QStringLiteral("Wählen Sie die Zahlungsmöglichkeiten"), "Label16");
    Label16->setWordWrap(true);
    Shape2 = shape("Shape2", Label16);
    grid->addWidget(Shape2, 2, 1, Qt::AlignTop);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget *TForm8::buildPictureBox(int slot)
{
    const size_t i = static_cast<size_t>(slot - 1);
    const QString caption = QStringLiteral("Bild%1").arg(slot);
    auto *box = new QGroupBox(caption);
    box->setObjectName(caption);
    box->setAcceptDrops(true);
    box->installEventFilter(this);
    auto *layout = new QGridLayout(box);
    auto *image = new QLabel;
    image->setObjectName(QStringLiteral("Image%1").arg(slot));
    image->setFixedSize(180, 135);
    image->setAlignment(Qt::AlignCenter);
    image->setFrameShape(QFrame::Box);
    image->setCursor(Qt::PointingHandCursor);
    image->setText(EmptyPictureText);
    image->setToolTip(QStringLiteral("Klicken, um ein Bild zu wählen"));
    image->installEventFilter(this);
    auto *remove = new QPushButton(QStringLiteral("entfernen"));
    remove->setObjectName(QStringLiteral("Button%1").arg(slot + 1));
    auto *price = new QLabel(slot == 1 ? QStringLiteral("kostenlos") : QStringLiteral("0,30 €"));
    price->setObjectName(QStringLiteral("Label%1").arg(37 + slot));
    layout->addWidget(image, 0, 0, 1, 2);
    layout->addWidget(remove, 1, 0, Qt::AlignLeft);
    layout->addWidget(price, 1, 1, Qt::AlignRight);
    PictureBoxes[i] = box;
    Images[i] = image;
    RemoveButtons[i] = remove;
    PicturePrices[i] = price;
    return box;
}

QWidget *TForm8::buildShippingGroup()
{
    GroupBox2 = named(new QGroupBox(QStringLiteral("Versand")), "GroupBox2");
    auto *layout = new QVBoxLayout(GroupBox2);
    RadioButton1 = named(new QRadioButton(QStringLiteral("Verkäufer trägt Versandkosten")), "RadioButton1");
    RadioButton2 = named(new QRadioButton(QStringLiteral("Käufer trägt Versandkosten")), "RadioButton2");
    RadioButton1->setChecked(true);
    CheckBox1 = named(new QCheckBox(QStringLiteral("Ware ist international verfügbar")), "CheckBox1");
    auto *payer = new QHBoxLayout;
    payer->addWidget(RadioButton1);
    payer->addWidget(RadioButton2);
    payer->addWidget(CheckBox1);
    payer->addStretch();
    layout->addLayout(payer);
    versand_k = named(new QFrame, "versand_k");
    auto *when = new QVBoxLayout(versand_k);
    when->setContentsMargins(0, 0, 0, 0);
    RadioButton3 = named(new QRadioButton(QStringLiteral("Ich mache später Angaben zu den Verandkosten")), "RadioButton3");
    RadioButton4 = named(new QRadioButton(QStringLiteral("Mir sind die Versandkosten bekannt und ich gebe sie hier ein")),
                         "RadioButton4");
    RadioButton3->setChecked(true);
    when->addWidget(RadioButton3);
    when->addWidget(RadioButton4);
    when->addWidget(buildShippingCosts());
    versand_k->hide();
    layout->addWidget(versand_k);
    return GroupBox2;
}

QWidget *TForm8::buildShippingCosts()
{
    versandkosten = named(new QFrame, "versandkosten");
    auto *grid = new QGridLayout(versandkosten);
    ComboBox12 = dropDown("ComboBox12", true);
    ComboBox12->setMinimumContentsLength(26);
    ComboBox12->addItems(ShippingRules::designMethods());
    ComboBox12->setCurrentIndex(-1);
    ComboBox12->setEditText(QStringLiteral("-- Bitte wählen"));
    Edit7 = lineEdit("Edit7", QStringLiteral("0"));
    Label17 = buddyLabel(QStringLiteral("Verpackung && Versand"), ComboBox12, "Label17");
    Label19 = label(QStringLiteral("€"), "Label19");
    versicherung = dropDown("versicherung");
    versicherung->setMinimumContentsLength(26);
    versicherung->addItems(ShippingRules::designInsurances());
    versicherung->setCurrentIndex(-1);
    Edit8 = lineEdit("Edit8", QStringLiteral("0"));
    Label18 = buddyLabel(QStringLiteral("Versandversicherung pro Artikel"), versicherung, "Label18");
    Label20 = label(QStringLiteral("€"), "Label20");
    Label64 = label(QStringLiteral("Inland   -    EU    - Weltweit"), "Label64");
    const char *extended[] = {"Edit12", "Edit14", "Edit13", "Edit15"};
    for (size_t i = 0; i < ExtendedCosts.size(); ++i) {
        ExtendedCosts[i] = lineEdit(extended[i], QStringLiteral("0"));
        ExtendedCosts[i]->setMaximumWidth(70);
        ExtendedCosts[i]->hide();
    }
    for (QLineEdit *edit : {Edit7, Edit8})
        edit->setMaximumWidth(70);
    grid->addWidget(Label64, 0, 2, 1, 3);
    grid->addWidget(Label17, 1, 0);
    grid->addWidget(ComboBox12, 1, 1);
    grid->addWidget(Edit7, 1, 2);
    grid->addWidget(ExtendedCosts[0], 1, 3);
    grid->addWidget(ExtendedCosts[1], 1, 4);
    grid->addWidget(Label19, 1, 5);
    grid->addWidget(Label18, 2, 0);
    grid->addWidget(versicherung, 2, 1);
    grid->addWidget(Edit8, 2, 2);
    grid->addWidget(ExtendedCosts[2], 2, 3);
    grid->addWidget(ExtendedCosts[3], 2, 4);
    grid->addWidget(Label20, 2, 5);
    grid->setColumnStretch(6, 1);
    Label64->hide();
    versandkosten->hide();
    return versandkosten;
}

QWidget *TForm8::buildPaymentGroup()
{
    GroupBox3 = named(new QGroupBox(QStringLiteral("Zahlungsmöglichkeit")), "GroupBox3");
    auto *layout = new QVBoxLayout(GroupBox3);
    ListBox7 = named(new QListWidget, "ListBox7");
    ListBox7->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox7->setMinimumHeight(120);
    auto *hint = buddyLabel(QStringLiteral("Mehrere Zahlungsmöglichkeiten wählen Sie mit gedrückter Strg-Taste aus."),
                            ListBox7);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addWidget(ListBox7);
    return GroupBox3;
}

QGroupBox *TForm8::summaryGroup(const QString &caption, std::initializer_list<std::pair<const char *, const char *>> rows)
{
    auto *group = new QGroupBox(caption);
    auto *grid = new QGridLayout(group);
    int row = 0;
    for (const auto &[text, name] : rows) {
        QLabel *value = label(QStringLiteral("—"), name);
        value->setWordWrap(true);
        if (text) {
            grid->addWidget(buddyLabel(QString::fromUtf8(text), value), row, 0, Qt::AlignTop);
            grid->addWidget(value, row++, 1);
        } else {
            grid->addWidget(value, row++, 0, 1, 2);
        }
        SummaryLabels << value;
    }
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget *TForm8::buildEndPage()
{
    auto *page = named(new QWidget, "TabSheet5");
    auto *grid = new QGridLayout(page);
    grid->addWidget(summaryGroup(QStringLiteral("Auktionstitel"), {{nullptr, "Label22"}}), 0, 0);
    QGroupBox *information = summaryGroup(QStringLiteral("Auktionsinformationen"),
        {{"Startpreis:", "Label44"}, {"Sofortkaufpreis:", "Label45"}, {"Anzahl:", "Label46"}, {"Auktionsdauer:", "Label47"},
         {"Artikelnummer:", "Label48"}, {"Standort", "Label29"}, {"Zustand der Ware", "Label32"}});
    grid->addWidget(information, 1, 0, 2, 1);
    grid->addWidget(summaryGroup(QStringLiteral("Zahlungsmethoden"), {{nullptr, "Label33"}}), 0, 1);
    grid->addWidget(summaryGroup(QStringLiteral("Versandhinweis"), {{nullptr, "Label34"}}), 1, 1);
    ExtrasGroup = named(summaryGroup(QStringLiteral("Extras"), {{nullptr, "Label35"}}), "ExtrasGroup");
    grid->addWidget(ExtrasGroup, 2, 1);
    auto *pictures = named(new QGroupBox(QStringLiteral("Bilder")), "PicturesGroup");
    auto *thumbs = new QHBoxLayout(pictures);
    for (int slot = 1; slot <= PictureSlots::Count; ++slot) {
        auto *thumb = new QLabel;
        thumb->setObjectName(QStringLiteral("Image%1s").arg(slot));
        thumb->setToolTip(QStringLiteral("Bild %1").arg(slot));
        thumb->setFixedSize(96, 72);
        thumb->setAlignment(Qt::AlignCenter);
        Thumbnails[static_cast<size_t>(slot - 1)] = thumb;
        thumbs->addWidget(thumb);
    }
    Label36 = label(QStringLiteral("Keine Bilder vorhanden"), "Label36");
    thumbs->addWidget(Label36);
    thumbs->addStretch();
    grid->addWidget(pictures, 3, 0);
    auto *descriptionGroup = named(new QGroupBox(QStringLiteral("Artikelbeschreibung")), "DescriptionGroup");
    WebBrowser1 = named(new DescriptionPreview(m_editor->session().ProgramDir + QStringLiteral("pictures/")), "WebBrowser1");
    WebBrowser1->setMinimumHeight(160);
    (new QVBoxLayout(descriptionGroup))->addWidget(WebBrowser1);
    grid->addWidget(descriptionGroup, 4, 0, 1, 2);
    const char *feeNames[] = {"Label49", "Label50", "Label51"};
    QLayout *feeHomes[] = {information->layout(), thumbs, ExtrasGroup->layout()};
    for (int i = 0; i < 3; ++i) {
        FeeLabels << label(QStringLiteral("+ 0 EUR"), feeNames[i]);
        feeHomes[i]->addWidget(FeeLabels.last());
    }
    QLabel *total = redNote(QStringLiteral("Gesammtpreis: 0 EUR"), "Label52");
    QFont emphasis = total->font();
    emphasis.setBold(true);
    emphasis.setUnderline(true);
    total->setFont(emphasis);
    FeeLabels << total << label(QStringLiteral("(Preisangaben ohne Gewähr)"));
    auto *fees = new QVBoxLayout;
    fees->addWidget(FeeLabels[3]);
    fees->addWidget(FeeLabels[4]);
    fees->addStretch();
    grid->addLayout(fees, 3, 1);
    ComboBox11 = dropDown("ComboBox11");
    ComboBox11->addItems({QStringLiteral("Übertragungsliste"), QStringLiteral("Stammartikel")});
    ComboBox11->setCurrentIndex(1);
    auto *save = new QHBoxLayout;
    save->addWidget(buddyLabel(QStringLiteral("Speichern in"), ComboBox11));
    save->addWidget(ComboBox11);
    Button1 = named(new QPushButton(QStringLiteral("&Artikel speichern")), "Button1");
    Button1->hide();
    save->addWidget(Button1);
    save->addStretch();
    grid->addLayout(save, 5, 0, 1, 2);
    grid->addWidget(redNote(QStringLiteral("Bitte beachten Sie, dass einige Optionen sowie die Auktions selbst mit Gebühren "
                                           "verbunden sein kann! Entnehmen Sie bitte die Gebühren aus der aktuellen "
                                           "Preisliste des Auktionshauses.")),
                    6, 0, 1, 2);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

void TForm8::connectHandlers()
{
    const auto onChecked = [this](QRadioButton *button, void (TForm8::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked && m_setUp)
                guarded([this, handler] { (this->*handler)(); });
        });
    };
    onChecked(Auktionstyp_auktion, &TForm8::Auktionstyp_auktionExit);
    onChecked(Auktionstyp_Festpreis, &TForm8::Auktionstyp_FestpreisExit);
    onChecked(RadioButton8, &TForm8::RadioButton8Exit);
    onChecked(RadioButton9, &TForm8::Auktionstyp_FestpreisExit);
    onChecked(RadioButton5, &TForm8::RadioButton5Exit);
    for (int level = 0; level < CategoryCascade::Levels; ++level) {
        connect(CategoryLists[static_cast<size_t>(level)], QOverload<int>::of(&QComboBox::activated), this,
                [this, level] { guarded([this, level] { comboBoxChange(level); }); });
    }
    connect(RadioButton1, &QRadioButton::clicked, this, [this] { versand_kOFF(); });
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { versand_kON(); });
    connect(RadioButton3, &QRadioButton::clicked, this, [this] { versand_angabeOFF(); });
    connect(RadioButton4, &QRadioButton::clicked, this, [this] { versand_angabeON(); });
    for (int slot = 1; slot <= PictureSlots::Count; ++slot) {
        connect(RemoveButtons[static_cast<size_t>(slot - 1)], &QPushButton::clicked, this,
                [this, slot] { guarded([this, slot] { RemoveClick(slot); }); });
    }
    connect(CategorySearchEdit, &QLineEdit::textEdited, this, [this] { guarded([this] { searchTextChanged(); }); });
    connect(CategorySearchList, &QListWidget::itemActivated, this,
            [this] { guarded([this] { searchHitChosen(CategorySearchList->currentRow()); }); });
    connect(CategorySearchList, &QListWidget::itemClicked, this,
            [this] { guarded([this] { searchHitChosen(CategorySearchList->currentRow()); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { guarded([this] { PageControl1Change(); }); });
}

void TForm8::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_setUp)
        guarded([this] { FormCreate(); });
}

void TForm8::FormCreate()
{
    if (m_setUp)
        return;
    m_setUp = true;
    loginContext().LastSavedListKind = -1;
    m_draft = draft();
    PageControl1->setCurrentWidget(TabSheet1);
    try {
        m_editor->setUp(m_draft, NewListing);
    } catch (const std::exception &) {
        prompter().showMessage(QStringLiteral("Fehler bei der Datenübernahme!\n") + currentErrorText());
        prompter().showMessage(QStringLiteral("Die Auktionsdaten wurden icht komplett geladen!"));
    }
    Edit5->setText(m_draft.postcode);
    Edit6->setText(m_draft.town);
    applyShape();
    applyTypeLayout(m_draft.auctionType);
    setShown({Label5, Edit2}, false);
    ComboBox12->setVisible(m_editor->shippingPanel().methodListShown);
    // The search reads the whole tree once; do it while the seller looks at the window,
    // so the first search answers at once.
    QTimer::singleShot(0, this, [this] { guarded([this] { m_editor->search(); }); });
}

void TForm8::applyShape()
{
    const EditorShape &shape = m_editor->shape();
    RadioButton5->setVisible(shape.auctionShopShown);
    RadioButton5->setEnabled(shape.auctionShopShown);
    for (QRadioButton *button : {RadioButton8, RadioButton9}) {
        button->setVisible(true);
        button->setEnabled(true);
    }
    Auktionstyp_Festpreis->setVisible(shape.fixedPriceEnabled);
    Auktionstyp_Festpreis->setEnabled(shape.fixedPriceEnabled);
    setShown({Label63, Edit10}, shape.minPriceShown);
    setShown({Label66, ComboBox10}, shape.countryShown);
    ComboBox10->clear();
    ComboBox10->addItems(m_editor->countries());
    ListBox7->clear();
    ListBox7->addItems(m_editor->paymentMethods());
    for (int position : m_draft.paymentPositions) {
        if (QListWidgetItem *item = ListBox7->item(position))
            item->setSelected(true);
    }
    Zustand->clear();
    Zustand->addItems(shape.conditions);
    Zustand->setCurrentIndex(std::max(m_draft.conditionIndex, 0) < Zustand->count() ? std::max(m_draft.conditionIndex, 0) : -1);
    setShown({GroupBox1, ExtrasGroup, Shape2, Label16}, shape.optionsShown);
    setShown({Galerie, Label60}, shape.galleryShown);
    setShown({Startseite, Label61}, shape.frontPageShown);
    FskGroup->setEnabled(false);
    setShown({FskGroup, Label75, cb_tax}, false);
    ComboBox9->clear();
    ComboBox9->addItems(shape.repetitionEntries);
    ComboBox9->setCurrentIndex(m_draft.repetitionIndex < ComboBox9->count() ? m_draft.repetitionIndex : -1);
    Label31->setText(shape.repetitionQuestion);
    Label62->setText(shape.repetitionUnit);
    setShown({Label31, ComboBox9, Label62}, shape.repetitionShown);
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheet2), shape.auctionDataTabShown);
    PageControl1->setCurrentWidget(shape.auctionDataTabShown ? TabSheet2 : TabSheet7);
    showPriceLabels(!shape.priceLabelsHidden);
    Label72->setVisible(shape.priceLabelsHidden);
}

void TForm8::showPriceLabels(bool shown)
{
    setShown({Label41, Label42, Label43, Label60, Label61}, shown);
    for (QLabel *price : PicturePrices)
        price->setVisible(shown);
    for (QLabel *fee : FeeLabels)
        fee->setVisible(shown);
    const EditorShape &shape = m_editor->shape();
    Label60->setVisible(shown && shape.galleryShown);
    Label61->setVisible(shown && shape.frontPageShown);
}

void TForm8::applyTypeLayout(int code)
{
    m_draft = draft();
    const Categories::Table before = m_editor->cascade().table();
    const AuctionTypes::Layout &layout = m_editor->applyType(code, m_draft);
    if (layout.buyNowShown)
        setShown({Label12, sofortkauf}, *layout.buyNowShown);
    setShown({Label8, Edit4}, layout.startPriceShown);
    setShown({Label63, Edit10}, m_editor->minPriceShownFor(layout));
    Edit3->setEnabled(m_editor->quantityEnabled());
    Edit3->setText(m_draft.quantity);
    showDurations();
    if (before != m_editor->cascade().table() || !m_setUp || ComboBox2->count() == 0)
        showCascade();
}

void TForm8::Auktionstyp_auktionExit()
{
    applyTypeLayout(AuctionTypes::HighestBid);
}

void TForm8::Auktionstyp_FestpreisExit()
{
    applyTypeLayout(RadioButton9->isChecked() ? AuctionTypes::ShopArticle : AuctionTypes::FixedPrice);
}

void TForm8::RadioButton8Exit()
{
    applyTypeLayout(AuctionTypes::HighestBidWithFixedPrice);
}

void TForm8::RadioButton5Exit()
{
    applyTypeLayout(AuctionTypes::AuctionShopArticle);
}

void TForm8::showDurations()
{
    ComboBox1->clear();
    ComboBox1->addItems(m_editor->durationNames());
    ComboBox1->setCurrentIndex(m_draft.durationIndex < ComboBox1->count() ? m_draft.durationIndex : -1);
}

void TForm8::showCascade()
{
    CategoryCascade &cascade = m_editor->cascade();
    for (int level = 0; level < CategoryCascade::Levels; ++level) {
        const CategoryCascade::Level &entries = cascade.level(level);
        QComboBox *list = CategoryLists[static_cast<size_t>(level)];
        const QSignalBlocker block(list);
        list->clear();
        for (const Categories::Entry &entry : entries.entries)
            list->addItem(entry.name);
        list->setPlaceholderText(entries.inUse ? ChoosePrompt : QString());
        list->setCurrentIndex(entries.picked);
        list->setStyleSheet(entries.inUse ? InUseStyle : UnusedStyle);
    }
    Label3->setText(cascade.chosenId());
    Label67->setText(cascade.pathText());
    m_draft.categoryId = cascade.chosenId();
    if (cascade.missingNotice()) {
        cascade.clearMissingNotice();
        prompter().showMessage(CategoryCascade::MissingMessage);
    }
}

void TForm8::comboBoxChange(int level)
{
    if (level == 0)
        Label53->hide();
    m_editor->cascade().pick(level, CategoryLists[static_cast<size_t>(level)]->currentIndex());
    showCascade();
}

void TForm8::searchTextChanged()
{
    const QString text = CategorySearchEdit->text();
    m_hits.clear();
    if (text.trimmed().size() >= CategorySearch::MinimumLength)
        m_hits = m_editor->search().find(text);
    CategorySearchList->clear();
    for (const CategorySearch::Hit &hit : m_hits)
        CategorySearchList->addItem(hit.path);
    CategorySearchList->setVisible(!m_hits.empty());
}

void TForm8::searchHitChosen(int row)
{
    if (row < 0 || row >= static_cast<int>(m_hits.size()))
        return;
    Label53->hide();
    m_editor->chooseSearchHit(m_hits[static_cast<size_t>(row)], m_draft);
    showCascade();
    CategorySearchList->hide();
}

void TForm8::versand_kOFF()
{
    versand_k->hide();
}

void TForm8::versand_kON()
{
    const ShippingRules::Panel panel = m_editor->shippingPanel();
    if (!panel.detailsShown)
        return;
    versand_k->show();
    Label17->setText(panel.firstRowCaption);
    ComboBox12->setVisible(panel.methodListShown);
    setShown({Edit7, Label19}, panel.firstCostShown);
    setShown({Label18}, panel.secondRowShown && panel.secondRowLabelShown);
    setShown({versicherung}, panel.secondRowShown && panel.insuranceListShown);
    setShown({Edit8, Label20}, panel.secondRowShown);
    if (m_editor->session().house.versandangabe == 4) {
        ComboBox12->clear();
        ComboBox12->addItems(panel.methods);
        versicherung->clear();
        versicherung->addItems(panel.insurances);
    }
}

void TForm8::versand_angabeOFF()
{
    versandkosten->hide();
}

void TForm8::versand_angabeON()
{
    versandkosten->show();
    const bool extended = m_editor->extendedShipping();
    Label64->setVisible(extended);
    for (QLineEdit *edit : ExtendedCosts)
        edit->setVisible(extended);
}

int TForm8::slotOfWidget(QObject *widget) const
{
    for (int i = 0; i < PictureSlots::Count; ++i) {
        if (widget == Images[static_cast<size_t>(i)] || widget == PictureBoxes[static_cast<size_t>(i)])
            return i + 1;
    }
    return 0;
}

bool TForm8::eventFilter(QObject *watched, QEvent *event)
{
    const int slot = slotOfWidget(watched);
    if (slot == 0)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonRelease && watched == Images[static_cast<size_t>(slot - 1)]) {
        guarded([this, slot] { ImageClick(slot); });
        return true;
    }
    if (event->type() == QEvent::DragEnter) {
        auto *drag = static_cast<QDragEnterEvent *>(event);
        if (PictureSlots::isJpegFile(firstLocalFile(drag->mimeData())))
            drag->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = firstLocalFile(drop->mimeData());
        drop->acceptProposedAction();
        guarded([this, slot, path] { takePicture(slot, path); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TForm8::ImageClick(int slot)
{
    const QString refusal = m_editor->pictures().refusalToChoose(slot);
    if (!refusal.isEmpty()) {
        prompter().showMessage(refusal);
        return;
    }
    const QString path = prompter().chooseOpenFile(QStringLiteral("Bild öffnen"), loginContext().LastPictureFolder,
                                                   PictureFilter);
    if (path.isEmpty())
        return;
    loginContext().LastPictureFolder = PictureSlots::folderOf(path);
    takePicture(slot, path);
}

void TForm8::takePicture(int slot, const QString &path)
{
    const QString refusal = m_editor->pictures().refusalToChoose(slot);
    if (!refusal.isEmpty()) {
        prompter().showMessage(refusal);
        return;
    }
    const QPixmap picture(path);
    if (!PictureSlots::isJpegFile(path) || picture.isNull()) {
        prompter().showMessage(QStringLiteral("Das Bild kann nicht geladen werden. Bitte wählen Sie eine JPEG-Datei:\n")
                                   + path,
                               {}, Prompter::Kind::Warning);
        return;
    }
    m_editor->pictures().set(slot, path);
    showPicture(slot);
}

void TForm8::RemoveClick(int slot)
{
    const QString refusal = m_editor->pictures().refusalToRemove(slot);
    if (!refusal.isEmpty()) {
        prompter().showMessage(refusal);
        return;
    }
    m_editor->pictures().remove(slot);
    showPicture(slot);
}

void TForm8::showPicture(int slot)
{
    const size_t i = static_cast<size_t>(slot - 1);
    const QString path = m_editor->pictures().path(slot);
    const QPixmap picture = path.isEmpty() ? QPixmap() : QPixmap(path);
    for (QLabel *target : {Images[i], Thumbnails[i]}) {
        if (picture.isNull())
            target->clear();
        else
            target->setPixmap(picture.scaled(target->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    if (picture.isNull())
        Images[i]->setText(EmptyPictureText);
    Label36->setVisible(m_editor->pictures().noPicturesNote());
}

ListingDraft TForm8::draft() const
{
    ListingDraft d = m_draft;
    if (RadioButton5->isChecked())
        d.auctionType = AuctionTypes::AuctionShopArticle;
    else if (RadioButton9->isChecked())
        d.auctionType = AuctionTypes::ShopArticle;
    else if (RadioButton8->isChecked())
        d.auctionType = AuctionTypes::HighestBidWithFixedPrice;
    else if (Auktionstyp_Festpreis->isChecked())
        d.auctionType = AuctionTypes::FixedPrice;
    else
        d.auctionType = AuctionTypes::HighestBid;
    d.title = Edit1->text();
    d.ownArticleNo = Edit2->text();
    d.postcode = Edit5->text();
    d.town = Edit6->text();
    d.country = ComboBox10->currentText();
    d.startPrice = Edit4->text();
    d.buyNowPrice = sofortkauf->text();
    d.minPrice = Edit10->text();
    d.quantity = Edit3->text();
    d.durationIndex = ComboBox1->currentIndex();
    d.conditionIndex = Zustand->currentIndex();
    d.taxIndex = cb_tax->currentIndex();
    d.repetitionIndex = ComboBox9->currentIndex();
    d.fsk18 = Fsk18->isChecked();
    d.categoryId = Label3->text();
    d.bold = Fettschrift->isChecked();
    d.topCategory = TopKategorie->isChecked();
    d.highlight = Highlight->isChecked();
    d.gallery = Galerie->isChecked();
    d.frontPage = Startseite->isChecked();
    d.buyerPays = RadioButton2->isChecked();
    d.international = CheckBox1->isChecked();
    d.costsGiven = RadioButton4->isChecked();
    const bool informationMode = m_editor->session().house.versandangabe == 4;
    d.shippingMethod = informationMode ? versicherung->currentText() : ComboBox12->currentText();
    d.shippingCost = Edit7->text();
    d.insuranceOption = versicherung->currentIndex() >= 0 ? versicherung->currentText() : QString();
    d.insuranceCost = Edit8->text();
    for (size_t i = 0; i < ExtendedCosts.size(); ++i)
        d.extendedCosts[i] = ExtendedCosts[i]->text();
    d.paymentPositions.clear();
    for (int row = 0; row < ListBox7->count(); ++row) {
        if (ListBox7->item(row)->isSelected())
            d.paymentPositions << row;
    }
    for (int slot = 1; slot <= PictureSlots::Count; ++slot)
        d.pictures[static_cast<size_t>(slot - 1)] = m_editor->pictures().path(slot);
    d.description = Description->description();
    d.saveTarget = ComboBox11->currentIndex();
    return d;
}

void TForm8::showDraft(const ListingDraft &d)
{
    m_draft = d;
    QRadioButton *type = Auktionstyp_auktion;
    switch (d.auctionType) {
    case AuctionTypes::FixedPrice: type = Auktionstyp_Festpreis; break;
    case AuctionTypes::HighestBidWithFixedPrice: type = RadioButton8; break;
    case AuctionTypes::ShopArticle: type = RadioButton9; break;
    case AuctionTypes::AuctionShopArticle: type = RadioButton5; break;
    default: break;
    }
    type->setChecked(true);
    Edit1->setText(d.title);
    Edit2->setText(d.ownArticleNo);
    Edit5->setText(d.postcode);
    Edit6->setText(d.town);
    ComboBox10->setCurrentIndex(ComboBox10->findText(d.country));
    Edit4->setText(d.startPrice);
    sofortkauf->setText(d.buyNowPrice);
    Edit10->setText(d.minPrice);
    Edit3->setText(d.quantity);
    ComboBox1->setCurrentIndex(d.durationIndex < ComboBox1->count() ? d.durationIndex : -1);
    Zustand->setCurrentIndex(d.conditionIndex < Zustand->count() ? d.conditionIndex : -1);
    cb_tax->setCurrentIndex(d.taxIndex < cb_tax->count() ? d.taxIndex : 0);
    ComboBox9->setCurrentIndex(d.repetitionIndex < ComboBox9->count() ? d.repetitionIndex : -1);
    (d.fsk18 ? Fsk18 : FskNone)->setChecked(true);
    Fettschrift->setChecked(d.bold);
    TopKategorie->setChecked(d.topCategory);
    Highlight->setChecked(d.highlight);
    Galerie->setChecked(d.gallery);
    Startseite->setChecked(d.frontPage);
    CheckBox1->setChecked(d.international);
    Edit7->setText(d.shippingCost);
    Edit8->setText(d.insuranceCost);
    for (size_t i = 0; i < ExtendedCosts.size(); ++i)
        ExtendedCosts[i]->setText(d.extendedCosts[i]);
    for (int row = 0; row < ListBox7->count(); ++row)
        ListBox7->item(row)->setSelected(d.paymentPositions.contains(row));
    Description->loadDescription(d.description);
    ComboBox11->setCurrentIndex(d.saveTarget);
}

QWidget *TForm8::page(EditorPage page) const
{
    switch (page) {
    case EditorPage::AuctionData: return TabSheet2;
    case EditorPage::General: return TabSheet7;
    case EditorPage::Description: return TabSheet1;
    case EditorPage::Presentation: return TabSheet3;
    case EditorPage::End: return TabSheet5;
    }
    return TabSheet7;
}

void TForm8::PageControl1Change()
{
    QWidget *current = PageControl1->currentWidget();
    if (TabSheet1->isEnabled() && !Description->SyncDescription(current == TabSheet1))
        prompter().showMessage(QStringLiteral("Die Speicherung der Beschreibung war nicht erfolgreich!"));
    if (current == TabSheet5)
        CheckListing(ListingCheck::Mode::Full, true);
    else
        Button1->hide();
}

bool TForm8::CheckListing(ListingCheck::Mode mode, bool interactive)
{
    ListingDraft checked = draft();
    const ListingCheck::Result result = ListingCheck(*m_editor).check(checked, mode, m_values);
    Galerie->setChecked(checked.gallery);
    Startseite->setChecked(checked.frontPage);
    if (checked.auctionType == AuctionTypes::FixedPrice || checked.auctionType == AuctionTypes::ShopArticle)
        Edit4->setText(checked.startPrice);
    if (interactive && !result.passed()) {
        prompter().showMessage(result.text(), {}, Prompter::Kind::Warning);
        // After the box: its event loop must not see the page change half done.
        const QSignalBlocker quiet(PageControl1);
        PageControl1->setCurrentWidget(page(*result.frontPage()));
    }
    Button1->setVisible(result.passed());
    if (interactive)
        showSummary(ListingSummary::of(*m_editor, checked, m_values));
    return result.passed();
}

void TForm8::setSummaryText(const char *label, const QString &text)
{
    if (auto *target = findChild<QLabel *>(QString::fromLatin1(label)))
        target->setText(text);
}

void TForm8::showSummary(const ListingSummary &summary)
{
    const std::pair<const char *, const QString &> lines[] = {
        {"Label22", summary.title},     {"Label44", summary.startPrice}, {"Label45", summary.buyNowPrice},
        {"Label46", summary.quantity},  {"Label47", summary.duration},   {"Label48", summary.articleNo},
        {"Label29", summary.location},  {"Label32", summary.condition},  {"Label33", summary.payment},
        {"Label34", summary.shipping},  {"Label35", summary.extras}};
    for (const auto &[label, text] : lines)
        setSummaryText(label, text);
    for (QLabel *fee : FeeLabels)
        fee->setVisible(summary.fees.has_value());
    if (summary.fees) {
        FeeLabels[0]->setText(summary.fees->insertionFee);
        FeeLabels[1]->setText(summary.fees->pictureFee);
        FeeLabels[2]->setText(summary.fees->extrasFee);
        FeeLabels[3]->setText(summary.fees->total);
    }
    for (const QString &problem : summary.feeProblems)
        prompter().showMessage(problem, {}, Prompter::Kind::Warning);
    WebBrowser1->showDescription(summary.description);
}

void TForm8::Button1Click()
{
    if (!CheckListing(ListingCheck::Mode::Full, false))
        return;
    const ListingDraft checked = draft();
    const auto target = static_cast<ListingSave::Target>(ComboBox11->currentIndex());
    ListingId = ListingSave(*m_editor, checked, m_values).save(target, UpdateExisting, ListingId);
    loginContext().LastSavedListKind = target + 3;
    accept();
}

void TForm8::LoadListing(int id, ListingLoad::Source source, bool editMode)
{
    FormCreate();
    if (const std::optional<ListingLoad::Loaded> loaded = ListingLoad(*m_editor).load(id, source, draft())) {
        setWindowTitle(QStringLiteral("Auktion bearbeiten"));
        for (const QString &problem : loaded->problems)
            prompter().showMessage(problem);
        showDraft(loaded->draft);
        m_editor->cascade().setChosen(loaded->draft.categoryId);
        showCascade();
        for (int slot = 1; slot <= PictureSlots::Count; ++slot)
            showPicture(slot);
    }
    ListingId = id;
    if (editMode) {
        Button1->setText(QStringLiteral("Änderung speichern"));
        UpdateExisting = true;
    }
}
