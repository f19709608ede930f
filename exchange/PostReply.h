#pragma once

#include <QByteArray>
#include <QString>

// What a POST routine returns: ok is false when the request failed; then text is empty
// and error holds the message for the seller. text holds the reply's Windows-1252 bytes.
struct PostReply {
    bool ok = false;
    QByteArray text;
    QString error;
};
