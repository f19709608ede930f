#include "core/Prompter.h"
#include "store/DescriptionText.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempProgramDir.h"
#include "tests/ui/editor/description/ViewWaits.h"
#include "ui/editor/description/DescriptionEditor.h"
#include "ui/editor/description/DescriptionPage.h"
#include "ui/editor/description/EditingView.h"
#include "ui/editor/description/EditorCommand.h"
#include "ui/widgets/WidgetPrompter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWebEngineSettings>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

constexpr int EditorSubPage = 0;
constexpr int HtmlSubPage = 1;

// The description page of a fresh editor, shown, in a temporary program directory.
class DescriptionEditorFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        editor = std::make_unique<DescriptionEditor>(dir.path());
        editor->resize(700, 450);
        editor->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
    }

    QWebEnginePage *page() const { return editor->WebBrowser2->page(); }

    QString viewBody() const { return DescriptionText::extractBody(ViewWaits::document(page())); }

    void enterWith(const QString &memoText)
    {
        editor->Beschreibung->setPlainText(memoText);
        ASSERT_TRUE(editor->SyncDescription(true));
        ASSERT_EQ(editor->DescriptionState(), DescriptionEditor::ViewIsLive);
    }

    // Selects the whole text of the editing view, as the seller would before formatting it.
    void selectAll() const
    {
        ViewWaits::scriptResult(page(), QStringLiteral("document.execCommand('selectAll', false, null); true"));
    }

    bool viewBodyContains(const QString &part) const
    {
        return ViewWaits::until([&] { return viewBody().contains(part); });
    }

    TempProgramDir dir;
    ScriptedPrompter prompts;
    std::unique_ptr<DescriptionEditor> editor;
};

} // namespace

