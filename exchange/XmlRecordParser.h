#pragma once

#include "exchange/array_Datenfelder.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// Reads a server reply that is a flat list of records: elements directly under the root
// element (whatever its name). One pass over the document collects every record kind
// asked for. The reply bytes are Windows-1252, whatever the XML declaration says.
class XmlRecordParser {
public:
    struct RecordKind {
        QString recordName;
        QStringList fieldNames;
    };

    // A record with more child elements than this is refused: no server sends such a
    // record, and reading it could only cost time.
    static constexpr int MaxFieldsPerRecord = 10000;

    XmlRecordParser(const QByteArray &reply, const QList<RecordKind> &kinds);

    bool failed() const { return m_failed; }
    // The message for the user when the reply is not well-formed XML.
    QString errorMessage() const;
    // One row per record of the kind: the text of each asked field in the order asked,
    // then one empty entry. Empty when the document could not be read.
    array_Datenfelder records(const QString &recordName) const;

private:
    class Reader;

    QHash<QString, array_Datenfelder> m_records;
    bool m_failed = false;
    int m_errorCode = 0;
    QString m_errorReason;
};
