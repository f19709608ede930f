#include "exchange/TransferLock.h"
#include "store/Database.h"
#include "store/Statement.h"
#include "tests/support/ServerFixture.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

struct Finished {
    int exitCode = -1;
    QString out;
    QString err;
};

// The program, placed in the fixture's program directory (a hard link, else a copy), so
// that it keeps its database there as an installed copy beside its files would.
QString placeProgram(ServerFixture &fixture)
{
    const QString target = fixture.dir().file(QStringLiteral("veltrano"));
    if (!QFile::exists(target) && ::link(VELTRANO_PROGRAM, QFile::encodeName(target).constData()) != 0)
        QFile::copy(QStringLiteral(VELTRANO_PROGRAM), target);
    return target;
}

void startProgram(QProcess &process, ServerFixture &fixture, const QStringList &arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VELTRANO_UPDATE_SERVER_URL"), fixture.server().baseUrl());
    process.setProcessEnvironment(env);
    process.start(placeProgram(fixture), arguments);
    ASSERT_TRUE(process.waitForStarted(20000));
}

Finished finish(QProcess &process)
{
    EXPECT_TRUE(process.waitForFinished(180000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()), QString::fromLocal8Bit(process.readAllStandardError())};
}

Finished runProgram(ServerFixture &fixture, const QStringList &arguments)
{
    QProcess process;
    startProgram(process, fixture, arguments);
    return finish(process);
}

void addSecondAccountOfTheSameName(ServerFixture &fixture)
{
    Database db(fixture.dir().path());
    db.open();
    Statement::run(db, QStringLiteral("INSERT INTO auktionshaus (id, name, url) VALUES (57, 'Zweithaus', :url)"),
                   {{QStringLiteral(":url"), fixture.server().baseUrl()}});
    Statement::run(db, QStringLiteral("INSERT INTO user (usern, password, uid, lastupdate, hauptid, aukid) "
                                      "VALUES (:u, 'x', '1', '01.01.1991', 0, 57)"),
                   {{QStringLiteral(":u"), fixture.user()}});
}

} // namespace

