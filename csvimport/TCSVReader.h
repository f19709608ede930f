#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

class QIODevice;

// Reads a delimited text file held whole in one buffer and hands it out one line at a
// time. Fields are kept as positions into the buffer and decoded only when asked for.
// A line ends at CR LF, LF or CR. The text is UTF-8 when the whole content is valid
// UTF-8 (a byte-order mark is skipped), otherwise Windows-1252.
class TCSVReader {
public:
    // Reads the stream completely; the stream stays the caller's. A zero separator
    // selects the system's list separator.
    TCSVReader(QIODevice &stream, char separator);
    TCSVReader(const QByteArray &content, char separator);

    // Back to the first line.
    void Reset();
    // Splits the next line into fields. Raises AppError once Eof is set.
    void ReadLine();
    int FieldCount() const { return m_fieldCount; }
    // The decoded text of field index (0 <= index < FieldCount()).
    QString GetField(int index) const;
    bool Eof() const { return m_eof; }

    // The 1-based line of the file where the current line begins (a quoted field may
    // span several lines of the file).
    int LineNumber() const { return m_lineNumber; }
    bool isUtf8() const { return m_utf8; }
    char separator() const { return m_separator; }
    // The list separator of the user's locale: ";" where the decimal separator is the comma.
    static char systemListSeparator();

private:
    struct FieldView {
        int start = 0;
        int length = 0;
        // A quoted field whose closing quote never came: it runs to the end of the content.
        bool unclosed = false;
    };

    void setUp(char separator);
    bool isLineEnd(int position) const;
    // From an opening quote to the byte after its closing quote, or to the content's end.
    int skipQuoted(int position, bool *unclosed);
    void storeField(int start, int end, bool unclosed);
    int lineBreakLength(int position) const;
    QString decode(const char *bytes, int length) const;

    static constexpr char QuoteChar = '"';
    static constexpr int InitialFieldCapacity = 100;

    QByteArray m_buffer;
    int m_size = 0; // bytes of content; the buffer holds two more: CR and zero
    int m_contentStart = 0;
    int m_cursor = 0;
    char m_separator = ';';
    bool m_utf8 = false;
    bool m_atEnd = false;
    bool m_eof = false;
    std::vector<FieldView> m_fields;
    int m_fieldCount = 0;
    int m_lineNumber = 0;
    int m_nextLineNumber = 1;
};
