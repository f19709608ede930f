#include "core/AppError.h"
#include "csvimport/CsvImport.h"
#include "csvimport/CsvImportProgress.h"
#include "csvimport/PictureImport.h"
#include "store/Database.h"
#include "store/Statement.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/TempProgramDir.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSqlRecord>

#include <gtest/gtest.h>

namespace {

QByteArray jpegBytes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

class CsvImportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        session.house.aukid = 11;
        session.house.versandangabe = 0;
        session.userID = 7;
        session.ProgramDir = dir.path();
        db = std::make_unique<Database>(dir.path());
        db->open();
        options.connectTimeoutMs = 2000;
        options.stallTimeoutMs = 2000;
        options.csvFolder = QDir(dir.path()).absolutePath();
    }

    CsvImport::Result import(const QByteArray &csv, CsvImportProgress *progress = nullptr,
                             const std::atomic<bool> *cancelled = nullptr)
    {
        dir.writeFile(QStringLiteral("artikel.csv"), csv);
        const CsvTable table = CsvTable::load(dir.file(QStringLiteral("artikel.csv")), ';');
        return CsvImport(session, *db).run(table, fields, options, progress, cancelled);
    }

    // The import's error text, or an empty text when it succeeded.
    QString importError(const QByteArray &csv)
    {
        try {
            import(csv);
        } catch (const AppError &error) {
            return error.text();
        }
        return QString();
    }

    QList<QVariantMap> rows()
    {
        Statement query(*db, QStringLiteral("SELECT * FROM `auktionen` ORDER BY `id`"));
        query.exec();
        QList<QVariantMap> result;
        while (query.next()) {
            QVariantMap row;
            for (const char *column :
                 {"id", "userID", "aukID", "artliste", "status", "titel", "beschreibung", "kategorie", "auktionstyp",
                  "dauer", "anzahl", "startpreis", "sofortkaufpreis", "zustand", "artnr", "zahlungsmethode",
                  "versandtrager", "versandkosten", "versandkostenoption", "versandoption", "pic1", "pic2", "pic3",
                  "gebotspreis", "plz", "ort"})
                row.insert(QLatin1String(column), query.value(QLatin1String(column)));
            result.append(row);
        }
        return result;
    }

    QString picture(const QString &name) const { return dir.file(QStringLiteral("pictures/") + name); }
    QStringList picturesOnDisk() const
    {
        return QDir(dir.file(QStringLiteral("pictures"))).entryList(QDir::Files, QDir::Name);
    }
    void assign(int row, int position) { fields.assignColumn(row, position, QStringLiteral("Spalte")); }

    TempProgramDir dir;
    AccountSession session;
    std::unique_ptr<Database> db;
    ImportFields fields{0};
    CsvImport::Options options;
};

class CancelAtFirstStep final : public CsvImportProgress {
public:
    explicit CancelAtFirstStep(std::atomic<bool> &cancel) : m_cancel(cancel) {}
    void importProgress(int done, int) override
    {
        steps.append(done);
        m_cancel = true;
    }
    QList<int> steps;

private:
    std::atomic<bool> &m_cancel;
};

} // namespace

TEST_F(CsvImportTest, ASpreadsheetFileWithQuotedLineBreaksKeepsItsUmlauts)
{
    // As a spreadsheet program writes it: UTF-8, line feeds, quotes only where needed.
    const QByteArray csv = "Titel;Beschreibung;Preis;Kategorie\n"
                           "Grüner Teekessel;\"Emaille; kaum benutzt\nmit Deckel\";12,50;4711\n"
                           "\"Größe \"\"XL\"\" Jacke\";Wolle;\"1.234,50\";\n";
    assign(ImportFields::Titel, 0);
    assign(ImportFields::Beschreibung, 1);
    assign(ImportFields::Preis, 2);
    assign(ImportFields::KategorieNr, 3);
    EXPECT_EQ(import(csv).imported, 2);

    const QList<QVariantMap> stored = rows();
    ASSERT_EQ(stored.size(), 2);
    EXPECT_EQ(stored[0]["titel"].toString(), QString::fromUtf8("Grüner Teekessel"));
    EXPECT_EQ(stored[0]["beschreibung"].toString(), QString::fromUtf8("Emaille; kaum benutzt\nmit Deckel"));
    EXPECT_DOUBLE_EQ(stored[0]["startpreis"].toDouble(), 12.5);
    EXPECT_EQ(stored[0]["kategorie"].toInt(), 4711);
    EXPECT_EQ(stored[1]["titel"].toString(), QString::fromUtf8("Größe \"XL\" Jacke"));
    EXPECT_DOUBLE_EQ(stored[1]["startpreis"].toDouble(), 1234.5);
    EXPECT_EQ(stored[1]["kategorie"].toInt(), 0);
    for (const QVariantMap &row : stored) {
        EXPECT_EQ(row["userID"].toInt(), 7);
        EXPECT_EQ(row["aukID"].toInt(), 11);
        EXPECT_EQ(row["artliste"].toInt(), 3);
        EXPECT_EQ(row["status"].toInt(), 3);
        EXPECT_EQ(row["auktionstyp"].toInt(), 1);
    }
}

