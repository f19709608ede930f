#include "csvimport/TCSVReader.h"

#include "core/AppError.h"
#include "store/Cp1252.h"

#include <QIODevice>
#include <QLocale>
#include <QStringDecoder>

#include <algorithm>

namespace {

const QByteArray Utf8ByteOrderMark("\xEF\xBB\xBF");

bool isValidUtf8(const char *bytes, int length)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = decoder.decode(QByteArrayView(bytes, length));
    return !decoder.hasError();
}

} // namespace

TCSVReader::TCSVReader(QIODevice &stream, char separator) : m_buffer(stream.readAll())
{
    setUp(separator);
}

TCSVReader::TCSVReader(const QByteArray &content, char separator) : m_buffer(content)
{
    setUp(separator);
}

void TCSVReader::setUp(char separator)
{
    m_size = static_cast<int>(m_buffer.size());
    // The added carriage return ends the last line even when the file does not; scanning
    // never goes beyond it.
    m_buffer.append('\r').append('\0');
    m_contentStart = m_buffer.startsWith(Utf8ByteOrderMark) ? static_cast<int>(Utf8ByteOrderMark.size()) : 0;
    m_utf8 = isValidUtf8(m_buffer.constData() + m_contentStart, m_size - m_contentStart);
    m_separator = separator != '\0' ? separator : systemListSeparator();
    m_fields.resize(InitialFieldCapacity);
    Reset();
}

char TCSVReader::systemListSeparator()
{
    return QLocale().decimalPoint() == QLatin1String(",") ? ';' : ',';
}

void TCSVReader::Reset()
{
    m_cursor = m_contentStart;
    m_atEnd = false;
    m_eof = false;
    m_fieldCount = 0;
    m_lineNumber = 0;
    m_nextLineNumber = 1;
}

bool TCSVReader::isLineEnd(int position) const
{
    const char byte = m_buffer.at(position);
    return position >= m_size || byte == '\r' || byte == '\n';
}

int TCSVReader::lineBreakLength(int position) const
{
    return m_buffer.at(position) == '\r' && position + 1 < m_size && m_buffer.at(position + 1) == '\n' ? 2 : 1;
}

int TCSVReader::skipQuoted(int position, bool *unclosed)
{
    const char *bytes = m_buffer.constData();
    int p = position + 1;
    while (p < m_size) {
        if (bytes[p] == QuoteChar) {
            if (p + 1 < m_size && bytes[p + 1] == QuoteChar) {
                p += 2;
                continue;
            }
            return p + 1;
        }
        if (isLineEnd(p)) {
            p += lineBreakLength(p);
            ++m_nextLineNumber;
            continue;
        }
        ++p;
    }
    *unclosed = true;
    return m_size;
}

void TCSVReader::storeField(int start, int end, bool unclosed)
{
    if (m_fieldCount == static_cast<int>(m_fields.size()))
        m_fields.resize(m_fields.size() * 2);
    m_fields[static_cast<size_t>(m_fieldCount++)] = {start, end - start, unclosed};
}

void TCSVReader::ReadLine()
{
    m_fieldCount = 0;
    if (m_atEnd) {
        if (m_eof)
            throw AppError(QStringLiteral("Try to read past eof"));
        m_eof = true;
        return;
    }
    m_lineNumber = m_nextLineNumber;
    const char *bytes = m_buffer.constData();
    int start = m_cursor;
    int p = m_cursor;
    bool unclosed = false;
    if (bytes[p] == QuoteChar && p < m_size)
        p = skipQuoted(p, &unclosed);
    while (!isLineEnd(p)) {
        if (bytes[p] != m_separator) {
            ++p;
            continue;
        }
        storeField(start, p, unclosed);
        start = ++p;
        unclosed = false;
        if (bytes[p] == QuoteChar && p < m_size)
            p = skipQuoted(p, &unclosed);
    }
    if (p != m_cursor)
        storeField(start, p, unclosed);
    ++m_nextLineNumber;
    if (p >= m_size) {
        m_atEnd = true;
        m_cursor = m_size;
    } else {
        m_cursor = p + lineBreakLength(p);
    }
}

QString TCSVReader::decode(const char *bytes, int length) const
{
    if (m_utf8)
        return QString::fromUtf8(bytes, length);
    return Cp1252::decode(QByteArray::fromRawData(bytes, length));
}

QString TCSVReader::GetField(int index) const
{
    const FieldView &field = m_fields[static_cast<size_t>(index)];
    const char *bytes = m_buffer.constData() + field.start;
    if (field.length == 0)
        return QString();
    if (bytes[0] != QuoteChar)
        return decode(bytes, field.length);
    // Without its opening quote and, when the field was closed, its last byte; each
    // doubled quote inside stands for one.
    const int innerLength = field.unclosed ? field.length - 1 : field.length - 2;
    QByteArray inner;
    inner.reserve(std::max(0, innerLength));
    for (int i = 1; i <= innerLength; ++i) {
        inner.append(bytes[i]);
        if (bytes[i] == QuoteChar && i < innerLength && bytes[i + 1] == QuoteChar)
            ++i;
    }
    return decode(inner.constData(), static_cast<int>(inner.size()));
}
