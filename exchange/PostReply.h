#pragma once

#include <QByteArray>

// What a POST routine returns: ok is false when the request failed (the routine has then
// shown its message and text is empty). text holds the reply's Windows-1252 bytes.
struct PostReply {
    bool ok = false;
    QByteArray text;
};
