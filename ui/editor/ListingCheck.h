#pragma once

#include "ui/editor/EditorPage.h"
#include "ui/editor/ListingDraft.h"
#include "ui/editor/ListingValues.h"

#include <QList>
#include <QString>
#include <optional>

class ListingEditor;

// The check of a listing before it is saved: reads every input of a draft into its values
// and collects the findings, each with the page that holds its field. Works without any
// window, so the editor, the multi-user switch and "Auktions-Check" share it.
class ListingCheck {
public:
    enum class Mode {
        Full = 1,
        // The master article of the multi-user mode: no rule that needs an auction house.
        Master = 2,
    };

    struct Finding {
        QString message;
        EditorPage page;
    };

    struct Result {
        QList<Finding> findings;

        bool passed() const { return findings.isEmpty(); }
        // Every finding on a line of its own, as the message box shows them.
        QString text() const;
        // The page of the last finding, which the editor brings to the front.
        std::optional<EditorPage> frontPage() const;
    };

    explicit ListingCheck(const ListingEditor &editor);

    // Reads the draft into values and checks them. The draft is corrected where the check
    // itself decides: an extra the auction house does not offer is unchecked, and a
    // fixed price is copied into the start price.
    Result check(ListingDraft &draft, Mode mode, ListingValues &values) const;

    // An amount as typed, with a decimal comma or point; nothing for no number.
    static std::optional<double> readAmount(const QString &text);

private:
    void readTypeAndPrices(ListingDraft &draft, ListingValues &values, Result &result) const;
    void readListingData(ListingDraft &draft, ListingValues &values, Result &result) const;
    void checkWireCharacters(const ListingValues &values, Result &result) const;
    void applyHouseRules(const ListingDraft &draft, const ListingValues &values, Result &result) const;
    void applyCommonRules(const ListingValues &values, Result &result) const;

    const ListingEditor &m_editor;
};
