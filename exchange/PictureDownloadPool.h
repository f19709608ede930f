#pragma once

#include "exchange/CurlOptions.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// Downloads pictures in the background, a bounded number at a time, on one worker thread
// of its own. Each file is written under a temporary name and renamed when it arrived
// whole and begins like a JPEG, so a broken download or an error text in place of a
// picture leaves no file behind. A picture larger than MaxPictureBytes is dropped. Downloads outlive the exchange
// window; the pool's owner (the program) cancels what is left when it ends.
class PictureDownloadPool : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultParallel = 6;
    static constexpr int DefaultConnectTimeoutMs = 10000;
    static constexpr int DefaultStallTimeoutMs = 30000;
    static constexpr qint64 MaxPictureBytes = qint64(20) * 1024 * 1024;

    explicit PictureDownloadPool(int parallel = DefaultParallel, QObject *parent = nullptr);
    // Cancels what is queued and running and waits for the worker to stop.
    ~PictureDownloadPool() override;

    // The program's pool, installed by the program at start.
    static PictureDownloadPool *shared();
    static void setShared(PictureDownloadPool *pool);

    void setTimeouts(int connectMs, int stallMs);
    void setTotalTimeout(int milliseconds);
    // Queues a download; a target that is queued or loading already is not queued twice.
    void enqueue(const QString &url, const QString &targetPath);
    // Drops the queue and aborts the running downloads, leaving no partial files.
    void cancel();
    // Waits until nothing is queued or running; false on time-out.
    bool waitForIdle(int timeoutMs);
    int pending() const;
    // Removes the temporary files in folder that no download of this pool writes: the
    // remains of a run that was killed while it loaded.
    void removeStalePartFiles(const QString &folder) const;

signals:
    // Emitted from the worker thread; receivers in the window thread get it queued.
    void pictureStored(const QString &targetPath);
    void pictureFailed(const QString &targetPath);

private:
    struct Job {
        QString url;
        QString target;
    };
    class Transfers;

    CurlOptions curlOptions() const;
    void work();
    bool takeJobs(Transfers &transfers);
    void finished(const Job &job, bool ok);

    const int m_parallel;
    std::atomic<int> m_connectTimeoutMs{DefaultConnectTimeoutMs};
    std::atomic<int> m_stallTimeoutMs{DefaultStallTimeoutMs};
    std::atomic<int> m_totalTimeoutMs{CurlOptions::DefaultTotalTimeoutMs};
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Job> m_queue;
    QSet<QString> m_known;
    int m_running = 0;
    std::atomic<bool> m_cancel{false};
    bool m_stop = false;
    std::thread m_worker;
};
