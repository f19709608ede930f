// A listing page as the download stores it: read, then written into a real database in a
// transaction that is rolled back, so every input starts from the same database.
#include "core/AccountSession.h"
#include "core/AppError.h"
#include "exchange/XmlRecordParser.h"
#include "store/Database.h"
#include "store/InsertRecords.h"
#include "store/Listings.h"
#include "store/Transaction.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Database &database = FuzzInput::temporaryDatabase();
    const QString listings = QStringLiteral("auktionen");
    const XmlRecordParser parser(FuzzInput::bytes(data, size), {{listings, Listings::downloadedFieldNames()}});
    const array_Datenfelder records = parser.records(listings);
    if (records.isEmpty())
        return 0;
    const AccountSession &account = FuzzInput::session();
    const QStringList extraValues = {QStringLiteral("0"), QString::number(account.house.aukid),
                                     QString::number(account.userID)};
    Transaction unit(database);
    try {
        InsertRecords(database, listings, extraValues, records, Listings::downloadedColumns());
    } catch (const AppError &) {
        // A date that does not convert: the page is refused, nothing stored.
    }
    return 0;
}
