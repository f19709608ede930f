#pragma once

#include "core/AccountSession.h"
#include "store/StoredAccounts.h"

#include <QString>
#include <atomic>
#include <functional>
#include <optional>

class PictureDownloadPool;

// The transfer run of "Alle Aufgaben erledigen" for a stored account, without a window:
// version check, removal of ended auctions, master data, upload of the transfer list,
// listings and their pictures. Every message becomes one German line for the log.
class UnattendedTransfer {
public:
    enum ExitCode {
        Success = 0,
        // A step failed, the server refused, or another run kept the database busy.
        StepFailed = 1,
        // Wrong command line, unknown or ambiguous account.
        WrongCall = 2,
    };

    struct Options {
        QString user;
        std::optional<int> house;
        bool reloadAll = false;
        bool upload = true;
        // How long to wait for another run on the same database before giving up.
        int lockWaitMs = 30 * 60 * 1000;
        int pictureWaitMs = 30 * 60 * 1000;
    };

    using LineSink = std::function<void(const QString &line)>;

    // programDir ends with "/"; pictures is the pool the run's picture downloads go to.
    UnattendedTransfer(QString programDir, PictureDownloadPool &pictures, LineSink sink);

    ExitCode run(const Options &options);

private:
    std::optional<StoredAccounts::Account> chooseAccount(const Options &options, ExitCode &refusal);
    ExitCode transfer(const StoredAccounts::Account &account, const Options &options);
    AccountSession sessionOf(const StoredAccounts::Account &account) const;
    bool waitForPictures(int timeoutMs, const std::atomic<int> &failed);

    QString m_programDir;
    PictureDownloadPool &m_pictures;
    LineSink m_sink;
};
