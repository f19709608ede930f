// A master-data reply stored section by section into a real database.
#include "core/AppError.h"
#include "exchange/HttpClient.h"
#include "exchange/MasterDataLoader.h"
#include "exchange/QuietProgress.h"
#include "store/Database.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Database &database = FuzzInput::temporaryDatabase();
    // Never used for a request: the reply is handed over directly.
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    QuietProgress progress;
    MasterDataLoader loader(client, database, FuzzInput::session(), progress);
    try {
        loader.importReply(FuzzInput::bytes(data, size));
    } catch (const AppError &) {
        // Reported to the seller; the section keeps its old rows.
    }
    return 0;
}
