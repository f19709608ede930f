#include "core/AppError.h"
#include "core/LoginContext.h"
#include "core/ProgramInfo.h"
#include "exchange/HttpClient.h"
#include "exchange/SoftwareUpdate.h"
#include "exchange/UpdateProgress.h"
#include "exchange/UpdateSignature.h"
#include "tests/support/ServerFixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

using Outcome = SoftwareUpdate::Outcome;
using Signature = AuctionHouseServer::SignatureMode;

struct RecordingProgress : UpdateProgress {
    QList<int> values;
    void setUpdateProgress(int value) override { values.append(value); }
};

QByteArray demoKey()
{
    return UpdateSignature::publicKeyFromHex(ProgramInfo::updatePublicKeyHex());
}

struct Check {
    SoftwareUpdate::Result result;
    QList<int> progress;
};

Check runCheck(ServerFixture &fixture)
{
    HttpClient client(HttpClient::Kind::AccountOrUpdateWindow);
    SoftwareUpdate update(client, fixture.dir().path(), loginContext().name, demoKey());
    RecordingProgress progress;
    SoftwareUpdate::Result result = update.run(progress);
    return {result, progress.values};
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList updateFolderEntries(ServerFixture &fixture)
{
    return QDir(fixture.dir().file(QStringLiteral("update")))
        .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

TEST(SoftwareUpdate, TheServersAnswerDecidesWhatIsKeptAndHowFarTheProgressGoes)
{
    const QString file = QStringLiteral("veltrano-13200.bin");
    const struct {
        const char *what;
        QString version, fileName;
        Signature signature;
        Outcome outcome;
        QList<int> progress;
        QStringList kept;
    } cases[] = {
        {"current", QString(), QString(), Signature::Good, Outcome::Current, {0, 30, 100}, {}},
        {"signed update", QStringLiteral("13.200"), file, Signature::Good, Outcome::Ready, {0, 30, 75}, {file}},
        {"bad signature", QStringLiteral("13.200"), file, Signature::Bad, Outcome::Unverified, {0, 30, 10}, {}},
        {"no signature", QStringLiteral("13.200"), file, Signature::Missing, Outcome::Unverified, {0, 30, 10}, {}},
        {"climbs out", QStringLiteral("13.200"), QStringLiteral("../boese.sh"), Signature::Good, Outcome::BadFileName,
         {0, 30, 10}, {}},
        {"absolute", QStringLiteral("13.200"), QStringLiteral("/tmp/boese.sh"), Signature::Good,
         Outcome::BadFileName, {0, 30, 10}, {}},
        {"backslash", QStringLiteral("13.200"), QStringLiteral("..\\boese.exe"), Signature::Good,
         Outcome::BadFileName, {0, 30, 10}, {}},
        {"sub folder", QStringLiteral("13.200"), QStringLiteral("a/b.bin"), Signature::Good, Outcome::BadFileName,
         {0, 30, 10}, {}},
    };
    for (const auto &c : cases) {
        ServerFixture fixture;
        fixture.server().setCurrentVersion(c.version, c.fileName);
        fixture.server().setUpdateSignature(c.signature);
        const Check check = runCheck(fixture);
        EXPECT_EQ(check.result.outcome, c.outcome) << c.what;
        EXPECT_EQ(check.progress, c.progress) << c.what;
        EXPECT_EQ(updateFolderEntries(fixture), c.kept) << c.what;
        EXPECT_FALSE(QFile::exists(fixture.dir().file(QStringLiteral("boese.sh")))) << c.what;
        if (c.outcome == Outcome::Ready) {
            EXPECT_EQ(check.result.filePath, fixture.dir().file(QStringLiteral("update/") + file));
        }
        if (c.outcome == Outcome::BadFileName) {
            EXPECT_EQ(fixture.server().requestCount(QStringLiteral("/veltrano/Morvelia/") + c.fileName), 0);
        }
    }
}

TEST(SoftwareUpdate, ADeadServerOrABrokenDownloadKeepsNothing)
{
    ServerFixture fixture;
    const QString file = QStringLiteral("veltrano-13200.bin");
    fixture.server().setCurrentVersion(QStringLiteral("13.200"), file);
    const QString filePath = QStringLiteral("/veltrano/Morvelia/") + file;

    fixture.server().setFault(filePath, AuctionHouseServer::Fault::DropMidReply);
    Check check = runCheck(fixture);
    EXPECT_EQ(check.result.outcome, Outcome::ConnectionFailed);
    EXPECT_EQ(check.progress, (QList<int>{0, 30, 10}));
    EXPECT_TRUE(updateFolderEntries(fixture).isEmpty());

    fixture.server().stop();
    check = runCheck(fixture);
    EXPECT_EQ(check.result.outcome, Outcome::ConnectionFailed);
    EXPECT_FALSE(check.result.detail.isEmpty()) << "the transport's error text";
    EXPECT_EQ(check.progress, (QList<int>{0, 10}));
}

TEST(SoftwareUpdate, AnEarlierCopyIsReplacedOnlyByAVerifiedOne)
{
    ServerFixture fixture;
    const QString file = QStringLiteral("veltrano-13200.bin");
    fixture.server().setCurrentVersion(QStringLiteral("13.200"), file);
    QDir().mkpath(fixture.dir().file(QStringLiteral("update")));
    fixture.dir().writeFile(QStringLiteral("update/") + file, QByteArrayLiteral("alte Fassung"));
    const QString local = fixture.dir().file(QStringLiteral("update/") + file);

    fixture.server().setUpdateSignature(Signature::Bad);
    EXPECT_EQ(runCheck(fixture).result.outcome, Outcome::Unverified);
    EXPECT_EQ(fileBytes(local), QByteArrayLiteral("alte Fassung")) << "an unverified download never takes its place";

    fixture.server().setUpdateSignature(Signature::Good);
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(runCheck(fixture).result.outcome, Outcome::Ready);
        EXPECT_TRUE(fileBytes(local).startsWith("Veltrano-Update 13.200")) << run;
    }
    EXPECT_EQ(fixture.server().requestCount(QStringLiteral("/veltrano/Morvelia/") + file), 3);
    EXPECT_EQ(updateFolderEntries(fixture), QStringList{file});
}

TEST(SoftwareUpdate, TheUpdateFolderThatCannotBeMadeNamesItsPath)
{
    ServerFixture fixture;
    fixture.dir().writeFile(QStringLiteral("update"), QByteArrayLiteral("keine Mappe"));
    HttpClient client(HttpClient::Kind::AccountOrUpdateWindow);
    SoftwareUpdate update(client, fixture.dir().path(), loginContext().name, demoKey());
    try {
        update.ensureUpdateFolder();
        ADD_FAILURE() << "no error";
    } catch (const AppError &error) {
        EXPECT_EQ(error.text(), fixture.dir().file(QStringLiteral("update")));
    }
}

TEST(SoftwareUpdate, TheHouseNameIsEncodedInBothAddresses)
{
    ProgramInfo::overrideUpdateServerUrl(QStringLiteral("http://127.0.0.1:1"));
    HttpClient client(HttpClient::Kind::AccountOrUpdateWindow);
    SoftwareUpdate update(client, QStringLiteral("/tmp/"), QStringLiteral("Haus & Hof"), demoKey());
    EXPECT_EQ(SoftwareUpdate::versionCheckUrl(QStringLiteral("Haus & Hof")),
              QStringLiteral("http://127.0.0.1:1/veltrano/version_check.php?soft=Haus%20%26%20Hof&version=13.111"));
    EXPECT_EQ(update.updateFileUrl(QStringLiteral("neu 2.bin")),
              QStringLiteral("http://127.0.0.1:1/veltrano/Haus%20%26%20Hof/neu%202%2Ebin"));
    ProgramInfo::overrideUpdateServerUrl({});
}
