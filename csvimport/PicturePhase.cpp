#include "csvimport/PicturePhase.h"

#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <memory>

namespace {
constexpr int TickMs = 25;
}

PicturePhase::PicturePhase(const PictureImport &pictures, int parallelDownloads)
    : m_pictures(pictures), m_parallelDownloads(std::max(1, parallelDownloads))
{
}

std::vector<bool> PicturePhase::run(const std::vector<Job> &jobs, int rows,
                                    const std::function<void(int rowsDone)> &tick)
{
    // One byte per job: the threads write to distinct elements.
    std::vector<char> stored(jobs.size(), 0);
    // Each row's jobs still running; a row is done when its count reaches zero.
    std::unique_ptr<std::atomic<int>[]> open(new std::atomic<int>[static_cast<size_t>(std::max(rows, 1))]);
    for (int row = 0; row < rows; ++row)
        open[static_cast<size_t>(row)] = 0;
    for (const Job &job : jobs)
        ++open[static_cast<size_t>(job.row)];
    std::atomic<int> rowsDone(0);
    for (int row = 0; row < rows; ++row)
        rowsDone += open[static_cast<size_t>(row)] == 0 ? 1 : 0;

    QThreadPool downloads;
    downloads.setMaxThreadCount(m_parallelDownloads);
    QThreadPool scaling;
    scaling.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    for (size_t i = 0; i < jobs.size(); ++i) {
        const Job &job = jobs[i];
        QThreadPool &pool = PictureImport::kindOf(job.source) == PictureImport::Source::Address ? downloads : scaling;
        pool.start([this, &job, &stored, &open, &rowsDone, i] {
            const bool ok = m_pictures.ImportPicture(job.source, job.name);
            stored[i] = ok ? 1 : 0;
            if (--open[static_cast<size_t>(job.row)] == 0)
                ++rowsDone;
        });
    }
    for (;;) {
        const bool downloadsDone = downloads.waitForDone(TickMs);
        const bool scalingDone = scaling.waitForDone(TickMs);
        if (tick)
            tick(rowsDone.load());
        if (downloadsDone && scalingDone)
            break;
    }
    return std::vector<bool>(stored.begin(), stored.end());
}
