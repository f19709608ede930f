#pragma once

#include <QByteArray>
#include <QString>

// The URL as it goes on the wire: its texts in Windows-1252, and the bytes a URL cannot
// carry as they are (blanks, controls, everything beyond ASCII) percent-encoded.
QByteArray wireUrl(const QString &url);
