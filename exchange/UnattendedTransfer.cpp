#include "exchange/UnattendedTransfer.h"

#include "core/AppError.h"
#include "core/LoginContext.h"
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
const QString RunCompleted = QStringLiteral("Die Übertragung ist nun abgeschlossen, Sie können nun das Fenster schließen!");

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

void UnattendedTransfer::enterAccount(const StoredAccounts::Account &account) const
{
    // The steps of a run still read the account from the login context.
    LoginContext &context = loginContext();
    context.ProgramDir = m_programDir;
    context.aukid = account.aukid;
    context.name = account.houseName;
    context.url = account.houseUrl;
    context.MoneySymbol = account.moneySymbol;
    context.typ = account.typ;
    context.userID = account.userID;
    context.usern = account.usern;
    context.password = account.password;
    context.uid = account.uid;
}

UnattendedTransfer::ExitCode UnattendedTransfer::transfer(const StoredAccounts::Account &account, const Options &options)
{
    enterAccount(account);
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
    bool runEnded = true;
    try {
        ExchangeRun run(client, db, progress, m_pictures);
        run.RunExchange({account.usern, account.password, account.uid, true, options.upload, true, options.reloadAll});
    } catch (const AppError &error) {
        m_sink(LinePrompter::oneLine(error.text()));
        runEnded = false;
    }
    db.close();
    const bool picturesOk = waitForPictures(options.pictureWaitMs, *failedPictures);
    QObject::disconnect(counting);
    const bool completed = runEnded && lines.messages().contains(RunCompleted);
    return completed && !lines.errorShown() && picturesOk ? Success : StepFailed;
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
