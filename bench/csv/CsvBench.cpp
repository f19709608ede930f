// The CSV import: 10,000 rows without pictures against a bare prepared-insert loop of the
// same rows; the picture phase over many local camera pictures against ScaleJpegToHeight
// called one file after another; ScaleJpegToHeight on one picture against a bare
// libjpeg-turbo decode at 1/8 scale of the same file.
//   csv_bench [benchmark flags]; CSV_BENCH_PICTURES sets the number of pictures (1000).

#include "bench/support/FastestTimeReporter.h"
#include "bench/support/SamplePhoto.h"
#include "csvimport/CsvImport.h"
#include "csvimport/PicturePhase.h"
#include "store/Database.h"
#include "store/JpegScaler.h"
#include "store/Statement.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <unistd.h>

namespace {

constexpr int Rows = 10000;
constexpr int Rounds = 3;

QTemporaryDir &workDir()
{
    static QTemporaryDir dir;
    return dir;
}

QString programDir()
{
    return workDir().path() + QLatin1Char('/');
}

QString photoPath()
{
    return workDir().filePath(QStringLiteral("photo.jpg"));
}

int pictureCount()
{
    const int count = qEnvironmentVariableIntValue("CSV_BENCH_PICTURES");
    return count > 0 ? count : 1000;
}

Database *benchDatabase = nullptr;

AccountSession &session()
{
    static AccountSession s = [] {
        AccountSession made;
        made.house.aukid = 11;
        made.userID = 1;
        made.ProgramDir = programDir();
        return made;
    }();
    return s;
}

const CsvTable &table()
{
    static const CsvTable parsed = [] {
        QByteArray csv = "Titel;Beschreibung;Preis;Kategorie;Laufzeit;PLZ;Ort\n";
        for (int i = 0; i < Rows; ++i) {
            csv += "Artikel Nummer " + QByteArray::number(i) + ";\"Gut erhalten; mit Zubehör\nund Anleitung\";"
                + QByteArray::number(i % 500) + "," + QByteArray::number(i % 100) + ";" + QByteArray::number(4000 + i % 50)
                + ";7;50667;Köln\n";
        }
        return CsvTable::parse(csv, ';');
    }();
    return parsed;
}

const ImportFields &fields()
{
    static const ImportFields assigned = [] {
        ImportFields f(0);
        const int rows[] = {ImportFields::Titel, ImportFields::Beschreibung, ImportFields::Preis,
                            ImportFields::KategorieNr, ImportFields::Laufzeit, ImportFields::PlzStandort,
                            ImportFields::Standort};
        for (int i = 0; i < 7; ++i)
            f.assignColumn(rows[i], i, table().headers().at(i));
        return f;
    }();
    return assigned;
}

void clearListings()
{
    Statement::run(*benchDatabase, QStringLiteral("DELETE FROM `auktionen`"));
}

void OurImport(benchmark::State &state)
{
    for (auto _ : state) {
        CsvImport(session(), *benchDatabase).run(table(), fields(), CsvImport::Options());
        state.PauseTiming();
        clearListings();
        state.ResumeTiming();
    }
    state.counters["rows"] = Rows;
}

// The same rows, already converted, through one prepared statement in one transaction.
void BareInsertLoop(benchmark::State &state)
{
    static const std::vector<ImportedListings::Row> rows = [] {
        std::vector<ImportedListings::Row> built;
        const ListingRowBuilder builder(fields(), ListingRowBuilder::Settings());
        for (const CsvTable::Line &line : table().rows())
            built.push_back(builder.build(line));
        return built;
    }();
    QSqlDatabase &db = benchDatabase->connection();
    for (auto _ : state) {
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare("INSERT INTO `auktionen` (`userID`,`titel`,`beschreibung`,`kategorie`,`startpreis`,"
                       "`auktionstyp`,`dauer`,`ort`,`plz`,`sofortkaufpreis`,`status`,`zustand`,`anzahl`,"
                       "`zahlungsmethode`,`versandoption`,`artliste`,`aukID`) "
                       "VALUES (?,?,?,?,?,?,?,?,?,?,3,?,?,?,?,3,?)");
        for (const ImportedListings::Row &row : rows) {
            const QVariantList values{1, row.titel, row.beschreibung, row.kategorie, row.startpreis, row.auktionstyp,
                                      row.dauer, row.ort, row.plz, row.sofortkaufpreis, row.zustand, row.anzahl,
                                      row.zahlungsmethode, row.versandoption, 11};
            for (int i = 0; i < values.size(); ++i)
                insert.bindValue(i, values.at(i));
            if (!insert.exec())
                std::fprintf(stderr, "%s\n", qPrintable(insert.lastError().text()));
        }
        db.commit();
        state.PauseTiming();
        clearListings();
        state.ResumeTiming();
    }
    state.counters["rows"] = Rows;
}

// The pictures are hard links to one camera picture: the same decoding work per file
// without a gigabyte of disk.
QStringList picturePaths()
{
    static const QStringList paths = [] {
        QStringList made;
        QDir().mkpath(workDir().filePath(QStringLiteral("camera")));
        for (int i = 0; i < pictureCount(); ++i) {
            const QString path = workDir().filePath(QStringLiteral("camera/p%1.jpg").arg(i));
            if (::link(QFile::encodeName(photoPath()).constData(), QFile::encodeName(path).constData()) != 0)
                QFile::copy(photoPath(), path);
            made.append(path);
        }
        return made;
    }();
    return paths;
}

void PicturePhaseParallel(benchmark::State &state)
{
    const QString target = workDir().filePath(QStringLiteral("scaled"));
    QDir().mkpath(target);
    std::vector<PicturePhase::Job> jobs;
    const QStringList paths = picturePaths();
    for (int i = 0; i < paths.size(); ++i)
        jobs.push_back({i, 1, paths.at(i), QStringLiteral("save_%1_1.jpg").arg(i)});
    const PictureImport pictures(target, workDir().path());
    for (auto _ : state)
        benchmark::DoNotOptimize(PicturePhase(pictures, 6).run(jobs, static_cast<int>(jobs.size()), {}));
    state.counters["pictures"] = static_cast<double>(jobs.size());
}

void PicturesOneAfterAnother(benchmark::State &state)
{
    const QString target = workDir().filePath(QStringLiteral("sequential"));
    QDir().mkpath(target);
    const QStringList paths = picturePaths();
    for (auto _ : state) {
        for (int i = 0; i < paths.size(); ++i)
            JpegScaler::ScaleJpegToHeight(paths.at(i), target + QStringLiteral("/save_%1_1.jpg").arg(i), 400);
    }
    state.counters["pictures"] = paths.size();
}

void ScaleOnePicture(benchmark::State &state)
{
    const QString target = workDir().filePath(QStringLiteral("one.jpg"));
    for (auto _ : state)
        JpegScaler::ScaleJpegToHeight(photoPath(), target, 400);
}

// The floor: libjpeg-turbo decoding the same file at 1/8 scale, nothing else.
void BareDecodeAtOneEighth(benchmark::State &state)
{
    QFile file(photoPath());
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    std::vector<unsigned char> row;
    for (auto _ : state) {
        jpeg_decompress_struct info;
        jpeg_error_mgr errors;
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(bytes.constData()),
                     static_cast<unsigned long>(bytes.size()));
        jpeg_read_header(&info, TRUE);
        info.scale_num = 1;
        info.scale_denom = 8;
        jpeg_start_decompress(&info);
        row.resize(static_cast<size_t>(info.output_width) * static_cast<size_t>(info.output_components));
        while (info.output_scanline < info.output_height) {
            JSAMPROW rows[1] = {row.data()};
            jpeg_read_scanlines(&info, rows, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        benchmark::DoNotOptimize(row.data());
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Database db(programDir());
    benchDatabase = &db;
    db.open();
    SamplePhoto::write(photoPath(), QSize(4000, 3000), 300, 7);

    for (int round = 0; round < Rounds; ++round) {
        benchmark::RegisterBenchmark("OurImport", OurImport)->Unit(benchmark::kMillisecond)->Iterations(2);
        benchmark::RegisterBenchmark("BareInsertLoop", BareInsertLoop)->Unit(benchmark::kMillisecond)->Iterations(2);
        benchmark::RegisterBenchmark("ScaleOnePicture", ScaleOnePicture)->Unit(benchmark::kMillisecond)->Iterations(5);
        benchmark::RegisterBenchmark("BareDecodeAtOneEighth", BareDecodeAtOneEighth)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
    }
    benchmark::RegisterBenchmark("PicturePhaseParallel", PicturePhaseParallel)->Unit(benchmark::kMillisecond)->Iterations(1);
    benchmark::RegisterBenchmark("PicturesOneAfterAnother", PicturesOneAfterAnother)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::Initialize(&argc, argv);
    FastestTimeReporter reporter(benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto line = [&](const char *label, const char *name) {
        std::printf("%-34s %9.1f ms real  %9.1f ms CPU\n", label, reporter.fastest(name), reporter.fastestCpu(name));
    };
    const auto ratio = [&](const char *label, const char *name, const char *floor, const char *goal) {
        std::printf("%-34s %9.2f real  %9.2f CPU  (goal: %s)\n", label, reporter.fastest(name) / reporter.fastest(floor),
                    reporter.fastestCpu(name) / reporter.fastestCpu(floor), goal);
    };
    std::printf("\nFastest of %d rounds; the CPU time is the benchmark thread's, the fair measure of a\n"
                "single-threaded step while other programs keep the machine busy.\n", Rounds);
    std::printf("\n%d rows without pictures\n", Rows);
    line("Import (convert + store):", "OurImport");
    line("Bare prepared-insert loop:", "BareInsertLoop");
    ratio("Import / bare loop:", "OurImport", "BareInsertLoop", "at most 2");
    std::printf("\n%d local 4000x3000 pictures, %d cores (only the real time counts here)\n", pictureCount(),
                QThread::idealThreadCount());
    line("Picture phase (parallel):", "PicturePhaseParallel");
    line("ScaleJpegToHeight one by one:", "PicturesOneAfterAnother");
    std::printf("%-34s %9.2f  (goal: at least 1.7 on 2 cores)\n", "Speed-up:",
                reporter.fastest("PicturesOneAfterAnother") / reporter.fastest("PicturePhaseParallel"));
    std::printf("\nOne 4000x3000 picture\n");
    line("ScaleJpegToHeight:", "ScaleOnePicture");
    line("Bare decode at 1/8:", "BareDecodeAtOneEighth");
    ratio("ScaleJpegToHeight / bare decode:", "ScaleOnePicture", "BareDecodeAtOneEighth", "at most 2");
    benchDatabase = nullptr;
    return 0;
}
