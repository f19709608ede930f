#pragma once

#include <QByteArray>
#include <QString>

// Whether bytes begin like a JPEG file (FF D8 FF). A server's error text or an HTML page
// delivered instead of a picture never does.
bool startsLikeJpeg(const QByteArray &head);
// False for a missing or unreadable file as well.
bool fileStartsLikeJpeg(const QString &path);
