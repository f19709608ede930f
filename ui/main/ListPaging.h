#pragma once

#include "store/ListKinds.h"

#include <QString>
#include <array>

// Row counts and pages of the five lists, and which list is shown.
class ListPaging {
public:
    static constexpr int PageSize = 200;

    int count(int listKind) const { return m_counts[at(listKind)]; }
    int maxPage(int listKind) const { return m_maxPages[at(listKind)]; }
    int currentPage(int listKind) const { return m_pages[at(listKind)]; }
    // The current page stays as it is, even beyond the new last page.
    void setCount(int listKind, int rows);

    int shownListKind() const { return m_shown; }
    void setShownListKind(int listKind) { m_shown = listKind; }

    // Paging of the shown list; true when the page changed.
    bool back();
    bool forward();

    // "current/max", both counted from 0.
    QString pageLabel(int listKind) const;
    // The cached rows [first, end) that the current page of a list shows.
    int firstRow(int listKind, int cachedRows) const;
    int endRow(int listKind, int cachedRows) const;

private:
    static size_t at(int listKind) { return static_cast<size_t>(listKind); }

    std::array<int, ListKinds::Count> m_counts{};
    std::array<int, ListKinds::Count> m_maxPages{};
    std::array<int, ListKinds::Count> m_pages{};
    int m_shown = ListKinds::Running;
};
