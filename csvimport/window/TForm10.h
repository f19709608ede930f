#pragma once

#include "core/AccountSession.h"
#include "csvimport/CsvImport.h"
#include "csvimport/CsvTable.h"
#include "csvimport/ImportFields.h"

#include <QDialog>
#include <atomic>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QThread;
class QTreeWidget;

// "CSV Import": choose the separator and a file, assign the file's columns or fixed
// values to the fields of a listing, and import every line into the transfer list. The
// import runs on a worker thread; the window shows its progress and can cancel it.
class TForm10 : public QDialog {
    Q_OBJECT
public:
    // The column of ListView4 that holds each field's (hidden) source code.
    static constexpr int SourceCodeColumn = 2;
    static const char *const FileFilter;

    // Works for the logged-in account (the login context's session).
    TForm10(const AccountSession &session, QWidget *parent = nullptr);
    ~TForm10() override;

    QLabel *Label1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button2 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label7 = nullptr;
    QTreeWidget *ListView4 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
    QPushButton *Button5 = nullptr;
    QListWidget *ListBox1 = nullptr;
    QLabel *Label6 = nullptr;
    QTableWidget *StringGrid1 = nullptr;
    QLabel *Label8 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QRadioButton *RadioButton4 = nullptr;
    QLabel *Label9 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label10 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button6 = nullptr; // "Abbrechen" while importing
    QProgressBar *ProgressBar1 = nullptr;

    const ImportFields &fields() const { return m_fields; }
    const CsvTable &table() const { return m_table; }
    bool isImporting() const { return m_worker != nullptr; }
    // Download time-outs of the picture step (tests shorten them).
    void setDownloadTimeouts(int connectMs, int stallMs);

    void FormCreate();
    void Button2Click();
    void CSV_Tableload();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button1Click();
    void Button6Click();

signals:
    // The import ended: stored, cancelled or stopped by an error.
    void importFinished();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    struct Outcome;

    void buildControls();
    QGroupBox *buildStep1();
    QGroupBox *buildStep2();
    QGroupBox *buildStep3();
    void showFields();
    void resetGrid();
    int selectedField() const;
    int auctionType() const;
    CsvImport::Options importOptions() const;
    void setImporting(bool importing);
    void showProgress(int done, int total);
    void importEnded();

    AccountSession m_session;
    ImportFields m_fields;
    CsvTable m_table;
    int m_connectTimeoutMs;
    int m_stallTimeoutMs;
    std::atomic<bool> m_cancel{false};
    std::shared_ptr<Outcome> m_outcome;
    QThread *m_worker = nullptr;
};
