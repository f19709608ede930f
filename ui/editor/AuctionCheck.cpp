#include "ui/editor/AuctionCheck.h"

#include "store/Database.h"
#include "store/SavedListings.h"
#include "ui/editor/ListingCheck.h"
#include "ui/editor/ListingEditor.h"
#include "ui/editor/ListingLoad.h"
#include "ui/editor/ListingSave.h"

#include <exception>

AuctionCheck::AuctionCheck(AccountSession session) : m_session(std::move(session)) {}

AuctionCheck::Outcome AuctionCheck::run(const Progress &progress)
{
    Outcome outcome;
    const std::vector<int> ids = SavedListings(m_session.ProgramDir).importedIds(m_session.userID, m_session.house.aukid);
    outcome.total = static_cast<int>(ids.size());
    Database db(m_session.ProgramDir);
    ListingEditor editor(m_session, db);
    ListingDraft design;
    editor.setUp(design, false);
    for (const int id : ids) {
        if (progress && !progress(outcome.checked, outcome.total)) {
            outcome.stopped = true;
            break;
        }
        ++outcome.checked;
        try {
            std::optional<ListingLoad::Loaded> loaded = ListingLoad(editor).load(id, ListingLoad::Source::Saved, design);
            ListingValues values;
            if (loaded && loaded->problems.isEmpty()
                && ListingCheck(editor).check(loaded->draft, ListingCheck::Mode::Full, values).passed()) {
                ListingSave(editor, loaded->draft, values).save(ListingSave::TransferList, true, id);
                ++outcome.saved;
                continue;
            }
        } catch (const std::exception &) {
            // A listing that cannot be saved keeps its findings; the run goes on.
        }
        ++outcome.withFindings;
    }
    if (progress && !outcome.stopped)
        progress(outcome.checked, outcome.total);
    return outcome;
}

QString AuctionCheck::closingMessage(const Outcome &outcome)
{
    return (outcome.stopped ? QStringLiteral("Der Auktions-Check wurde abgebrochen.\n")
                            : QStringLiteral("Der Auktions-Check ist abgeschlossen.\n"))
        + QStringLiteral("Geprüft: %1 von %2 Artikeln\nGespeichert: %3\nMit Beanstandungen: %4")
              .arg(outcome.checked)
              .arg(outcome.total)
              .arg(outcome.saved)
              .arg(outcome.withFindings);
}
