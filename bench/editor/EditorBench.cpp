// The listing editor on 20,000 categories: filling the first cascade level, filling a
// level under a wide parent and a search for a three-letter text, each against the bare
// indexed query of the same rows in the same run; and the time from "Neuer Artikel" until
// the editor is shown with all its lists filled, against the bare queries of those lists.

#include "core/AccountSession.h"
#include "core/LoginContext.h"
#include "store/Database.h"
#include "store/MasterDataLists.h"
#include "store/Statement.h"
#include "store/Transaction.h"
#include "ui/editor/CategoryCascade.h"
#include "ui/editor/CategorySearch.h"
#include "ui/editor/TForm8.h"

#include "bench/support/FastestTimeReporter.h"

#include <QApplication>
#include <QComboBox>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int House = 11;
constexpr int CategoryCount = 20000;
// Categories 21 to WideChildren + 20 are children of category 1.
constexpr int WideChildren = 1000;
constexpr int Rounds = 5;
const QString SearchText = QStringLiteral("123");

QTemporaryDir &workDir()
{
    static QTemporaryDir dir;
    return dir;
}

QString programDir()
{
    return workDir().path() + QLatin1Char('/');
}

Database *benchDatabase = nullptr;

QString parentOf(int i)
{
    if (i <= 20)
        return QStringLiteral("0");
    if (i <= WideChildren + 20)
        return QStringLiteral("1");
    return QString::number(i / 20);
}

void fillMasterData(Database &db)
{
    Transaction transaction(db);
    Statement insert(db, QStringLiteral("INSERT INTO categories (cat_id, cat_name, parent_id, aukid) "
                                        "VALUES (:id, :name, :parent, :house)"));
    for (int i = 1; i <= CategoryCount; ++i) {
        insert.bind(QStringLiteral(":id"), QString::number(i))
            .bind(QStringLiteral(":name"), QStringLiteral("Kategorie Nr. %1 für Sammler").arg(i))
            .bind(QStringLiteral(":parent"), parentOf(i))
            .bind(QStringLiteral(":house"), House)
            .exec();
    }
    for (int days = 1; days <= 10; ++days) {
        for (const char *table : {"einstelldauer", "shop_einstelldauer"}) {
            Statement::run(db, QStringLiteral("INSERT INTO %1 (tage, bez, aukid) VALUES (:t, :b, :h)").arg(QLatin1String(table)),
                           {{QStringLiteral(":t"), days}, {QStringLiteral(":b"), QStringLiteral("%1 Tage").arg(days)},
                            {QStringLiteral(":h"), House}});
        }
    }
    for (int i = 1; i <= 10; ++i) {
        Statement::run(db, QStringLiteral("INSERT INTO zahlungsmethoden (id, bez, aukid) VALUES (:i, :b, :h)"),
                       {{QStringLiteral(":i"), i}, {QStringLiteral(":b"), QStringLiteral("Zahlart %1").arg(i)},
                        {QStringLiteral(":h"), House}});
    }
    transaction.commit();
}

// The bare query: prepare, bind, run and read every row's columns.
int bareQuery(const QString &sql, const QVariantList &values, int columns)
{
    QSqlQuery query(benchDatabase->connection());
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    query.exec();
    int rows = 0;
    while (query.next()) {
        for (int c = 0; c < columns; ++c)
            benchmark::DoNotOptimize(query.value(c).toString());
        ++rows;
    }
    return rows;
}

const QString ChildrenSql = QStringLiteral(
    "SELECT cat_id, cat_name FROM categories WHERE parent_id=? AND aukid=? ORDER BY cat_name ASC");

void CascadeFirstLevel(benchmark::State &state)
{
    CategoryCascade cascade(*benchDatabase, House);
    for (auto _ : state)
        cascade.fillFirstLevel();
    state.counters["rows"] = static_cast<double>(cascade.level(0).entries.size());
}

void BareFirstLevel(benchmark::State &state)
{
    int rows = 0;
    for (auto _ : state)
        rows = bareQuery(ChildrenSql, {QStringLiteral("0"), House}, 2);
    state.counters["rows"] = rows;
}

int indexOfCategoryOne(const CategoryCascade &cascade)
{
    const auto &entries = cascade.level(0).entries;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].id == QLatin1String("1"))
            return static_cast<int>(i);
    }
    return -1;
}

void CascadeWideLevel(benchmark::State &state)
{
    CategoryCascade cascade(*benchDatabase, House);
    cascade.fillFirstLevel();
    const int wide = indexOfCategoryOne(cascade);
    for (auto _ : state)
        cascade.pick(0, wide);
    state.counters["rows"] = static_cast<double>(cascade.level(1).entries.size());
}

void BareWideLevel(benchmark::State &state)
{
    int rows = 0;
    for (auto _ : state)
        rows = bareQuery(ChildrenSql, {QStringLiteral("1"), House}, 2);
    state.counters["rows"] = rows;
}

