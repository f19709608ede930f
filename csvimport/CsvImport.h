#pragma once

#include "core/AccountSession.h"
#include "csvimport/CsvTable.h"
#include "csvimport/ImportFields.h"
#include "csvimport/ListingRowBuilder.h"

#include <atomic>

class CsvImportProgress;
class Database;

// One import of a loaded file into the account's transfer list: the values of every row
// are converted first, then the pictures are stored in parallel under the ids the rows
// will receive, then all rows are stored in one transaction. A failure or a cancel
// stores no row and removes the pictures this import wrote.
class CsvImport {
public:
    struct Options {
        // The shipping mode is the session's auction house's.
        ListingRowBuilder::Settings values;
        // Relative picture paths are taken from here: the CSV file's folder.
        QString csvFolder;
        int parallelDownloads;
        int connectTimeoutMs;
        int stallTimeoutMs;
        Options();
    };

    struct Result {
        int imported = 0;
        bool cancelled = false;
    };

    CsvImport(const AccountSession &session, Database &db);

    // Raises AppError (the conversion's or the database's message) when nothing was stored.
    Result run(const CsvTable &table, const ImportFields &fields, const Options &options,
               CsvImportProgress *progress = nullptr, const std::atomic<bool> *cancelled = nullptr);

private:
    const AccountSession &m_session;
    Database &m_db;
};
