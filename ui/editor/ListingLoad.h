#pragma once

#include "store/SavedListings.h"
#include "ui/editor/ListingDraft.h"

#include <QString>
#include <QStringList>
#include <optional>

class ListingEditor;

// Reads a stored listing back into a draft for the editor, without any window.
class ListingLoad {
public:
    enum class Source {
        // The transfer list or the article master.
        Saved = 1,
        // A listing downloaded from the server: running, sold or unsold.
        Downloaded = 2,
    };

    struct Loaded {
        ListingDraft draft;
        // Messages for the seller: an unknown auction type, pictures that are missing.
        QStringList problems;
    };

    static const QString PictureProblem;

    explicit ListingLoad(ListingEditor &editor);

    // Nothing when no row with this id belongs to the editor's auction house.
    std::optional<Loaded> load(int id, Source source, const ListingDraft &design);
    // The draft of a stored row; applies the row's auction type to the editor.
    Loaded draftOf(const SavedListings::Row &row, Source source, const ListingDraft &design);

private:
    void takeType(const SavedListings::Row &row, Loaded &loaded);
    void takePictures(const SavedListings::Row &row, Source source, Loaded &loaded);

    ListingEditor &m_editor;
};
