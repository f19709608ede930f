// The editor window driven offscreen: set-up by capabilities, type layouts, cascade,
// search, shipping, payment and pictures.

#include "tests/ui/editor/EditorFixture.h"

#include "core/LoginContext.h"
#include "ui/editor/PaymentChoice.h"
#include "ui/widgets/WidgetPrompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {

QStringList items(const QComboBox *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->itemText(i);
    return result;
}

bool tabShown(const TForm8 &form, QWidget *page)
{
    return form.PageControl1->isTabVisible(form.PageControl1->indexOf(page));
}

// Picks an entry of a cascade list as the seller does.
void pick(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

class TForm8Test : public EditorFixture {};

TEST_F(TForm8Test, OpensWithTheHousesListsAndTheAccountsLocation)
{
    TForm8 &form = openEditor();
    EXPECT_EQ(form.objectName(), QStringLiteral("TForm8"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Auktion einstellen"));
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(items(form.ComboBox1), (QStringList{"3 Tage", "7 Tage", "10 Tage"}));
    EXPECT_EQ(items(form.ComboBox2), (QStringList{"Antiquitäten & Kunst", "Briefmarken"}));
    EXPECT_EQ(items(form.Zustand), (QStringList{"Neu", "Neuwertig", "Sehr gut", "Gut", "Gebraucht", "Defekt"}));
    EXPECT_EQ(form.ListBox7->count(), 3);
    EXPECT_EQ(form.Edit5->text(), QStringLiteral("50667"));
    EXPECT_EQ(form.Edit6->text(), QStringLiteral("Köln"));
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet2);
    EXPECT_TRUE(form.Label5->isHidden());
    EXPECT_TRUE(form.Edit2->isHidden());
    EXPECT_FALSE(form.RadioButton5->isHidden());
    EXPECT_EQ(loginContext().LastSavedListKind, -1);
}

TEST_F(TForm8Test, WithoutFixedPriceAndRelistingItOpensOnAllgemein)
{
    setHouse(QStringLiteral("festpreis"), 0);
    setHouse(QStringLiteral("wiedereinstellen"), 0);
    TForm8 &form = openEditor();
    EXPECT_FALSE(tabShown(form, form.TabSheet2));
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet7);
    EXPECT_TRUE(form.Auktionstyp_Festpreis->isHidden());
    EXPECT_FALSE(form.Auktionstyp_Festpreis->isEnabled());
    EXPECT_TRUE(form.Auktionstyp_auktion->isChecked());
}

TEST_F(TForm8Test, RelistingCountsFollowTheHousesMaximum)
{
    setHouse(QStringLiteral("wiedereinstellen"), 1);
    setHouse(QStringLiteral("wiedereinstellen_anz"), 1);
    {
        TForm8 &form = openEditor();
        EXPECT_EQ(items(form.ComboBox9), (QStringList{"0", "1"}));
        EXPECT_EQ(form.Label31->text(), QStringLiteral("Soll der Artikel nach Ablauf wiedereingestellt werden?"));
        EXPECT_EQ(form.Label62->text(), QStringLiteral("0=nein bzw. 1=ja"));
        EXPECT_FALSE(form.ComboBox9->isHidden());
    }
    setHouse(QStringLiteral("wiedereinstellen_anz"), -1);
    TForm8 &form = openEditor();
    EXPECT_EQ(form.ComboBox9->count(), 0);
    EXPECT_FALSE(form.ComboBox9->isHidden());
    EXPECT_EQ(form.Label62->text(), QStringLiteral("Mal"));
}

TEST_F(TForm8Test, ConditionsWithAGapCloseUp)
{
    setHouse(QStringLiteral("zust2"), QString());
    TForm8 &form = openEditor();
    EXPECT_EQ(form.Zustand->count(), 5);
    EXPECT_EQ(form.Zustand->itemText(1), QStringLiteral("Sehr gut"));
}

TEST_F(TForm8Test, TypOneHidesEveryPriceLabel)
{
    setHouse(QStringLiteral("typ"), 1);
    TForm8 &form = openEditor();
    for (QLabel *price : {form.Label41, form.Label42, form.Label43, form.Label60, form.Label61})
        EXPECT_TRUE(price->isHidden()) << price->objectName().toStdString();
    for (QLabel *price : form.PicturePrices)
        EXPECT_TRUE(price->isHidden()) << price->objectName().toStdString();
    for (QLabel *fee : form.FeeLabels)
        EXPECT_TRUE(fee->isHidden()) << fee->objectName().toStdString();
    EXPECT_FALSE(form.Label72->isHidden());
}

TEST_F(TForm8Test, ShopArticleUsesShopDurationsAndFixedPriceTheRegularOnes)
{
    TForm8 &form = openEditor();
    form.ComboBox1->setCurrentIndex(1);
    form.RadioButton9->setChecked(true);
    EXPECT_EQ(items(form.ComboBox1), (QStringList{"30 Tage", "90 Tage"}));
    EXPECT_EQ(form.ComboBox1->currentIndex(), 1);
    form.ComboBox1->setCurrentIndex(1);
    form.Auktionstyp_Festpreis->setChecked(true);
    EXPECT_EQ(items(form.ComboBox1), (QStringList{"3 Tage", "7 Tage", "10 Tage"}));
    EXPECT_TRUE(form.Label8->isHidden());
    EXPECT_FALSE(form.sofortkauf->isHidden());
    form.Auktionstyp_auktion->setChecked(true);
    EXPECT_TRUE(form.sofortkauf->isHidden());
    EXPECT_FALSE(form.Edit4->isHidden());
    EXPECT_FALSE(form.Edit10->isHidden());
}

TEST_F(TForm8Test, LeavingTheAuctionShopResetsTheCascadeToTheCategoryTree)
{
    addCategory("7", "Laden", "0", QStringLiteral("auctions_shop_cat"));
    addCategory("70", "Regal", "7", QStringLiteral("auctions_shop_cat"));
    TForm8 &form = openEditor();
    pick(form.ComboBox2, 0);
    EXPECT_EQ(form.ComboBox3->count(), 2);
    form.RadioButton5->setChecked(true);
    EXPECT_EQ(items(form.ComboBox2), (QStringList{"Laden"}));
    EXPECT_EQ(form.ComboBox3->count(), 0);
    pick(form.ComboBox2, 0);
    pick(form.ComboBox3, 0);
    EXPECT_EQ(form.Label3->text(), QStringLiteral("70"));
    form.Auktionstyp_auktion->setChecked(true);
    EXPECT_EQ(items(form.ComboBox2), (QStringList{"Antiquitäten & Kunst", "Briefmarken"}));
    EXPECT_EQ(form.ComboBox3->count(), 0);
    EXPECT_EQ(form.ComboBox3->styleSheet(), QStringLiteral("QComboBox { background: silver; }"));
    EXPECT_EQ(form.Label3->text(), QStringLiteral("0"));
}

TEST_F(TForm8Test, CascadeChoosesLeavesAndEmptiesTheIdAboveThem)
{
    TForm8 &form = openEditor();
    pick(form.ComboBox2, 1);
    EXPECT_EQ(form.Label3->text(), QStringLiteral("2"));
    EXPECT_EQ(form.Label67->text(), QStringLiteral("Briefmarken"));
    pick(form.ComboBox2, 0);
    pick(form.ComboBox3, 1);
    EXPECT_EQ(form.Label3->text(), QString());
    EXPECT_EQ(form.Label67->text(), QStringLiteral("Briefmarken"));
    EXPECT_EQ(form.ComboBox4->styleSheet(), QStringLiteral("QComboBox { background: white; }"));
    pick(form.ComboBox4, 0);
    EXPECT_EQ(form.Label3->text(), QStringLiteral("100"));
    EXPECT_EQ(form.Label67->text(), QStringLiteral("Antiquitäten & Kunst > Möbel > Barock"));
    EXPECT_EQ(form.draft().categoryId, QStringLiteral("100"));
}

TEST_F(TForm8Test, ALeafWhosePathRunsInACircleIsNoCategory)
{
    addCategory("3", "Kreis", "0");
    addCategory("30", "Blatt", "3");
    addCategory("3", "Kreis", "31");
    addCategory("31", "Zurück", "3");
    TForm8 &form = openEditor();
    pick(form.ComboBox2, 2);
    prompts.expectMessage(QStringLiteral("Die Kategorie-ID exsistiert leider nicht!"));
    pick(form.ComboBox3, 0);
    EXPECT_EQ(form.Label67->text(), QStringLiteral("NICHT VORHANDEN!"));
    EXPECT_EQ(form.Label3->text(), QStringLiteral("0"));
}

TEST_F(TForm8Test, SearchFillsEveryLevelAndSetsALeaf)
{
    TForm8 &form = openEditor();
    QTest::keyClicks(form.CategorySearchEdit, QStringLiteral("mo"));
    EXPECT_TRUE(form.CategorySearchList->isHidden());
    QTest::keyClicks(form.CategorySearchEdit, QStringLiteral("b"));
    ASSERT_EQ(form.CategorySearchList->count(), 1);
    EXPECT_EQ(form.CategorySearchList->item(0)->text(), QStringLiteral("Antiquitäten & Kunst > Möbel"));
    form.CategorySearchList->setCurrentRow(0);
    form.searchHitChosen(0);
    EXPECT_EQ(form.ComboBox2->currentText(), QStringLiteral("Antiquitäten & Kunst"));
    EXPECT_EQ(form.ComboBox3->currentText(), QStringLiteral("Möbel"));
    EXPECT_EQ(form.ComboBox4->count(), 2);
    EXPECT_EQ(form.Label3->text(), QString());
    form.CategorySearchEdit->clear();
    QTest::keyClicks(form.CategorySearchEdit, QStringLiteral("BAROCK"));
    ASSERT_EQ(form.CategorySearchList->count(), 1);
    form.searchHitChosen(0);
    EXPECT_EQ(form.ComboBox4->currentText(), QStringLiteral("Barock"));
    EXPECT_EQ(form.Label3->text(), QStringLiteral("100"));
    EXPECT_EQ(form.Label67->text(), QStringLiteral("Antiquitäten & Kunst > Möbel > Barock"));
}

struct ShippingCase {
    int mode;
    bool details;
    bool insuranceList;
    bool secondRow;
};

class TForm8ShippingTest : public EditorFixture, public ::testing::WithParamInterface<ShippingCase> {};

TEST_P(TForm8ShippingTest, BuyerPaysShowsThePanelOfTheMode)
{
    const ShippingCase c = GetParam();
    setHouse(QStringLiteral("versandangabe"), c.mode);
    TForm8 &form = openEditor();
    form.PageControl1->setCurrentWidget(form.TabSheet3);
    form.RadioButton2->click();
    EXPECT_EQ(form.versand_k->isVisible(), c.details);
    EXPECT_EQ(!form.versicherung->isHidden(), c.insuranceList);
    EXPECT_EQ(!form.Edit8->isHidden(), c.secondRow);
    form.RadioButton1->click();
    EXPECT_FALSE(form.versand_k->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Modes, TForm8ShippingTest,
                         ::testing::Values(ShippingCase{0, false, true, true}, ShippingCase{1, true, false, true},
                                           ShippingCase{2, true, false, false}, ShippingCase{3, true, false, false},
                                           ShippingCase{4, true, true, true}));

TEST_F(TForm8Test, ModeFourOffersShippingInformationInTheSecondRow)
{
    setHouse(QStringLiteral("versandangabe"), 4);
    TForm8 &form = openEditor();
    form.RadioButton2->click();
    EXPECT_EQ(form.Label17->text(), QStringLiteral("Versandinformation"));
    EXPECT_TRUE(form.ComboBox12->isHidden());
    EXPECT_TRUE(form.Edit7->isHidden());
    EXPECT_TRUE(form.Label18->isHidden());
    EXPECT_EQ(form.versicherung->count(), 30);
    EXPECT_EQ(form.ComboBox12->count(), 30);
    form.versicherung->setCurrentIndex(4);
    EXPECT_EQ(form.draft().shippingMethod, QStringLiteral("Post Bücher - Warensendung (Inland)"));
}

TEST_F(TForm8Test, ExtendedShippingShowsTheGridWhenCostsAreGiven)
{
    for (const int extra : {1, 0}) {
        setHouse(QStringLiteral("versandangabe_extra"), extra);
        TForm8 &form = openEditor();
        form.PageControl1->setCurrentWidget(form.TabSheet3);
        form.RadioButton2->click();
        form.RadioButton4->click();
        EXPECT_TRUE(form.versandkosten->isVisible());
        EXPECT_EQ(form.Label64->isVisible(), extra == 1);
        for (QLineEdit *edit : form.ExtendedCosts)
            EXPECT_EQ(edit->isVisible(), extra == 1) << edit->objectName().toStdString();
        form.RadioButton3->click();
        EXPECT_FALSE(form.versandkosten->isVisible());
    }
}

TEST_F(TForm8Test, TwoPaymentMethodsAreJoinedAndRestored)
{
    TForm8 &form = openEditor();
    form.ListBox7->item(0)->setSelected(true);
    form.ListBox7->item(2)->setSelected(true);
    const QStringList names = form.editor().paymentMethods();
    EXPECT_EQ(PaymentChoice::join(names, form.draft().paymentPositions), QStringLiteral("Überweisung,Barzahlung"));
    ListingDraft restored = form.draft();
    restored.paymentPositions = PaymentChoice::restore(names, QStringLiteral("Nachnahme, Barzahlung"));
    form.showDraft(restored);
    EXPECT_FALSE(form.ListBox7->item(0)->isSelected());
    EXPECT_TRUE(form.ListBox7->item(1)->isSelected());
    EXPECT_TRUE(form.ListBox7->item(2)->isSelected());
}

TEST_F(TForm8Test, PictureSlotsFillInOrderThroughTheDialog)
{
    TForm8 &form = openEditor();
    const QString first = writeJpeg(QStringLiteral("eins.jpg"), 640, 480);
    const QString second = writeJpeg(QStringLiteral("zwei.jpg"), 640, 480);
    prompts.expectMessage(QStringLiteral("Bitte wähle ersteinmal das 1. Bild aus"));
    form.ImageClick(2);
    prompts.expectOpenFile(first);
    form.ImageClick(1);
    EXPECT_EQ(form.draft().pictures[0], first);
    EXPECT_TRUE(form.Label36->isHidden());
    EXPECT_FALSE(form.Images[0]->pixmap().isNull());
    EXPECT_EQ(loginContext().LastPictureFolder, dir.path());
    prompts.expectMessage(QStringLiteral("Bitte wähle ersteinmal das 1. bzw 2. Bild aus"));
    form.ImageClick(3);
    prompts.expectOpenFile(second);
    form.ImageClick(2);
    prompts.expectMessage(QStringLiteral("Bitte lösche ersteinmal das 2. bzw 3. Bild!"));
    form.RemoveButtons[0]->click();
    EXPECT_EQ(form.draft().pictures[0], first);
    form.RemoveButtons[1]->click();
    form.RemoveButtons[0]->click();
    EXPECT_EQ(form.draft().pictures[0], QString());
    EXPECT_FALSE(form.Label36->isHidden());
}

TEST_F(TForm8Test, ACancelledDialogAndANonPictureLeaveTheSlotEmpty)
{
    TForm8 &form = openEditor();
    prompts.expectOpenFile(QString());
    form.ImageClick(1);
    dir.writeFile(QStringLiteral("kaputt.jpg"), "kein Bild");
    prompts.expectOpenFile(dir.file(QStringLiteral("kaputt.jpg")));
    prompts.expectMessage(QStringLiteral("Das Bild kann nicht geladen werden.*"));
    form.ImageClick(1);
    EXPECT_EQ(form.draft().pictures[0], QString());
}

// Drags a file over a picture box and drops it there; true when the box took the drag.
bool dropFile(QWidget *box, const QString &path)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    QApplication::sendEvent(box, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
    return true;
}

TEST_F(TForm8Test, ADroppedJpegIsTakenLikeAChosenOne)
{
    TForm8 &form = openEditor();
    const QString path = writeJpeg(QStringLiteral("gezogen.jpg"), 320, 240);
    prompts.expectMessage(QStringLiteral("Bitte wähle ersteinmal das 1. bzw 2. Bild aus"));
    EXPECT_TRUE(dropFile(form.PictureBoxes[2], path));
    EXPECT_EQ(form.draft().pictures[2], QString());
    EXPECT_TRUE(dropFile(form.PictureBoxes[0], path));
    EXPECT_EQ(form.draft().pictures[0], path);
    EXPECT_TRUE(form.Label36->isHidden());
    dir.writeFile(QStringLiteral("notiz.txt"), "Text");
    EXPECT_FALSE(dropFile(form.PictureBoxes[1], dir.file(QStringLiteral("notiz.txt"))));
    EXPECT_EQ(form.draft().pictures[1], QString());
}

TEST_F(TForm8Test, ARealMessageBoxClosesAndTheEditorStays)
{
    WidgetPrompter real;
    setPrompter(&real);
    TForm8 &form = openEditor();
    bool closed = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&closed] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            closed = box->text() == QStringLiteral("Bitte wähle ersteinmal das 1. Bild aus");
            box->accept();
        }
    });
    closer.start(20);
    form.ImageClick(2);
    closer.stop();
    setPrompter(&prompts);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.draft().pictures[1], QString());
}

} // namespace
