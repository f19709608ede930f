#include "core/Prompter.h"
#include "csvimport/window/TForm10.h"
#include "store/Database.h"
#include "store/Statement.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempProgramDir.h"
#include "ui/widgets/WidgetPrompter.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QString ImportComplete = QString::fromUtf8(
    "Die CSV-Daten wurden komplett eingelesen.\r\nAus Sicherheitsgründen müssen Sie nun alle Auktionen auf der "
    "Übertragungsliste prüfen und bearbeiten!");

class TForm10Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        session.house.aukid = 11;
        session.house.festpreis = 1;
        session.userID = 3;
        session.ProgramDir = dir.path();
    }

    TForm10 &openWindow()
    {
        form = std::make_unique<TForm10>(session);
        form->setDownloadTimeouts(2000, 2000);
        form->show();
        return *form;
    }

    QString writeCsv(const QString &name, const QByteArray &content)
    {
        dir.writeFile(name, content);
        return dir.file(name);
    }

    // Chooses the file through "..." as a seller does.
    void loadFile(const QString &path)
    {
        prompts.expectOpenFile(path);
        form->Button2->click();
    }

    void selectField(int row) { form->ListView4->setCurrentItem(form->ListView4->topLevelItem(row)); }
    void selectColumn(int position) { form->ListBox1->setCurrentRow(position); }
    void assignColumn(int row, int position)
    {
        selectField(row);
        selectColumn(position);
        form->Button3->click();
    }
    QString sourceText(int row) const { return form->ListView4->topLevelItem(row)->text(1); }
    QString sourceCode(int row) const { return form->ListView4->topLevelItem(row)->text(TForm10::SourceCodeColumn); }

    // Clicks "Importieren" and waits until the worker has ended.
    void importAndWait()
    {
        QSignalSpy finished(form.get(), &TForm10::importFinished);
        form->Button1->click();
        ASSERT_TRUE(finished.wait(20000));
    }

    int storedRows()
    {
        Database db(dir.path());
        return Statement::scalar(db, QStringLiteral("SELECT COUNT(*) FROM `auktionen`")).toInt();
    }

    QStringList storedTitles()
    {
        Database db(dir.path());
        Statement query(db, QStringLiteral("SELECT `titel` FROM `auktionen` ORDER BY `id`"));
        query.exec();
        QStringList titles;
        while (query.next())
            titles.append(query.text(QStringLiteral("titel")));
        return titles;
    }

    TempProgramDir dir;
    ScriptedPrompter prompts;
    AccountSession session;
    std::unique_ptr<TForm10> form;
};

} // namespace

TEST_F(TForm10Test, StartsWithItsControlsAndTheDefaultTargetFields)
{
    session.house.festpreis = 0;
    TForm10 &window = openWindow();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("CSV Import"));
    EXPECT_EQ(window.Label1->text(), QStringLiteral("CSV - Datenimport"));
    EXPECT_EQ(window.GroupBox1->title(), QStringLiteral("Schritt 1:"));
    EXPECT_EQ(window.GroupBox2->title(), QStringLiteral("Schritt 2:"));
    EXPECT_EQ(window.GroupBox3->title(), QStringLiteral("Schritt 3:"));
    EXPECT_EQ(window.Edit2->text(), QStringLiteral(";"));
    EXPECT_EQ(window.Edit3->text(), QStringLiteral(","));
    EXPECT_EQ(window.Label5->buddy(), window.Edit2);
    EXPECT_EQ(window.Label2->buddy(), window.Edit1);
    EXPECT_EQ(window.Label9->buddy(), window.Edit3);
    EXPECT_EQ(window.Button3->text(), QStringLiteral("Zuweisen"));
    EXPECT_EQ(window.Button4->text(), QStringLiteral("Entfernen"));
    EXPECT_EQ(window.Button5->text(), QStringLiteral("Wert zuweisen"));
    EXPECT_EQ(window.Button1->text(), QStringLiteral("Importieren"));
    EXPECT_FALSE(window.Button6->isEnabled());
    EXPECT_EQ(window.StringGrid1->columnCount(), 9);
    EXPECT_EQ(window.StringGrid1->rowCount(), 6);
    EXPECT_EQ(window.ListBox1->count(), 0);
    EXPECT_TRUE(window.RadioButton1->isChecked());
    EXPECT_FALSE(window.RadioButton2->isVisible());
    EXPECT_TRUE(window.RadioButton3->isVisible());
    EXPECT_TRUE(window.RadioButton4->isVisible());
    EXPECT_FALSE(window.Label10->isVisible());
    ASSERT_EQ(window.ListView4->topLevelItemCount(), 27);
    EXPECT_EQ(window.ListView4->headerItem()->text(0), QStringLiteral("Feld"));
    EXPECT_EQ(window.ListView4->headerItem()->text(1), QStringLiteral("Datei"));
    EXPECT_EQ(window.ListView4->topLevelItem(8)->text(0), QStringLiteral("Anzahl"));
    EXPECT_EQ(sourceText(8), QStringLiteral("1"));
    EXPECT_EQ(sourceCode(8), QStringLiteral("-2"));
    EXPECT_EQ(window.ListView4->topLevelItem(24)->text(0), QStringLiteral("Versandanbieter"));
    EXPECT_EQ(sourceText(0), QString());
}

