#include "core/AppError.h"
#include "core/LoginContext.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/ServerFixture.h"
#include "ui/dialogs/TSoftwareupdate.h"
#include "ui/widgets/WidgetPrompter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

const QString UpdateFile = QStringLiteral("veltrano-13200.bin");
const QString Current = QStringLiteral("Ihre Version ist auf dem aktuellen Stand!");
const QString Failed = QStringLiteral("Versionsaustausch fehlgeschlagen! Bitte prüfen Sie die Internetverbinung.");
const QString Unverified = QStringLiteral("Das Update konnte nicht als echt bestätigt werden*");

// What one opening of the window left behind.
struct Opening {
    int progress = -1;
    QString versionLabel;
    bool closed = false;
    int programEnds = 0;
};

// Opens the window as the main window does, with the timer on, and waits for its check.
Opening openUpdateWindow()
{
    Opening result;
    TSoftwareupdate window;
    window.setProgramEnd([&result] { ++result.programEnds; });
    EXPECT_EQ(window.ProgressBar1->value(), 15);
    EXPECT_EQ(window.Label3->text(), QStringLiteral("Version: "));
    EXPECT_EQ(window.Timer1->interval(), 1000);
    QSignalSpy finished(&window, &TSoftwareupdate::checkFinished);
    window.show();
    window.Timer1->start();
    EXPECT_TRUE(finished.wait(20000));
    result.progress = window.ProgressBar1->value();
    result.versionLabel = window.Label3->text();
    result.closed = !window.isVisible();
    return result;
}

QString localCopy(ServerFixture &fixture)
{
    return fixture.dir().file(QStringLiteral("update/") + UpdateFile);
}

} // namespace

TEST(TSoftwareupdate, ACurrentVersionIsReportedAndTheWindowCloses)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    prompts.expectMessage(Current);
    const Opening opening = openUpdateWindow();
    prompts.verify();
    EXPECT_EQ(opening.progress, 100);
    EXPECT_EQ(opening.versionLabel, QStringLiteral("Version: 13.111"));
    EXPECT_TRUE(opening.closed);
    EXPECT_EQ(opening.programEnds, 0);
    EXPECT_TRUE(QDir(fixture.dir().file(QStringLiteral("update"))).exists()) << "made when the window was created";
}

TEST(TSoftwareupdate, ASignedUpdateIsOpenedWithTheDefaultProgramAndTheProgramEnds)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    fixture.server().setCurrentVersion(QStringLiteral("13.200"), UpdateFile);
    prompts.expectOpenExternally(QUrl::fromLocalFile(localCopy(fixture)).toString());
    const Opening opening = openUpdateWindow();
    prompts.verify();
    EXPECT_EQ(opening.progress, 75);
    EXPECT_TRUE(opening.closed);
    EXPECT_EQ(opening.programEnds, 1);
    QFile file(localCopy(fixture));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("Veltrano-Update 13.200"));
}

TEST(TSoftwareupdate, AnUpdateThatCannotBeVerifiedIsDeletedAndNotStarted)
{
    for (const auto signature : {AuctionHouseServer::SignatureMode::Bad, AuctionHouseServer::SignatureMode::Missing}) {
        ServerFixture fixture;
        ScriptedPrompter prompts;
        fixture.server().setCurrentVersion(QStringLiteral("13.200"), UpdateFile);
        fixture.server().setUpdateSignature(signature);
        prompts.expectMessage(Unverified);
        const Opening opening = openUpdateWindow();
        prompts.verify(); // nothing was opened: the scripted prompter fails on any other prompt
        EXPECT_EQ(opening.progress, 10);
        EXPECT_TRUE(opening.closed);
        EXPECT_EQ(opening.programEnds, 0);
        EXPECT_FALSE(QFile::exists(localCopy(fixture)));
        EXPECT_TRUE(QDir(fixture.dir().file(QStringLiteral("update")))
                        .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)
                        .isEmpty());
    }
}

TEST(TSoftwareupdate, AFileNameThatClimbsOutOfTheUpdateFolderIsRefused)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    fixture.server().setCurrentVersion(QStringLiteral("13.200"), QStringLiteral("../boese.sh"));
    prompts.expectMessage(QStringLiteral("Der Update-Server nennt einen unzulässigen Dateinamen (../boese.sh)*"));
    const Opening opening = openUpdateWindow();
    prompts.verify();
    EXPECT_EQ(opening.progress, 10);
    EXPECT_EQ(opening.programEnds, 0);
    EXPECT_FALSE(QFile::exists(fixture.dir().file(QStringLiteral("boese.sh"))));
}

TEST(TSoftwareupdate, ADeadServerShowsTheConnectionMessage)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    fixture.server().stop();
    prompts.expectMessage(Failed);
    const Opening opening = openUpdateWindow();
    prompts.verify();
    EXPECT_EQ(opening.progress, 10);
    EXPECT_TRUE(opening.closed);
}

TEST(TSoftwareupdate, TwoChecksInARowReplaceTheLocalCopy)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    fixture.server().setCurrentVersion(QStringLiteral("13.200"), UpdateFile);
    QDir().mkpath(fixture.dir().file(QStringLiteral("update")));
    fixture.dir().writeFile(QStringLiteral("update/") + UpdateFile, QByteArrayLiteral("alte Fassung"));
    for (int run = 0; run < 2; ++run) {
        prompts.expectOpenExternally(QUrl::fromLocalFile(localCopy(fixture)).toString());
        EXPECT_EQ(openUpdateWindow().programEnds, 1);
        QFile file(localCopy(fixture));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith("Veltrano-Update 13.200")) << run;
    }
    prompts.verify();
    EXPECT_EQ(fixture.server().requestCount(QStringLiteral("/veltrano/Morvelia/") + UpdateFile), 2);
}

TEST(TSoftwareupdate, TheWindowDoesNotOpenWhenTheUpdateFolderCannotBeMade)
{
    ServerFixture fixture;
    fixture.dir().writeFile(QStringLiteral("update"), QByteArrayLiteral("keine Mappe"));
    try {
        TSoftwareupdate window;
        ADD_FAILURE() << "the window was made";
    } catch (const AppError &error) {
        EXPECT_EQ(error.text(), fixture.dir().file(QStringLiteral("update")));
    }
}

TEST(TSoftwareupdate, WithRealMessageBoxesTheProgramAndItsWindowsStay)
{
    ServerFixture fixture;
    WidgetPrompter real;
    setPrompter(&real);
    QWidget mainWindow;
    mainWindow.show();
    QStringList boxTexts;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&boxTexts] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxTexts.append(box->text());
            box->accept();
        }
    });
    closer.start(50);
    for (const bool serverUp : {true, false}) {
        if (!serverUp)
            fixture.server().stop();
        const Opening opening = openUpdateWindow();
        EXPECT_TRUE(opening.closed);
        EXPECT_EQ(opening.programEnds, 0);
    }
    closer.stop();
    setPrompter(nullptr);
    EXPECT_EQ(boxTexts, (QStringList{Current, Failed}));
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_TRUE(QApplication::topLevelWidgets().contains(&mainWindow));
}
