#include "core/Prompter.h"
#include "core/QtGermanTexts.h"
#include "tests/support/MainLoopRun.h"
#include "tests/support/RealBoxCloser.h"

#include <QDialog>
#include <QMainWindow>
#include <gtest/gtest.h>

namespace {

QStringList withoutMnemonics(QStringList captions)
{
    for (QString &caption : captions)
        caption.remove(QLatin1Char('&'));
    captions.sort();
    return captions;
}

} // namespace

TEST(WidgetPrompter, StandardButtonsReadInGermanOnceQtsTranslationIsLoaded)
{
    ASSERT_TRUE(QtGermanTexts::install());
    EXPECT_TRUE(QtGermanTexts::install());
    QMainWindow window;
    window.show();
    RealBoxCloser boxes;
    EXPECT_TRUE(prompter().askYesNo(QStringLiteral("Wirklich?"), QStringLiteral("Frage")));
    prompter().showMessage(QStringLiteral("Erledigt."));
    prompter().showError(QStringLiteral("Fehler."));
    EXPECT_FALSE(prompter().askText(QStringLiteral("Eingabe"), QStringLiteral("Name:")).has_value());
    const QList<RealBoxCloser::ClosedBox> &closed = boxes.closedBoxes();
    ASSERT_EQ(closed.size(), 4);
    EXPECT_EQ(withoutMnemonics(closed[0].buttons), QStringList({"Ja", "Nein"}));
    EXPECT_EQ(withoutMnemonics(closed[1].buttons), QStringList({"OK"}));
    EXPECT_EQ(withoutMnemonics(closed[2].buttons), QStringList({"OK"}));
    EXPECT_EQ(withoutMnemonics(closed[3].buttons), QStringList({"Abbrechen", "OK"}));
}

// A main window whose owner is hidden, as after a login: Qt does not count it as a window
// of its own. A box that belonged to no window would be the last one, and closing it
// would end the program.
TEST(WidgetPrompter, ClosingABoxWhileNoWindowIsActiveLeavesTheProgramRunning)
{
    QDialog owner;
    owner.show();
    auto *window = new QMainWindow(&owner);
    window->show();
    owner.hide();
    RealBoxCloser boxes;
    const MainLoopRun::Outcome outcome = MainLoopRun::run([] {
        prompter().showMessage(QStringLiteral("Die Auktion wurde gelöscht!"));
        prompter().askYesNo(QStringLiteral("Wirklich?"));
        prompter().showError(QStringLiteral("Fehler."));
    });
    EXPECT_TRUE(outcome.finished);
    EXPECT_FALSE(outcome.programEnded());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(boxes.texts(), QStringList({"Die Auktion wurde gelöscht!", "Wirklich?", "Fehler."}));
}
