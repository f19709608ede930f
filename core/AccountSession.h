#pragma once

#include "core/AuctionHouse.h"

#include <QString>

// Everything a piece of logic needs to know about the account it works for: the auction
// house's row, the account and the program's directory. Windows build it from the login
// context and hand it down by const reference; logic reads no global.
struct AccountSession {
    AuctionHouse house;
    int userID = 0;
    QString usern;
    QString password;
    QString uid;
    // The program's directory, with one trailing "/".
    QString ProgramDir;
};
