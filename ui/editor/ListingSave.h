#pragma once

#include "store/SavedListings.h"
#include "ui/editor/ListingDraft.h"
#include "ui/editor/ListingValues.h"

#include <QString>

class ListingEditor;

// Writes a checked listing into table auktionen together with its pictures: the row and
// the picture files are stored whole or not at all.
class ListingSave {
public:
    enum Target {
        TransferList = 0,
        ArticleMaster = 1,
        // The rows of the multi-user mode.
        MultiUser = 2,
    };

    static const QString AssignmentFailed;

    ListingSave(ListingEditor &editor, const ListingDraft &draft, const ListingValues &values);

    // Inserts a new row, or updates the row listingId when update is set, and returns
    // its id. Raises AppError when a value cannot be assigned or the statement fails;
    // then nothing is written and no new picture file stays behind.
    int save(Target target, bool update, int listingId);

private:
    SavedListings::Row rowFor(Target target) const;
    QString stagePicture(int slot, const QString &prefix, int listingId, const QString &stagingDir) const;

    ListingEditor &m_editor;
    const ListingDraft &m_draft;
    const ListingValues &m_values;
};
