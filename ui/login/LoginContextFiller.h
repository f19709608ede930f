#pragma once

#include <QString>

struct LoginContext;

// Fills the auction-house part of the login context for the account that logs in.
class LoginContextFiller {
public:
    // Uses the login context's program directory unless another is given.
    explicit LoginContextFiller(QString programDir = {});

    // aukid 0 (a multi-user master account) takes the default auction house's address,
    // name and currency and keeps every other field; any other id copies its
    // auktionshaus row, or empty texts and zeros when there is none.
    void fillAuctionHouse(LoginContext &context, int aukid) const;

private:
    void copyAuctionHouse(LoginContext &context, int aukid) const;
    static void applyMultiUserDefaults(LoginContext &context);

    QString m_programDir;
};
