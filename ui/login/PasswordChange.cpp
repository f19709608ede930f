#include "ui/login/PasswordChange.h"

#include "core/Prompter.h"
#include "store/Accounts.h"

bool PasswordChange::run(const AccountEntry &account)
{
    Prompter &ask = prompter();
    ask.showMessage(QStringLiteral("Hier können Sie Ihr Passwort ändern! Allerdings ist es erforderlich im "
                                   "Auktionshaus ebenfalls das Passwort zu ändern!"));
    // Passwords are typed masked, so nobody reads them over the seller's shoulder.
    const auto old = ask.askText(QStringLiteral("Altes Passwort"),
        QStringLiteral("Bitte geben Sie ihr altes Passwort ein: "), QString(), true);
    if (!old)
        return false;
    if (*old != account.password) {
        ask.showMessage(QStringLiteral("Das Passwort ist falsch!"));
        return false;
    }
    const auto first = ask.askText(QStringLiteral("Neues Passwort"),
        QStringLiteral("Bitte geben Sie ihr neues Passwort ein: "), QString(), true);
    if (!first)
        return false;
    const auto second = ask.askText(QStringLiteral("Neues Passwort"),
        QStringLiteral("Bitte wiederholen Sie das neue Passwort: "), QString(), true);
    if (!second)
        return false;
    if (*first != *second) {
        ask.showMessage(QStringLiteral("Die neuen Passwörter waren unterschiedlich!"));
        return false;
    }
    m_store.changePassword(account.id, *first);
    ask.showMessage(QStringLiteral("Das Passwort wurde erfolgreich geändert!"));
    return true;
}
