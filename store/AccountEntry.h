#pragma once

#include <QString>

struct LoginContext;

// One local account as the login window lists it.
struct AccountEntry {
    QString uid;
    QString password;
    QString usern;
    int aukid = 0;
    int id = 0;

    // usern + "  (" + name of the auction house + ")"; "~ Multiuser ~" for a master account.
    QString caption(const LoginContext &context) const;
    bool isMultiUserMaster() const { return aukid == 0; }
};
