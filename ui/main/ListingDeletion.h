#pragma once

#include "store/Database.h"

#include <QString>

// "Artikel löschen": asks as the list demands, deletes the listing and, for prepared
// listings, its picture files. Runs on its own connection.
class ListingDeletion {
public:
    // Uses the login context's program directory unless another is given.
    explicit ListingDeletion(QString programDir = {});

    // Deletes the listing of the account shown in the given list, after the question.
    void run(int listKind, int listingId, int userID, int aukid);

private:
    // Deletes the row; false when the account has no such listing.
    bool deleteRow(int listingId, int userID, int aukid);
    QStringList pictureNames(int listingId, int userID, int aukid);

    QString m_programDir;
    Database m_db;
};
