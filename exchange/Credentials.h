#pragma once

#include <QString>
#include <QStringList>

// An account's name and password as they go into requests. Both are percent-encoded like
// every other value, so a password holding "&", "=" or "%" reaches the server intact.
class Credentials {
public:
    Credentials(QString userName, QString password);

    const QString &userName() const { return m_userName; }
    const QString &password() const { return m_password; }

    // userKey=<name>&passKey=<password>, for a query string.
    QString query(const QString &userKey, const QString &passKey) const;
    // The two lines of a listing upload form: "benutzername=..." and "passwort=...".
    QStringList formFields() const;

private:
    QString m_userName;
    QString m_password;
};
