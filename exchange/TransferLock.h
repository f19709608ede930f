#pragma once

#include <QLockFile>
#include <QString>

// Keeps transfer runs on one database apart: the open program's exchange window and
// unattended runs from the command line take this lock ("transfer.lock" in the program's
// directory) for the whole run, so two runs never interleave their uploads and downloads.
// A lock left by a program that ended is taken over.
class TransferLock {
public:
    explicit TransferLock(const QString &programDir);
    ~TransferLock();
    TransferLock(const TransferLock &) = delete;
    TransferLock &operator=(const TransferLock &) = delete;

    // Waits at most waitMs (0: not at all); true when the lock is held.
    bool acquire(int waitMs);
    bool isHeld() const { return m_lock.isLocked(); }
    QString path() const { return m_path; }

    static QString fileName() { return QStringLiteral("transfer.lock"); }
    static QString busyMessage();

private:
    QString m_path;
    QLockFile m_lock;
};
