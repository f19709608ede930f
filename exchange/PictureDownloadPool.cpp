#include "exchange/PictureDownloadPool.h"

#include "exchange/HttpClient.h"
#include "exchange/JpegSignature.h"
#include "exchange/WireUrl.h"

#include <QDir>
#include <QFile>

#include <chrono>
#include <cstdio>
#include <list>

#include <curl/curl.h>

namespace {
PictureDownloadPool *sharedPool = nullptr;

const QString PartSuffix = QStringLiteral(".part");
} // namespace

// The transfers running at one moment on the worker thread.
class PictureDownloadPool::Transfers {
public:
    struct Running {
        Job job;
        CURL *easy = nullptr;
        std::FILE *file = nullptr;
        QString partPath;
        qint64 written = 0;
        QByteArray head;
        bool refused = false;
    };

    Transfers() : m_multi(curl_multi_init()) {}
    ~Transfers()
    {
        abortAll();
        curl_multi_cleanup(m_multi);
    }

    int count() const { return static_cast<int>(m_running.size()); }

    // False when the temporary file cannot be created.
    bool start(const Job &job, const CurlOptions &options)
    {
        Running transfer;
        transfer.job = job;
        transfer.easy = curl_easy_init();
        transfer.partPath = job.target + PartSuffix;
        transfer.file = std::fopen(QFile::encodeName(transfer.partPath).constData(), "wb");
        if (!transfer.file || !transfer.easy) {
            if (transfer.file)
                std::fclose(transfer.file);
            curl_easy_cleanup(transfer.easy);
            return false;
        }
        m_running.push_back(transfer);
        Running &running = m_running.back();
        const QByteArray url = wireUrl(job.url);
        curl_easy_setopt(running.easy, CURLOPT_URL, url.constData());
        options.applyTo(running.easy);
        curl_easy_setopt(running.easy, CURLOPT_WRITEFUNCTION, &Transfers::write);
        curl_easy_setopt(running.easy, CURLOPT_WRITEDATA, &running);
        curl_easy_setopt(running.easy, CURLOPT_FAILONERROR, 1L);
        curl_easy_setopt(running.easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(MaxPictureBytes));
        curl_multi_add_handle(m_multi, running.easy);
        return true;
    }

    // Runs the transfers for a moment; calls done for each that ended.
    template <typename Done> void step(Done done)
    {
        int active = 0;
        curl_multi_perform(m_multi, &active);
        curl_multi_poll(m_multi, nullptr, 0, 100, nullptr);
        curl_multi_perform(m_multi, &active);
        int left = 0;
        while (CURLMsg *message = curl_multi_info_read(m_multi, &left)) {
            if (message->msg != CURLMSG_DONE)
                continue;
            for (auto it = m_running.begin(); it != m_running.end(); ++it) {
                if (it->easy != message->easy_handle)
                    continue;
                const bool ok = complete(*it, message->data.result == CURLE_OK);
                const Job job = it->job;
                m_running.erase(it);
                done(job, ok);
                break;
            }
        }
    }

    void wakeUp() { curl_multi_wakeup(m_multi); }

    void abortAll()
    {
        for (Running &transfer : m_running)
            complete(transfer, false);
        m_running.clear();
    }

private:
    // Ends the transfer (by returning less than given) once it grows beyond a picture or
    // does not begin like one.
    static size_t write(char *data, size_t size, size_t count, void *context)
    {
        auto *transfer = static_cast<Running *>(context);
        const size_t length = size * count;
        transfer->written += static_cast<qint64>(length);
        if (transfer->head.size() < 3)
            transfer->head.append(data, static_cast<qsizetype>(std::min<size_t>(length, 3)));
        const bool plausible = transfer->written <= MaxPictureBytes
            && (transfer->head.size() < 3 || startsLikeJpeg(transfer->head));
        if (!plausible) {
            transfer->refused = true;
            return 0;
        }
        return std::fwrite(data, 1, length, transfer->file);
    }

    bool complete(Running &transfer, bool ok)
    {
        curl_multi_remove_handle(m_multi, transfer.easy);
        curl_easy_cleanup(transfer.easy);
        ok = std::fclose(transfer.file) == 0 && ok && !transfer.refused && startsLikeJpeg(transfer.head);
        // rename() replaces an existing picture of that name in one step.
        if (ok && std::rename(QFile::encodeName(transfer.partPath).constData(),
                              QFile::encodeName(transfer.job.target).constData()) == 0)
            return true;
        QFile::remove(transfer.partPath);
        return false;
    }

