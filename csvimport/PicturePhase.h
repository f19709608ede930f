#pragma once

#include "csvimport/PictureImport.h"

#include <QString>
#include <functional>
#include <vector>

// The pictures of one import, fetched in parallel: downloads in a small bounded pool,
// local files scaled on all of the machine's cores.
class PicturePhase {
public:
    struct Job {
        int row = 0;
        int slot = 1;
        QString source;
        QString name;
    };

    PicturePhase(const PictureImport &pictures, int parallelDownloads);

    // Runs every job; for each, whether its picture is now stored. tick is called on the
    // calling thread now and then with the rows whose pictures are all done (rows
    // counts the rows the jobs belong to, 0 to rows - 1).
    std::vector<bool> run(const std::vector<Job> &jobs, int rows, const std::function<void(int rowsDone)> &tick);

private:
    const PictureImport &m_pictures;
    int m_parallelDownloads;
};
