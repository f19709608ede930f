#pragma once

#include "store/Database.h"
#include "ui/accounts/AccountEntry.h"

#include <vector>

// The statements of the login window on its own connection: the accounts of their own
// (no sub-accounts), their removal and the change of a stored password.
class AccountStore {
public:
    // Uses the login context's program directory unless another is given.
    explicit AccountStore(QString programDir = {});

    std::vector<AccountEntry> loadAccounts();
    // Removes every account of that name at that auction house, sub-accounts included.
    void removeAccount(const AccountEntry &account);
    void changePassword(const AccountEntry &account, const QString &newPassword);

private:
    Database m_db;
};
