#include "csvimport/window/TForm10.h"

#include "core/AppError.h"
#include "core/ErrorGuard.h"
#include "core/Prompter.h"
#include "csvimport/CsvImportProgress.h"
#include "store/Database.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>
#include <functional>

namespace {

constexpr int GridColumns = 9;
constexpr int GridRows = 6;
constexpr int GridColumnWidth = 60;

const QString SeparatorNotFound =
    QStringLiteral("Sind Sie sich mit dem Trennzeichen sicher? Es wurde leider nicht gefunden!");
const QString ChooseBothSides = QStringLiteral("Sie müssen die Felder rechts und links auswählen!");
const QString ImportComplete = QStringLiteral("Die CSV-Daten wurden komplett eingelesen.\r\nAus Sicherheitsgründen "
                                              "müssen Sie nun alle Auktionen auf der Übertragungsliste prüfen und "
                                              "bearbeiten!");
const QString ImportCancelled =
    QStringLiteral("Der Import wurde abgebrochen. Es wurde kein Artikel gespeichert.");

template <typename Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *label(const QString &text, QWidget *parent, const char *name, QWidget *buddy = nullptr)
{
    auto *l = named(new QLabel(text, parent), name);
    if (buddy)
        l->setBuddy(buddy);
    return l;
}

QPushButton *button(const QString &caption, QWidget *parent, const char *name)
{
    auto *b = named(new QPushButton(caption, parent), name);
    b->setAutoDefault(false);
    return b;
}

// Hands the worker's progress to the window thread; the window may be gone by then.
class WindowProgress final : public CsvImportProgress {
public:
    using Show = std::function<void(int, int)>;
    WindowProgress(QObject *window, Show show) : m_window(window), m_show(std::move(show)) {}

    void importProgress(int done, int total) override
    {
        if (!m_window)
            return;
        Show show = m_show;
        QMetaObject::invokeMethod(m_window, [show, done, total] { show(done, total); }, Qt::QueuedConnection);
    }

private:
    QPointer<QObject> m_window;
    Show m_show;
};

} // namespace

const char *const TForm10::FileFilter = "*.csv (*.csv);;*.txt (*.txt);;*.* (alles) (*)";

// What the worker hands back: the result or the error text.
struct TForm10::Outcome {
    CsvImport::Result result;
    QString error;
};

TForm10::TForm10(const AccountSession &session, QWidget *parent)
    : QDialog(parent), m_session(session), m_fields(session.house.versandangabe),
      m_connectTimeoutMs(CsvImport::Options().connectTimeoutMs), m_stallTimeoutMs(CsvImport::Options().stallTimeoutMs)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("CSV Import"));
    buildControls();
    runGuarded([this] { FormCreate(); });
}

TForm10::~TForm10()
{
    if (m_worker) {
        m_cancel = true;
        m_worker->wait();
        delete m_worker;
    }
}

void TForm10::buildControls()
{
    Label1 = label(QStringLiteral("CSV - Datenimport"), this, "Label1");
    QFont big = Label1->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    Label1->setFont(big);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(buildStep1());
    layout->addWidget(buildStep2(), 1);
    layout->addWidget(buildStep3());
    resize(780, 720);
}

QGroupBox *TForm10::buildStep1()
{
    GroupBox1 = named(new QGroupBox(QStringLiteral("Schritt 1:"), this), "GroupBox1");
    Edit2 = named(new QLineEdit(QStringLiteral(";"), GroupBox1), "Edit2");
    Edit2->setMaximumWidth(60);
    Label5 = label(QStringLiteral("Geben Sie ein Trennzeichen der CSV-Datei ein:"), GroupBox1, "Label5", Edit2);
    Edit1 = named(new QLineEdit(QDir::homePath() + QLatin1Char('/'), GroupBox1), "Edit1");
    Label2 = label(QStringLiteral("Wählen Sie eine Datei:"), GroupBox1, "Label2", Edit1);
    Button2 = button(QStringLiteral("..."), GroupBox1, "Button2");
    connect(Button2, &QPushButton::clicked, this, [this] { runGuarded([this] { Button2Click(); }); });
    auto *grid = new QGridLayout(GroupBox1);
    grid->addWidget(Label5, 0, 0);
    grid->addWidget(Edit2, 0, 1, Qt::AlignLeft);
    grid->addWidget(Label2, 1, 0);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(Edit1, 1);
    fileRow->addWidget(Button2);
    grid->addLayout(fileRow, 1, 1);
    grid->setColumnStretch(1, 1);
    return GroupBox1;
}

