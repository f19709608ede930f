// "Neuer Artikel" opens the listing editor modally over the main window, with the real
// message boxes of the program.

#include "tests/ui/main/MainWindowFixture.h"

#include "core/LoginContext.h"
#include "store/Statement.h"
#include "ui/editor/TForm8.h"
#include "ui/widgets/WidgetPrompter.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>

namespace {

class TForm1NewListingTest : public MainWindowFixture {};

TEST_F(TForm1NewListingTest, TheEditorOpensForANewListingAndSurvivesARealMessageBox)
{
    Statement::run(*db, QStringLiteral("INSERT INTO categories (cat_id, cat_name, parent_id, aukid) "
                                       "VALUES ('5', 'Briefmarken', '0', 11)"));
    Statement::run(*db, QStringLiteral("UPDATE user SET plz='80331', ort='München' WHERE id=:id"),
                   {{QStringLiteral(":id"), userID}});
    TForm1 &main = openWindow();
    main.setEditorRunner({});
    WidgetPrompter real;
    setPrompter(&real);

    QString shownTitle;
    QString shownTown;
    int categories = -1;
    bool boxClosed = false;
    bool clicked = false;
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            boxClosed = box->text() == QStringLiteral("Bitte wähle ersteinmal das 1. Bild aus");
            box->accept();
        } else if (auto *editor = qobject_cast<TForm8 *>(modal)) {
            if (!clicked) {
                clicked = true;
                shownTitle = editor->windowTitle();
                shownTown = editor->Edit6->text();
                categories = editor->ComboBox2->count();
                // The box opens in a slot of its own, so this timer keeps running to close it.
                QTimer::singleShot(0, editor, [editor] { editor->ImageClick(2); });
            } else {
                editor->reject();
            }
        } else if (modal && elapsed.elapsed() > 20000) {
            modal->close();
        }
    });
    driver.start(20);
    main.ToolButton1->click();
    driver.stop();
    setPrompter(&prompts);

    EXPECT_EQ(shownTitle, QStringLiteral("Auktion einstellen"));
    EXPECT_EQ(shownTown, QStringLiteral("München"));
    EXPECT_EQ(categories, 1);
    EXPECT_TRUE(boxClosed);
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(loginContext().LastSavedListKind, -1);
    EXPECT_EQ(main.findChildren<TForm8 *>().size(), 0);
}

} // namespace
