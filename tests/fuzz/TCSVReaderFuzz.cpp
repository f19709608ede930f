// The CSV reader on any file: the first byte picks the separator, the rest is the file.
// Every line and field is read, then the file is read once more from the start.
#include "core/AppError.h"
#include "csvimport/TCSVReader.h"
#include "tests/fuzz/FuzzInput.h"

#include <QStringList>

namespace {

// The separators files come with; any other first byte gives zero, the locale's list separator.
char separatorFor(uint8_t choice)
{
    const char separator = static_cast<char>(choice);
    return QByteArray(";,\t|").contains(separator) ? separator : '\0';
}

// Every field of every line, one list per line; checks what holds for any file on the way.
QList<QStringList> readAll(TCSVReader &reader, qsizetype contentSize, qsizetype lineBreaks)
{
    QList<QStringList> lines;
    qsizetype decodedCharacters = 0;
    int previousLine = 0;
    for (reader.ReadLine(); !reader.Eof(); reader.ReadLine()) {
        FuzzInput::require(reader.LineNumber() > previousLine, "line numbers go forward");
        FuzzInput::require(reader.LineNumber() <= lineBreaks + 1, "a line number counts the line breaks before it");
        FuzzInput::require(lines.size() <= contentSize, "every line but the last takes at least one byte");
        previousLine = reader.LineNumber();
        QStringList fields;
        for (int i = 0; i < reader.FieldCount(); ++i)
            fields.append(reader.GetField(i));
        for (const QString &field : fields)
            decodedCharacters += field.size();
        lines.append(fields);
    }
    FuzzInput::require(decodedCharacters <= contentSize, "no byte is read into two fields");
    return lines;
}

bool refusesReadingPastEnd(TCSVReader &reader)
{
    try {
        reader.ReadLine();
    } catch (const AppError &) {
        return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray content = FuzzInput::bytes(data + 1, size - 1);
    const qsizetype lineBreaks = content.count('\r') + content.count('\n');
    TCSVReader reader(content, separatorFor(data[0]));
    const QList<QStringList> lines = readAll(reader, content.size(), lineBreaks);
    FuzzInput::require(refusesReadingPastEnd(reader), "reading past the end is an error");
    reader.Reset();
    FuzzInput::require(readAll(reader, content.size(), lineBreaks) == lines, "a reset reads the same lines again");
    return 0;
}