QGroupBox *TForm10::buildStep2()
{
    GroupBox2 = named(new QGroupBox(QStringLiteral("Schritt 2:"), this), "GroupBox2");
    ListView4 = named(new QTreeWidget(GroupBox2), "ListView4");
    ListView4->setHeaderLabels({QStringLiteral("Feld"), QStringLiteral("Datei"), QStringLiteral("Code")});
    ListView4->setColumnHidden(SourceCodeColumn, true);
    ListView4->setRootIsDecorated(false);
    ListView4->setAllColumnsShowFocus(true);
    ListView4->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView4->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView4->setStyleSheet(QStringLiteral("QTreeWidget::item { border-bottom: 1px solid #d8d8d8; }"));
    ListView4->setColumnWidth(0, 170);
    Label3 = label(QStringLiteral("Ordnen Sie die Felder zu der Datei zu um einen 100%igen Abgleich zu garantieren:"),
                   GroupBox2, "Label3", ListView4);
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    Label7 = label(QStringLiteral("Hierzu klicken Sie unterhalb auf eines der Felder. (links) Danach wählen Sie "
                                  "rechts ein Feld aus, welches Sie zuordenen möchten. Klicken Sie dann auf Zuweisen."),
                   GroupBox2, "Label7");
    Label7->setWordWrap(true);
    Button3 = button(QStringLiteral("Zuweisen"), GroupBox2, "Button3");
    Button4 = button(QStringLiteral("Entfernen"), GroupBox2, "Button4");
    Button5 = button(QStringLiteral("Wert zuweisen"), GroupBox2, "Button5");
    connect(Button3, &QPushButton::clicked, this, [this] { runGuarded([this] { Button3Click(); }); });
    connect(Button4, &QPushButton::clicked, this, [this] { runGuarded([this] { Button4Click(); }); });
    connect(Button5, &QPushButton::clicked, this, [this] { runGuarded([this] { Button5Click(); }); });
    ListBox1 = named(new QListWidget(GroupBox2), "ListBox1");
    StringGrid1 = named(new QTableWidget(GroupBox2), "StringGrid1");
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(GridColumnWidth);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(StringGrid1->fontMetrics().height() + 6);
    StringGrid1->setWordWrap(false);
    Label6 = label(QStringLiteral("Ihre eingelesenen Daten:"), GroupBox2, "Label6", StringGrid1);
    RadioButton1 = named(new QRadioButton(QStringLiteral("Höchstpreis"), GroupBox2), "RadioButton1");
    RadioButton2 = named(new QRadioButton(QStringLiteral("Festpreis"), GroupBox2), "RadioButton2");
    RadioButton3 = named(new QRadioButton(QStringLiteral("Höchst/Festpreis"), GroupBox2), "RadioButton3");
    RadioButton4 = named(new QRadioButton(QStringLiteral("Shop-Artikel"), GroupBox2), "RadioButton4");
    RadioButton1->setChecked(true);
    Label8 = label(QStringLiteral("Alle Artikel einstellen als:"), GroupBox2, "Label8", RadioButton1);
    Edit3 = named(new QLineEdit(QStringLiteral(","), GroupBox2), "Edit3");
    Edit3->setMaximumWidth(60);
    Label9 = label(QStringLiteral("Dezimaltrennung (Preise):"), GroupBox2, "Label9", Edit3);

    auto *buttons = new QVBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {Button3, Button4, Button5})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *kinds = new QHBoxLayout;
    kinds->addWidget(Label8);
    for (QRadioButton *r : {RadioButton1, RadioButton2, RadioButton3, RadioButton4})
        kinds->addWidget(r);
    kinds->addStretch();
    kinds->addWidget(Label9);
    kinds->addWidget(Edit3);
    auto *grid = new QGridLayout(GroupBox2);
    grid->addWidget(Label3, 0, 0, 1, 3);
    grid->addWidget(Label7, 1, 0, 1, 3);
    grid->addWidget(ListView4, 2, 0);
    grid->addLayout(buttons, 2, 1);
    grid->addWidget(ListBox1, 2, 2);
    grid->addWidget(Label6, 3, 0, 1, 3);
    grid->addWidget(StringGrid1, 4, 0, 1, 3);
    grid->addLayout(kinds, 5, 0, 1, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(2, 2);
    grid->setRowStretch(2, 3);
    grid->setRowStretch(4, 2);
    return GroupBox2;
}

