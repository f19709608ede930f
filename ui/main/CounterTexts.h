#pragma once

#include <QString>
#include <vector>

class ListPaging;

// The side bar's entries and the status line, built from the row counts of the lists.
namespace CounterTexts {

struct Item {
    QString text;
    QString description;
    int icon;
    int number;
};

struct Group {
    QString caption;
    std::vector<Item> items;
};

// Numbers the side bar reports for its entries.
inline constexpr int NewListingItem = 7;
inline constexpr int CsvImportItem = 14;

std::vector<Group> sideBarGroups(const ListPaging &paging);
QString statusLine(const QString &usern, const ListPaging &paging);
// What the status line shows before the lists are first loaded.
QString initialStatusLine();

} // namespace CounterTexts
