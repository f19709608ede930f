#include "store/DescriptionText.h"

namespace DescriptionText {

namespace {

// The position of the ">" that closes the tag starting at start; a ">" inside a quoted
// attribute value does not count. -1 when the tag does not end.
qsizetype endOfTag(const QString &text, qsizetype start)
{
    QChar quote;
    for (qsizetype i = start; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (!quote.isNull()) {
            if (ch == quote)
                quote = QChar();
        } else if (ch == QLatin1Char('"') || ch == QLatin1Char('\'')) {
            quote = ch;
        } else if (ch == QLatin1Char('>')) {
            return i;
        }
    }
    return -1;
}

} // namespace

QString extractBody(const QString &document)
{
    // The last end tag: a comment or script text inside the body may hold "</body>" too.
    const qsizetype end = document.lastIndexOf(QLatin1String("</body>"), -1, Qt::CaseInsensitive);
    if (end < 0)
        return {};
    const qsizetype start = document.indexOf(QLatin1String("<body"), 0, Qt::CaseInsensitive);
    if (start < 0 || start > end)
        return document.left(end);
    const qsizetype startTagEnd = endOfTag(document, start);
    if (startTagEnd < 0 || startTagEnd > end)
        return {};
    return document.mid(startTagEnd + 1, end - startTagEnd - 1);
}

QString withoutGermanMarker(const QString &stored)
{
    QString text = stored;
    return text.remove(QStringLiteral("<##DE##>"));
}

} // namespace DescriptionText