TEST_F(TForm10Test, LoadsAFileAssignsColumnsAndValuesAndImports)
{
    openWindow();
    loadFile(writeCsv(QStringLiteral("artikel.csv"),
                      "Name;Preis;Text\nKüchenwaage;9,99;\"Digital; bis 5 kg\"\nTeekanne;\"1.234,50\";Porzellan\n"));
    EXPECT_EQ(form->Edit1->text(), dir.file(QStringLiteral("artikel.csv")));
    ASSERT_EQ(form->ListBox1->count(), 3);
    EXPECT_EQ(form->ListBox1->item(0)->text(), QStringLiteral("Name"));
    EXPECT_EQ(form->StringGrid1->rowCount(), 3);
    EXPECT_EQ(form->StringGrid1->item(1, 1)->text(), QString::fromUtf8("Küchenwaage"));
    EXPECT_EQ(form->StringGrid1->item(1, 3)->text(), QStringLiteral("Digital; bis 5 kg"));

    assignColumn(0, 0);
    assignColumn(3, 1);
    assignColumn(1, 2);
    EXPECT_EQ(sourceText(0), QStringLiteral("Name"));
    EXPECT_EQ(sourceCode(0), QStringLiteral("0"));
    EXPECT_EQ(sourceCode(1), QStringLiteral("2"));
    selectField(7);
    prompts.expectInput(QStringLiteral("Bitte geben Sie hier Ihren Wert ein: "), QString::fromUtf8("München"));
    form->Button5->click();
    EXPECT_EQ(sourceText(7), QString::fromUtf8("München"));
    EXPECT_EQ(sourceCode(7), QStringLiteral("-2"));
    selectField(6);
    prompts.expectInput(QStringLiteral("Bitte geben Sie hier Ihren Wert ein: "), std::nullopt);
    form->Button5->click();
    EXPECT_EQ(sourceText(6), QString());

    QSignalSpy steps(form->ProgressBar1, &QProgressBar::valueChanged);
    prompts.expectMessage(ImportComplete);
    importAndWait();
    EXPECT_EQ(storedTitles(), (QStringList{QString::fromUtf8("Küchenwaage"), QStringLiteral("Teekanne")}));
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->ProgressBar1->value(), 2);
    EXPECT_GE(steps.count(), 1);
    prompts.verify();
}

TEST_F(TForm10Test, RemovedFieldIsUnassignedAndStopsTheImportWithTheWindowOpen)
{
    openWindow();
    loadFile(writeCsv(QStringLiteral("a.csv"), "Titel;Preis\nA;1\nB;2\n"));
    assignColumn(0, 0);
    selectField(8);
    form->Button4->click();
    EXPECT_EQ(sourceText(8), QString());
    EXPECT_EQ(sourceCode(8), QString());
    prompts.expectMessage(QStringLiteral("Zeile 2 der Datei: Der Wert \"\" kann nicht in das Feld \"Anzahl\"*"));
    importAndWait();
    EXPECT_EQ(storedRows(), 0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->Button1->isEnabled());
    EXPECT_TRUE(form->GroupBox2->isEnabled());
    prompts.verify();
}

