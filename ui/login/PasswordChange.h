#pragma once

#include "store/AccountEntry.h"

class Accounts;

// "Passwort ändern": asks for the old password and twice for the new one, then stores it.
class PasswordChange {
public:
    explicit PasswordChange(Accounts &store) : m_store(store) {}

    // True when the new password was stored.
    bool run(const AccountEntry &account);

private:
    Accounts &m_store;
};
