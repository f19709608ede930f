#include "store/StoredAccounts.h"

#include "store/Statement.h"

StoredAccounts::StoredAccounts(QString programDir) : m_db(std::move(programDir)) {}

std::vector<StoredAccounts::Account> StoredAccounts::accountsNamed(const QString &usern)
{
    m_db.open();
    std::vector<Account> accounts;
    {
    Statement query(m_db, QStringLiteral(
        "SELECT u.id AS id, u.usern AS usern, u.password AS password, u.uid AS uid, u.aukid AS aukid, "
        "a.name AS name, a.url AS url, a.MoneySymbol AS MoneySymbol, a.typ AS typ "
        "FROM `user` u LEFT JOIN `auktionshaus` a ON a.id = u.aukid WHERE u.usern = :usern ORDER BY u.aukid, u.id"));
    query.bind(QStringLiteral(":usern"), usern).exec();
    while (query.next()) {
        accounts.push_back({query.integer(QStringLiteral("id")), query.text(QStringLiteral("usern")),
                            query.text(QStringLiteral("password")), query.text(QStringLiteral("uid")),
                            query.integer(QStringLiteral("aukid")), query.text(QStringLiteral("name")),
                            query.text(QStringLiteral("url")), query.text(QStringLiteral("MoneySymbol")),
                            query.integer(QStringLiteral("typ"))});
    }
    }
    m_db.close();
    return accounts;
}
