#include "store/OptionFile.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempProgramDir.h"
#include "ui/dialogs/TForm11.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const QString NotANumber = QStringLiteral("Datenfehler: Die Eingabe ist keine Zahl bzw. enthält Sonderzeichen!");
const QString TooMany = QStringLiteral("Es sind maximal 60 Tage erlaubt!");

void typeAndLeave(TForm11 &dialog, const QString &text)
{
    dialog.Edit1->setFocus();
    dialog.Edit1->selectAll();
    QTest::keyClick(dialog.Edit1, Qt::Key_Backspace);
    if (!text.isEmpty())
        QTest::keyClicks(dialog.Edit1, text);
    QTest::keyClick(dialog.Edit1, Qt::Key_Tab);
}
} // namespace

TEST(TForm11, WithoutOptionFileShowsDefaultsAndSavesThem)
{
    TempProgramDir dir;
    ScriptedPrompter prompts;
    TForm11 dialog;
    EXPECT_TRUE(dialog.CheckBox1->isChecked());
    EXPECT_TRUE(dialog.Edit1->isEnabled());
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("60"));
    QTest::mouseClick(dialog.Button1, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const OptionFile options;
    EXPECT_EQ(options.load(), 1);
    EXPECT_EQ(options.loadDaysText(), QStringLiteral("60"));
}

TEST(TForm11, DayCountIsCheckedWhenTheFieldIsLeft)
{
    const struct {
        const char *typed;
        const char *message; // nullptr: accepted
        const char *shown;
    } cases[] = {
        {"61", "max", "60"}, {"", "nan", "60"}, {"1a", "nan", "60"},
        {"30", nullptr, "30"}, {"0", nullptr, "0"}, {"-5", nullptr, "-5"}, {"60", nullptr, "60"},
    };
    for (const auto &c : cases) {
        TempProgramDir dir;
        ScriptedPrompter prompts;
        TForm11 dialog;
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        if (c.message)
            prompts.expectMessage(QLatin1String(c.message) == QLatin1String("max") ? TooMany : NotANumber);
        // Typing alone never corrects the field: only leaving it does.
        dialog.Edit1->setFocus();
        dialog.Edit1->selectAll();
        QTest::keyClick(dialog.Edit1, Qt::Key_Backspace);
        EXPECT_EQ(dialog.Edit1->text(), QString());
        typeAndLeave(dialog, QString::fromLatin1(c.typed));
        EXPECT_EQ(dialog.Edit1->text(), QString::fromLatin1(c.shown)) << c.typed;
        prompts.verify();
    }
}

TEST(TForm11, SavingAWrongDayCountCorrectsItFirst)
{
    TempProgramDir dir;
    ScriptedPrompter prompts;
    TForm11 dialog;
    dialog.Edit1->setText(QStringLiteral("99"));
    prompts.expectMessage(TooMany);
    dialog.Button1Click();
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("60"));
    EXPECT_FALSE(QFile::exists(OptionFile().path()));
    dialog.Button1Click();
    EXPECT_EQ(OptionFile().loadDaysText(), QStringLiteral("60"));
}

TEST(TForm11, UncheckedAuctionDataDisablesTheDayCountButKeepsIt)
{
    TempProgramDir dir;
    ScriptedPrompter prompts;
    OptionFile().save(true, QStringLiteral("14"));
    TForm11 dialog;
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("14"));
    dialog.CheckBox1->click();
    EXPECT_FALSE(dialog.Edit1->isEnabled());
    dialog.Button1Click();
    const OptionFile options;
    EXPECT_EQ(options.load(), 0);
    EXPECT_EQ(options.loadDaysText(), QStringLiteral("14"));
}

TEST(TForm11, LoadOfTwoOpensUnchecked)
{
    TempProgramDir dir;
    ScriptedPrompter prompts;
    dir.writeFile(QStringLiteral("option.ini"), "[uebertragung]\nload=2\nload_days=abc\n");
    TForm11 dialog;
    EXPECT_FALSE(dialog.CheckBox1->isChecked());
    EXPECT_FALSE(dialog.Edit1->isEnabled());
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("abc"));
}
