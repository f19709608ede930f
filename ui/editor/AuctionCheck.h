#pragma once

#include "core/AccountSession.h"

#include <QString>
#include <functional>

// "Auktions-Check": checks every listing imported from a CSV file and saves those without
// findings into the transfer list, ready for the upload. Runs on the editor's logic, with
// no window per listing.
class AuctionCheck {
public:
    struct Outcome {
        int total = 0;
        int checked = 0;
        int saved = 0;
        int withFindings = 0;
        bool stopped = false;
    };

    // Called before each listing with the count done so far and the total; false stops the run.
    using Progress = std::function<bool(int done, int total)>;

    explicit AuctionCheck(AccountSession session);

    Outcome run(const Progress &progress = {});
    static QString closingMessage(const Outcome &outcome);

private:
    AccountSession m_session;
};
