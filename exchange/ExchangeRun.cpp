#include "exchange/ExchangeRun.h"

#include "core/AccountSession.h"
#include "core/ErrorGuard.h"
#include "core/ProgramInfo.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/HttpClient.h"
#include "exchange/ListingDownloader.h"
#include "exchange/MasterDataLoader.h"
#include "exchange/SoftwareUpdate.h"
#include "exchange/TransferListUploader.h"
#include "store/Cp1252.h"
#include "store/Database.h"
#include "store/Listings.h"
#include "store/OptionFile.h"

ExchangeRun::ExchangeRun(HttpClient &client, Database &db, const AccountSession &session, ExchangeProgress &progress,
                         PictureDownloadPool &pictures)
    : m_client(client), m_db(db), m_session(session), m_progress(progress), m_pictures(pictures)
{
    const OptionFile options(session.ProgramDir);
    m_dayCount = options.loadDays();
    m_load = options.load();
}

QString ExchangeRun::versionCheckUrl(const AccountSession &session)
{
    return SoftwareUpdate::versionCheckUrl(session.house.name);
}

void ExchangeRun::RunExchange(const Settings &settings)
{
    m_progress.setStatus(QStringLiteral("Datenabgleich ... (Zeitintensiv!)"));
    if (!versionIsCurrent()) {
        m_progress.report(ExchangeProgress::ReportKind::NewVersion, ExchangeMessages::newVersion());
        m_progress.setProgress1(100);
        m_closeWindow = true;
        return;
    }
    removeEndedAuctions();

    if (settings.FetchData || m_load == 0) {
        m_progress.setStatus(QStringLiteral("Lade die allgemeinen Auktionsdaten"));
        MasterDataLoader masterData(m_client, m_db, m_session, m_progress);
        masterData.setUid(settings.uid);
        masterData.load();
        m_closeWindow = m_closeWindow || masterData.closeWindowAfterRun();
    }
    if (settings.SendTransferList) {
        TransferListUploader upload(m_client, m_db, m_session, m_progress);
        upload.UploadTransferList({settings.userName, settings.password});
        m_closeWindow = m_closeWindow || upload.closeWindowAfterRun();
    }
    if (settings.FetchData && settings.FetchListings) {
        m_progress.setStatus(QStringLiteral("Lade die allgemeinen Auktionsdaten"));
        ListingDownloader listings(m_client, m_db, m_session, m_progress, m_pictures);
        listings.LoadListings({settings.userName, settings.password, m_dayCount, settings.ReloadAll});
        m_closeWindow = m_closeWindow || listings.closeWindowAfterRun();
    }
    m_progress.setStatus(QStringLiteral("Datenübertragung abgeschlossen"));
    m_progress.setProgress1(100);
    m_progress.fillProgress2();
    m_progress.report(ExchangeProgress::ReportKind::Completed, ExchangeMessages::transferCompleted());
}

bool ExchangeRun::runReportingErrors(const Settings &settings)
{
    try {
        RunExchange(settings);
        return true;
    } catch (...) {
        m_progress.report(ExchangeProgress::ReportKind::UnhandledError, currentErrorText());
        return false;
    }
}

bool ExchangeRun::versionIsCurrent()
{
    // Anything but "0" names a newer update, even an empty reply.
    return Cp1252::decode(m_client.get(versionCheckUrl(m_session))).trimmed() == QLatin1String("0");
}

void ExchangeRun::removeEndedAuctions()
{
    m_db.open();
    Listings(m_db, m_session).removeEndedRunning();
    m_db.close();
}
