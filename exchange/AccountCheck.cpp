#include "exchange/AccountCheck.h"

#include "core/AppError.h"
#include "exchange/Credentials.h"
#include "exchange/HttpClient.h"
#include "exchange/HttpError.h"
#include "store/Cp1252.h"

#include <QStringList>

AccountCheck::AccountCheck(HttpClient &client) : m_client(client) {}

QString AccountCheck::requestUrl(const QString &baseUrl, const QString &userName, const QString &password)
{
    return baseUrl + QStringLiteral("/api/cuser.php?")
        + Credentials(userName, password).query(QStringLiteral("user"), QStringLiteral("pass"))
        + QStringLiteral("&checksum=") + QLatin1String(Checksum);
}

std::optional<QString> AccountCheck::ask(const QString &baseUrl, const QString &userName, const QString &password)
{
    try {
        return Cp1252::decode(m_client.get(requestUrl(baseUrl, userName, password)));
    } catch (const HttpError &) {
        return std::nullopt;
    }
}

bool AccountCheck::isRejection(const QString &reply)
{
    return reply.isEmpty() || reply.contains(QLatin1String("error"));
}

Accounts::ServerData AccountCheck::parseReply(const QString &reply)
{
    QString line = reply;
    line.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    const QStringList fields = line.split(QLatin1Char('|'), Qt::KeepEmptyParts);
    if (fields.size() < FieldCount) {
        throw AppError(QStringLiteral("Die Antwort des Servers ist unvollständig (%1 von %2 Angaben). "
                                      "Der Benutzer wurde nicht angelegt, bitte versuchen Sie es später erneut!")
                           .arg(fields.size())
                           .arg(FieldCount));
    }
    return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6], fields[7], fields[8]};
}
