// Loading the main window's lists for an account with 100,000 listings: a recount (which
// reads every row into the row cache and renders the current pages), a page turn (which
// renders from the cache), and, for comparison, a bare query reading the same twelve
// columns of the same rows.
#include "core/LoginContext.h"
#include "core/ProcessLocale.h"
#include "core/ProgramInfo.h"
#include "store/Database.h"
#include "tests/support/SampleData.h"
#include "store/ListKinds.h"
#include "store/Listings.h"
#include "ui/main/TForm1.h"

#include <QApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include "bench/support/FastestTimeReporter.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>

namespace {

constexpr int ListingCount = 100000;

struct Setup {
    QTemporaryDir dir;
    std::unique_ptr<Database> db;
    std::unique_ptr<TForm1> form;
    int userID = 0;
};

Setup *setup = nullptr;

void fillAccount(Setup &s)
{
    resetLoginContext();
    LoginContext &context = loginContext();
    context.ProgramDir = ProgramInfo::withTrailingSeparator(s.dir.path());
    s.db = std::make_unique<Database>(context.ProgramDir);
    s.db->open();
    SampleData data(*s.db);
    s.userID = data.addAccount(QStringLiteral("verkaeufer"), QStringLiteral("geheim"), 11);
    for (int kind = 0; kind < ListKinds::Count; ++kind)
        data.addListings(s.userID, kind, ListingCount / ListKinds::Count);
    context.aukid = 11;
    context.MoneySymbol = QStringLiteral("EUR");
    context.name = QStringLiteral("Morvelia");
}

void openWindow(Setup &s)
{
    s.form = std::make_unique<TForm1>();
    s.form->SetUpAccount(QStringLiteral("verkaeufer"), QStringLiteral("geheim"), QString(), nullptr);
    loginContext().userID = s.userID;
    s.form->show();
    QApplication::processEvents();
}

void LoadListsWithRecount(benchmark::State &state)
{
    for (auto _ : state)
        setup->form->LoadLists(true);
    state.counters["rows"] = setup->form->paging().count(0) * 5.0;
}

void PageTurn(benchmark::State &state)
{
    bool forward = true;
    for (auto _ : state) {
        if (forward)
            setup->form->List_for();
        else
            setup->form->List_back();
        forward = !forward;
    }
}

void BareQuery(benchmark::State &state)
{
    QSqlQuery query(setup->db->connection());
    const QString fields = QStringLiteral("`id`,`titel`,`startpreis`,`gebotspreis`,`anzahl`,`sofortkaufpreis`,`pic1`,"
                                          "`status`,`auktionstyp`,`ende`,`gebote`,`dauer`");
    for (auto _ : state) {
        qint64 cells = 0;
        for (int kind = 0; kind < ListKinds::Count; ++kind) {
            QString statement = Listings::listStatement(kind);
            statement.replace(QStringLiteral("##FIELD##"), fields);
            query.setForwardOnly(true);
            query.prepare(statement);
            query.bindValue(QStringLiteral(":userID"), setup->userID);
            query.bindValue(QStringLiteral(":artliste"), kind);
            query.exec();
            while (query.next()) {
                for (int field = 0; field < Listings::FieldCount; ++field) {
                    const QVariant value = query.value(field);
                    benchmark::DoNotOptimize(value);
                    ++cells;
                }
            }
            query.finish();
        }
        benchmark::DoNotOptimize(cells);
    }
}

// Keeps the mean time of each benchmark, in milliseconds, for the closing summary.

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Setup s;
    setup = &s;
    std::printf("Filling one account with %d listings over the five lists...\n", ListingCount);
    fillAccount(s);
    openWindow(s);

    benchmark::RegisterBenchmark("LoadListsWithRecount", LoadListsWithRecount)->Unit(benchmark::kMillisecond)->MinTime(2.0);
    benchmark::RegisterBenchmark("PageTurn", PageTurn)->Unit(benchmark::kMillisecond)->MinTime(2.0);
    benchmark::RegisterBenchmark("BareQuery", BareQuery)->Unit(benchmark::kMillisecond)->MinTime(2.0);
    benchmark::Initialize(&argc, argv);
    FastestTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double recount = reporter.fastest("LoadListsWithRecount");
    const double page = reporter.fastest("PageTurn");
    const double bare = reporter.fastest("BareQuery");
    std::printf("\nLoadLists with recount: %8.2f ms\n", recount);
    std::printf("LoadLists page turn:    %8.2f ms (goal: at most 20 ms)\n", page);
    std::printf("Bare query:             %8.2f ms\n", bare);
    if (bare > 0)
        std::printf("Recount / bare query:   %8.2f (goal: at most 3)\n", recount / bare);
    s.form.reset();
    return 0;
}