TEST_F(CsvImportTest, UnassignedFieldsTakeTheirDefaults)
{
    assign(ImportFields::Titel, 0);
    import("Titel\nVase\n");
    const QVariantMap row = rows().value(0);
    EXPECT_EQ(row["kategorie"].toInt(), 0);
    EXPECT_EQ(row["dauer"].toInt(), 0);
    EXPECT_DOUBLE_EQ(row["startpreis"].toDouble(), 0.0);
    EXPECT_DOUBLE_EQ(row["sofortkaufpreis"].toDouble(), 0.0);
    EXPECT_EQ(row["anzahl"].toInt(), 1);
    EXPECT_EQ(row["zustand"].toInt(), 1);
    EXPECT_EQ(row["versandtrager"].toInt(), 1);
    EXPECT_EQ(row["zahlungsmethode"].toString(), QStringLiteral("Siehe Beschreibung"));
    EXPECT_EQ(row["versandoption"].toString(), QStringLiteral("DHL"));
    EXPECT_EQ(row["artnr"].toString(), QStringLiteral("0"));
    EXPECT_EQ(row["pic1"].toString(), QString());
    EXPECT_DOUBLE_EQ(row["gebotspreis"].toDouble(), 0.0);
}

TEST_F(CsvImportTest, FixedValuesApplyToEveryRow)
{
    assign(ImportFields::Titel, 0);
    fields.assignValue(ImportFields::Standort, QString::fromUtf8("Köln"));
    fields.assignValue(ImportFields::Anzahl, QStringLiteral("5"));
    options.values.auctionType = 4;
    import("Titel\nA\nB\n");
    for (const QVariantMap &row : rows()) {
        EXPECT_EQ(row["ort"].toString(), QString::fromUtf8("Köln"));
        EXPECT_EQ(row["anzahl"].toInt(), 5);
        EXPECT_EQ(row["auktionstyp"].toInt(), 4);
    }
}

TEST_F(CsvImportTest, TitlesAreCutAt255Characters)
{
    assign(ImportFields::Titel, 0);
    const QByteArray title(300, 'x');
    import("Titel\n" + title + "\n");
    EXPECT_EQ(rows().value(0)["titel"].toString(), QString(255, QLatin1Char('x')));
}

TEST_F(CsvImportTest, PricesWithADecimalPoint)
{
    assign(ImportFields::Titel, 0);
    assign(ImportFields::Preis, 1);
    assign(ImportFields::Sofortkaufpreis, 2);
    assign(ImportFields::Versandkosten, 3);
    options.values.decimalSeparator = QStringLiteral(".");
    import("Titel;Preis;Sofort;Versand\nA;\"1,234.50\";12.50;4.90 EUR\n");
    const QVariantMap row = rows().value(0);
    EXPECT_DOUBLE_EQ(row["startpreis"].toDouble(), 1234.5);
    EXPECT_DOUBLE_EQ(row["sofortkaufpreis"].toDouble(), 12.5);
    EXPECT_DOUBLE_EQ(row["versandkosten"].toDouble(), 4.9);
    EXPECT_DOUBLE_EQ(row["versandkostenoption"].toDouble(), 0.0);
}

TEST_F(CsvImportTest, PickupShippingStoresTheShippingCostAsSecondAmount)
{
    session.house.versandangabe = 4;
    fields = ImportFields(4);
    assign(ImportFields::Titel, 0);
    assign(ImportFields::Versandkosten, 1);
    import("Titel;Versand\nA;5,95\n");
    const QVariantMap row = rows().value(0);
    EXPECT_DOUBLE_EQ(row["versandkostenoption"].toDouble(), 5.95);
    EXPECT_EQ(row["versandoption"].toString(), QStringLiteral("Kein Versand, nur Abholung"));
}

TEST_F(CsvImportTest, AValueThatCannotBeConvertedStoresNothingAndRemovesThePictures)
{
    dir.writeFile(QStringLiteral("foto.jpg"), jpegBytes(120, 90));
    assign(ImportFields::Titel, 0);
    assign(ImportFields::Bild1, 1);
    assign(ImportFields::Anzahl, 2);
    const QByteArray csv = "Titel;Bild;Anzahl\nA;foto.jpg;1\nB;foto.jpg;2\n";
    EXPECT_EQ(importError(csv), QString());
    ASSERT_EQ(rows().size(), 2);
    // A second file with a broken last row: nothing of it is stored, the first import stays.
    const QString error = importError("Titel;Bild;Anzahl\nC;foto.jpg;3\nD;foto.jpg;viele\n");
    EXPECT_EQ(error, QString::fromUtf8("Zeile 3 der Datei: Der Wert \"viele\" kann nicht in das Feld \"Anzahl\" "
                                       "übernommen werden.\r\nDer Import wurde abgebrochen, es wurde kein Artikel "
                                       "gespeichert."));
    EXPECT_EQ(rows().size(), 2);
    EXPECT_EQ(picturesOnDisk(), (QStringList{"save_1_1.jpg", "save_2_1.jpg"}));
}