TEST_F(DescriptionEditorFixture, ControlsKeepTheirFormNamesAndDesignTexts)
{
    for (const char *name : {"PageControl2", "TabSheet4", "TabSheet6", "BlockFormatCombo", "JustifyCombo",
                             "TextFontCombo", "TextSizeCombo", "TextColorCombo", "Image4", "Image5", "Image6",
                             "WebBrowser2", "Beschreibung"})
        EXPECT_NE(editor->findChild<QWidget *>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(editor->PageControl2->tabText(EditorSubPage), QStringLiteral("&Editor"));
    EXPECT_EQ(editor->PageControl2->tabText(HtmlSubPage), QStringLiteral("&HTML"));
    EXPECT_EQ(editor->Beschreibung->toPlainText(), QStringLiteral("<HTML>\n</HTML>"));
    EXPECT_EQ(editor->JustifyCombo->currentText(), QStringLiteral("Left"));
    EXPECT_EQ(editor->TextFontCombo->currentText(), QStringLiteral("(Default)"));
    EXPECT_EQ(editor->TextSizeCombo->currentText(), QStringLiteral("4"));
    EXPECT_EQ(editor->BlockFormatCombo->count(), 9);
    EXPECT_TRUE(editor->BlockFormatCombo->isEditable());
    EXPECT_EQ(editor->WebBrowser2->toolTip(), QStringLiteral("Schreiben Sie hier Ihren Text. (KEIN QUELLCODE!!)"));
    EXPECT_EQ(editor->DescriptionState(), DescriptionEditor::MemoIsLive);
    const auto colourOf = [&](const char *name) {
        const int index = editor->TextColorCombo->findText(QString::fromUtf8(name));
        return ColorToHtml(editor->TextColorCombo->itemData(index).toUInt());
    };
    EXPECT_EQ(colourOf("Rot"), QStringLiteral("#FF0000"));
    EXPECT_EQ(colourOf("Blau"), QStringLiteral("#0000FF"));
    EXPECT_EQ(colourOf("Weiß"), QStringLiteral("#FFFFFF"));
}

TEST_F(DescriptionEditorFixture, TextTravelsBetweenViewAndMemoUnchanged)
{
    const QString text = QStringLiteral("<p>Größe þ ÿ € ✓ 😀 „Zitat“ &amp; &lt;Tag&gt;</p>");
    enterWith(text);
    EXPECT_EQ(viewBody(), text);
    EXPECT_TRUE(QFile::exists(editor->TempEditFile()));

    // Leaving the page from the editing view.
    ASSERT_TRUE(editor->SyncDescription(false));
    EXPECT_EQ(editor->description(), text);
    EXPECT_EQ(editor->DescriptionState(), DescriptionEditor::MemoIsLive);

    // Through the sub-pages and out again from the memo.
    ASSERT_TRUE(editor->SyncDescription(true));
    editor->PageControl2->setCurrentIndex(HtmlSubPage);
    EXPECT_EQ(editor->description(), text);
    editor->PageControl2->setCurrentIndex(EditorSubPage);
    EXPECT_EQ(viewBody(), text);
    editor->PageControl2->setCurrentIndex(HtmlSubPage);
    ASSERT_TRUE(editor->SyncDescription(false));
    EXPECT_EQ(editor->description(), text);
    prompts.verify();
}

TEST_F(DescriptionEditorFixture, DescriptionPageNeverOpenedKeepsTheDesignText)
{
    ASSERT_TRUE(editor->SyncDescription(false));
    EXPECT_EQ(editor->description(), QStringLiteral("<HTML>\n</HTML>"));
}

TEST_F(DescriptionEditorFixture, DescriptionPageOpenedAndLeftEmptyGivesAnEmptyDescription)
{
    ASSERT_TRUE(editor->SyncDescription(true));
    ASSERT_TRUE(editor->SyncDescription(false));
    EXPECT_EQ(editor->description(), QString());
}

TEST_F(DescriptionEditorFixture, LoadedDescriptionReachesTheViewAtTheFirstPageChange)
{
    editor->loadDescription(QStringLiteral("<##DE##><p>Erste Zeile</p>\r\n<p>Zweite</p><##EN##><p>Hello</p>"));
    EXPECT_EQ(editor->description(), QStringLiteral("<p>Erste Zeile</p>\n<p>Zweite</p><##EN##><p>Hello</p>"));
    EXPECT_EQ(editor->DescriptionState(), DescriptionEditor::LoadedTextPending);
    ASSERT_TRUE(editor->SyncDescription(false));
    EXPECT_EQ(editor->DescriptionState(), DescriptionEditor::MemoIsLive);
    EXPECT_TRUE(viewBody().contains(QStringLiteral("Erste Zeile")));
    // The memo stays the live text: nothing of the view flows back.
    EXPECT_EQ(editor->description(), QStringLiteral("<p>Erste Zeile</p>\n<p>Zweite</p><##EN##><p>Hello</p>"));
}

TEST_F(DescriptionEditorFixture, ToolbarFormatsTheSelection)
{
    enterWith(QStringLiteral("<p>Fettes Wort</p>"));
    selectAll();
    editor->Image4Click();
    ASSERT_TRUE(viewBodyContains(QStringLiteral("<b>Fettes Wort</b>")));

    selectAll();
    editor->TextColorCombo->setCurrentIndex(editor->TextColorCombo->findText(QStringLiteral("Rot")));
    editor->TextColorComboChange();
    ASSERT_TRUE(viewBodyContains(QStringLiteral("color=\"#ff0000\"")));

    selectAll();
    editor->Image6Click();
    ASSERT_TRUE(viewBodyContains(QStringLiteral("<i>")));

    selectAll();
    editor->TextFontCombo->setCurrentIndex(1);
    editor->TextFontComboChange();
    ASSERT_TRUE(viewBodyContains(QStringLiteral("face=\"Arial\"")));

    selectAll();
    editor->BlockFormatCombo->setCurrentText(QStringLiteral("Aufzählung"));
    editor->BlockFormatComboChange();
    ASSERT_TRUE(viewBodyContains(QStringLiteral("<ul><li>")));

    ASSERT_TRUE(editor->SyncDescription(false));
    EXPECT_TRUE(editor->description().contains(QStringLiteral("<b>")));
    EXPECT_TRUE(editor->description().contains(QStringLiteral("Fettes Wort")));
}

TEST_F(DescriptionEditorFixture, ButtonsAndListsRunTheirCommands)
{
    enterWith(QStringLiteral("<p>Unterstrichen</p>"));
    selectAll();
    QTest::mouseClick(editor->Image5, Qt::LeftButton);
    ASSERT_TRUE(viewBodyContains(QStringLiteral("<u>Unterstrichen</u>")));

    selectAll();
    editor->BlockFormatCombo->setCurrentText(QStringLiteral("Überschrift 2"));
    editor->BlockFormatComboChange();
    ASSERT_TRUE(viewBodyContains(QStringLiteral("<h2>")));

    selectAll();
    editor->JustifyCombo->setCurrentIndex(1);
    editor->JustifyComboChange();
    ASSERT_TRUE(viewBodyContains(QStringLiteral("text-align: center")));
}

TEST_F(DescriptionEditorFixture, ViewIsInDesignModeWithoutPageScripts)
{
    enterWith(QStringLiteral("<p>Text</p>"));
    EXPECT_EQ(ViewWaits::scriptResult(page(), QStringLiteral("document.designMode")).toString(), QStringLiteral("on"));
    EXPECT_FALSE(page()->settings()->testAttribute(QWebEngineSettings::JavascriptEnabled));
}

TEST_F(DescriptionEditorFixture, ScriptsOfADescriptionNeverRun)
{
    enterWith(QStringLiteral("<p id=\"t\">Text</p><script>document.body.setAttribute('data-ran', 'yes');</script>"
                             "<p onclick=\"this.setAttribute('data-ran', 'yes')\">Klick</p>"));
    ASSERT_TRUE(ViewWaits::loaded(page()));
    EXPECT_TRUE(ViewWaits::scriptResult(page(), QStringLiteral("document.body.getAttribute('data-ran')")).isNull());
    ViewWaits::scriptResult(page(), QStringLiteral("document.querySelectorAll('p')[1].click(); true"));
    EXPECT_TRUE(
        ViewWaits::scriptResult(page(), QStringLiteral("document.querySelectorAll('p')[1].getAttribute('data-ran')"))
            .isNull());
}

TEST_F(DescriptionEditorFixture, ViewNeverLeavesTheDocument)
{
    const QString elsewhere = dir.file(QStringLiteral("elsewhere.html"));
    dir.writeFile(QStringLiteral("elsewhere.html"), "<p>Woanders</p>");
    enterWith(QStringLiteral("<p><a id=\"l\" href=\"elsewhere.html\">Link</a></p>"));
    QSignalSpy refused(editor->WebBrowser2->descriptionPage(), &DescriptionPage::navigationRefused);
    ViewWaits::scriptResult(page(), QStringLiteral("window.location.href = 'elsewhere.html'; true"));
    ASSERT_TRUE(refused.count() > 0 || refused.wait(ViewWaits::DeadlineMs));
    EXPECT_EQ(refused.first().first().toUrl(), QUrl::fromLocalFile(elsewhere));
    EXPECT_EQ(page()->url(), QUrl::fromLocalFile(editor->TempEditFile()));
    EXPECT_TRUE(viewBody().contains(QStringLiteral("Link")));
}

TEST_F(DescriptionEditorFixture, DoubleClickOnAPictureSaysSo)
{
    QImage picture(120, 90, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(dir.file(QStringLiteral("bild.png"))));
    enterWith(QStringLiteral("<img src=\"bild.png\" width=\"120\" height=\"90\" style=\"display:block;margin:0\">"
                             "<p style=\"margin:0;padding-top:20px\">Text unter dem Bild</p>"));
    ASSERT_TRUE(ViewWaits::loaded(page()));
    ASSERT_TRUE(ViewWaits::until([&] { return editor->WebBrowser2->focusProxy() != nullptr; }));
    QWidget *surface = editor->WebBrowser2->focusProxy();
    const QPoint bodyOffset(8, 8); // the document's margin

    // On the text: nothing.
    editor->EditorDblClick(bodyOffset + QPoint(10, 110));
    // On the picture, by the mouse.
    prompts.expectMessage(DescriptionEditor::ImageMessage);
    QTest::mouseDClick(surface, Qt::LeftButton, {}, bodyOffset + QPoint(30, 30));
    ASSERT_TRUE(ViewWaits::until([&] { return prompts.pending() == 0; }));
    prompts.verify();
    EXPECT_EQ(prompts.prompts().size(), 1);
}

TEST_F(DescriptionEditorFixture, WorkingFileThatCannotBeWrittenKeepsTheMemo)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("temp_edit.html")));
    editor->Beschreibung->setPlainText(QStringLiteral("<p>Bleibt</p>"));
    EXPECT_FALSE(editor->SyncDescription(true));
    EXPECT_EQ(editor->DescriptionState(), DescriptionEditor::MemoIsLive);
    EXPECT_EQ(editor->PageControl2->currentIndex(), HtmlSubPage) << "the seller goes on in the memo";
    EXPECT_EQ(editor->description(), QStringLiteral("<p>Bleibt</p>"));
    EXPECT_TRUE(editor->SyncDescription(false));
    EXPECT_EQ(editor->description(), QStringLiteral("<p>Bleibt</p>"));

    prompts.expectError(DescriptionEditor::SubPageFailed);
    editor->PageControl2->setCurrentIndex(EditorSubPage);
    prompts.verify();
    EXPECT_EQ(editor->description(), QStringLiteral("<p>Bleibt</p>"));
}

