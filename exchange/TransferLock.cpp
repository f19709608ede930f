#include "exchange/TransferLock.h"

TransferLock::TransferLock(const QString &programDir) : m_path(programDir + fileName()), m_lock(m_path)
{
    // A run may take many minutes; only a lock whose program has ended counts as stale.
    m_lock.setStaleLockTime(0);
}

TransferLock::~TransferLock() = default;

bool TransferLock::acquire(int waitMs)
{
    return m_lock.isLocked() || m_lock.tryLock(waitMs);
}

QString TransferLock::busyMessage()
{
    return QStringLiteral("Gerade läuft schon eine Übertragung für diese Datenbank (im Programm oder als geplanter "
                          "Lauf). Bitte versuchen Sie es nach deren Ende erneut.");
}
