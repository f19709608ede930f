#pragma once

#include <QColor>

class QImage;
class QPalette;

// The colour scheme of the side bar: taken from a skin picture or from the system palette.
struct TExBarColors {
    QColor background;
    QColor bodyFill;
    QColor bodyBorder;
    QColor text;
    QColor hotText;
    QColor specialText;
    QColor specialHotText;

    // The skin keeps its palette in the pixel column x = 1, one colour every 6 rows from y = 1.
    static TExBarColors fromSkin(const QImage &skin);
    // Without a skin: white behind the groups, the system's window and button colours.
    static TExBarColors plain(const QPalette &palette);
};
