#include "exchange/ParseXmlRecords.h"

#include "exchange/XmlRecordParser.h"

array_Datenfelder ParseXmlRecords(const QByteArray &reply, const QStringList &fieldNames, const QString &recordName,
                                  QString *error)
{
    const XmlRecordParser parser(reply, {{recordName, fieldNames}});
    if (parser.failed()) {
        if (error)
            *error = parser.errorMessage();
        return {};
    }
    return parser.records(recordName);
}
