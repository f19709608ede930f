// auction-house-server: our auction-house server for the demo and for manual tests.
// See README.md in this folder.

#include "tools/auction-house-server/AuctionHouseServer.h"
#include "tools/auction-house-server/DemoSeed.h"
#include "tools/auction-house-server/ServerStore.h"

#include <httplib.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QStringList>

#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

const char *const Usage =
    "usage:\n"
    "  auction-house-server --port N --data DIR [--seed FILE] [--reset]\n"
    "                       [--current-version V --update-file NAME]\n"
    "      serve on 127.0.0.1:N (0: any free port) until SIGINT/SIGTERM; an empty DIR is\n"
    "      filled from FILE, or from the built-in demo seed\n"
    "  auction-house-server --data DIR --end ID[,ID...] (--sold | --unsold)\n"
    "      end running listings (works while a server uses DIR)\n"
    "  auction-house-server --data DIR --list [running|sold|unsold|all]\n"
    "  auction-house-server --data DIR --expire\n"
    "      end the running listings whose end has passed\n"
    "  auction-house-server --write-demo-seed FILE\n"
    "      write the built-in demo seed as a seed file (a template for --seed)\n"
    "  auction-house-server --wait URL [--timeout-ms N] [--pid P]\n"
    "      wait until the server at URL (with --pid: the one of process P) answers (exit 0),\n"
    "      N ms (default 15000) passed (exit 1), or process P ended (exit 3)\n";

int fail(const QString &message)
{
    std::fprintf(stderr, "auction-house-server: %s\n", message.toLocal8Bit().constData());
    return 2;
}

// Gone, or a zombie its parent has not collected yet.
bool processEnded(qint64 pid)
{
    if (::kill(pid_t(pid), 0) != 0)
        return errno == ESRCH;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype paren = line.lastIndexOf(')');
    return paren >= 0 && line.mid(paren + 2, 1) == "Z";
}

// Exit 0 when the server at url answers (with pid: the server of that process), 1 after
// the time-out, 3 when process pid ended before it answered.
int waitForServer(const QString &url, int timeoutMs, qint64 pid)
{
    httplib::Client client(url.toStdString());
    client.set_connection_timeout(0, 300 * 1000);
    client.set_read_timeout(1, 0);
    const std::string expected = "OK " + std::to_string(pid);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        if (auto res = client.Get("/admin/ping"); res && res->status == 200) {
            if (pid <= 0 || res->body.rfind(expected, 0) == 0)
                return 0;
        }
        if (pid > 0 && processEnded(pid)) {
            std::fprintf(stderr, "auction-house-server: process %lld ended before it answered\n", (long long)pid);
            return 3;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::fprintf(stderr, "auction-house-server: no answer from %s within %d ms\n", url.toLocal8Bit().constData(), timeoutMs);
    return 1;
}

void removeStore(const QString &dir)
{
    for (const char *name : {"server.sqlite", "server.sqlite-wal", "server.sqlite-shm"})
        QFile::remove(QDir(dir).absoluteFilePath(QLatin1String(name)));
    QDir(QDir(dir).absoluteFilePath(QStringLiteral("pictures"))).removeRecursively();
}

} // namespace

