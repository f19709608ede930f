#include "exchange/Credentials.h"

#include "exchange/UrlEncode.h"

Credentials::Credentials(QString userName, QString password)
    : m_userName(std::move(userName)), m_password(std::move(password))
{
}

QString Credentials::query(const QString &userKey, const QString &passKey) const
{
    return userKey + QLatin1Char('=') + UrlEncode(m_userName) + QLatin1Char('&') + passKey + QLatin1Char('=')
        + UrlEncode(m_password);
}

QStringList Credentials::formFields() const
{
    return {QStringLiteral("benutzername=") + UrlEncode(m_userName),
            QStringLiteral("passwort=") + UrlEncode(m_password)};
}
