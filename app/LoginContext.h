#pragma once

#include <QString>
#include <array>

class QWidget;

// The selected auction house and the logged-in account, shared by every window.
// All access happens on the window thread; background downloads only read it while
// the modal exchange dialog keeps it unchanged.
struct LoginContext {
    static constexpr int AuctionHouseNameCount = 101;

    QString ProgramDir;

    // Selected auction house (table auktionshaus)
    QString url;
    QString name;
    QString MoneySymbol;
    std::array<QString, 10> zust{}; // zust1 ... zust10
    int typ = 0;
    int zusatzoptionen = 0;
    int festpreis = 0;
    int mehrfach_festpreis = 0;
    int minpreis = 0;
    int galerie = 0;
    int startseite = 0;
    int versandangabe = 0;
    int versandangabe_extra = 0;
    int wiedereinstellen = 0;
    int auktions_shop = 0;
    int wiedereinstellen_anz = 0;
    int xml = 0;
    int aukid = 0;

    // Logged-in account (table user)
    int userID = 0;
    QString usern;
    QString password;
    QString uid;

    std::array<QString, AuctionHouseNameCount> AuctionHouseNames{};
    QString LastPictureFolder;
    int LastSavedListKind = 0;

    // True only while the main window closes for a change of user.
    bool SwitchingUser = false;
    // The main window opened by the last login; null before it and after a change of user.
    QWidget *CurrentMainWindow = nullptr;

    // Name of the auction house with the given id, or an empty text outside 0..100.
    QString auctionHouseName(int id) const;
    void setAuctionHouseName(int id, const QString &houseName);
};

// The one process-wide login context.
LoginContext &loginContext();
// Puts every field back to its value before the first login (tests use it).
void resetLoginContext();