int main(int argc, char **argv)
{
    // SIGINT, SIGTERM and SIGHUP are taken by sigwait below. Blocked before any thread
    // exists, so every thread inherits the mask and none of them dies of the signal.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    QString dataDir, seedFile, listKind, endIds, waitUrl, currentVersion, updateFile, demoSeedFile;
    int port = -1, timeoutMs = 15000;
    qint64 waitPid = 0;
    bool reset = false, list = false, expire = false, sold = false, unsold = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        auto next = [&](QString *out) {
            if (i + 1 >= args.size())
                return false;
            *out = args[++i];
            return true;
        };
        QString value;
        if (a == QLatin1String("--port") && next(&value))
            port = value.toInt();
        else if (a == QLatin1String("--data") && next(&value))
            dataDir = value;
        else if (a == QLatin1String("--seed") && next(&value))
            seedFile = value;
        else if (a == QLatin1String("--reset"))
            reset = true;
        else if (a == QLatin1String("--current-version") && next(&value))
            currentVersion = value;
        else if (a == QLatin1String("--update-file") && next(&value))
            updateFile = value;
        else if (a == QLatin1String("--end") && next(&value))
            endIds = value;
        else if (a == QLatin1String("--sold"))
            sold = true;
        else if (a == QLatin1String("--unsold"))
            unsold = true;
        else if (a == QLatin1String("--list")) {
            list = true;
            if (i + 1 < args.size() && !args[i + 1].startsWith(QLatin1String("--")))
                listKind = args[++i];
        } else if (a == QLatin1String("--expire"))
            expire = true;
        else if (a == QLatin1String("--write-demo-seed") && next(&value))
            demoSeedFile = value;
        else if (a == QLatin1String("--wait") && next(&value))
            waitUrl = value;
        else if (a == QLatin1String("--timeout-ms") && next(&value))
            timeoutMs = value.toInt();
        else if (a == QLatin1String("--pid") && next(&value))
            waitPid = value.toLongLong();
        else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(Usage, stdout);
            return 0;
        } else {
            std::fputs(Usage, stderr);
            return fail(QStringLiteral("unknown or incomplete argument ") + a);
        }
    }

    if (!waitUrl.isEmpty())
        return waitForServer(waitUrl, timeoutMs, waitPid);

    if (!demoSeedFile.isEmpty()) {
        QFile out(demoSeedFile);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fail(QStringLiteral("cannot write ") + demoSeedFile);
        out.write(QJsonDocument(DemoSeed::build()).toJson(QJsonDocument::Indented));
        return 0;
    }

    if (dataDir.isEmpty()) {
        std::fputs(Usage, stderr);
        return fail(QStringLiteral("--data DIR is needed"));
    }

    try {
        if (reset)
            removeStore(dataDir);
        AuctionHouseServer server(AuctionHouseServer::Options{dataDir, seedFile});

        if (!endIds.isEmpty()) {
            if (sold == unsold)
                return fail(QStringLiteral("--end needs --sold or --unsold"));
            int failures = 0;
            for (const QString &id : endIds.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                if (server.endListing(id.trimmed().toInt(), sold))
                    std::printf("%s: %s\n", id.trimmed().toLocal8Bit().constData(), sold ? "sold" : "unsold");
                else {
                    std::fprintf(stderr, "%s: no running listing with this id\n", id.trimmed().toLocal8Bit().constData());
                    ++failures;
                }
            }
            return failures ? 1 : 0;
        }
        if (list || expire) {
            ServerStore store(dataDir);
            if (expire)
                std::printf("%d listings ended\n", store.expireDue());
            if (list) {
                const QStringList kinds = {QStringLiteral("running"), QStringLiteral("sold"), QStringLiteral("unsold")};
                const int kind = kinds.indexOf(listKind.toLower());
                if (!listKind.isEmpty() && kind < 0 && listKind != QLatin1String("all"))
                    return fail(QStringLiteral("--list running|sold|unsold|all"));
                for (const ServerStore::ListingRef &r : store.listingRefs(kind)) {
                    std::printf("%d\t%s\t%s\t%s\t%s\n", r.id, kinds.value(r.list).toUtf8().constData(),
                                r.user.toUtf8().constData(), r.ende.toUtf8().constData(), r.title.toUtf8().constData());
                }
            }
            return 0;
        }

        if (port < 0 || port > 65535) {
            std::fputs(Usage, stderr);
            return fail(QStringLiteral("--port N is needed"));
        }
        if (!currentVersion.isEmpty() || !updateFile.isEmpty())
            server.setCurrentVersion(currentVersion, updateFile);
        server.start(quint16(port));
        std::printf("auction-house-server: listening on %s, data in %s\n", server.baseUrl().toUtf8().constData(),
                    QDir(dataDir).absolutePath().toUtf8().constData());
        std::fflush(stdout);
        int received = 0;
        sigwait(&stopSignals, &received);
        server.stop();
        std::printf("auction-house-server: stopped\n");
        return 0;
    } catch (const std::exception &e) {
        return fail(QString::fromUtf8(e.what()));
    }
}
