#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The lines of one CSV file as the import wizard shows and imports them: the header
// line first, then one entry per data line with the line of the file it starts on.
class CsvTable {
public:
    struct Line {
        int fileLine = 0;
        QStringList fields;
    };

    CsvTable() = default;

    // Reads the file with the given separator (0: the system's list separator). Raises
    // AppError with a German message when the file cannot be opened.
    static CsvTable load(const QString &path, char separator);
    static CsvTable parse(const QByteArray &content, char separator);
    // The separator the wizard's field stands for: its first character, a tab for a
    // typed tab or the word "Tab", and 0 (the system's list separator) when it is empty.
    static char separatorFromText(const QString &text);

    const QStringList &headers() const { return m_headers; }
    // Data lines: every line after the header that holds at least one field.
    const std::vector<Line> &rows() const { return m_rows; }
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // The widest line, header included.
    int columnCount() const { return m_columnCount; }
    // False when no line was split into more than one field (the separator is probably wrong).
    bool separatorFound() const { return m_separatorFound; }
    bool isUtf8() const { return m_utf8; }

private:
    QStringList m_headers;
    std::vector<Line> m_rows;
    int m_columnCount = 0;
    bool m_separatorFound = false;
    bool m_utf8 = false;
};
