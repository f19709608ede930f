#pragma once

#include <QColor>
#include <QImage>
#include <QString>

class QPainter;

// Paints the program's own pictures: the side bar skin, its arrow glyphs and the icons
// of the side bar and the listing lists. Every picture is drawn from code, so the set
// stays consistent and can be repainted when a colour changes.
class ArtworkPainter {
public:
    // Writes every picture as PNG into directory; false when one could not be written.
    bool writeAll(const QString &directory);

    // Writes the program's icon for the desktop as <size>x<size>/apps/<name>.png at the
    // usual sizes of the hicolor theme, below directory.
    bool writeProgramIcons(const QString &directory, const QString &name);
    // The program's icon: a price tag on an olive tile with the transfer arrows.
    QImage programIcon(int size) const;

    // An enlarged overview of every picture on the skin's background, for looking them over.
    QImage contactSheet(const QString &directory, int zoom) const;

    QImage skin() const;
    QImage arrowGlyph(bool up) const;

private:
    using IconPainter = void (ArtworkPainter::*)(QPainter &) const;

    QImage icon(int size, IconPainter paint) const;

    void paintSkinRow(QPainter &p, int top, bool special) const;
    void paintHeaderCell(QPainter &p, int left, int top, bool special, bool expanded, bool hot) const;
    void paintChevrons(QPainter &p, QPointF centre, double width, bool up, const QColor &colour, double thickness) const;

    void paintRunning(QPainter &p) const;
    void paintSold(QPainter &p) const;
    void paintUnsold(QPainter &p) const;
    void paintTransferList(QPainter &p) const;
    void paintArticleMaster(QPainter &p) const;
    void paintNewListing(QPainter &p) const;
    void paintTransfer(QPainter &p) const;
    void paintCsvImport(QPainter &p) const;
    void paintSettings(QPainter &p) const;
    void paintListing(QPainter &p) const;
    void paintListingPicture(QPainter &p) const;
    void paintListingUnchecked(QPainter &p) const;
    void paintGroupLists(QPainter &p) const;
    void paintGroupNew(QPainter &p) const;
    void paintGroupTasks(QPainter &p) const;
    void paintProgram(QPainter &p) const;

    void paintTag(QPainter &p, const QColor &fill, const QColor &outline) const;
    void paintSheet(QPainter &p, QRectF sheet, bool withLines) const;
    void paintGear(QPainter &p, QPointF centre, double outer, double inner, int teeth, const QColor &fill) const;
    void paintPlusBadge(QPainter &p, QPointF centre, double radius) const;
    void paintArrow(QPainter &p, QPointF from, QPointF to, const QColor &colour, double width) const;
};
