#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// What goes over the wire between the program and the auction-house server: Windows-1252
// bytes, percent-encoded query and form values, amounts with a decimal comma, and the
// client's last-update stamps in whatever short date format its locale wrote.
namespace Wire {

QByteArray encode1252(const QString &text);
QString decode1252(const QByteArray &bytes);

// "%XX" becomes the byte; a "%" not followed by two hex digits stays. "+" stays "+": the
// program's UrlEncode writes a blank as "%20" and never sends "+" for it.
QByteArray percentDecode(const QByteArray &raw);

// The key=value pairs of a query string or a form body, in order, values kept raw.
class Params {
public:
    Params() = default;
    explicit Params(const QByteArray &text);

    bool has(const QString &key) const;
    // The decoded value as Windows-1252 text; empty when absent.
    QString value(const QString &key) const;
    QByteArray raw(const QString &key) const;
    // The decoded value read as UTF-8 (for the admin endpoints, which people call with
    // curl).
    QString utf8Value(const QString &key) const;
    // The raw text from "key=" to just before "&nextKey=" (or to the end, without the
    // trailing "&", when nextKey is empty): the value of a password sent unencoded that
    // itself holds "&".
    QByteArray rawSpan(const QString &key, const QString &nextKey) const;
    // Every plausible reading of a value that may have been sent encoded or as typed:
    // decoded, raw, and the raw span up to nextKey.
    QStringList readings(const QString &key, const QString &nextKey = {}) const;
    QStringList keys() const;

private:
    struct Pair {
        QByteArray key;
        QByteArray raw;
    };
    QByteArray m_text;
    QList<Pair> m_pairs;
};

// Text content for XML elements as Windows-1252 bytes: &, <, > and quotes escaped,
// characters XML does not allow dropped, characters without a Windows-1252 form written
// as numeric references.
QByteArray xmlText(const QString &text);

// 12.5 -> "12,50"
QString formatAmount(double amount);
// "12,50", "12.50", "12", " 3 " -> the number; empty -> 0. False when it is no number.
bool parseAmount(const QString &text, double *amount);
// A whole number, optionally with blanks around it.
bool parseInt(const QString &text, int *value);

// The stamp format of the server's own store and of the XML dates.
QString formatStamp(const QDateTime &time);
QDateTime parseStamp(const QString &text);
// The client's `lastupdate`: "05.01.2010 14:03:07", "01.01.1991", "5.1.10 14:03",
// "2010-01-05 14:03:07", "1/5/2010 2:03:07 PM". Invalid when none of them fits.
QDateTime parseClientTimestamp(const QString &text);

// "13.111" < "13.112" < "14"; parts compared as numbers.
int compareVersions(const QString &a, const QString &b);

} // namespace Wire
