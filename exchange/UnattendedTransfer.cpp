#include "exchange/UnattendedTransfer.h"

#include "core/AppError.h"
#include "core/AccountSession.h"
#include "core/Prompter.h"
#include "exchange/ExchangeRun.h"
#include "exchange/HttpClient.h"
#include "exchange/LinePrompter.h"
#include "exchange/LineProgress.h"
#include "exchange/PictureDownloadPool.h"
#include "exchange/TransferLock.h"
#include "store/Database.h"
#include "store/PictureFolder.h"

#include <atomic>
#include <memory>

namespace {

// The last message of a run that went through all its steps.

// Puts the run's own prompter in place for as long as it lives.
class PrompterInstallation {
public:
    explicit PrompterInstallation(Prompter &prompter) { setPrompter(&prompter); }
    ~PrompterInstallation() { setPrompter(nullptr); }
};

} // namespace

UnattendedTransfer::UnattendedTransfer(QString programDir, PictureDownloadPool &pictures, LineSink sink)
    : m_programDir(std::move(programDir)), m_pictures(pictures), m_sink(std::move(sink))
{
}

UnattendedTransfer::ExitCode UnattendedTransfer::run(const Options &options)
{
    ExitCode refusal = Success;
    const std::optional<StoredAccounts::Account> account = chooseAccount(options, refusal);
    if (!account)
        return refusal;
    TransferLock lock(m_programDir);
    if (!lock.acquire(0)) {
        m_sink(QStringLiteral("Eine andere Übertragung für diese Datenbank läuft gerade; warte auf ihr Ende ..."));
        if (!lock.acquire(options.lockWaitMs)) {
            m_sink(TransferLock::busyMessage());
            return StepFailed;
        }
    }
    return transfer(*account, options);
}

std::optional<StoredAccounts::Account> UnattendedTransfer::chooseAccount(const Options &options, ExitCode &refusal)
{
    refusal = WrongCall;
    std::vector<StoredAccounts::Account> accounts = StoredAccounts(m_programDir).accountsNamed(options.user);
    if (options.house) {
        std::vector<StoredAccounts::Account> atHouse;
        for (const auto &account : accounts) {
            if (account.aukid == *options.house)
                atHouse.push_back(account);
        }
        accounts = atHouse;
    }
    if (accounts.empty()) {
        m_sink(options.house ? QStringLiteral("Es ist kein Konto „%1“ beim Auktionshaus %2 gespeichert.")
                                   .arg(options.user)
                                   .arg(*options.house)
                             : QStringLiteral("Es ist kein Konto „%1“ gespeichert.").arg(options.user));
        return std::nullopt;
    }
    if (accounts.size() > 1) {
        m_sink(QStringLiteral("Das Konto „%1“ gibt es bei mehreren Auktionshäusern; bitte wählen Sie eines mit --house:")
                   .arg(options.user));
        for (const auto &account : accounts)
            m_sink(QStringLiteral("--house %1 (%2)").arg(account.aukid).arg(account.houseName));
        return std::nullopt;
    }
    return accounts.front();
}

AccountSession UnattendedTransfer::sessionOf(const StoredAccounts::Account &account) const
{
    AccountSession session;
    session.ProgramDir = m_programDir;
    session.house.aukid = account.aukid;
    session.house.name = account.houseName;
    session.house.url = account.houseUrl;
    session.house.MoneySymbol = account.moneySymbol;
    session.house.typ = account.typ;
    session.userID = account.userID;
    session.usern = account.usern;
    session.password = account.password;
    session.uid = account.uid;
    return session;
}

UnattendedTransfer::ExitCode UnattendedTransfer::transfer(const StoredAccounts::Account &account, const Options &options)
{
    const AccountSession session = sessionOf(account);
    PictureFolder(m_programDir).ensureExists();
    LinePrompter lines(m_sink);
    PrompterInstallation installed(lines);
    LineProgress progress(m_sink);
    HttpClient client(HttpClient::Kind::ExchangeWindow);
    Database db(m_programDir);
    // Failures are signalled from the download threads, also after the pool went idle.
    auto failedPictures = std::make_shared<std::atomic<int>>(0);
    const auto counting = QObject::connect(
        &m_pictures, &PictureDownloadPool::pictureFailed, &m_pictures, [failedPictures](const QString &) { ++*failedPictures; },
        Qt::DirectConnection);
    ExchangeRun run(client, db, session, progress, m_pictures);
    const bool runEnded =
        run.runReportingErrors({account.usern, account.password, account.uid, true, options.upload, true, options.reloadAll});
    db.close();
    const bool picturesOk = waitForPictures(options.pictureWaitMs, *failedPictures);
    QObject::disconnect(counting);
    const bool completed = runEnded && progress.completed();
    return completed && !progress.failed() && !lines.errorShown() && picturesOk ? Success : StepFailed;
}

bool UnattendedTransfer::waitForPictures(int timeoutMs, const std::atomic<int> &failed)
{
    const bool idle = m_pictures.waitForIdle(timeoutMs);
    if (!idle) {
        m_sink(QStringLiteral("Die Bilder wurden nicht rechtzeitig heruntergeladen."));
        m_pictures.cancel();
        return false;
    }
    if (failed > 0)
        m_sink(QStringLiteral("%1 Bilder konnten nicht heruntergeladen werden.").arg(failed.load()));
    return failed == 0;
}