TEST_F(CsvImportTest, AFailingInsertRollsBackAndRemovesThePicturesOfThisImport)
{
    dir.writeFile(QStringLiteral("foto.jpg"), jpegBytes(120, 90));
    assign(ImportFields::Titel, 0);
    assign(ImportFields::Bild1, 1);
    // The database refuses the second row.
    Statement::run(*db, QStringLiteral("CREATE TRIGGER `grab` BEFORE INSERT ON `auktionen` WHEN NEW.`titel` = 'B' "
                                       "BEGIN SELECT RAISE(ABORT, 'voll'); END"));
    const QString error = importError("Titel;Bild\nA;foto.jpg\nB;foto.jpg\n");
    EXPECT_TRUE(error.contains(QStringLiteral("voll"))) << qPrintable(error);
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(picturesOnDisk().isEmpty());
}

TEST_F(CsvImportTest, AnEmptiedWholeNumberStopsTheImportAtTheFirstRow)
{
    assign(ImportFields::Titel, 0);
    fields.remove(ImportFields::Anzahl);
    const QString error = importError("Titel\nA\n");
    EXPECT_TRUE(error.startsWith(QStringLiteral("Zeile 2 der Datei: Der Wert \"\" kann nicht in das Feld \"Anzahl\"")))
        << qPrintable(error);
    EXPECT_TRUE(rows().isEmpty());
}

TEST_F(CsvImportTest, CancelledImportStoresNothing)
{
    assign(ImportFields::Titel, 0);
    std::atomic<bool> cancel{false};
    CancelAtFirstStep progress(cancel);
    const CsvImport::Result result = import("Titel\nA\nB\nC\n", &progress, &cancel);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.imported, 0);
    EXPECT_FALSE(progress.steps.isEmpty());
    EXPECT_TRUE(rows().isEmpty());
}

TEST_F(CsvImportTest, ProgressEndsWithEveryRow)
{
    struct Recorder final : CsvImportProgress {
        void importProgress(int done, int total) override { steps.append({done, total}); }
        QList<QPair<int, int>> steps;
    } progress;
    assign(ImportFields::Titel, 0);
    import("Titel\nA\nB\nC\nD\n", &progress);
    ASSERT_FALSE(progress.steps.isEmpty());
    EXPECT_EQ(progress.steps.last(), qMakePair(4, 4));
    for (int i = 1; i < progress.steps.size(); ++i)
        EXPECT_GT(progress.steps[i].first, progress.steps[i - 1].first);
}

TEST_F(CsvImportTest, PicturesCarryTheIdTheirRowReceives)
{
    // The id after a deleted listing is not the largest id plus one.
    Statement::run(*db, QStringLiteral("INSERT INTO `auktionen` (`titel`) VALUES ('alt')"));
    Statement::run(*db, QStringLiteral("INSERT INTO `auktionen` (`titel`) VALUES ('weg')"));
    Statement::run(*db, QStringLiteral("DELETE FROM `auktionen` WHERE `titel` = 'weg'"));
    dir.writeFile(QStringLiteral("a.jpg"), jpegBytes(100, 800));
    dir.writeFile(QStringLiteral("b.jpg"), jpegBytes(200, 300));
    assign(ImportFields::Titel, 0);
    assign(ImportFields::Bild1, 1);
    assign(ImportFields::Bild3, 2);
    import("Titel;Bild;Bild3\nA;a.jpg;\nB;" + dir.file(QStringLiteral("b.jpg")).toUtf8() + ";a.jpg\n");
    const QList<QVariantMap> stored = rows();
    ASSERT_EQ(stored.size(), 3);
    EXPECT_EQ(stored[1]["id"].toInt(), 3);
    EXPECT_EQ(stored[1]["pic1"].toString(), QStringLiteral("save_3_1.jpg"));
    EXPECT_EQ(stored[1]["pic3"].toString(), QString());
    EXPECT_EQ(stored[2]["pic1"].toString(), QStringLiteral("save_4_1.jpg"));
    EXPECT_EQ(stored[2]["pic3"].toString(), QStringLiteral("save_4_3.jpg"));
    // 800 pixels high is scaled to 400, 300 pixels high keeps its size.
    EXPECT_EQ(QImageReader(picture(QStringLiteral("save_3_1.jpg"))).size(), QSize(50, 400));
    EXPECT_EQ(QImageReader(picture(QStringLiteral("save_4_1.jpg"))).size(), QSize(200, 300));
}

