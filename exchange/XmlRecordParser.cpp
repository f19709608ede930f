#include "exchange/XmlRecordParser.h"

#include "exchange/MarkupLimits.h"
#include "store/Cp1252.h"

#include <QXmlStreamReader>

namespace {

qsizetype indexOfName(const QStringList &names, QStringView name)
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (name == names.at(i))
            return i;
    }
    return -1;
}

} // namespace

// Walks the document once, keeping the records of the kinds asked for.
class XmlRecordParser::Reader {
public:
    Reader(const QByteArray &reply, const QList<RecordKind> &kinds, QHash<QString, array_Datenfelder> &records)
        // Decoded here so that an encoding named in the declaration cannot change the text.
        : m_xml(Cp1252::decode(reply)), m_kinds(kinds), m_records(records)
    {
        for (const RecordKind &kind : kinds)
            m_recordNames.append(kind.recordName);
    }

    QXmlStreamReader &xml() { return m_xml; }

    void readDocument()
    {
        if (!m_xml.readNextStartElement())
            return;
        while (m_xml.readNextStartElement())
            readRootChild();
        while (!m_xml.atEnd())
            m_xml.readNext();
    }

private:
    void readRootChild()
    {
        const qsizetype kind = indexOfName(m_recordNames, m_xml.name());
        if (kind < 0) {
            m_xml.skipCurrentElement();
            return;
        }
        m_records[m_recordNames.at(kind)].append(readRecord(m_kinds.at(kind).fieldNames));
    }

    QStringList readRecord(const QStringList &fieldNames)
    {
        QStringList row(fieldNames.size() + 1);
        QList<bool> seen(fieldNames.size(), false);
        qsizetype expected = 0;
        for (int children = 1; m_xml.readNextStartElement(); ++children) {
            if (children > MaxFieldsPerRecord) {
                m_xml.raiseError(QStringLiteral("Ein Datensatz hat mehr als %1 Felder").arg(MaxFieldsPerRecord));
                return row;
            }
            // Servers send the fields in their usual order: try the next one first.
            const qsizetype field = expected < fieldNames.size() && m_xml.name() == fieldNames.at(expected)
                ? expected
                : indexOfName(fieldNames, m_xml.name());
            expected = field + 1;
            if (field < 0 || seen.at(field)) {
                m_xml.skipCurrentElement();
                continue;
            }
            seen[field] = true;
            row[field] = readFieldText();
        }
        return row;
    }

    // The text of the field and of everything nested in it. Read in a loop, not by
    // descending into each child, so that no depth of nesting can exhaust the stack.
    QString readFieldText()
    {
        QString text;
        for (qsizetype depth = 1; depth > 0 && !m_xml.atEnd();) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement:
                ++depth;
                break;
            case QXmlStreamReader::EndElement:
                --depth;
                break;
            case QXmlStreamReader::Characters:
            case QXmlStreamReader::EntityReference:
                text += m_xml.text();
                break;
            default:
                break;
            }
        }
        return text;
    }

    QXmlStreamReader m_xml;
    const QList<RecordKind> &m_kinds;
    QStringList m_recordNames;
    QHash<QString, array_Datenfelder> &m_records;
};

XmlRecordParser::XmlRecordParser(const QByteArray &reply, const QList<RecordKind> &kinds)
{
    const qsizetype crowded = MarkupLimits::firstCrowdedTag(reply);
    if (crowded >= 0) {
        m_failed = true;
        m_errorCode = static_cast<int>(QXmlStreamReader::CustomError);
        m_errorReason = QStringLiteral("Ein Element hat mehr als %1 Attribute (Zeile %2)")
                            .arg(MarkupLimits::MaxAttributesPerElement)
                            .arg(reply.left(crowded).count('\n') + 1);
        return;
    }
    Reader reader(reply, kinds, m_records);
    reader.readDocument();
    QXmlStreamReader &xml = reader.xml();
    if (xml.hasError()) {
        m_failed = true;
        m_errorCode = static_cast<int>(xml.error());
        m_errorReason = QStringLiteral("%1 (Zeile %2, Spalte %3)")
                            .arg(xml.errorString())
                            .arg(xml.lineNumber())
                            .arg(xml.columnNumber());
        m_records.clear();
    }
}

QString XmlRecordParser::errorMessage() const
{
    return QStringLiteral("XML-Error bei der Datenübername!\r\nBitte geben Sie diesen Fehler weiter: ")
        + QString::number(m_errorCode) + QStringLiteral("\r\n") + m_errorReason;
}

array_Datenfelder XmlRecordParser::records(const QString &recordName) const
{
    return m_records.value(recordName);
}
