#include "csvimport/window/TForm10.h"
#include "tests/ui/main/MainWindowFixture.h"
#include "ui/main/ListKinds.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

namespace {

using CsvImportCommand = MainWindowFixture;

} // namespace

TEST_F(CsvImportCommand, ImportsIntoTheTransferListAndShowsIt)
{
    TForm1 &window = openWindow();
    window.ItemClick(0);
    dir.writeFile(QStringLiteral("artikel.csv"), "Titel;Preis\nErster;1,50\nZweiter;2\nDritter;3\n");
    bool shown = false;
    window.setCsvImportRunner([&](TForm10 &import) {
        shown = true;
        import.show();
        prompts.expectOpenFile(dir.file(QStringLiteral("artikel.csv")));
        import.Button2->click();
        import.ListView4->setCurrentItem(import.ListView4->topLevelItem(0));
        import.ListBox1->setCurrentRow(0);
        import.Button3->click();
        prompts.expectMessage(QStringLiteral("Die CSV-Daten wurden komplett eingelesen.*"));
        QSignalSpy finished(&import, &TForm10::importFinished);
        import.Button1->click();
        ASSERT_TRUE(finished.wait(20000));
    });
    window.CSVImport1->trigger();
    EXPECT_TRUE(shown);
    EXPECT_EQ(listingCount(ListKinds::TransferList), 3);
    EXPECT_EQ(window.visibleListKind(), ListKinds::TransferList);
    EXPECT_EQ(window.paging().shownListKind(), ListKinds::TransferList);
    EXPECT_EQ(rowCount(ListKinds::TransferList), 3);
}