TEST_F(DescriptionEditorFixture, EditsInTheViewSurviveAFailedExchange)
{
    enterWith(QStringLiteral("<p>Alt</p>"));
    ViewWaits::scriptResult(page(), QStringLiteral("document.body.innerHTML = '<p>Neu geschrieben</p>'; true"));
    ASSERT_TRUE(QDir(dir.path()).remove(QStringLiteral("temp_edit.html")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("temp_edit.html")));
    EXPECT_FALSE(editor->SyncDescription(false));
    EXPECT_EQ(editor->description(), QStringLiteral("<p>Alt</p>"));
    EXPECT_EQ(editor->DescriptionState(), DescriptionEditor::ViewIsLive);

    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("temp_edit.html")));
    EXPECT_TRUE(editor->SyncDescription(false));
    EXPECT_EQ(editor->description(), QStringLiteral("<p>Neu geschrieben</p>"));
}

TEST_F(DescriptionEditorFixture, RealMessageBoxForAPictureClosesAndTheEditorStays)
{
    QImage picture(100, 100, QImage::Format_RGB32);
    picture.fill(Qt::darkRed);
    ASSERT_TRUE(picture.save(dir.file(QStringLiteral("bild.png"))));
    enterWith(QStringLiteral("<img src=\"bild.png\" width=\"100\" height=\"100\" style=\"display:block\">"));
    ASSERT_TRUE(ViewWaits::loaded(page()));

    WidgetPrompter real;
    setPrompter(&real);
    QString shownText;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible()) {
                shownText = box->text();
                box->accept();
            }
        }
    });
    closer.start(20);
    QPointer<DescriptionEditor> alive(editor.get());
    editor->EditorDblClick(QPoint(40, 40));
    EXPECT_TRUE(ViewWaits::until([&] { return !shownText.isEmpty(); }));
    closer.stop();
    setPrompter(&prompts);
    EXPECT_EQ(shownText, DescriptionEditor::ImageMessage);
    ASSERT_FALSE(alive.isNull());
    EXPECT_TRUE(editor->isVisible());
    ASSERT_TRUE(editor->SyncDescription(false));
    EXPECT_TRUE(editor->description().contains(QStringLiteral("bild.png")));
}

TEST_F(DescriptionEditorFixture, ChoosingInAListByKeyboardFormats)
{
    enterWith(QStringLiteral("<p>Rechts</p>"));
    selectAll();
    editor->JustifyCombo->setFocus();
    QTest::keyClick(editor->JustifyCombo, Qt::Key_End);
    EXPECT_EQ(editor->JustifyCombo->currentText(), QStringLiteral("Right"));
    ASSERT_TRUE(viewBodyContains(QStringLiteral("text-align: right")));
}
