#pragma once

#include "core/AccountSession.h"
#include "store/MasterDataLists.h"
#include "ui/editor/AuctionTypes.h"
#include "ui/editor/CategoryCascade.h"
#include "ui/editor/CategorySearch.h"
#include "ui/editor/EditorShape.h"
#include "ui/editor/ListingDraft.h"
#include "ui/editor/PictureSlots.h"
#include "ui/editor/ShippingRules.h"

#include <QStringList>
#include <vector>

class Database;

// The state and rules of the listing editor for one auction house, without any window:
// the shape its capabilities give, the master-data lists, the auction-type layouts, the
// category cascade and search, the picture slots.
class ListingEditor {
public:
    ListingEditor(AccountSession session, Database &db);

    const AccountSession &session() const { return m_session; }
    int editorAukId() const { return m_session.house.aukid; }

    // Reads the lists of the auction house and fills the first category level. A new
    // listing takes the account's location.
    void setUp(ListingDraft &draft, bool newListing);

    const EditorShape &shape() const { return m_shape; }
    const QStringList &paymentMethods() const { return m_payments; }
    const QStringList &countries() const { return m_countries; }
    // The durations the current type offers.
    QStringList durationNames() const;
    bool shopDurations() const { return m_shopDurations; }
    // Days of the duration at a position; no value outside the list.
    std::optional<int> daysAt(int index) const;
    ShippingRules::Panel shippingPanel() const;
    bool extendedShipping() const { return m_session.house.versandangabe_extra == 1; }

    // Applies the layout of an auction type to the draft: durations, quantity, category tree.
    const AuctionTypes::Layout &applyType(int code, ListingDraft &draft);
    bool quantityEnabled() const { return m_quantityEnabled; }
    bool minPriceShownFor(const AuctionTypes::Layout &layout) const;

    CategoryCascade &cascade() { return m_cascade; }
    // The search over the current tree, read on first use and again after a change of tree.
    CategorySearch &search();
    // Takes a search hit into the cascade as if picked level by level.
    bool chooseSearchHit(const CategorySearch::Hit &hit, ListingDraft &draft);

    PictureSlots &pictures() { return m_pictures; }

private:
    void fillDurations(bool shop, ListingDraft &draft);

    AccountSession m_session;
    Database &m_db;
    MasterDataLists m_lists;
    EditorShape m_shape;
    QStringList m_payments;
    QStringList m_countries;
    std::vector<MasterDataLists::Duration> m_durations;
    bool m_shopDurations = false;
    bool m_quantityEnabled = true;
    CategoryCascade m_cascade;
    CategorySearch m_search;
    Categories::Table m_searchTable = Categories::Table::Categories;
    PictureSlots m_pictures;
};
