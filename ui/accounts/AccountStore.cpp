#include "ui/accounts/AccountStore.h"

#include "store/Statement.h"

AccountStore::AccountStore(QString programDir) : m_db(std::move(programDir)) {}

std::vector<AccountEntry> AccountStore::loadAccounts()
{
    m_db.open();
    Statement query(m_db, QStringLiteral("SELECT `usern`, `password`, `uid`, `aukid`, `id` FROM `user` WHERE `hauptid`=0"));
    query.exec();
    std::vector<AccountEntry> accounts;
    while (query.next()) {
        accounts.push_back({query.text(QStringLiteral("uid")), query.text(QStringLiteral("password")),
            query.text(QStringLiteral("usern")), query.integer(QStringLiteral("aukid")),
            query.integer(QStringLiteral("id"))});
    }
    m_db.close();
    return accounts;
}

void AccountStore::removeAccount(const AccountEntry &account)
{
    m_db.open();
    Statement::run(m_db, QStringLiteral("DELETE FROM `user` WHERE usern=:usern AND aukid=:aukid"),
        {{QStringLiteral(":usern"), account.usern}, {QStringLiteral(":aukid"), account.aukid}});
    m_db.close();
}

void AccountStore::changePassword(const AccountEntry &account, const QString &newPassword)
{
    m_db.open();
    Statement::run(m_db, QStringLiteral("UPDATE `user` SET `password`=:password WHERE id=:id;"),
        {{QStringLiteral(":password"), newPassword}, {QStringLiteral(":id"), account.id}});
    m_db.close();
}
