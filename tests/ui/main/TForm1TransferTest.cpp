#include "core/LoginContext.h"
#include "exchange/PictureDownloadPool.h"
#include "ui/exchange/TForm5.h"
#include "store/OptionFile.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/ServerFixture.h"
#include "ui/main/TForm1.h"

#include <QAction>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const QString Finished = QStringLiteral("Die Übertragung ist nun abgeschlossen, Sie können nun das Fenster schließen!");

// Shows the exchange window as the seller would and closes it once its run has returned.
void runAndClose(TForm5 &window)
{
    window.Timer1->setInterval(0);
    QSignalSpy finished(&window, &TForm5::runFinished);
    window.show();
    ASSERT_TRUE(finished.wait(30000));
    ASSERT_TRUE(PictureDownloadPool::shared()->waitForIdle(20000));
    window.close();
}

} // namespace

TEST(TForm1Transfer, TheToolButtonRunsTheStepsOfTheLoadSettingAndTheListsReload)
{
    const struct {
        bool load;
        int masterDataRequests;
        int listingRequests;
        int runningRows;
    } cases[] = {{true, 1, 3, 2}, {false, 1, 0, 0}};
    for (const auto &c : cases) {
        ServerFixture fixture;
        ScriptedPrompter prompts;
        OptionFile().save(c.load, QStringLiteral("60"));
        fixture.server().addListing(fixture.user(), 0, QStringLiteral("Schon online"));
        fixture.addTransferListing(QStringLiteral("Frisch hochgeladen"));
        fixture.server().resetRequestCounts();

        TForm1 form;
        form.SetUpAccount(fixture.user(), fixture.password(), fixture.uid(), nullptr);
        loginContext().userID = fixture.userID();
        form.setExchangeWindowRunner(runAndClose);
        form.show();
        ASSERT_EQ(form.listView(3)->topLevelItemCount(), 1);

        prompts.expectMessage(Finished);
        form.ToolButton7->click();
        EXPECT_EQ(fixture.server().requestCount(QStringLiteral("/asend.php")), 1);
        EXPECT_EQ(fixture.server().requestCount(QStringLiteral("/api/XMLDaten.php")), c.masterDataRequests);
        EXPECT_EQ(fixture.server().requestCount(QStringLiteral("/api/XMLAuctions.php")), c.listingRequests);
        // The lists show what the run left in the database.
        EXPECT_EQ(form.listView(3)->topLevelItemCount(), 0);
        EXPECT_EQ(form.listView(0)->topLevelItemCount(), c.runningRows);
    }
}

TEST(TForm1Transfer, SoftwareUpdateInTheOptionsMenuOpensTheUpdateWindowWithItsTimerOn)
{
    ServerFixture fixture;
    ScriptedPrompter prompts;
    TForm1 form;
    form.SetUpAccount(fixture.user(), fixture.password(), fixture.uid(), nullptr);
    form.show();
    ASSERT_EQ(form.SoftwareUpdate1->text(), QStringLiteral("Software-&Update"));
    prompts.expectMessage(QStringLiteral("Ihre Version ist auf dem aktuellen Stand!"));
    form.SoftwareUpdate1->trigger(); // returns when the window closed itself after its check
    prompts.verify();
    EXPECT_EQ(fixture.server().requestCount(QStringLiteral("/veltrano/version_check.php")), 1);
    EXPECT_TRUE(form.isVisible());
}
