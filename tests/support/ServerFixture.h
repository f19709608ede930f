#pragma once

#include "tests/support/TempProgramDir.h"
#include "tools/auction-house-server/AuctionHouseServer.h"

#include <QString>
#include <memory>

// A fresh program directory and our auction-house server on an ephemeral port, with a
// seller account on both sides. The login context is set up as a login to the default
// auction house (id 11) with that account.
class ServerFixture {
public:
    static constexpr int HouseId = 11;
    // A category the server knows, for uploads.
    static constexpr int TestCategory = 990001;

    explicit ServerFixture(const QString &user = QStringLiteral("kunde.eins"),
                           const QString &password = QStringLiteral("ge&heim=1"));
    ~ServerFixture();

    AuctionHouseServer &server() { return *m_server; }
    TempProgramDir &dir() { return m_dir; }
    QString user() const { return m_user; }
    QString password() const { return m_password; }
    QString uid() const { return m_uid; }
    int userID() const { return m_userID; }

    // Switches the local auction house to the given typ (0, 1 or 2).
    void setHouseTyp(int typ);
    // Inserts a ready transfer-list listing of the account; returns its local id.
    int addTransferListing(const QString &title, const QString &pic1 = {}, const QString &pic2 = {},
                           const QString &pic3 = {});
    // Writes a small JPEG picture into the program's picture folder.
    void writePicture(const QString &name);
    int countListings(int listKind) const;
    // Moves the account's last-update stamp back, as if time had passed since the last run.
    void ageLastUpdate(int seconds);

private:
    TempProgramDir m_dir;
    std::unique_ptr<AuctionHouseServer> m_server;
    QString m_user;
    QString m_password;
    QString m_uid;
    int m_userID = 0;
};