TEST(TransferCommand, UploadsTheTransferListAndDownloadsTheListingsSilently)
{
    ServerFixture fixture;
    fixture.addTransferListing(QStringLiteral("Nachts hochgeladen"));
    fixture.server().addListing(fixture.user(), 0, QStringLiteral("Schon online"), {}, 1);
    fixture.server().addListing(fixture.user(), 1, QStringLiteral("Verkauft"));

    const Finished run = runProgram(fixture, {QStringLiteral("--transfer"), fixture.user()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_EQ(fixture.countListings(3), 0);
    EXPECT_EQ(fixture.countListings(0), 2);
    EXPECT_EQ(fixture.countListings(1), 1);
    EXPECT_EQ(fixture.server().requestCount(QStringLiteral("/asend.php")), 1);
    EXPECT_FALSE(QFile::exists(fixture.dir().file(TransferLock::fileName()))) << "the lock went with the run";
}

TEST(TransferCommand, NoUploadLeavesTheTransferList)
{
    ServerFixture fixture;
    fixture.addTransferListing(QStringLiteral("Bleibt liegen"));
    const Finished run = runProgram(fixture, {QStringLiteral("--transfer"), fixture.user(), QStringLiteral("--no-upload"),
                                              QStringLiteral("--reload-all")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(fixture.countListings(3), 1);
    EXPECT_EQ(fixture.server().requestCount(QStringLiteral("/asend.php")), 0);
    EXPECT_GT(fixture.server().requestCount(QStringLiteral("/api/XMLAuctions.php")), 0);
}

TEST(TransferCommand, ADeadServerEndsWithStatusOneAndAGermanMessage)
{
    ServerFixture fixture;
    fixture.addTransferListing(QStringLiteral("Wartet"));
    fixture.server().stop();
    const Finished run = runProgram(fixture, {QStringLiteral("--transfer"), fixture.user()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Verbindung zum Server nicht möglich"))) << run.err.toStdString();
    EXPECT_EQ(fixture.countListings(3), 1);
}

TEST(TransferCommand, ANewerVersionStopsTheRunWithStatusOne)
{
    ServerFixture fixture;
    fixture.server().setCurrentVersion(QStringLiteral("99.0"), QStringLiteral("neu.bin"));
    const Finished run = runProgram(fixture, {QStringLiteral("--transfer"), fixture.user()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Es besteht eine neue Version"))) << run.err.toStdString();
}

TEST(TransferCommand, WrongCallsAndUnknownAccountsEndWithStatusTwo)
{
    ServerFixture fixture;
    const struct {
        QStringList arguments;
        const char *message;
    } cases[] = {
        {{QStringLiteral("--transfer"), QStringLiteral("niemand")}, "Es ist kein Konto „niemand“ gespeichert."},
        {{QStringLiteral("--transfer")}, "Missing value after '--transfer'."},
        {{QStringLiteral("--bogus")}, "Unknown option 'bogus'."},
        {{QStringLiteral("--house"), QStringLiteral("11")}, "--house, --reload-all und --no-upload gelten nur"},
        {{QStringLiteral("--transfer"), fixture.user(), QStringLiteral("--house"), QStringLiteral("elf")},
         "--house erwartet die Nummer eines Auktionshauses"},
        {{QStringLiteral("--transfer"), fixture.user(), QStringLiteral("--house"), QStringLiteral("12")},
         "Es ist kein Konto „kunde.eins“ beim Auktionshaus 12 gespeichert."},
        {{QStringLiteral("--transfer"), fixture.user(), QStringLiteral("zuviel")}, "Unbekanntes Argument: zuviel"},
    };
    for (const auto &c : cases) {
        const Finished run = runProgram(fixture, c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
    }
    EXPECT_EQ(fixture.server().requestCount(QStringLiteral("/veltrano/version_check.php")), 0);
}

TEST(TransferCommand, HelpAndVersionAnswerOnStandardOutput)
{
    ServerFixture fixture;
    const Finished version = runProgram(fixture, {QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.contains(QStringLiteral("13.111"))) << version.out.toStdString();
    const Finished help = runProgram(fixture, {QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    for (const char *option : {"--transfer", "--house", "--reload-all", "--no-upload"})
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;
}

TEST(TransferCommand, SeveralAccountsOfOneNameNeedTheHouse)
{
    ServerFixture fixture;
    addSecondAccountOfTheSameName(fixture);
    const Finished ambiguous = runProgram(fixture, {QStringLiteral("--transfer"), fixture.user()});
    EXPECT_EQ(ambiguous.exitCode, 2);
    EXPECT_TRUE(ambiguous.err.contains(QStringLiteral("--house 11 (Morvelia)"))) << ambiguous.err.toStdString();
    EXPECT_TRUE(ambiguous.err.contains(QStringLiteral("--house 57 (Zweithaus)")));

    fixture.addTransferListing(QStringLiteral("Für Haus 11"));
    const Finished chosen =
        runProgram(fixture, {QStringLiteral("--transfer"), fixture.user(), QStringLiteral("--house"), QStringLiteral("11")});
    EXPECT_EQ(chosen.exitCode, 0) << chosen.err.toStdString();
    EXPECT_EQ(fixture.countListings(3), 0);
}

TEST(TransferCommand, TwoRunsAtOnceNeitherDuplicateNorLoseAListing)
{
    ServerFixture fixture;
    for (int i = 1; i <= 3; ++i)
        fixture.addTransferListing(QStringLiteral("Angebot %1").arg(i));
    fixture.server().addListings(fixture.user(), 0, QStringLiteral("Online"), 5);
    QProcess first, second;
    startProgram(first, fixture, {QStringLiteral("--transfer"), fixture.user()});
    startProgram(second, fixture, {QStringLiteral("--transfer"), fixture.user()});
    const Finished one = finish(first);
    const Finished two = finish(second);
    EXPECT_EQ(one.exitCode, 0) << one.err.toStdString();
    EXPECT_EQ(two.exitCode, 0) << two.err.toStdString();
    EXPECT_EQ(fixture.server().requestCount(QStringLiteral("/asend.php")), 3) << "each listing went out once";
    EXPECT_EQ(fixture.countListings(3), 0);
    EXPECT_EQ(fixture.countListings(0), 8);
    Database db(fixture.dir().path());
    db.open();
    EXPECT_EQ(Statement::scalar(db, QStringLiteral("SELECT COUNT(*) - COUNT(DISTINCT artID) FROM auktionen WHERE artliste=0"))
                  .toInt(),
              0);
}

TEST(TransferCommand, ARunWaitsWhileTheProgramsExchangeWindowHoldsTheDatabase)
{
    ServerFixture fixture;
    fixture.addTransferListing(QStringLiteral("Wartet auf das Fenster"));
    auto windowRun = std::make_unique<TransferLock>(fixture.dir().path());
    ASSERT_TRUE(windowRun->acquire(0));

    QProcess process;
    startProgram(process, fixture, {QStringLiteral("--transfer"), fixture.user()});
    QString err;
    const QDeadlineTimer deadline(60000);
    while (!err.contains(QStringLiteral("warte auf ihr Ende")) && !deadline.hasExpired()) {
        process.waitForReadyRead(200);
        err += QString::fromLocal8Bit(process.readAllStandardError());
    }
    ASSERT_TRUE(err.contains(QStringLiteral("warte auf ihr Ende"))) << err.toStdString();
    EXPECT_EQ(fixture.server().requestCount(QStringLiteral("/veltrano/version_check.php")), 0) << "nothing ran meanwhile";
    EXPECT_EQ(process.state(), QProcess::Running);

    windowRun.reset();
    const Finished run = finish(process);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(fixture.countListings(3), 0);
}
