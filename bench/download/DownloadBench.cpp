// A full listing download from our auction-house server on loopback: 10,000 running
// listings (50 pages) and 3,000 pictures. Prints the listings stored per second and the
// picture phase with the bounded pool against one download at a time.

#include "core/LoginContext.h"
#include "core/ProcessLocale.h"
#include "exchange/HttpClient.h"
#include "exchange/ListingDownloader.h"
#include "exchange/PictureDownloadPool.h"
#include "exchange/QuietProgress.h"
#include "store/Database.h"
#include "store/PictureFolder.h"
#include "store/Statement.h"
#include "tools/auction-house-server/AuctionHouseServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int PlainListings = 9000;
constexpr int ListingsWithPictures = 1000; // three pictures each
// Time a picture request takes to cross a real network; loopback alone has none.
constexpr int NetworkLatencyMs = 15;

struct Setup {
    Setup()
    {
        server.start(0);
        server.addAccount(QStringLiteral("bench"), QStringLiteral("bench"));
        server.addListings(QStringLiteral("bench"), 0, QStringLiteral("Artikel"), PlainListings);
        for (int i = 0; i < ListingsWithPictures; ++i)
            server.addListing(QStringLiteral("bench"), 0, QStringLiteral("Mit Bildern %1").arg(i), {}, 3);
        server.setFault(QStringLiteral("/api/filedownload.php"), AuctionHouseServer::Fault::Delay,
                        QString::number(NetworkLatencyMs));

        LoginContext &context = loginContext();
        context.ProgramDir = dir.path() + QLatin1Char('/');
        context.url = server.baseUrl();
        context.aukid = 11;
        context.typ = 0;
        ProcessLocale::useDecimalComma();
        Database db;
        db.open();
        Statement::run(db, QStringLiteral("INSERT INTO user (usern, password, lastupdate, aukid) VALUES "
                                          "('bench', 'bench', '01.01.1991', 11)"));
        context.userID = Statement::scalar(db, QStringLiteral("SELECT MAX(id) FROM user")).toInt();
        PictureFolder().ensureExists();
    }

    QTemporaryDir dir;
    AuctionHouseServer server{AuctionHouseServer::Options{}};
};

Setup *setup = nullptr;
double listingSeconds = 0;
double fetchSeconds = 0;
qint64 fetchedBytes = 0;
double poolSeconds = 0;
double sequentialSeconds = 0;
int storedListings = 0;
QStringList pictureFiles;

// The 50 pages fetched alone: how much of the download is the server's and the wire's.
void BM_FetchOnly(benchmark::State &state)
{
    for (auto _ : state) {
        HttpClient client(HttpClient::Kind::ExchangeWindow);
        QElapsedTimer clock;
        clock.start();
        qint64 bytes = 0;
        for (int page = 0; page < 50; ++page)
            bytes += client.get(setup->server.baseUrl() + QStringLiteral("/api/XMLAuctions.php?user=bench&pass=bench&aukID=11&ShowAuktions=0&no=%1&LastDate=60&LastUpdate=01.01.1990").arg(page)).size();
        fetchSeconds = clock.nsecsElapsed() / 1e9;
        fetchedBytes = bytes;
        state.SetIterationTime(fetchSeconds);
    }
}

void BM_ListingDownload(benchmark::State &state)
{
    for (auto _ : state) {
        HttpClient client(HttpClient::Kind::ExchangeWindow);
        Database db;
        QuietProgress progress;
        PictureDownloadPool pool;
        const AccountSession session = loginContext().session();
        ListingDownloader downloader(client, db, session, progress, pool);
        QElapsedTimer clock;
        clock.start();
        downloader.LoadListings({QStringLiteral("bench"), QStringLiteral("bench"), 60, false});
        listingSeconds = clock.nsecsElapsed() / 1e9;
        pool.waitForIdle(600000);
        poolSeconds = clock.nsecsElapsed() / 1e9 - listingSeconds;
        storedListings = Statement::scalar(db, QStringLiteral("SELECT COUNT(*) FROM auktionen")).toInt();
        state.SetIterationTime(listingSeconds + poolSeconds);
    }
    pictureFiles = QDir(PictureFolder().folderPath()).entryList(QDir::Files);
}

void BM_PicturesOneAtATime(benchmark::State &state)
{
    for (auto _ : state) {
        for (const QString &name : pictureFiles)
            QFile::remove(PictureFolder().filePath(name));
        PictureDownloadPool single(1);
        QElapsedTimer clock;
        clock.start();
        for (const QString &name : pictureFiles)
            single.enqueue(setup->server.baseUrl() + QStringLiteral("/api/filedownload.php?datei=") + name,
                           PictureFolder().filePath(name));
        single.waitForIdle(600000);
        sequentialSeconds = clock.nsecsElapsed() / 1e9;
        state.SetIterationTime(sequentialSeconds);
    }
}

} // namespace

BENCHMARK(BM_FetchOnly)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListingDownload)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PicturesOneAtATime)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    Setup fixture;
    setup = &fixture;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::printf("\nListing download: %d listings stored in %.2f s = %.0f listings/s (goal >= 5000/s)\n",
                storedListings, listingSeconds, storedListings / listingSeconds);
    // Pages are read and stored while the next one travels, so the download takes little
    // longer than fetching the pages alone.
    std::printf("  fetching the 50 pages alone (server and wire, %.1f MB): %.2f s = %.0f listings/s\n",
                fetchedBytes / 1e6, fetchSeconds, storedListings / fetchSeconds);
    std::printf("Pictures (%lld files, %d ms simulated network latency each):\n",
                static_cast<long long>(pictureFiles.size()), NetworkLatencyMs);
    std::printf("  bounded pool of %d: %.2f s\n", PictureDownloadPool::DefaultParallel, poolSeconds);
    std::printf("  one at a time:      %.2f s\n", sequentialSeconds);
    std::printf("  pool is %.1fx faster (goal >= 3x)\n", sequentialSeconds / poolSeconds);
    benchmark::Shutdown();
    return 0;
}