    CURLM *m_multi;
    std::list<Running> m_running;
};

PictureDownloadPool::PictureDownloadPool(int parallel, QObject *parent)
    : QObject(parent), m_parallel(std::max(1, parallel))
{
    HttpClient::initTransport();
    m_worker = std::thread([this] { work(); });
}

PictureDownloadPool::~PictureDownloadPool()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
        m_queue.clear();
    }
    m_cancel = true;
    m_wake.notify_all();
    m_worker.join();
    if (sharedPool == this)
        sharedPool = nullptr;
}

PictureDownloadPool *PictureDownloadPool::shared()
{
    return sharedPool;
}

void PictureDownloadPool::setShared(PictureDownloadPool *pool)
{
    sharedPool = pool;
}

void PictureDownloadPool::setTimeouts(int connectMs, int stallMs)
{
    m_connectTimeoutMs = connectMs;
    m_stallTimeoutMs = stallMs;
}

void PictureDownloadPool::setTotalTimeout(int milliseconds)
{
    m_totalTimeoutMs = milliseconds;
}

CurlOptions PictureDownloadPool::curlOptions() const
{
    CurlOptions options = CurlOptions::withTimeouts(m_connectTimeoutMs, m_stallTimeoutMs, m_totalTimeoutMs);
    options.followRedirects = true;
    return options;
}

void PictureDownloadPool::enqueue(const QString &url, const QString &targetPath)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_known.contains(targetPath))
            return;
        m_known.insert(targetPath);
        m_queue.push_back({url, targetPath});
    }
    m_wake.notify_all();
}

void PictureDownloadPool::cancel()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const Job &job : m_queue)
            m_known.remove(job.target);
        m_queue.clear();
    }
    m_cancel = true;
    m_wake.notify_all();
}

bool PictureDownloadPool::waitForIdle(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_idle.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [this] { return m_queue.empty() && m_running == 0; });
}

int PictureDownloadPool::pending() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(m_queue.size()) + m_running;
}

void PictureDownloadPool::removeStalePartFiles(const QString &folder) const
{
    const QDir dir(folder);
    std::lock_guard<std::mutex> lock(m_mutex);
    QSet<QString> inUse;
    for (const QString &target : m_known)
        inUse.insert(QDir::cleanPath(target + PartSuffix));
    for (const QString &name : dir.entryList({QLatin1Char('*') + PartSuffix}, QDir::Files | QDir::Hidden)) {
        const QString partPath = QDir::cleanPath(dir.filePath(name));
        if (!inUse.contains(partPath))
            QFile::remove(partPath);
    }
}

bool PictureDownloadPool::takeJobs(Transfers &transfers)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (transfers.count() == 0)
        m_wake.wait(lock, [this] { return m_stop || m_cancel || !m_queue.empty(); });
    if (m_stop)
        return false;
    while (!m_cancel && transfers.count() < m_parallel && !m_queue.empty()) {
        const Job job = m_queue.front();
        m_queue.pop_front();
        ++m_running;
        lock.unlock();
        const bool started = transfers.start(job, curlOptions());
        lock.lock();
        if (!started) {
            lock.unlock();
            finished(job, false);
            lock.lock();
        }
    }
    return true;
}

void PictureDownloadPool::work()
{
    Transfers transfers;
    while (takeJobs(transfers)) {
        if (m_cancel.exchange(false)) {
            const int aborted = transfers.count();
            transfers.abortAll();
            std::lock_guard<std::mutex> lock(m_mutex);
            m_running -= aborted;
            m_known.clear();
            for (const Job &job : m_queue)
                m_known.insert(job.target);
            m_idle.notify_all();
            continue;
        }
        transfers.step([this](const Job &job, bool ok) { finished(job, ok); });
    }
}

void PictureDownloadPool::finished(const Job &job, bool ok)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        --m_running;
        m_known.remove(job.target);
        if (m_queue.empty() && m_running == 0)
            m_idle.notify_all();
    }
    if (ok)
        emit pictureStored(job.target);
    else
        emit pictureFailed(job.target);
}
