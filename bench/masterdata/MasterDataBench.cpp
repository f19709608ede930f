// Importing a large master-data reply (20,000 categories and every other section):
// our parse plus import against a bare prepared-insert loop of the same rows in one
// transaction, and against the old way of one autocommitted statement on a fresh
// connection per row.

#include "core/LoginContext.h"
#include "exchange/HttpClient.h"
#include "exchange/MasterDataLoader.h"
#include "exchange/XmlRecordParser.h"
#include "store/Database.h"
#include "store/Statement.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include "bench/support/FastestTimeReporter.h"
#include "exchange/QuietProgress.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int House = 11;
constexpr int CategoryCount = 20000;
constexpr int OldWayRows = 2000;
constexpr int Rounds = 5;

struct SectionRows {
    QString table;
    QStringList columns;
    QList<QVariantList> rows;
};

QTemporaryDir &workDir()
{
    static QTemporaryDir dir;
    return dir;
}

QString programDir()
{
    return workDir().path() + QLatin1Char('/');
}

// The rows of every section, as the bare loop stores them.
const QList<SectionRows> &sectionRows()
{
    static const QList<SectionRows> all = [] {
        QList<SectionRows> sections;
        SectionRows categories{"categories", {"cat_id", "cat_name", "parent_id", "aukid"}, {}};
        for (int i = 1; i <= CategoryCount; ++i)
            categories.rows.append({QString::number(i), QStringLiteral("Kategorie Nr. %1 für Sammler").arg(i),
                                    QString::number(i <= 20 ? 0 : i / 20), House});
        sections << categories;
        SectionRows shop{"shop_einstelldauer", {"tage", "bez", "aukid"}, {}};
        SectionRows durations{"einstelldauer", {"tage", "bez", "aukid"}, {}};
        for (int days = 1; days <= 10; ++days) {
            shop.rows.append({days * 10, QStringLiteral("%1 Tage").arg(days * 10), House});
            durations.rows.append({days, QStringLiteral("%1 Tage").arg(days), House});
        }
        sections << shop << durations;
        SectionRows fees{"einstellgebuehr", {"id", "min_val", "max_val", "fee", "aukid"}, {}};
        for (int i = 0; i < 20; ++i)
            fees.rows.append({i + 1, QStringLiteral("%1.00").arg(i * 10), QStringLiteral("%1.99").arg(i * 10 + 9),
                              QStringLiteral("0.%1").arg(10 + i), House});
        sections << fees;
        SectionRows prices{"zusatz_preis", {"id", "bez", "preis", "aukid"}, {}};
        for (int i = 0; i < 15; ++i)
            prices.rows.append({QStringLiteral("extra%1").arg(i), QStringLiteral("Extra %1").arg(i),
                                QStringLiteral("0,%1").arg(50 + i), House});
        sections << prices;
        SectionRows payments{"zahlungsmethoden", {"id", "bez", "aukid"}, {}};
        for (int i = 1; i <= 10; ++i)
            payments.rows.append({i, QStringLiteral("Zahlart %1").arg(i), House});
        sections << payments;
        SectionRows countries{"land", {"id", "land", "aukid"}, {}};
        for (int i = 1; i <= 50; ++i)
            countries.rows.append({i, QStringLiteral("Land %1").arg(i), House});
        sections << countries;
        return sections;
    }();
    return all;
}

QList<XmlRecordParser::RecordKind> parserKinds()
{
    QList<XmlRecordParser::RecordKind> kinds;
    for (const MasterDataLoader::Section &section : MasterDataLoader::sections())
        kinds.append({section.recordName, section.fieldNames});
    kinds.append(XmlRecordParser::RecordKind{"catno", {"id"}});
    return kinds;
}

int totalRows()
{
    int count = 0;
    for (const SectionRows &section : sectionRows())
        count += static_cast<int>(section.rows.size());
    return count;
}

QByteArray escaped(const QString &text)
{
    return text.toHtmlEscaped().toLatin1();
}

// The same rows as the server's XML reply.
const QByteArray &reply()
{
    static const QByteArray xml = [] {
        QByteArray out = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<daten>\n";
        for (qsizetype s = 0; s < MasterDataLoader::sections().size(); ++s) {
            const MasterDataLoader::Section &section = MasterDataLoader::sections().at(s);
            const SectionRows &rows = sectionRows().at(s);
            for (const QVariantList &row : rows.rows) {
                out += "<" + section.recordName.toLatin1() + ">";
                for (int f = 0; f < section.fieldNames.size(); ++f) {
                    const QByteArray name = section.fieldNames.at(f).toLatin1();
                    out += "<" + name + ">" + escaped(row.at(f).toString()) + "</" + name + ">";
                }
                out += "</" + section.recordName.toLatin1() + ">\n";
            }
        }
        out += "<catno><id>4711</id></catno>\n</daten>\n";
        return out;
    }();
    return xml;
}

