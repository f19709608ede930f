#include "exchange/ExchangeRun.h"

#include "core/LoginContext.h"
#include "core/Prompter.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/HttpClient.h"
#include "exchange/ListingDownloader.h"
#include "exchange/MasterDataLoader.h"
#include "exchange/SoftwareUpdate.h"
#include "exchange/TransferListUploader.h"
#include "store/Cp1252.h"
#include "store/Database.h"
#include "store/OptionFile.h"
#include "store/Statement.h"

ExchangeRun::ExchangeRun(HttpClient &client, Database &db, ExchangeProgress &progress, PictureDownloadPool &pictures)
    : m_client(client), m_db(db), m_progress(progress), m_pictures(pictures)
{
    const OptionFile options;
    m_dayCount = options.loadDays();
    m_load = options.load();
}

QString ExchangeRun::versionCheckUrl()
{
    return SoftwareUpdate::versionCheckUrl(loginContext().name);
}

void ExchangeRun::RunExchange(const Settings &settings)
{
    m_progress.setStatus(QStringLiteral("Datenabgleich ... (Zeitintensiv!)"));
    if (!versionIsCurrent()) {
        prompter().showMessage(
            QStringLiteral("Es besteht eine neue Version, bitte verwenden Sie das Menu Optionen => Softwareupdate"));
        m_progress.setProgress1(100);
        m_closeWindow = true;
        return;
    }
    removeEndedAuctions();

    if (settings.FetchData || m_load == 0) {
        m_progress.setStatus(QStringLiteral("Lade die allgemeinen Auktionsdaten"));
        MasterDataLoader masterData(m_client, m_db);
        masterData.setUid(settings.uid);
        masterData.setStatusSink([this](const QString &text) { m_progress.setStatus(text); });
        masterData.setRunLogSink([this](const QString &line) { m_progress.appendRunLog(line); });
        masterData.load();
        m_closeWindow = m_closeWindow || masterData.closeWindowAfterRun();
    }
    if (settings.SendTransferList) {
        TransferListUploader upload(m_client, m_db, m_progress);
        upload.UploadTransferList({settings.userName, settings.password});
        m_closeWindow = m_closeWindow || upload.closeWindowAfterRun();
    }
    if (settings.FetchData && settings.FetchListings) {
        m_progress.setStatus(QStringLiteral("Lade die allgemeinen Auktionsdaten"));
        ListingDownloader listings(m_client, m_db, m_progress, m_pictures);
        listings.LoadListings({settings.userName, settings.password, m_dayCount, settings.ReloadAll});
        m_closeWindow = m_closeWindow || listings.closeWindowAfterRun();
    }
    m_progress.setStatus(QStringLiteral("Datenübertragung abgeschlossen"));
    m_progress.setProgress1(100);
    m_progress.fillProgress2();
    prompter().showMessage(QStringLiteral("Die Übertragung ist nun abgeschlossen, Sie können nun das Fenster schließen!"));
}

bool ExchangeRun::versionIsCurrent()
{
    // Anything but "0" names a newer update, even an empty reply.
    return Cp1252::decode(m_client.get(versionCheckUrl())).trimmed() == QLatin1String("0");
}

void ExchangeRun::removeEndedAuctions()
{
    m_db.open();
    Statement::run(m_db,
                   QStringLiteral("DELETE FROM `auktionen` WHERE `userID`=:user AND `ende` < datetime('now','localtime') "
                                  "AND `artliste`=0 AND `aukID`=:house"),
                   {{QStringLiteral(":user"), loginContext().userID}, {QStringLiteral(":house"), loginContext().aukid}});
    m_db.close();
}