QGroupBox *TForm10::buildStep3()
{
    GroupBox3 = named(new QGroupBox(QStringLiteral("Schritt 3:"), this), "GroupBox3");
    Label4 = label(QStringLiteral("Klicken Sie auf \"Importieren\", um den Import zu starten."), GroupBox3, "Label4");
    Label10 = label(QString(), GroupBox3, "Label10");
    Label10->hide();
    Button1 = button(QStringLiteral("Importieren"), GroupBox3, "Button1");
    Button6 = button(QStringLiteral("Abbrechen"), GroupBox3, "Button6");
    Button6->setEnabled(false);
    ProgressBar1 = named(new QProgressBar(GroupBox3), "ProgressBar1");
    connect(Button1, &QPushButton::clicked, this, [this] { runGuarded([this] { Button1Click(); }); });
    connect(Button6, &QPushButton::clicked, this, [this] { Button6Click(); });
    auto *grid = new QGridLayout(GroupBox3);
    grid->addWidget(Label4, 0, 0, 1, 3);
    grid->addWidget(ProgressBar1, 1, 0);
    grid->addWidget(Label10, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button6);
    grid->addLayout(buttons, 1, 2);
    grid->setColumnStretch(0, 1);
    return GroupBox3;
}

void TForm10::FormCreate()
{
    ListBox1->clear();
    showFields();
    resetGrid();
    RadioButton2->setVisible(m_session.house.festpreis != 0);
    RadioButton3->setVisible(true);
    RadioButton4->setVisible(true);
    ProgressBar1->setValue(0);
}

void TForm10::setDownloadTimeouts(int connectMs, int stallMs)
{
    m_connectTimeoutMs = connectMs;
    m_stallTimeoutMs = stallMs;
}

void TForm10::showFields()
{
    const int selected = selectedField();
    ListView4->clear();
    for (int row = 0; row < m_fields.count(); ++row) {
        const ImportFields::TargetField &field = m_fields.field(row);
        auto *item = new QTreeWidgetItem(ListView4, {field.name, field.sourceText, field.sourceCode});
        item->setData(0, Qt::UserRole, row);
    }
    if (selected >= 0)
        ListView4->setCurrentItem(ListView4->topLevelItem(selected));
}

void TForm10::resetGrid()
{
    StringGrid1->clearContents();
    StringGrid1->setColumnCount(GridColumns);
    StringGrid1->setRowCount(GridRows);
}

int TForm10::selectedField() const
{
    QTreeWidgetItem *item = ListView4->currentItem();
    return item && item->isSelected() ? ListView4->indexOfTopLevelItem(item) : -1;
}

void TForm10::Button2Click()
{
    const QString chosen = prompter().chooseOpenFile(QStringLiteral("CSV-Datei öffnen"),
                                                     QFileInfo(Edit1->text()).absolutePath(),
                                                     QString::fromLatin1(FileFilter));
    if (chosen.isEmpty())
        return;
    ListBox1->clear();
    resetGrid();
    m_table = CsvTable();
    Edit1->setText(QFileInfo(chosen).absoluteFilePath());
    CSV_Tableload();
    if (!m_table.separatorFound())
        prompter().showMessage(SeparatorNotFound, windowTitle(), Prompter::Kind::Warning);
}

void TForm10::CSV_Tableload()
{
    m_table = CsvTable::load(Edit1->text(), CsvTable::separatorFromText(Edit2->text()));
    StringGrid1->setUpdatesEnabled(false);
    StringGrid1->setColumnCount(std::max(GridColumns, m_table.columnCount() + 1));
    StringGrid1->setRowCount(m_table.rowCount() + 1);
    const auto place = [this](int gridRow, const QStringList &fields) {
        for (int i = 0; i < fields.size(); ++i)
            StringGrid1->setItem(gridRow, i + 1, new QTableWidgetItem(fields.at(i)));
    };
    place(0, m_table.headers());
    for (int r = 0; r < m_table.rowCount(); ++r)
        place(r + 1, m_table.rows()[static_cast<size_t>(r)].fields);
    StringGrid1->setUpdatesEnabled(true);
    ListBox1->addItems(m_table.headers());
}

