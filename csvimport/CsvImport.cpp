#include "csvimport/CsvImport.h"

#include "csvimport/CsvImportProgress.h"
#include "csvimport/PicturePhase.h"
#include "exchange/PictureDownloadPool.h"
#include "store/Database.h"
#include "store/ImportedListings.h"
#include "store/PictureFolder.h"
#include "store/PictureNames.h"

#include <QStringList>

#include <vector>

namespace {

// Reports at most a few hundred steps, so a large file does not flood the window.
class ProgressReporter {
public:
    ProgressReporter(CsvImportProgress *progress, int total) : m_progress(progress), m_total(total) {}

    // picturesDone and stored each count rows; together they make the rows that are through.
    void report(int picturesDone, int stored)
    {
        const int done = (picturesDone + stored) / 2;
        if (!m_progress || done == m_last)
            return;
        m_last = done;
        m_progress->importProgress(done, m_total);
    }

private:
    CsvImportProgress *m_progress;
    int m_total;
    int m_last = -1;
};

std::vector<PicturePhase::Job> pictureJobs(const CsvTable &table, const ListingRowBuilder &builder, int firstId)
{
    std::vector<PicturePhase::Job> jobs;
    for (int row = 0; row < table.rowCount(); ++row) {
        const std::array<QString, 3> sources = builder.pictureSources(table.rows()[static_cast<size_t>(row)]);
        for (int slot = 1; slot <= 3; ++slot) {
            const QString &source = sources[static_cast<size_t>(slot - 1)];
            if (PictureImport::kindOf(source) != PictureImport::Source::None)
                jobs.push_back({row, slot, source, PictureNames::csvPictureName(firstId + row, slot)});
        }
    }
    return jobs;
}

void setPicture(ImportedListings::Row &row, int slot, const QString &name)
{
    (slot == 1 ? row.pic1 : slot == 2 ? row.pic2 : row.pic3) = name;
}

bool isCancelled(const std::atomic<bool> *cancelled)
{
    return cancelled && cancelled->load();
}

} // namespace

CsvImport::Options::Options()
    : parallelDownloads(PictureDownloadPool::DefaultParallel),
      connectTimeoutMs(PictureDownloadPool::DefaultConnectTimeoutMs),
      stallTimeoutMs(PictureDownloadPool::DefaultStallTimeoutMs)
{
}

CsvImport::CsvImport(const AccountSession &session, Database &db) : m_session(session), m_db(db) {}

CsvImport::Result CsvImport::run(const CsvTable &table, const ImportFields &fields, const Options &options,
                                 CsvImportProgress *progress, const std::atomic<bool> *cancelled)
{
    const int total = table.rowCount();
    ListingRowBuilder::Settings values = options.values;
    values.versandangabe = m_session.house.versandangabe;
    ListingRowBuilder builder(fields, values);
    std::vector<ImportedListings::Row> rows;
    rows.reserve(static_cast<size_t>(total));
    for (const CsvTable::Line &line : table.rows())
        rows.push_back(builder.build(line));

    ImportedListings listings(m_db);
    const int firstId = listings.nextId();
    const PictureFolder folder(m_session.ProgramDir);
    folder.ensureExists();
    PictureImport pictures(folder.folderPath(), options.csvFolder, cancelled);
    pictures.setTimeouts(options.connectTimeoutMs, options.stallTimeoutMs);
    ProgressReporter reporter(progress, total);
    const std::vector<PicturePhase::Job> jobs = pictureJobs(table, builder, firstId);
    const std::vector<bool> stored = PicturePhase(pictures, options.parallelDownloads)
                                         .run(jobs, total, [&](int rowsDone) { reporter.report(rowsDone, 0); });

    QStringList written;
    for (size_t i = 0; i < jobs.size(); ++i) {
        if (!stored[i])
            continue;
        setPicture(rows[static_cast<size_t>(jobs[i].row)], jobs[i].slot, jobs[i].name);
        written.append(jobs[i].name);
    }
    try {
        const bool complete = !isCancelled(cancelled)
            && listings.insertAll(m_session.userID, m_session.house.aukid, firstId, rows, [&](int storedRows) {
                   reporter.report(total, storedRows);
                   return !isCancelled(cancelled);
               });
        if (complete)
            return {total, false};
    } catch (...) {
        folder.removeQuietly(written);
        throw;
    }
    folder.removeQuietly(written);
    return {0, true};
}
