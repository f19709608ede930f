#include "exchange/LinePrompter.h"
#include "exchange/LineProgress.h"

#include <gtest/gtest.h>

TEST(LinePrompter, EveryMessageIsOneLineAndErrorsAreRemembered)
{
    QStringList lines;
    LinePrompter prompter([&lines](const QString &line) { lines.append(line); });
    prompter.showMessage(QStringLiteral("Fertig"), {}, Prompter::Kind::Information);
    EXPECT_FALSE(prompter.errorShown());
    prompter.showMessage(QStringLiteral("Fehler bei der Übertragung:\r\n  Zeile zwei\n"), {}, Prompter::Kind::Error);
    EXPECT_TRUE(prompter.errorShown());
    EXPECT_FALSE(prompter.askYesNo(QStringLiteral("Wirklich?"), {}));
    EXPECT_FALSE(prompter.openExternally(QUrl(QStringLiteral("https://example.invalid/"))));
    EXPECT_FALSE(prompter.askText(QStringLiteral("T"), QStringLiteral("L"), {}, false).has_value());
    EXPECT_EQ(lines, (QStringList{QStringLiteral("Fertig"), QStringLiteral("Fehler bei der Übertragung: Zeile zwei"),
                                  QStringLiteral("Wirklich? (ohne Rückfrage: Nein)")}));

    LinePrompter other([](const QString &) {});
    other.showError(QStringLiteral("kaputt"));
    EXPECT_TRUE(other.errorShown());
}

TEST(LineProgress, OnlyAChangedStatusBecomesALine)
{
    QStringList lines;
    LineProgress progress([&lines](const QString &line) { lines.append(line); });
    progress.setStatus(QStringLiteral("Lade die allgemeinen Auktionsdaten"));
    progress.setProgress1(40);
    progress.setStatus(QStringLiteral("Lade die allgemeinen Auktionsdaten"));
    progress.setStatus(QStringLiteral("Datenübertragung abgeschlossen"));
    EXPECT_EQ(lines, (QStringList{QStringLiteral("Lade die allgemeinen Auktionsdaten"),
                                  QStringLiteral("Datenübertragung abgeschlossen")}));
}
