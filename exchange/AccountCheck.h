#pragma once

#include "store/Accounts.h"

#include <QString>
#include <optional>

class HttpClient;

// The registration's check of an account at the auction-house server: the request, and
// the reading of its reply (the server's user id and the seller's address data).
class AccountCheck {
public:
    // Sent with every registration check.
    static constexpr const char *Checksum = "wbna61kqy4083mtrge716";
    static constexpr int FieldCount = 9;

    explicit AccountCheck(HttpClient &client);

    static QString requestUrl(const QString &baseUrl, const QString &userName, const QString &password);
    // The server's reply as text; none when the request failed (no connection, time-out,
    // an error status).
    std::optional<QString> ask(const QString &baseUrl, const QString &userName, const QString &password);

    // An empty reply, or one holding "error" anywhere, refuses the account.
    static bool isRejection(const QString &reply);
    // The nine fields of an accepted reply, line breaks removed. Raises AppError when the
    // reply holds fewer than nine.
    static Accounts::ServerData parseReply(const QString &reply);

private:
    HttpClient &m_client;
};
