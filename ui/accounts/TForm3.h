#pragma once

#include "store/Accounts.h"

#include <QDialog>
#include <memory>

class HttpClient;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TForm5;
struct AccountSession;

// "Neuen User hinzufügen": checks an existing account at the auction-house server, stores
// it as a local user and runs its first transfer. Opened from the login window for an
// account of its own and from the multi-user management for a sub-account.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);
    ~TForm3() override;

    // 0 for an account of its own; the master account's id for a sub-account. Set before
    // the window is shown.
    void setMasterId(int masterId) { m_masterId = masterId; }
    int masterId() const { return m_masterId; }

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Edit1 = nullptr; // user name
    QLabel *Label4 = nullptr;
    QLineEdit *Edit2 = nullptr; // password
    QLabel *Label5 = nullptr;
    QComboBox *ComboBox1 = nullptr; // auction house
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

    // The window's HTTP client, which asks the server about the account.
    HttpClient &client() { return *m_client; }

    void FormCreate();
    void Button1Click();
    void Button2Click();

signals:
    // The first transfer run's window, settings made, just before it is shown.
    void exchangeWindowOpening(TForm5 *window);

private:
    void buildControls();
    void RegisterUser();
    std::optional<Accounts::AuctionHouse> selectedAuctionHouse();
    // The server's reply; an empty text when the server could not be reached.
    QString askServer(const Accounts::AuctionHouse &house, const QString &userName, const QString &password);
    // The new account's first transfer run, for that account.
    void RunFirstTransfer(const AccountSession &session, bool fetchListings);

    std::unique_ptr<HttpClient> m_client;
    Accounts m_accounts;
    int m_masterId = 0;
};
