#include "csvimport/window/TForm10.h"
#include "tests/ui/main/MainWindowFixture.h"
#include "store/ListKinds.h"

#include "store/Statement.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

namespace {

using CsvImportCommand = MainWindowFixture;
constexpr int Articles = 50;

} // namespace

TEST_F(CsvImportCommand, ImportsFiftyArticlesWithPicturesIntoTheTransferListAndShowsIt)
{
    TForm1 &window = openWindow();
    window.ItemClick(0);
    QImage photo(640, 480, QImage::Format_RGB32);
    photo.fill(QColor(30, 90, 160));
    ASSERT_TRUE(photo.save(dir.file(QStringLiteral("foto.jpg")), "JPEG"));
    QByteArray csv = "Titel;Preis;Bild\n";
    for (int i = 1; i <= Articles; ++i)
        csv += "Artikel " + QByteArray::number(i) + ";" + QByteArray::number(i) + ",50;foto.jpg\n";
    dir.writeFile(QStringLiteral("artikel.csv"), csv);
    bool shown = false;
    window.setCsvImportRunner([&](TForm10 &import) {
        shown = true;
        import.show();
        prompts.expectOpenFile(dir.file(QStringLiteral("artikel.csv")));
        import.Button2->click();
        for (const auto &[field, column] : {std::pair{0, 0}, std::pair{3, 1}, std::pair{10, 2}}) {
            import.ListView4->setCurrentItem(import.ListView4->topLevelItem(field));
            import.ListBox1->setCurrentRow(column);
            import.Button3->click();
        }
        prompts.expectMessage(QStringLiteral("Die CSV-Daten wurden komplett eingelesen.*"));
        QSignalSpy finished(&import, &TForm10::importFinished);
        import.Button1->click();
        ASSERT_TRUE(finished.wait(20000));
    });
    window.CSVImport1->trigger();
    EXPECT_TRUE(shown);
    EXPECT_EQ(listingCount(ListKinds::TransferList), Articles);
    EXPECT_EQ(window.visibleListKind(), ListKinds::TransferList);
    EXPECT_EQ(window.paging().shownListKind(), ListKinds::TransferList);
    EXPECT_EQ(rowCount(ListKinds::TransferList), Articles);
    EXPECT_EQ(Statement::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM `auktionen` WHERE `status` = 3 AND "
                                                    "`pic1` LIKE 'save_%_1.jpg'")).toInt(),
              Articles);
    EXPECT_EQ(QDir(dir.file(QStringLiteral("pictures"))).entryList(QDir::Files).size(), Articles);
}
