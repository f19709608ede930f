#include "tools/auction-house-server/Wire.h"

#include "store/Cp1252.h"

#include <QRegularExpression>

#include <cmath>

namespace Wire {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

QDateTime makeStamp(int year, int month, int day, int hour, int minute, int second)
{
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

int fullYear(const QString &digits)
{
    int year = digits.toInt();
    if (digits.size() <= 2)
        year += year < 70 ? 2000 : 1900;
    return year;
}

} // namespace

QByteArray encode1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t ch : text.toUcs4()) {
        const int b = Cp1252::byteOf(ch);
        bytes.append(b < 0 ? '?' : char(b));
    }
    return bytes;
}

QString decode1252(const QByteArray &bytes)
{
    return Cp1252::decode(bytes);
}

QByteArray percentDecode(const QByteArray &raw)
{
    QByteArray out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '%' && i + 2 < raw.size()) {
            const int hi = hexValue(raw[i + 1]);
            const int lo = hexValue(raw[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out.append(char(hi * 16 + lo));
                i += 2;
                continue;
            }
        }
        out.append(raw[i]);
    }
    return out;
}

Params::Params(const QByteArray &text)
    : m_text(text)
{
    for (const QByteArray &piece : text.split('&')) {
        if (piece.isEmpty())
            continue;
        const qsizetype eq = piece.indexOf('=');
        Pair pair;
        pair.key = percentDecode(eq < 0 ? piece : piece.left(eq));
        pair.raw = eq < 0 ? QByteArray() : piece.mid(eq + 1);
        m_pairs.append(pair);
    }
}

bool Params::has(const QString &key) const
{
    const QByteArray k = encode1252(key);
    for (const Pair &pair : m_pairs) {
        if (pair.key == k)
            return true;
    }
    return false;
}

QByteArray Params::raw(const QString &key) const
{
    const QByteArray k = encode1252(key);
    for (const Pair &pair : m_pairs) {
        if (pair.key == k)
            return pair.raw;
    }
    return {};
}

QString Params::value(const QString &key) const
{
    return decode1252(percentDecode(raw(key)));
}

QString Params::utf8Value(const QString &key) const
{
    return QString::fromUtf8(percentDecode(raw(key)));
}

QByteArray Params::rawSpan(const QString &key, const QString &nextKey) const
{
    const QByteArray k = encode1252(key) + '=';
    qsizetype start = -1;
    if (m_text.startsWith(k))
        start = k.size();
    else {
        const qsizetype at = m_text.indexOf('&' + k);
        if (at >= 0)
            start = at + 1 + k.size();
    }
    if (start < 0)
        return {};
    qsizetype end = m_text.size();
    if (!nextKey.isEmpty()) {
        const qsizetype next = m_text.indexOf('&' + encode1252(nextKey) + '=', start);
        if (next >= 0)
            end = next;
    } else if (m_text.endsWith('&')) {
        end = m_text.size() - 1;
    }
    return end > start ? m_text.mid(start, end - start) : QByteArray();
}

QStringList Params::readings(const QString &key, const QString &nextKey) const
{
    QStringList result;
    auto add = [&result](const QString &text) {
        if (!result.contains(text))
            result.append(text);
    };
    if (!has(key))
        return result;
    add(value(key));
    add(decode1252(raw(key)));
    const QByteArray span = rawSpan(key, nextKey);
    add(decode1252(span));
    add(decode1252(percentDecode(span)));
    return result;
}

QStringList Params::keys() const
{
    QStringList result;
    for (const Pair &pair : m_pairs)
        result.append(decode1252(pair.key));
    return result;
}

QByteArray xmlText(const QString &text)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    for (const char32_t ch : text.toUcs4()) {
        switch (ch) {
        case '&': out.append("&amp;"); continue;
        case '<': out.append("&lt;"); continue;
        case '>': out.append("&gt;"); continue;
        case '"': out.append("&quot;"); continue;
        default: break;
        }
        if (ch < 0x20 && ch != '\t' && ch != '\n' && ch != '\r')
            continue;
        if (ch == 0xFFFE || ch == 0xFFFF)
            continue;
        const int b = Cp1252::byteOf(ch);
        if (b >= 0)
            out.append(char(b));
        else
            out.append("&#" + QByteArray::number(uint(ch)) + ';');
    }
    return out;
}

QString formatAmount(double amount)
{
    return QString::number(amount, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
}

bool parseAmount(const QString &text, double *amount)
{
    QString t = text.trimmed();
    if (t.isEmpty()) {
        *amount = 0;
        return true;
    }
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    static const QRegularExpression number(QStringLiteral("^-?\\d*(\\.\\d*)?$"));
    if (!number.match(t).hasMatch() || t == QLatin1String(".") || t == QLatin1String("-"))
        return false;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    *amount = value;
    return true;
}

bool parseInt(const QString &text, int *value)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (ok)
        *value = v;
    return ok;
}

QString formatStamp(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDateTime parseStamp(const QString &text)
{
    return QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDateTime parseClientTimestamp(const QString &text)
{
    const QString t = text.trimmed();
    static const QRegularExpression german(QStringLiteral(
        "^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2}|\\d{4})(?:\\s+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?$"));
    static const QRegularExpression iso(QStringLiteral(
        "^(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[ T](\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?$"));
    static const QRegularExpression us(QStringLiteral(
        "^(\\d{1,2})/(\\d{1,2})/(\\d{2}|\\d{4})(?:\\s+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?\\s*([AaPp][Mm])?)?$"));
    auto num = [](const QRegularExpressionMatch &m, int group) {
        return m.captured(group).isEmpty() ? 0 : m.captured(group).toInt();
    };
    QRegularExpressionMatch m = german.match(t);
    if (m.hasMatch())
        return makeStamp(fullYear(m.captured(3)), num(m, 2), num(m, 1), num(m, 4), num(m, 5), num(m, 6));
    m = iso.match(t);
    if (m.hasMatch())
        return makeStamp(num(m, 1), num(m, 2), num(m, 3), num(m, 4), num(m, 5), num(m, 6));
    m = us.match(t);
    if (m.hasMatch()) {
        int hour = num(m, 4);
        const QString ampm = m.captured(7).toLower();
        if (ampm == QLatin1String("pm") && hour < 12)
            hour += 12;
        if (ampm == QLatin1String("am") && hour == 12)
            hour = 0;
        return makeStamp(fullYear(m.captured(3)), num(m, 1), num(m, 2), hour, num(m, 5), num(m, 6));
    }
    return {};
}

int compareVersions(const QString &a, const QString &b)
{
    const QStringList pa = a.trimmed().split(QLatin1Char('.'));
    const QStringList pb = b.trimmed().split(QLatin1Char('.'));
    for (qsizetype i = 0; i < std::max(pa.size(), pb.size()); ++i) {
        const long long x = i < pa.size() ? pa[i].toLongLong() : 0;
        const long long y = i < pb.size() ? pb[i].toLongLong() : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

} // namespace Wire
