#include "exchange/MarkupLimits.h"

namespace {

// The offset just past the end marker, or the end of the text.
qsizetype skipPast(const QByteArray &xml, qsizetype from, const char *endMarker)
{
    const qsizetype found = xml.indexOf(endMarker, from);
    return found < 0 ? xml.size() : found + static_cast<qsizetype>(qstrlen(endMarker));
}

// Counts the "=" outside quotes up to the tag's closing ">"; sets *end just past it.
qsizetype attributesOfTag(const QByteArray &xml, qsizetype from, qsizetype *end)
{
    qsizetype count = 0;
    char quote = 0;
    qsizetype i = from;
    for (; i < xml.size(); ++i) {
        const char c = xml.at(i);
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '=') {
            ++count;
        } else if (c == '>') {
            break;
        }
    }
    *end = i + 1;
    return count;
}

} // namespace

qsizetype MarkupLimits::firstCrowdedTag(const QByteArray &xml, int limit)
{
    qsizetype i = xml.indexOf('<');
    while (i >= 0 && i < xml.size()) {
        const QByteArray rest = QByteArray::fromRawData(xml.constData() + i, xml.size() - i);
        qsizetype next = 0;
        if (rest.startsWith("<!--"))
            next = skipPast(xml, i + 4, "-->");
        else if (rest.startsWith("<![CDATA["))
            next = skipPast(xml, i + 9, "]]>");
        else if (rest.startsWith("<?"))
            next = skipPast(xml, i + 2, "?>");
        else if (rest.startsWith("<!"))
            next = skipPast(xml, i + 2, ">");
        else if (attributesOfTag(xml, i + 1, &next) > limit)
            return i;
        i = xml.indexOf('<', next);
    }
    return -1;
}
