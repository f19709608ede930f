#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// How old the account's downloaded data is, as the header shows it.
struct DataAge {
    QString text;
    // True when no download has happened yet: the text is shown in red.
    bool never = false;
    // The time of the last download, as stored.
    QString hint;

    // lastupdate: user.lastupdate of the account, no value when the account has no row.
    static DataAge describe(const std::optional<QString> &lastupdate, const QDateTime &now);
};