// Lives in main(), so it goes before the application object and the SQL driver.
Database *benchDatabase = nullptr;

Database &database()
{
    return *benchDatabase;
}

void OurImport(benchmark::State &state)
{
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    const AccountSession session = loginContext().session();
    QuietProgress progress;
    MasterDataLoader loader(client, database(), session, progress);
    for (auto _ : state)
        loader.importReply(reply());
    state.counters["rows"] = totalRows();
}

void ParseOnly(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(XmlRecordParser(reply(), parserKinds()).records("kategorien").size());
    state.counters["rows"] = totalRows();
}

void execOrFail(QSqlQuery &query)
{
    if (!query.exec())
        std::fprintf(stderr, "%s\n", qPrintable(query.lastError().text()));
}

void BareInsertLoop(benchmark::State &state)
{
    QSqlDatabase &db = database().connection();
    for (auto _ : state) {
        db.transaction();
        for (const SectionRows &section : sectionRows()) {
            QSqlQuery remove(db);
            remove.prepare("DELETE FROM `" + section.table + "` WHERE `aukid`=?");
            remove.addBindValue(House);
            execOrFail(remove);
            QSqlQuery insert(db);
            insert.prepare("INSERT INTO `" + section.table + "` (`" + section.columns.join("`,`") + "`) VALUES ("
                           + QStringList(section.columns.size(), "?").join(",") + ")");
            for (const QVariantList &row : section.rows) {
                for (int i = 0; i < row.size(); ++i)
                    insert.bindValue(i, row.at(i));
                execOrFail(insert);
            }
        }
        db.commit();
    }
    state.counters["rows"] = totalRows();
}

void OldWayPerRowConnection(benchmark::State &state)
{
    const SectionRows &categories = sectionRows().first();
    for (auto _ : state) {
        for (int i = 0; i < OldWayRows; ++i) {
            Database perRow(programDir());
            perRow.open();
            const QVariantList &row = categories.rows.at(i);
            Statement(perRow, "INSERT INTO `categories` (`cat_id`,`cat_name`,`parent_id`,`aukid`) values "
                              "( :cat_id, :cat_name, :parent_id, :aukid);")
                .bind(":cat_id", row.at(0))
                .bind(":cat_name", row.at(1))
                .bind(":parent_id", row.at(2))
                .bind(":aukid", House + 1)
                .exec();
            perRow.close();
        }
        state.PauseTiming();
        Statement::run(database(), "DELETE FROM `categories` WHERE `aukid`=:h", {{":h", House + 1}});
        state.ResumeTiming();
    }
    state.counters["rows"] = OldWayRows;
}

// Keeps the fastest repetition of each benchmark (in its time unit) for the ratios: the
// machine is shared, and the fastest run is the one least disturbed by others.

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    loginContext().ProgramDir = programDir();
    loginContext().aukid = House;
    Database db(programDir());
    benchDatabase = &db;
    db.open();

    for (int round = 0; round < Rounds; ++round) {
        // Interleaved, so that a busy moment of the machine hits all of them alike.
        benchmark::RegisterBenchmark("OurImport", OurImport)->Unit(benchmark::kMillisecond)->Iterations(3);
        benchmark::RegisterBenchmark("ParseOnly", ParseOnly)->Unit(benchmark::kMillisecond)->Iterations(3);
        benchmark::RegisterBenchmark("BareInsertLoop", BareInsertLoop)->Unit(benchmark::kMillisecond)->Iterations(3);
        benchmark::RegisterBenchmark("OldWayPerRowConnection", OldWayPerRowConnection)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
    benchmark::Initialize(&argc, argv);
    FastestTimeReporter reporter(benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double ours = reporter.fastest("OurImport");
    const double bare = reporter.fastest("BareInsertLoop");
    const double old = reporter.fastest("OldWayPerRowConnection");
    const double parse = reporter.fastest("ParseOnly");
    const int rows = totalRows();
    std::printf("\nMaster data reply: %d rows (%d categories), %lld bytes; fastest of %d rounds\n", rows,
                CategoryCount, static_cast<long long>(reply().size()), Rounds);
    std::printf("Parse + import (ours):            %9.1f ms  (%6.2f us/row)\n", ours, ours * 1000 / rows);
    std::printf("  of which parsing the reply:     %9.1f ms\n", parse);
    std::printf("Bare prepared-insert loop:        %9.1f ms  (%6.2f us/row)\n", bare, bare * 1000 / rows);
    std::printf("Old way, connection per row:      %9.1f ms for %d rows (%6.2f us/row)\n", old, OldWayRows,
                old * 1000 / OldWayRows);
    std::printf("Ours / bare loop:                 %9.2f  (goal: at most 2)\n", ours / bare);
    std::printf("Ours is faster than the old way:  %9.1f times per row\n", (old / OldWayRows) / (ours / rows));
    benchDatabase = nullptr;
    return 0;
}
