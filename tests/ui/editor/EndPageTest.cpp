// The page "Ende" of the editor window: the check when it is chosen, the findings box, the
// summary with its fees and the rendered description.

#include "tests/ui/editor/EditorFixture.h"

#include "core/LoginContext.h"
#include "core/ProcessLocale.h"
#include "core/Prompter.h"
#include "store/Statement.h"
#include "ui/editor/description/DescriptionEditor.h"
#include "ui/widgets/WidgetPrompter.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

namespace {

class EndPageTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        ProcessLocale::useDecimalComma();
        Statement::run(*db, QStringLiteral("INSERT INTO einstellgebuehr (id, min_val, max_val, fee, aukid) "
                                           "VALUES (1, '0,01', '9,99', '0,10', 11), (2, '10', '49,99', '0,25', 11)"));
        Statement::run(*db, QStringLiteral("INSERT INTO zusatz_preis (id, bez, preis, aukid) VALUES (1, 'Fett', '0,40', 11)"));
    }

    static void pick(QComboBox *list, int index)
    {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    QString labelText(const char *name) { return editor->findChild<QLabel *>(QString::fromLatin1(name))->text(); }

    void fillListing(TForm8 &form)
    {
        ListingDraft draft = form.draft();
        draft.title = QStringLiteral("Biedermeier-Kommode");
        draft.description = QStringLiteral("<p>Gut <b>erhalten</b></p>");
        draft.startPrice = QStringLiteral("12.5");
        draft.durationIndex = 0;
        draft.conditionIndex = 1;
        draft.paymentPositions = {0, 2};
        form.showDraft(draft);
        pick(form.ComboBox2, 0);
        pick(form.ComboBox3, 1);
        pick(form.ComboBox4, 1);
    }
};

TEST_F(EndPageTest, EmptyListingShowsItsFindingsInOneBoxAndStaysOnAllgemein)
{
    TForm8 &form = openEditor();
    form.Edit1->clear();
    form.Edit4->setText(QStringLiteral("0"));
    prompts.expectMessage(QStringLiteral("Bitte wählen Sie eine Kategorie aus!\r\n"
                                         "Sie haben keine Laufzeitbestimmt!\r\n"
                                         "Eine Zahlungsmethode ist pflicht!\r\n"
                                         "Sie benötigen einen Titel für die Auktion!\r\n"
                                         "Die Artikelbeschreibung fehlt!\r\n"
                                         "Der Startpreis muss min 0,01 EUR betragen!\r\n"));
    form.PageControl1->setCurrentWidget(form.TabSheet5);
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet7);
    EXPECT_FALSE(form.Button1->isVisible());
}

TEST_F(EndPageTest, CheckedListingShowsSummaryFeesAndTheSaveButton)
{
    TForm8 &form = openEditor();
    fillListing(form);
    form.PageControl1->setCurrentWidget(form.TabSheet5);
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet5);
    EXPECT_TRUE(form.Button1->isVisible());
    EXPECT_EQ(form.Label3->text(), QStringLiteral("101"));
    EXPECT_EQ(labelText("Label22"), QStringLiteral("Biedermeier-Kommode"));
    EXPECT_EQ(labelText("Label44"), QStringLiteral("12,5EUR"));
    EXPECT_EQ(labelText("Label45"), QStringLiteral("N/A"));
    EXPECT_EQ(labelText("Label47"), QStringLiteral("3 Tage"));
    EXPECT_EQ(labelText("Label33"), QStringLiteral("Überweisung\r\nBarzahlung"));
    EXPECT_EQ(labelText("Label49"), QStringLiteral("+ 0,25 EUR"));
    EXPECT_EQ(labelText("Label52"), QStringLiteral("Gesammt: 0,25 EUR"));
    EXPECT_TRUE(form.findChild<QLabel *>(QStringLiteral("Label52"))->isVisible());

    form.PageControl1->setCurrentWidget(form.TabSheet7);
    EXPECT_FALSE(form.Button1->isVisible());
}

TEST_F(EndPageTest, SaveButtonStoresIntoTheChosenListAndCloses)
{
    TForm8 &form = openEditor();
    fillListing(form);
    form.ComboBox11->setCurrentIndex(0);
    form.PageControl1->setCurrentWidget(form.TabSheet5);
    ASSERT_TRUE(form.Button1->isVisible());
    form.Button1->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(loginContext().LastSavedListKind, 3);
    Statement query(*db, QStringLiteral("SELECT titel, artliste, status, aukID, kategorie FROM auktionen WHERE id=:id"));
    query.bind(QStringLiteral(":id"), form.ListingId).exec();
    ASSERT_TRUE(query.next());
    EXPECT_EQ(query.text(QStringLiteral("titel")), QStringLiteral("Biedermeier-Kommode"));
    EXPECT_EQ(query.integer(QStringLiteral("artliste")), 3);
    EXPECT_EQ(query.integer(QStringLiteral("status")), 0);
    EXPECT_EQ(query.text(QStringLiteral("aukID")), QStringLiteral("11"));
    EXPECT_EQ(query.integer(QStringLiteral("kategorie")), 101);
}

TEST_F(EndPageTest, Typ1ShowsNoFeeLabels)
{
    setHouse(QStringLiteral("typ"), 1);
    TForm8 &form = openEditor();
    fillListing(form);
    form.PageControl1->setCurrentWidget(form.TabSheet5);
    EXPECT_TRUE(form.Button1->isVisible());
    for (const char *fee : {"Label49", "Label50", "Label51", "Label52"})
        EXPECT_FALSE(form.findChild<QLabel *>(QString::fromLatin1(fee))->isVisible()) << fee;
}

TEST_F(EndPageTest, FixedPriceCopiesItsPriceIntoTheStartPrice)
{
    TForm8 &form = openEditor();
    fillListing(form);
    form.Auktionstyp_Festpreis->setChecked(true);
    form.sofortkauf->setText(QStringLiteral("30,00"));
    form.PageControl1->setCurrentWidget(form.TabSheet5);
    EXPECT_EQ(form.Edit4->text(), QStringLiteral("30,00"));
    EXPECT_EQ(labelText("Label45"), QStringLiteral("30 EUR"));
}

TEST_F(EndPageTest, ARealFindingsBoxClosesAndTheEditorStays)
{
    WidgetPrompter real;
    setPrompter(&real);
    TForm8 &form = openEditor();
    bool closed = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&closed] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            closed = box->text().contains(QStringLiteral("Bitte wählen Sie eine Kategorie aus!"));
            box->accept();
        }
    });
    closer.start(20);
    form.PageControl1->setCurrentWidget(form.TabSheet5);
    closer.stop();
    setPrompter(&prompts);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(form.isVisible());
    // The last finding is the missing description.
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet1);
}

} // namespace