TEST_F(TForm10Test, ASecondFileKeepsTheAssignmentsByPosition)
{
    openWindow();
    loadFile(writeCsv(QStringLiteral("erste.csv"), "A;B;Titel\n1;2;Erste\n"));
    assignColumn(0, 2);
    loadFile(writeCsv(QStringLiteral("zweite.csv"), "X;Y;Name;Z\n1;2;Zweite;4\n"));
    EXPECT_EQ(sourceText(0), QStringLiteral("Titel"));
    EXPECT_EQ(form->ListBox1->count(), 4);
    prompts.expectMessage(ImportComplete);
    importAndWait();
    EXPECT_EQ(storedTitles(), QStringList{QStringLiteral("Zweite")});
}

TEST_F(TForm10Test, AWrongSeparatorIsReportedAndTabIsAccepted)
{
    openWindow();
    const QString path = writeCsv(QStringLiteral("tab.csv"), "Titel\tPreis\nA\t1\n");
    prompts.expectOpenFile(path).expectMessage(
        QStringLiteral("Sind Sie sich mit dem Trennzeichen sicher? Es wurde leider nicht gefunden!"));
    form->Button2->click();
    EXPECT_EQ(form->ListBox1->count(), 1);
    form->Edit2->setText(QStringLiteral("Tab"));
    loadFile(path);
    EXPECT_EQ(form->ListBox1->count(), 2);
    prompts.verify();
}

TEST_F(TForm10Test, AssigningNeedsBothSidesAndCancellingTheFileDialogChangesNothing)
{
    openWindow();
    loadFile(writeCsv(QStringLiteral("a.csv"), "Titel;Preis\nA;1\n"));
    prompts.expectMessage(QString::fromUtf8("Sie müssen die Felder rechts und links auswählen!"));
    selectField(0);
    form->Button3->click();
    EXPECT_EQ(sourceText(0), QString());
    prompts.expectOpenFile(QString());
    form->Button2->click();
    EXPECT_EQ(form->ListBox1->count(), 2);
    prompts.verify();
}

TEST_F(TForm10Test, WithoutAFileTheImportStoresNothingAndCloses)
{
    openWindow();
    prompts.expectMessage(ImportComplete);
    importAndWait();
    EXPECT_EQ(storedRows(), 0);
    EXPECT_EQ(form->result(), QDialog::Accepted);
}

TEST_F(TForm10Test, AbbrechenStopsAStalledImportWithNothingStored)
{
    LocalHttpServer server;
    server.stall("/langsam.jpg");
    openWindow();
    const QByteArray url = server.url(QStringLiteral("/langsam.jpg")).toUtf8();
    loadFile(writeCsv(QStringLiteral("a.csv"), "Titel;Bild\nA;" + url + "\nB;" + url + "\n"));
    assignColumn(0, 0);
    assignColumn(10, 1);
    QSignalSpy finished(form.get(), &TForm10::importFinished);
    form->Button1->click();
    EXPECT_TRUE(form->isImporting());
    EXPECT_TRUE(form->Label10->isVisible());
    EXPECT_EQ(form->Label10->text(), QStringLiteral("0/2"));
    EXPECT_FALSE(form->Button1->isEnabled());
    ASSERT_TRUE(form->Button6->isEnabled());
    // The window still handles its events while the download hangs.
    const QDeadlineTimer deadline(10000);
    while (server.requestCount() == 0 && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    prompts.expectMessage(QStringLiteral("Der Import wurde abgebrochen. Es wurde kein Artikel gespeichert."));
    form->Button6->click();
    ASSERT_TRUE(finished.wait(20000));
    server.release();
    EXPECT_EQ(storedRows(), 0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->Label10->isVisible());
    prompts.verify();
}

TEST_F(TForm10Test, TheRealMessageBoxClosesAndTheWindowStays)
{
    WidgetPrompter real;
    setPrompter(&real);
    openWindow();
    QString shownText;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shownText = box->text();
            box->accept();
        }
    });
    closer.start(20);
    selectField(0);
    form->Button3->click();
    closer.stop();
    setPrompter(&prompts);
    EXPECT_EQ(shownText, QString::fromUtf8("Sie müssen die Felder rechts und links auswählen!"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(sourceText(0), QString());
}
