#pragma once

#include <QString>

// A value percent-encoded for a query string or a form body: letters and digits stay,
// a space becomes %20, every other byte of its Windows-1252 form becomes %XX.
QString UrlEncode(const QString &text);
