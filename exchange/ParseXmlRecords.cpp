#include "exchange/ParseXmlRecords.h"

#include "core/Prompter.h"
#include "exchange/XmlRecordParser.h"

array_Datenfelder ParseXmlRecords(const QByteArray &reply, const QStringList &fieldNames, const QString &recordName)
{
    const XmlRecordParser parser(reply, {{recordName, fieldNames}});
    if (parser.failed()) {
        prompter().showMessage(parser.errorMessage(), {}, Prompter::Kind::Error);
        return {};
    }
    return parser.records(recordName);
}
