// Any reply, read for every record kind the program asks for.
#include "exchange/XmlRecordParser.h"
#include "store/Listings.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<XmlRecordParser::RecordKind> kinds = {
        {QStringLiteral("auktionen"), Listings::downloadedFieldNames()},
        {QStringLiteral("pages"), {QStringLiteral("max")}},
        {QStringLiteral("kategorien"), {QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("pid")}},
    };
    const XmlRecordParser parser(FuzzInput::bytes(data, size), kinds);
    if (parser.failed()) {
        FuzzInput::require(!parser.errorMessage().isEmpty(), "a failure has a message");
        return 0;
    }
    for (const XmlRecordParser::RecordKind &kind : kinds) {
        for (const QStringList &row : parser.records(kind.recordName))
            FuzzInput::require(row.size() == kind.fieldNames.size() + 1, "one entry per field and an empty last one");
    }
    return 0;
}
