#include "exchange/JpegSignature.h"
#include "exchange/MasterDataLoader.h"
#include "store/Database.h"
#include "store/PictureFolder.h"
#include "store/Statement.h"
#include "tests/support/ServerFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

constexpr int KillsPerStep = 20;

// Runs a transfer step in a child process against the fixture's server and kills it at
// random moments; between the kills and after a last complete run, the local state must
// be whole.
class KilledTransfer {
public:
    KilledTransfer(ServerFixture &fixture, const QString &step) : m_fixture(fixture), m_step(step) {}

    // Runs the step to its end; returns how long it took.
    qint64 runToEnd()
    {
        QProcess child;
        QElapsedTimer clock;
        clock.start();
        start(child);
        EXPECT_TRUE(child.waitForFinished(120000));
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
        return clock.elapsed();
    }

    // True when the child was killed before it ended by itself.
    bool runAndKillAfter(int milliseconds)
    {
        QProcess child;
        start(child);
        if (child.waitForFinished(milliseconds))
            return false;
        child.kill();
        EXPECT_TRUE(child.waitForFinished(10000));
        return true;
    }

private:
    void start(QProcess &child)
    {
        child.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/transfer_child"));
        child.setArguments({m_fixture.dir().path(), m_fixture.server().baseUrl(), QString::number(m_fixture.userID()),
                            m_fixture.user(), m_fixture.password(), m_step});
        child.start();
        ASSERT_TRUE(child.waitForStarted(10000));
    }

    ServerFixture &m_fixture;
    QString m_step;
};

QString integrity()
{
    Database db;
    return Statement::scalar(db, QStringLiteral("PRAGMA integrity_check")).toString();
}

int scalarInt(const QString &sql)
{
    Database db;
    return Statement::scalar(db, sql).toInt();
}

// Files in the picture folder that count as pictures but are none.
QStringList brokenPictures()
{
    QStringList broken;
    const QDir folder(PictureFolder().folderPath());
    for (const QString &name : folder.entryList(QDir::Files)) {
        if (!name.endsWith(QLatin1String(".part")) && !fileStartsLikeJpeg(folder.filePath(name)))
            broken.append(name);
    }
    return broken;
}

void forgetDownloads()
{
    Database db;
    Statement::run(db, QStringLiteral("UPDATE user SET lastupdate='01.01.1991'"));
    Statement::run(db, QStringLiteral("UPDATE auktionshaus SET catno=''"));
    const QDir folder(PictureFolder().folderPath());
    for (const QString &name : folder.entryList(QDir::Files))
        QFile::remove(folder.filePath(name));
}

int killAtRandom(KilledTransfer &transfer, qint64 fullRunMs, const std::function<void()> &check)
{
    const quint32 seed = QRandomGenerator::global()->generate();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    QRandomGenerator random(seed);
    int kills = 0;
    for (int attempt = 0; kills < KillsPerStep && attempt < 3 * KillsPerStep; ++attempt) {
        forgetDownloads();
        const int moment = random.bounded(static_cast<int>(std::max<qint64>(fullRunMs, 50)));
        kills += transfer.runAndKillAfter(moment) ? 1 : 0;
        check();
    }
    return kills;
}

} // namespace

TEST(TransferKill, ListingDownloadKilledAnywhereLeavesAWholeDatabaseAndNoFalsePicture)
{
    ServerFixture fixture;
    auto &server = fixture.server();
    server.addListings(fixture.user(), 0, QStringLiteral("Laufend"), 500);
    for (int i = 0; i < 15; ++i)
        server.addListing(fixture.user(), i % 3, QStringLiteral("Mit Bildern %1").arg(i), {}, 2);
    const int transferId = fixture.addTransferListing(QStringLiteral("Wartet auf Versand"));
    // Slow pages and pictures widen the moments at which the step can be caught.
    server.setFault(QStringLiteral("/api/XMLAuctions.php"), AuctionHouseServer::Fault::Delay, QStringLiteral("100"));
    server.setFault(QStringLiteral("/api/filedownload.php"), AuctionHouseServer::Fault::Delay, QStringLiteral("30"));
    const int expected = 500 + 15;

    KilledTransfer transfer(fixture, QStringLiteral("listings"));
    const qint64 fullRun = transfer.runToEnd();
    ASSERT_EQ(scalarInt(QStringLiteral("SELECT COUNT(*) FROM auktionen WHERE artliste IN (0,1,2)")), expected);

    const auto check = [&] {
        EXPECT_EQ(integrity(), QStringLiteral("ok"));
        EXPECT_EQ(scalarInt(QStringLiteral("SELECT COUNT(*) FROM auktionen WHERE id=%1 AND artliste=3").arg(transferId)), 1);
        EXPECT_EQ(scalarInt(QStringLiteral("SELECT COUNT(*) - COUNT(DISTINCT artID) FROM auktionen WHERE artliste IN (0,1,2)")), 0)
            << "no listing twice";
        EXPECT_LE(scalarInt(QStringLiteral("SELECT COUNT(*) FROM auktionen WHERE artliste IN (0,1,2)")), expected);
        EXPECT_EQ(brokenPictures(), QStringList());
    };
    EXPECT_GE(killAtRandom(transfer, fullRun, check), KillsPerStep);

    forgetDownloads();
    transfer.runToEnd();
    check();
    EXPECT_EQ(scalarInt(QStringLiteral("SELECT COUNT(*) FROM auktionen WHERE artliste IN (0,1,2)")), expected);
    EXPECT_EQ(QDir(PictureFolder().folderPath()).entryList(QDir::Files).size(), 30) << "every picture, no leftover";
}

TEST(TransferKill, MasterDataImportKilledAnywhereKeepsEachSectionWhole)
{
    ServerFixture fixture;
    fixture.server().setFault(QStringLiteral("/api/XMLDaten.php"), AuctionHouseServer::Fault::Delay, QStringLiteral("20"));
    KilledTransfer transfer(fixture, QStringLiteral("masterdata"));
    const qint64 fullRun = transfer.runToEnd();
    QMap<QString, int> full;
    for (const MasterDataLoader::Section &section : MasterDataLoader::sections())
        full[section.table] = scalarInt(QStringLiteral("SELECT COUNT(*) FROM `%1` WHERE aukid=11").arg(section.table));
    ASSERT_GT(full.value(QStringLiteral("categories")), 0);

    // The same master data comes again: a section holds either its old or its new rows,
    // which are the same number, never a part.
    const auto check = [&] {
        EXPECT_EQ(integrity(), QStringLiteral("ok"));
        for (auto it = full.cbegin(); it != full.cend(); ++it)
            EXPECT_EQ(scalarInt(QStringLiteral("SELECT COUNT(*) FROM `%1` WHERE aukid=11").arg(it.key())), it.value())
                << it.key().toStdString();
    };
    EXPECT_GE(killAtRandom(transfer, fullRun, check), KillsPerStep);
    forgetDownloads();
    transfer.runToEnd();
    check();
}
