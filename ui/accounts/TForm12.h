#pragma once

#include "store/Accounts.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;
class TForm3;

// "Multi-Benutzerverwaltung": the sub-accounts of the logged-in master account at the
// auction houses, and the auction houses with their web addresses.
class TForm12 : public QDialog {
    Q_OBJECT
public:
    // The logged-in account (the login context's userID) becomes the master.
    explicit TForm12(QWidget *parent = nullptr);

    // Hidden values of each sub-account entry, in the order uid, password, usern, aukid.
    enum EntryRole { UidRole = Qt::UserRole, PasswordRole, UsernRole, AukidRole };

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QListWidget *ListView1 = nullptr; // sub-accounts
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QLabel *Label3 = nullptr;
    QTreeWidget *ListView2 = nullptr; // auction houses
    QPushButton *Button3 = nullptr;

    int masterId() const { return m_masterId; }

    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button3Click();

signals:
    // A registration window for a sub-account, its master id set, just before it is shown.
    void registrationOpening(TForm3 *window);

private:
    void buildControls();
    void LoadAuctionHouses();
    void LoadSubAccounts();

    Accounts m_accounts;
    int m_masterId = 0;
};
