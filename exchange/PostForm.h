#pragma once

#include "exchange/PostReply.h"

#include <QString>
#include <QStringList>

class HttpClient;

// Sends fields (lines "name=value", values already encoded by the caller) as a
// form-encoded POST; the body is every line followed by "&". The reply comes back without
// line breaks and cut to its HTML body. A failure gives "Fehler bei der Übertragung: "
// with the client's error text as the reply's error.
PostReply PostForm(HttpClient &client, const QString &url, const QStringList &fields);

// The reply of a form POST without CR and LF, cut to the text between the first "<BODY>"
// and the "</BODY>" after it. "<BODY>" counts only in upper case and not at the very
// first character.
QByteArray cleanFormReply(const QByteArray &reply);
