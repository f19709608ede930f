#include "tools/screenshots/AccountWindowShots.h"

#include "core/LoginContext.h"
#include "store/Accounts.h"
#include "ui/accounts/TForm12.h"
#include "ui/accounts/TForm3.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

namespace {

Accounts::NewUser subAccount(const QString &usern, int aukid, const QString &houseName, int masterId,
                             const QString &sellerName)
{
    Accounts::NewUser user;
    user.usern = usern;
    user.password = QStringLiteral("geheim");
    user.auctionHouseName = houseName;
    user.aukid = aukid;
    user.hauptid = masterId;
    user.server = {QString::number(52000 + aukid), QString(), sellerName, QStringLiteral("Domstraße 4"),
                   QStringLiteral("50667"), QStringLiteral("Köln"), QStringLiteral("Deutschland"),
                   QStringLiteral("0221 4711"), usern + QStringLiteral("@example.org")};
    return user;
}

bool saveRegistration(const AccountWindowShots::SaveFunction &save)
{
    TForm3 registration;
    registration.Edit1->setText(QStringLiteral("hanna.berger"));
    registration.Edit2->setText(QStringLiteral("geheim"));
    registration.show();
    return save(&registration, QStringLiteral("registration"));
}

bool saveMultiUserManagement(const AccountWindowShots::SaveFunction &save)
{
    Accounts accounts;
    Accounts::NewUser master = subAccount(QStringLiteral("zentrale-bilder"), 0, QStringLiteral("Morvelia"), 0,
                                          QStringLiteral("Zentrale"));
    const int masterId = accounts.addUser(master);
    accounts.addUser(subAccount(QStringLiteral("hanna.berger"), 11, QStringLiteral("Morvelia"), masterId,
                                QStringLiteral("Hanna Berger")));
    accounts.addUser(subAccount(QStringLiteral("antik-stube"), 12, QStringLiteral("Karvento"), masterId,
                                QStringLiteral("Antik-Stube Berger")));
    loginContext().userID = masterId;

    TForm12 management;
    management.show();
    management.ListView1->setCurrentRow(0);
    if (management.ListView2->topLevelItemCount() > 0)
        management.ListView2->setCurrentItem(management.ListView2->topLevelItem(0));
    return save(&management, QStringLiteral("multi-user-management"));
}

} // namespace

bool AccountWindowShots::saveAll(const SaveFunction &save)
{
    const LoginContext before = loginContext();
    bool ok = saveRegistration(save);
    ok = saveMultiUserManagement(save) && ok;
    loginContext() = before;
    return ok;
}
