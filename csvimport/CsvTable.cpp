#include "csvimport/CsvTable.h"

#include "core/AppError.h"
#include "csvimport/TCSVReader.h"
#include "store/Cp1252.h"

#include <QFile>

#include <algorithm>

CsvTable CsvTable::load(const QString &path, char separator)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw AppError(QStringLiteral("Die Datei %1 kann nicht geöffnet werden: %2")
                           .arg(path, file.errorString()));
    }
    return parse(file.readAll(), separator);
}

CsvTable CsvTable::parse(const QByteArray &content, char separator)
{
    CsvTable table;
    TCSVReader reader(content, separator);
    table.m_utf8 = reader.isUtf8();
    bool headerSeen = false;
    for (reader.ReadLine(); !reader.Eof(); reader.ReadLine()) {
        const int count = reader.FieldCount();
        if (count == 0)
            continue;
        QStringList fields;
        fields.reserve(count);
        for (int i = 0; i < count; ++i)
            fields.append(reader.GetField(i));
        table.m_columnCount = std::max(table.m_columnCount, count);
        table.m_separatorFound = table.m_separatorFound || count > 1;
        if (!headerSeen) {
            table.m_headers = fields;
            headerSeen = true;
        } else {
            table.m_rows.push_back({reader.LineNumber(), fields});
        }
    }
    return table;
}

char CsvTable::separatorFromText(const QString &text)
{
    if (text.isEmpty())
        return '\0';
    if (text.compare(QLatin1String("Tab"), Qt::CaseInsensitive) == 0)
        return '\t';
    const int byte = Cp1252::byteOf(text.at(0).unicode());
    return byte < 0 ? '\0' : static_cast<char>(byte);
}
