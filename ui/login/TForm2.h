#pragma once

#include "store/AccountEntry.h"
#include "store/Accounts.h"
#include "ui/main/TForm1.h"

#include <QDialog>
#include <QPointer>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QListWidgetItem;
class QLineEdit;
class QListWidget;
class QPushButton;


// The login window: the first window and the application's main window.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    // programDir: the directory the program keeps its files in (the executable's).
    explicit TForm2(const QString &programDir, QWidget *parent = nullptr);

    // The main window opened by the last login; null before it and after a change of user.
    TForm1 *currentMainWindow() const { return m_mainWindow; }

    QLabel *Label2 = nullptr; // version
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QListWidget *ListView1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button6 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;

    // The account of the selected entry; none without a selection.
    std::optional<AccountEntry> selectedAccount() const;

    void ListView1SelectItem(QListWidgetItem *item, bool selected);
    void Edit1Change();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button6Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Escape does not close the login window; only closing it (which ends the program) does.
    void reject() override;

private:
    QPointer<TForm1> m_mainWindow;
    // Hidden values of each entry, in the order uid, password, usern, aukid, id.
    enum EntryRole { UidRole = Qt::UserRole, PasswordRole, UsernRole, AukidRole, IdRole };

    void buildControls();
    // Program directory, picture folder, auction-house names and caption.
    void FormCreate(const QString &programDir);
    void FormShow();
    void LoadAccountList();
    void selectionChanged();
    // The registration window is still to come; "&Neu" only reloads the list until then.
    void openRegistration();

    Accounts m_accounts;
    QListWidgetItem *m_selected = nullptr;
    bool m_closing = false;
    // Every main window opened by a login; a replaced one stays hidden until the end.
    std::vector<std::unique_ptr<QWidget>> m_mainWindows;
};