void TForm10::Button3Click()
{
    const int target = selectedField();
    const int column = ListBox1->currentItem() && ListBox1->currentItem()->isSelected() ? ListBox1->currentRow() : -1;
    if (target < 0 || column < 0) {
        prompter().showMessage(ChooseBothSides, windowTitle(), Prompter::Kind::Warning);
        return;
    }
    m_fields.assignColumn(target, column, ListBox1->item(column)->text());
    showFields();
}

void TForm10::Button4Click()
{
    const int target = selectedField();
    if (target < 0)
        return;
    m_fields.remove(target);
    showFields();
}

void TForm10::Button5Click()
{
    const int target = selectedField();
    if (target < 0)
        return;
    const std::optional<QString> value =
        prompter().askText(QStringLiteral("Globalen Wert festlegen"), QStringLiteral("Bitte geben Sie hier Ihren Wert ein: "));
    if (!value)
        return;
    m_fields.assignValue(target, *value);
    showFields();
}

int TForm10::auctionType() const
{
    const std::array<QRadioButton *, 4> kinds{RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    for (size_t i = 0; i < kinds.size(); ++i) {
        if (kinds[i]->isChecked())
            return static_cast<int>(i) + 1;
    }
    return 0;
}

CsvImport::Options TForm10::importOptions() const
{
    CsvImport::Options options;
    options.values.auctionType = auctionType();
    options.values.decimalSeparator = Edit3->text();
    options.csvFolder = QFileInfo(Edit1->text()).absolutePath();
    options.connectTimeoutMs = m_connectTimeoutMs;
    options.stallTimeoutMs = m_stallTimeoutMs;
    return options;
}

void TForm10::Button1Click()
{
    if (m_worker)
        return;
    m_cancel = false;
    const int total = m_table.rowCount();
    ProgressBar1->setMaximum(std::max(1, total));
    ProgressBar1->setValue(0);
    showProgress(0, total);
    Label10->show();
    setImporting(true);
    auto outcome = std::make_shared<Outcome>();
    m_outcome = outcome;
    auto progress = std::make_shared<WindowProgress>(this, [this](int done, int all) { showProgress(done, all); });
    // The worker owns copies of everything it reads; the window stays usable for painting
    // and for "Abbrechen".
    m_worker = QThread::create([session = m_session, table = m_table, fields = m_fields, options = importOptions(),
                                outcome, progress, cancel = &m_cancel] {
        try {
            Database db(session.ProgramDir);
            db.open();
            outcome->result = CsvImport(session, db).run(table, fields, options, progress.get(), cancel);
        } catch (...) {
            outcome->error = currentErrorText();
        }
    });
    connect(m_worker, &QThread::finished, this, &TForm10::importEnded, Qt::QueuedConnection);
    m_worker->start();
}

void TForm10::Button6Click()
{
    if (!m_worker)
        return;
    m_cancel = true;
    Button6->setEnabled(false);
}

void TForm10::showProgress(int done, int total)
{
    if (!m_worker && done != 0)
        return;
    ProgressBar1->setValue(done);
    Label10->setText(QStringLiteral("%1/%2").arg(done).arg(total));
}

void TForm10::setImporting(bool importing)
{
    for (QWidget *control : std::initializer_list<QWidget *>{GroupBox1, GroupBox2, Button1})
        control->setEnabled(!importing);
    Button6->setEnabled(importing);
}

void TForm10::importEnded()
{
    m_worker->wait();
    m_worker->deleteLater();
    m_worker = nullptr;
    const std::shared_ptr<Outcome> outcome = std::move(m_outcome);
    setImporting(false);
    Label10->hide();
    if (!outcome->error.isEmpty()) {
        prompter().showMessage(outcome->error, windowTitle(), Prompter::Kind::Error);
    } else if (outcome->result.cancelled) {
        ProgressBar1->setValue(0);
        prompter().showMessage(ImportCancelled, windowTitle(), Prompter::Kind::Information);
    } else {
        prompter().showMessage(ImportComplete, windowTitle(), Prompter::Kind::Information);
        accept();
    }
    emit importFinished();
}

void TForm10::closeEvent(QCloseEvent *event)
{
    // Closing while importing cancels the import; the window closes once nothing is stored.
    if (m_worker) {
        Button6Click();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TForm10::reject()
{
    if (m_worker) {
        Button6Click();
        return;
    }
    QDialog::reject();
}
