#pragma once

#include "ui/accounts/AccountEntry.h"

class AccountStore;

// "Passwort ändern": asks for the old password and twice for the new one, then stores it.
class PasswordChange {
public:
    explicit PasswordChange(AccountStore &store) : m_store(store) {}

    // True when the new password was stored.
    bool run(const AccountEntry &account);

private:
    AccountStore &m_store;
};