CategorySearch &loadedSearch()
{
    static CategorySearch search = [] {
        CategorySearch loaded;
        loaded.load(Categories(*benchDatabase, Categories::Table::Categories, House).all());
        return loaded;
    }();
    return search;
}

void SearchLoad(benchmark::State &state)
{
    for (auto _ : state) {
        CategorySearch search;
        search.load(Categories(*benchDatabase, Categories::Table::Categories, House).all());
    }
}

void Search(benchmark::State &state)
{
    CategorySearch &search = loadedSearch();
    size_t hits = 0;
    for (auto _ : state)
        hits = search.find(SearchText).size();
    state.counters["rows"] = static_cast<double>(hits);
}

void BareSearch(benchmark::State &state)
{
    int rows = 0;
    for (auto _ : state)
        rows = bareQuery(QStringLiteral("SELECT cat_id, cat_name, parent_id FROM categories WHERE aukid=? AND cat_name "
                                        "LIKE ? ORDER BY cat_name"),
                         {House, QStringLiteral("%") + SearchText + QStringLiteral("%")}, 3);
    state.counters["rows"] = rows;
}

AccountSession benchSession()
{
    AccountSession session;
    session.house = *MasterDataLists(*benchDatabase, House).auctionHouse();
    session.usern = QStringLiteral("bench");
    session.uid = QStringLiteral("1");
    session.ProgramDir = programDir();
    return session;
}

void OpenEditor(benchmark::State &state)
{
    const AccountSession session = benchSession();
    for (auto _ : state) {
        TForm8 editor(session);
        editor.NewListing = true;
        editor.setWindowState(Qt::WindowNoState);
        editor.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(editor.ComboBox2->count());
        state.PauseTiming();
        editor.close();
        state.ResumeTiming();
    }
}

// What the editor's lists need at the least: a connection and each list's query.
void BareEditorLists(benchmark::State &state)
{
    for (auto _ : state) {
        Database db(programDir());
        db.open();
        Database *saved = benchDatabase;
        benchDatabase = &db;
        bareQuery(ChildrenSql, {QStringLiteral("0"), House}, 2);
        bareQuery(QStringLiteral("SELECT tage, bez FROM einstelldauer WHERE aukid=?"), {House}, 2);
        bareQuery(QStringLiteral("SELECT bez FROM zahlungsmethoden WHERE aukid=?"), {House}, 1);
        bareQuery(QStringLiteral("SELECT plz, ort FROM user WHERE uid=? AND aukid=?"), {QStringLiteral("1"), House}, 2);
        benchDatabase = saved;
    }
}

void printPair(const FastestTimeReporter &reporter, const char *title, const char *ours, const char *bare)
{
    const double a = reporter.fastest(ours);
    const double b = reporter.fastest(bare);
    std::printf("%-34s %8.3f ms   floor %8.3f ms   ratio %5.2f\n", title, a, b, b > 0 ? a / b : 0.0);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    loginContext().ProgramDir = programDir();
    Database db(programDir());
    benchDatabase = &db;
    db.open();
    fillMasterData(db);
    for (int round = 0; round < Rounds; ++round) {
        benchmark::RegisterBenchmark("CascadeFirstLevel", CascadeFirstLevel)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BareFirstLevel", BareFirstLevel)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("CascadeWideLevel", CascadeWideLevel)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BareWideLevel", BareWideLevel)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("Search", Search)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BareSearch", BareSearch)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("OpenEditor", OpenEditor)->Unit(benchmark::kMillisecond)->Iterations(5);
        benchmark::RegisterBenchmark("BareEditorLists", BareEditorLists)->Unit(benchmark::kMillisecond)->Iterations(5);
    }
    benchmark::RegisterBenchmark("SearchLoad", SearchLoad)->Unit(benchmark::kMillisecond)->Iterations(3);
    benchmark::Initialize(&argc, argv);
    FastestTimeReporter reporter(benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("\nListing editor on %d categories (%d under one parent); fastest of %d rounds\n", CategoryCount,
                WideChildren, Rounds);
    printPair(reporter, "First cascade level:", "CascadeFirstLevel", "BareFirstLevel");
    printPair(reporter, "Level under the wide parent:", "CascadeWideLevel", "BareWideLevel");
    printPair(reporter, "Search \"123\" (in memory):", "Search", "BareSearch");
    printPair(reporter, "Neuer Artikel until shown:", "OpenEditor", "BareEditorLists");
    std::printf("%-34s %8.3f ms   (once per editor, on the first search)\n", "Reading the search index:",
                reporter.fastest("SearchLoad"));
    std::printf("Goal: each cascade step and the search within 2 times the floor and under 16 ms.\n");
    benchDatabase = nullptr;
    return 0;
}
