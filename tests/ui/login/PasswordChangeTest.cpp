#include "store/Accounts.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempProgramDir.h"
#include "ui/login/PasswordChange.h"

#include <gtest/gtest.h>

namespace {

const QString Intro = QStringLiteral("Hier können Sie Ihr Passwort ändern! Allerdings ist es erforderlich im "
                                     "Auktionshaus ebenfalls das Passwort zu ändern!");
const QString OldLabel = QStringLiteral("Bitte geben Sie ihr altes Passwort ein: ");
const QString NewLabel = QStringLiteral("Bitte geben Sie ihr neues Passwort ein: ");
const QString RepeatLabel = QStringLiteral("Bitte wiederholen Sie das neue Passwort: ");

} // namespace

TEST(PasswordChange, StoresTheNewPasswordOnlyWhenTheOldOneMatchesAndBothNewOnesAgree)
{
    const std::optional<QString> cancel;
    const struct {
        const char *what;
        std::optional<QString> old, first, second;
        QString lastMessage;
        bool stored;
    } cases[] = {
        {"cancelled at the old one", cancel, cancel, cancel, Intro, false},
        {"wrong old one", QStringLiteral("falsch"), cancel, cancel, QStringLiteral("Das Passwort ist falsch!"), false},
        {"cancelled at the new one", QStringLiteral("alt"), cancel, cancel, Intro, false},
        {"cancelled at the repetition", QStringLiteral("alt"), QStringLiteral("neu"), cancel, Intro, false},
        {"different new ones", QStringLiteral("alt"), QStringLiteral("neu"), QStringLiteral("neu2"),
         QStringLiteral("Die neuen Passwörter waren unterschiedlich!"), false},
        {"changed", QStringLiteral("alt"), QStringLiteral("neu & 'x'"), QStringLiteral("neu & 'x'"),
         QStringLiteral("Das Passwort wurde erfolgreich geändert!"), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TempProgramDir dir;
        ScriptedPrompter prompts;
        Accounts accounts;
        Accounts::NewUser user;
        user.usern = QStringLiteral("anna");
        user.password = QStringLiteral("alt");
        user.aukid = 11;
        const int id = accounts.addUser(user);
        const AccountEntry account = accounts.ownAccounts().at(0);

        prompts.expectMessage(Intro).expectInput(OldLabel, c.old);
        if (c.old == QStringLiteral("alt")) {
            prompts.expectInput(NewLabel, c.first);
            if (c.first)
                prompts.expectInput(RepeatLabel, c.second);
        }
        if (c.lastMessage != Intro)
            prompts.expectMessage(c.lastMessage);
        EXPECT_EQ(PasswordChange(accounts).run(account), c.stored);
        prompts.verify();
        EXPECT_EQ(accounts.ownAccounts().at(0).id, id);
        EXPECT_EQ(accounts.ownAccounts().at(0).password, c.stored ? *c.first : QStringLiteral("alt"));
    }
}
