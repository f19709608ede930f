// A transfer step in a process of its own, for the tests that kill it midway:
//   transfer_child PROGRAMDIR URL USERID USER PASSWORD listings|masterdata
// Exit status 0 when the step ran to its end.
#include "core/AppError.h"
#include "core/AccountSession.h"
#include "core/ProcessLocale.h"
#include "exchange/QuietProgress.h"
#include "exchange/HttpClient.h"
#include "exchange/ListingDownloader.h"
#include "exchange/MasterDataLoader.h"
#include "exchange/PictureDownloadPool.h"
#include "store/Database.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

int loadListings(const AccountSession &session, const QStringList &args)
{
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    Database db(session.ProgramDir);
    QuietProgress progress;
    PictureDownloadPool pictures;
    ListingDownloader downloader(client, db, session, progress, pictures);
    downloader.LoadListings({args.at(4), args.at(5), 60, false});
    return pictures.waitForIdle(60000) ? 0 : 3;
}

int loadMasterData(const AccountSession &session)
{
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    Database db(session.ProgramDir);
    QuietProgress progress;
    MasterDataLoader loader(client, db, session, progress);
    loader.load();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 7) {
        std::fputs("transfer_child PROGRAMDIR URL USERID USER PASSWORD listings|masterdata\n", stderr);
        return 2;
    }
    AccountSession session;
    session.ProgramDir = args.at(1);
    session.house.url = args.at(2);
    session.userID = args.at(3).toInt();
    session.usern = args.at(4);
    session.password = args.at(5);
    session.house.aukid = 11;
    session.house.typ = 0;
    ProcessLocale::useDecimalComma();
    try {
        return args.at(6) == QLatin1String("listings") ? loadListings(session, args) : loadMasterData(session);
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.text()));
        return 1;
    }
}
