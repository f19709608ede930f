#pragma once

#include "exchange/PostReply.h"

#include <QString>
#include <QStringList>

class HttpClient;

// Sends the JPEG files as one multipart POST, as fields bild1, bild2, ... in list order,
// and returns the raw reply. The files are deleted only after a successful POST; on a
// failure they stay for the next attempt and the reply's error is "Fehler bei der
// Übertragung: " with the error text.
PostReply PostPictures(HttpClient &client, const QString &url, const QStringList &files);
