#include "core/LoginContext.h"
#include "store/Database.h"
#include "store/Statement.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempProgramDir.h"
#include "ui/login/TForm2.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

TEST(Startup, LoginWindowCreationPreparesTheProgramDirectory)
{
    TempProgramDir dir;
    ScriptedPrompter prompts;
    TForm2 login(dir.path() + QStringLiteral("/"));
    EXPECT_EQ(loginContext().ProgramDir, dir.path());
    EXPECT_EQ(login.Label2->text(), QStringLiteral("Version: 13.111"));
    EXPECT_EQ(login.windowTitle(), QStringLiteral("Morvelia -- Veltrano"));
    EXPECT_TRUE(QDir(dir.file(QStringLiteral("pictures"))).exists());
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("database.sqlite"))));
    EXPECT_EQ(loginContext().auctionHouseName(0), QStringLiteral("~ Multiuser ~"));
    EXPECT_EQ(loginContext().auctionHouseName(11), QStringLiteral("Morvelia"));
}

TEST(Startup, AuctionHouseWithIdZeroReplacesTheMultiUserName)
{
    TempProgramDir dir;
    {
        Database db(dir.path());
        db.open();
        Statement::run(db, QStringLiteral("INSERT INTO auktionshaus (id, name) VALUES (0, 'Nullhaus'), (150, 'Fernhaus')"));
    }
    ScriptedPrompter prompts;
    TForm2 login(dir.path());
    EXPECT_EQ(loginContext().auctionHouseName(0), QStringLiteral("Nullhaus"));
    EXPECT_EQ(login.windowTitle(), QStringLiteral("Morvelia -- Veltrano"));
}

TEST(Startup, PictureFolderThatCannotBeCreatedShowsItsPathAndSkipsTheRest)
{
    TempProgramDir dir;
    dir.writeFile(QStringLiteral("pictures"), {});
    ScriptedPrompter prompts;
    prompts.expectError(dir.path() + QStringLiteral("pictures"));
    TForm2 login(dir.path());
    EXPECT_EQ(login.Label2->text(), QStringLiteral("Version: 13.111"));
    EXPECT_EQ(login.windowTitle(), QStringLiteral("Morvelia"));
    EXPECT_TRUE(loginContext().auctionHouseName(0).isEmpty());
}

TEST(Startup, UnreadableDatabaseShowsTheEngineErrorAndTheProgramGoesOn)
{
    TempProgramDir dir;
    dir.writeFile(QStringLiteral("database.sqlite"), QByteArray(4096, 'x'));
    ScriptedPrompter prompts;
    prompts.expectError(QStringLiteral("*"));
    TForm2 login(dir.path());
    EXPECT_EQ(login.windowTitle(), QStringLiteral("Morvelia"));
    EXPECT_EQ(loginContext().auctionHouseName(0), QStringLiteral("~ Multiuser ~"));
    EXPECT_TRUE(loginContext().auctionHouseName(11).isEmpty());
}
