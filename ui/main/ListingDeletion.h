#pragma once

struct AccountSession;

// "Artikel löschen": asks as the list demands, deletes the listing and, for prepared
// listings, its picture files. Runs on a connection of its own.
class ListingDeletion {
public:
    // Deletes the listing of the account shown in the given list, after the question.
    static void run(const AccountSession &session, int listKind, int listingId);
};
