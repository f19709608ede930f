#include "ui/editor/ListingEditor.h"

#include "store/Categories.h"
#include "ui/editor/CapabilityRules.h"
#include "ui/editor/QuantityRule.h"

ListingEditor::ListingEditor(AccountSession session, Database &db)
    : m_session(std::move(session)), m_db(db), m_lists(db, m_session.house.aukid), m_cascade(db, m_session.house.aukid)
{
    m_shape = CapabilityRules::shapeFor(m_session.house);
}

void ListingEditor::setUp(ListingDraft &draft, bool newListing)
{
    if (newListing) {
        if (const auto location = m_lists.accountLocation(m_session.uid)) {
            draft.postcode = location->plz;
            draft.town = location->ort;
        }
    }
    m_countries = m_shape.countryShown ? m_lists.countries() : QStringList();
    m_payments = m_lists.paymentMethods();
    m_cascade.fillFirstLevel();
    applyType(draft.auctionType, draft);
}

QStringList ListingEditor::durationNames() const
{
    QStringList names;
    for (const MasterDataLists::Duration &duration : m_durations)
        names << duration.bez;
    return names;
}

std::optional<int> ListingEditor::daysAt(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_durations.size()))
        return std::nullopt;
    return m_durations[static_cast<size_t>(index)].tage;
}

ShippingRules::Panel ListingEditor::shippingPanel() const
{
    return ShippingRules::panelForMode(m_session.house.versandangabe);
}

void ListingEditor::fillDurations(bool shop, ListingDraft &draft)
{
    if (shop == m_shopDurations && !m_durations.empty())
        return;
    m_durations = m_lists.durations(shop);
    m_shopDurations = shop;
    if (draft.durationIndex >= static_cast<int>(m_durations.size()))
        draft.durationIndex = -1;
}

const AuctionTypes::Layout &ListingEditor::applyType(int code, ListingDraft &draft)
{
    const AuctionTypes::Layout &layout = AuctionTypes::layoutFor(code);
    draft.auctionType = layout.code;
    fillDurations(layout.shopDurations, draft);
    const QuantityRule::State quantity = QuantityRule::apply(
        layout.quantity, editorAukId(), m_session.house.mehrfach_festpreis, {m_quantityEnabled, draft.quantity});
    m_quantityEnabled = quantity.enabled;
    draft.quantity = quantity.text;
    m_cascade.setTable(layout.categoryTable);
    draft.categoryId = m_cascade.chosenId();
    return layout;
}

bool ListingEditor::minPriceShownFor(const AuctionTypes::Layout &layout) const
{
    return layout.minPriceFollowsHouse && m_shape.minPriceShown;
}

CategorySearch &ListingEditor::search()
{
    if (!m_search.isLoaded() || m_searchTable != m_cascade.table()) {
        m_searchTable = m_cascade.table();
        m_search.load(Categories(m_db, m_searchTable, editorAukId()).all());
    }
    return m_search;
}

bool ListingEditor::chooseSearchHit(const CategorySearch::Hit &hit, ListingDraft &draft)
{
    const bool reached = m_cascade.pickPath(hit.idsFromTop);
    draft.categoryId = m_cascade.chosenId();
    return reached;
}
