#pragma once

// What an import shows while it runs. Called on the importing thread.
class CsvImportProgress {
public:
    virtual ~CsvImportProgress() = default;
    // done of total rows are through (pictures and storing each count half of a row).
    virtual void importProgress(int done, int total) = 0;
};
