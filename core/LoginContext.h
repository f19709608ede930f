#pragma once

#include "core/AccountSession.h"
#include "core/AuctionHouse.h"

#include <QString>
#include <array>

// The selected auction house (the inherited row) and the logged-in account, shared by
// every window.
// All access happens on the window thread; background downloads only read it while
// the modal exchange dialog keeps it unchanged.
struct LoginContext : AuctionHouse {
    static constexpr int AuctionHouseNameCount = 101;

    QString ProgramDir;

    // Logged-in account (table user)
    int userID = 0;
    QString usern;
    QString password;
    QString uid;

    std::array<QString, AuctionHouseNameCount> AuctionHouseNames{};
    QString LastPictureFolder;
    int LastSavedListKind = 0;

    // The session of the logged-in account, for the logic a window starts.
    AccountSession session() const;

    // Name of the auction house with the given id, or an empty text outside 0..100.
    QString auctionHouseName(int id) const;
    void setAuctionHouseName(int id, const QString &houseName);
};

// The one process-wide login context.
LoginContext &loginContext();
// Puts every field back to its value before the first login (tests use it).
void resetLoginContext();
