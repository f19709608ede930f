#include "ui/main/ListPaging.h"

#include <algorithm>

void ListPaging::setCount(int listKind, int rows)
{
    m_counts[at(listKind)] = rows;
    m_maxPages[at(listKind)] = rows / PageSize;
}

bool ListPaging::back()
{
    int &page = m_pages[at(m_shown)];
    if (page <= 0)
        return false;
    --page;
    return true;
}

bool ListPaging::forward()
{
    int &page = m_pages[at(m_shown)];
    if (page >= m_maxPages[at(m_shown)])
        return false;
    ++page;
    return true;
}

QString ListPaging::pageLabel(int listKind) const
{
    return QString::number(currentPage(listKind)) + QLatin1Char('/') + QString::number(maxPage(listKind));
}

int ListPaging::firstRow(int listKind, int cachedRows) const
{
    return std::min(currentPage(listKind) * PageSize, cachedRows);
}

int ListPaging::endRow(int listKind, int cachedRows) const
{
    return std::min(currentPage(listKind) * PageSize + PageSize, cachedRows);
}