TEST_F(CsvImportTest, APictureThatCannotBeHadLeavesItsColumnEmpty)
{
    dir.writeFile(QStringLiteral("kein-bild.jpg"), "kein JPEG");
    assign(ImportFields::Titel, 0);
    assign(ImportFields::Bild1, 1);
    assign(ImportFields::Bild2, 2);
    import("Titel;Bild1;Bild2\nA;http//beispiel.de/bild.jpg;kein-bild.jpg\nB;fehlt.jpg;\n");
    const QList<QVariantMap> stored = rows();
    ASSERT_EQ(stored.size(), 2);
    for (const QVariantMap &row : stored) {
        EXPECT_EQ(row["pic1"].toString(), QString());
        EXPECT_EQ(row["pic2"].toString(), QString());
    }
    EXPECT_TRUE(picturesOnDisk().isEmpty());
}

TEST(PictureImport, OnlyWebAndFtpAddressesAreDownloaded)
{
    const struct {
        const char *source;
        PictureImport::Source kind;
    } cases[] = {
        {"http://example.org/a.jpg", PictureImport::Source::Address},
        {"HTTPS://example.org/a.jpg", PictureImport::Source::Address},
        {"Ftp://example.org/a.jpg", PictureImport::Source::Address},
        {"/home/ftp-bilder/http/a.jpg", PictureImport::Source::LocalFile},
        {"http//example.org/a.jpg", PictureImport::Source::LocalFile},
        {"bilder/a.jpg", PictureImport::Source::LocalFile},
        {"", PictureImport::Source::None},
        {"   ", PictureImport::Source::None},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(PictureImport::kindOf(QString::fromUtf8(c.source)), c.kind);
    }
}

TEST_F(CsvImportTest, LocalPathsContainingFtpAreFiles)
{
    QDir().mkpath(dir.file(QStringLiteral("ftp-ablage")));
    dir.writeFile(QStringLiteral("ftp-ablage/bild.jpg"), jpegBytes(30, 20));
    assign(ImportFields::Titel, 0);
    assign(ImportFields::Bild1, 1);
    import("Titel;Bild\nA;ftp-ablage/bild.jpg\n");
    EXPECT_EQ(rows().value(0)["pic1"].toString(), QStringLiteral("save_1_1.jpg"));
}

TEST_F(CsvImportTest, DownloadsFromTheWebAreScaledAndOnlyJpegsAreKept)
{
    LocalHttpServer server;
    LocalHttpServer::Reply photo;
    photo.body = jpegBytes(1200, 800);
    photo.contentType = "image/jpeg";
    server.reply("/bild.jpg", photo);
    server.reply("/seite.html", QByteArray("<html>kein Bild</html>"));
    LocalHttpServer::Reply missing;
    missing.status = 404;
    server.reply("/fehlt.jpg", missing);
    LocalHttpServer::Reply huge;
    huge.body = QByteArray(static_cast<int>(PictureImport::MaxDownloadBytes + 1024), '\xFF');
    huge.contentType = "image/jpeg";
    server.reply("/riesig.jpg", huge);
    assign(ImportFields::Titel, 0);
    assign(ImportFields::Bild1, 1);
    const QByteArray csv = "Titel;Bild\nA;" + server.url(QStringLiteral("/bild.jpg")).toUtf8() + "\nB;"
        + server.url(QStringLiteral("/seite.html")).toUtf8() + "\nC;" + server.url(QStringLiteral("/fehlt.jpg")).toUtf8()
        + "\nD;" + server.url(QStringLiteral("/riesig.jpg")).toUtf8() + "\n";
    import(csv);
    const QList<QVariantMap> stored = rows();
    ASSERT_EQ(stored.size(), 4);
    EXPECT_EQ(stored[0]["pic1"].toString(), QStringLiteral("save_1_1.jpg"));
    EXPECT_EQ(QImageReader(picture(QStringLiteral("save_1_1.jpg"))).size(), QSize(600, 400));
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(stored[i]["pic1"].toString(), QString()) << i;
    EXPECT_EQ(picturesOnDisk(), QStringList{"save_1_1.jpg"});
}

TEST_F(CsvImportTest, ADeadServerEndsInAnEmptyPictureColumn)
{
    assign(ImportFields::Titel, 0);
    assign(ImportFields::Bild1, 1);
    import("Titel;Bild\nA;http://127.0.0.1:" + QByteArray::number(LocalHttpServer::closedPort()) + "/a.jpg\n");
    EXPECT_EQ(rows().value(0)["pic1"].toString(), QString());
}
