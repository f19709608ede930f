#pragma once

#include <QString>
#include <QStringList>

// What one row of a listing list shows: its caption (first column), its sub-item texts
// (the hidden ones included, the listing's id last) and its icon.
struct ListRowTexts {
    static constexpr int NoIcon = -1;
    static constexpr int PictureIcon = 0;
    static constexpr int UncheckedIcon = 1;

    QString caption;
    QStringList subItems;
    int icon = NoIcon;
};
