#include "ArtworkPainter.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

// The olive colour scheme of the side bar, in the order the bar reads it from the skin.
const QColor Background(0xE1, 0xE7, 0xCF);
const QColor BodyFill(0xF8, 0xFA, 0xF1);
const QColor BodyBorder(0xC2, 0xCD, 0xA2);
const QColor Text(0x3A, 0x48, 0x1E);
const QColor HotText(0x6F, 0x8F, 0x2A);
const QColor SpecialText(0xFF, 0xFF, 0xFF);
const QColor SpecialHotText(0xE6, 0xF2, 0xC2);

// Header shades, left to right, for normal and special groups.
const QColor HeaderStart(0xFF, 0xFF, 0xFF);
const QColor HeaderEnd(0xD2, 0xDC, 0xB2);
const QColor SpecialStart(0x4B, 0x66, 0x20);
const QColor SpecialEnd(0x82, 0xA0, 0x4A);
const QColor SpecialBorder(0x3E, 0x55, 0x19);

// Icon colours shared by every picture.
const QColor Ink(0x4A, 0x55, 0x3A);
const QColor Paper(0xFF, 0xFF, 0xFF);
const QColor PaperLine(0xA9, 0xB3, 0x98);
const QColor Olive(0x7A, 0x98, 0x42);
const QColor OliveLight(0xCB, 0xDB, 0x9C);
const QColor OliveDark(0x4B, 0x66, 0x20);
const QColor Blue(0x35, 0x72, 0xB0);
const QColor BlueLight(0xA8, 0xCA, 0xEC);
const QColor Gold(0xF2, 0xC1, 0x3A);
const QColor GoldDark(0xA8, 0x7A, 0x10);
const QColor Red(0xC2, 0x3B, 0x2C);
const QColor Green(0x2F, 0x8F, 0x35);
const QColor Grey(0xD6, 0xD9, 0xCF);
const QColor GreyDark(0x80, 0x85, 0x78);
const QColor Wood(0xB9, 0x80, 0x3E);
const QColor WoodDark(0x6E, 0x47, 0x1D);
const QColor Steel(0xA3, 0xAF, 0xBF);
const QColor SteelDark(0x4C, 0x58, 0x6A);

const int SkinWidth = 268;
const int SkinHeight = 49;
const int HeaderHeight = 23;

QImage transparentCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPen line(const QColor &colour, double width = 1.0)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

} // namespace

bool ArtworkPainter::writeAll(const QString &directory)
{
    QDir dir(directory);
    struct Icon {
        const char *name;
        int size;
        IconPainter paint;
    };
    const Icon icons[] = {
        {"group-lists-32.png", 32, &ArtworkPainter::paintGroupLists},
        {"group-new-32.png", 32, &ArtworkPainter::paintGroupNew},
        {"group-tasks-32.png", 32, &ArtworkPainter::paintGroupTasks},
        {"running-16.png", 16, &ArtworkPainter::paintRunning},
        {"sold-16.png", 16, &ArtworkPainter::paintSold},
        {"unsold-16.png", 16, &ArtworkPainter::paintUnsold},
        {"transfer-list-16.png", 16, &ArtworkPainter::paintTransferList},
        {"article-master-16.png", 16, &ArtworkPainter::paintArticleMaster},
        {"new-listing-16.png", 16, &ArtworkPainter::paintNewListing},
        {"transfer-16.png", 16, &ArtworkPainter::paintTransfer},
        {"csv-import-16.png", 16, &ArtworkPainter::paintCsvImport},
        {"settings-16.png", 16, &ArtworkPainter::paintSettings},
        {"listing-16.png", 16, &ArtworkPainter::paintListing},
        {"listing-picture-16.png", 16, &ArtworkPainter::paintListingPicture},
        {"listing-unchecked-16.png", 16, &ArtworkPainter::paintListingUnchecked},
    };
    bool written = skin().save(dir.filePath("exbar-skin.png"))
        && arrowGlyph(true).save(dir.filePath("exbar-arrow-up.png"))
        && arrowGlyph(false).save(dir.filePath("exbar-arrow-down.png"));
    for (const Icon &each : icons)
        written = icon(each.size, each.paint).save(dir.filePath(QString::fromLatin1(each.name))) && written;
    return written;
}

bool ArtworkPainter::writeProgramIcons(const QString &directory, const QString &name)
{
    bool written = true;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(directory).arg(size);
        written = QDir().mkpath(folder) && programIcon(size).save(folder + QLatin1Char('/') + name + QStringLiteral(".png"))
            && written;
    }
    return written;
}

QImage ArtworkPainter::programIcon(int size) const
{
    return icon(size, &ArtworkPainter::paintProgram);
}

QImage ArtworkPainter::contactSheet(const QString &directory, int zoom) const
{
    QDir dir(directory);
    const QStringList names = dir.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    int width = 8;
    int height = 0;
    for (const QString &name : names) {
        const QImage image(dir.filePath(name));
        width += image.width() * zoom + 8;
        height = qMax(height, image.height() * zoom);
    }
    QImage sheet(width, height + 16, QImage::Format_RGB32);
    sheet.fill(Background);
    QPainter p(&sheet);
    int x = 8;
    for (const QString &name : names) {
        const QImage image(dir.filePath(name));
        p.drawImage(QRect(x, 8, image.width() * zoom, image.height() * zoom), image);
        x += image.width() * zoom + 8;
    }
    return sheet;
}

// Layout of the skin: a palette column at x = 1 (one colour every 6 rows from y = 1),
// and two header rows (normal from y = 1, special from y = 25), each with a left cap at
// x = 7, a middle piece at x = 13 and four right cells at x = 164, 190, 216 and 242.
QImage ArtworkPainter::skin() const
{
    QImage image(SkinWidth, SkinHeight, QImage::Format_RGB32);
    image.fill(Background);
    QPainter p(&image);
    const QColor palette[] = {Background, BodyFill, BodyBorder, Text, HotText, SpecialText, SpecialHotText};
    for (int i = 0; i < 7; ++i)
        p.fillRect(QRect(0, i * 6, 6, 6), palette[i]);
    paintSkinRow(p, 1, false);
    paintSkinRow(p, 25, true);
    return image;
}

void ArtworkPainter::paintSkinRow(QPainter &p, int top, bool special) const
{
    const QColor start = special ? SpecialStart : HeaderStart;
    const QColor end = special ? SpecialEnd : HeaderEnd;
    const QColor border = special ? SpecialBorder : BodyBorder;
    p.setRenderHint(QPainter::Antialiasing, true);

    // Left cap with a rounded top-left corner.
    QPainterPath cap;
    cap.moveTo(12, top + HeaderHeight);
    cap.lineTo(7.5, top + HeaderHeight);
    cap.lineTo(7.5, top + 4.5);
    cap.quadTo(7.5, top + 0.5, 11.5, top + 0.5);
    cap.lineTo(12, top + 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(start);
    p.drawPath(cap);
    p.setPen(line(border));
    p.setBrush(Qt::NoBrush);
    QPainterPath capEdge;
    capEdge.moveTo(7.5, top + HeaderHeight);
    capEdge.lineTo(7.5, top + 4.5);
    capEdge.quadTo(7.5, top + 0.5, 11.5, top + 0.5);
    capEdge.lineTo(12, top + 0.5);
    p.drawPath(capEdge);

    // Middle piece: the shade runs from the cap to the right cells, so stretching keeps it whole.
    p.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient shade(13, 0, 164, 0);
    shade.setColorAt(0, start);
    shade.setColorAt(1, end);
    p.fillRect(QRect(12, top, 152, HeaderHeight), shade);
    p.fillRect(QRect(12, top, 152, 1), border);
    p.fillRect(QRect(7, top + HeaderHeight - 1, 157, 1), border);

    const int cells[] = {164, 190, 216, 242};
    for (int i = 0; i < 4; ++i)
        paintHeaderCell(p, cells[i], top, special, i < 2, i % 2 == 1);
}

void ArtworkPainter::paintHeaderCell(QPainter &p, int left, int top, bool special, bool expanded, bool hot) const
{
    const QColor end = special ? SpecialEnd : HeaderEnd;
    const QColor border = special ? SpecialBorder : BodyBorder;
    p.setRenderHint(QPainter::Antialiasing, true);

    p.setPen(Qt::NoPen);
    p.setBrush(end);
    p.drawRect(QRectF(left, top, 21, HeaderHeight));
    QPainterPath corner;
    corner.moveTo(left + 20, top + 0.5);
    corner.lineTo(left + 20.5, top + 0.5);
    corner.quadTo(left + 24.5, top + 0.5, left + 24.5, top + 4.5);
    corner.lineTo(left + 24.5, top + HeaderHeight);
    corner.lineTo(left + 20, top + HeaderHeight);
    corner.closeSubpath();
    p.drawPath(corner);
    // The left side stays open: the cell continues the middle piece.
    QPainterPath edge;
    edge.moveTo(left, top + 0.5);
    edge.lineTo(left + 20.5, top + 0.5);
    edge.quadTo(left + 24.5, top + 0.5, left + 24.5, top + 4.5);
    edge.lineTo(left + 24.5, top + HeaderHeight - 0.5);
    edge.lineTo(left, top + HeaderHeight - 0.5);
    p.setPen(line(border));
    p.setBrush(Qt::NoBrush);
    p.drawPath(edge);

    // Round button with the double chevron.
    const QPointF centre(left + 12, top + 11.5);
    QRadialGradient face(centre - QPointF(2, 3), 10);
    if (special) {
        face.setColorAt(0, hot ? QColor(0xC4, 0xDB, 0x8E) : QColor(0xA6, 0xC2, 0x6C));
        face.setColorAt(1, hot ? QColor(0x8F, 0xAE, 0x55) : QColor(0x6C, 0x8A, 0x36));
    } else {
        face.setColorAt(0, Qt::white);
        face.setColorAt(1, hot ? QColor(0xEC, 0xF4, 0xD6) : QColor(0xE4, 0xEA, 0xD2));
    }
    p.setBrush(face);
    p.setPen(line(special ? SpecialBorder : (hot ? HotText : BodyBorder.darker(115))));
    p.drawEllipse(centre, 8, 8);
    const QColor glyph = special ? (hot ? Qt::white : SpecialHotText) : (hot ? HotText : Text);
    paintChevrons(p, centre, 7, expanded, glyph, 1.6);
}

void ArtworkPainter::paintChevrons(QPainter &p, QPointF centre, double width, bool up, const QColor &colour,
                                   double thickness) const
{
    const double half = width / 2;
    const double rise = (up ? -1 : 1) * half * 0.7;
    p.setPen(line(colour, thickness));
    p.setBrush(Qt::NoBrush);
    for (double offset : {-2.2, 2.2}) {
        const double y = centre.y() + offset - rise / 2;
        QPolygonF chevron;
        chevron << QPointF(centre.x() - half, y) << QPointF(centre.x(), y + rise) << QPointF(centre.x() + half, y);
        p.drawPolyline(chevron);
    }
}

// A mask: white where the glyph is, transparent elsewhere; the bar stamps it in the
// header's text colour.
QImage ArtworkPainter::arrowGlyph(bool up) const
{
    QImage image = transparentCanvas(23, 9);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    paintChevrons(p, QPointF(11.5, 4.5), 7, up, Qt::white, 1.6);
    return image;
}

QImage ArtworkPainter::icon(int size, IconPainter paint) const
{
    QImage image = transparentCanvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 16.0, size / 16.0);
    (this->*paint)(p);
    return image;
}

void ArtworkPainter::paintRunning(QPainter &p) const
{
    QRadialGradient face(QPointF(6.5, 6), 8);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, OliveLight);
    p.setBrush(face);
    p.setPen(line(OliveDark));
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setPen(line(OliveDark, 0.8));
    for (int hour = 0; hour < 12; hour += 3) {
        const double a = qDegreesToRadians(hour * 30.0);
        p.drawLine(QPointF(8 + 5.2 * qSin(a), 8 - 5.2 * qCos(a)), QPointF(8 + 4.4 * qSin(a), 8 - 4.4 * qCos(a)));
    }
    p.setPen(line(Ink, 1.2));
    p.drawLine(QPointF(8, 8), QPointF(8, 4));
    p.drawLine(QPointF(8, 8), QPointF(10.8, 9.6));
    p.setBrush(Red);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(8, 8), 1, 1);
}

void ArtworkPainter::paintTag(QPainter &p, const QColor &fill, const QColor &outline) const
{
    QPolygonF tag;
    tag << QPointF(1.5, 8) << QPointF(5.5, 3.5) << QPointF(14.5, 3.5) << QPointF(14.5, 12.5) << QPointF(5.5, 12.5);
    QLinearGradient shade(0, 3, 0, 13);
    shade.setColorAt(0, fill.lighter(118));
    shade.setColorAt(1, fill);
    p.setBrush(shade);
    p.setPen(line(outline));
    p.drawPolygon(tag);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(5, 8), 1.1, 1.1);
}

void ArtworkPainter::paintSold(QPainter &p) const
{
    paintTag(p, Gold, GoldDark);
    p.setPen(line(Green, 1.8));
    p.drawPolyline(QPolygonF() << QPointF(7.6, 8.2) << QPointF(9.6, 10.2) << QPointF(13, 5.8));
}

void ArtworkPainter::paintUnsold(QPainter &p) const
{
    paintTag(p, Grey, GreyDark);
    p.setPen(line(Red, 1.7));
    p.drawLine(QPointF(8.3, 5.8), QPointF(12.3, 10.2));
    p.drawLine(QPointF(12.3, 5.8), QPointF(8.3, 10.2));
}

void ArtworkPainter::paintSheet(QPainter &p, QRectF sheet, bool withLines) const
{
    const double fold = sheet.width() * 0.3;
    QPolygonF outline;
    outline << sheet.topLeft() << QPointF(sheet.right() - fold, sheet.top()) << QPointF(sheet.right(), sheet.top() + fold)
            << sheet.bottomRight() << sheet.bottomLeft();
    p.setBrush(Paper);
    p.setPen(line(Ink));
    p.drawPolygon(outline);
    p.setBrush(QColor(0xE4, 0xE8, 0xDA));
    p.drawPolygon(QPolygonF() << QPointF(sheet.right() - fold, sheet.top())
                              << QPointF(sheet.right() - fold, sheet.top() + fold)
                              << QPointF(sheet.right(), sheet.top() + fold));
    if (!withLines)
        return;
    p.setPen(line(PaperLine, 0.9));
    for (double y = sheet.top() + fold + 1.5; y < sheet.bottom() - 1; y += 2)
        p.drawLine(QPointF(sheet.left() + 2, y), QPointF(sheet.right() - 2, y));
}

void ArtworkPainter::paintArrow(QPainter &p, QPointF from, QPointF to, const QColor &colour, double width) const
{
    QLineF shaft(from, to);
    const double head = width * 2.2;
    QLineF back(to, from);
    back.setLength(head);
    const QPointF base = back.p2();
    QLineF wing = back.normalVector();
    wing.setLength(head * 0.8);
    const QPointF offset = wing.p2() - wing.p1();
    p.setPen(line(colour, width));
    p.drawLine(from, base);
    p.setPen(line(colour.darker(130), 0.6));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF() << to << base + offset << base - offset);
}

void ArtworkPainter::paintPlusBadge(QPainter &p, QPointF centre, double radius) const
{
    p.setBrush(Green);
    p.setPen(line(Green.darker(140), 0.8));
    p.drawEllipse(centre, radius, radius);
    p.setPen(line(Qt::white, radius * 0.45));
    const double arm = radius * 0.55;
    p.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    p.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
}

void ArtworkPainter::paintTransferList(QPainter &p) const
{
    p.setBrush(QColor(0xDC, 0xBE, 0x84));
    p.setPen(line(WoodDark));
    p.drawRoundedRect(QRectF(2.5, 2, 10, 13), 1.2, 1.2);
    p.setBrush(Paper);
    p.setPen(line(PaperLine, 0.8));
    p.drawRect(QRectF(4, 4, 7, 9.5));
    p.setPen(line(Ink, 0.9));
    for (double y = 6; y < 13; y += 2)
        p.drawLine(QPointF(5.2, y), QPointF(9.6, y));
    p.setBrush(Steel);
    p.setPen(line(SteelDark, 0.8));
    p.drawRoundedRect(QRectF(5, 1, 5, 2.5), 0.8, 0.8);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(12.3, 11.5), 3.6, 3.6);
    paintArrow(p, QPointF(12.3, 14.4), QPointF(12.3, 8.2), Blue, 1.6);
}

void ArtworkPainter::paintArticleMaster(QPainter &p) const
{
    p.setBrush(Paper);
    p.setPen(line(Ink, 0.9));
    p.drawRect(QRectF(3.5, 1.5, 8, 8));
    p.drawRect(QRectF(5, 3, 8, 8));
    p.setPen(line(PaperLine, 0.8));
    p.drawLine(QPointF(6.5, 5.5), QPointF(11.5, 5.5));
    p.drawLine(QPointF(6.5, 7.5), QPointF(11.5, 7.5));
    QLinearGradient front(0, 8, 0, 15);
    front.setColorAt(0, OliveLight);
    front.setColorAt(1, Olive);
    p.setBrush(front);
    p.setPen(line(OliveDark));
    p.drawRoundedRect(QRectF(1.5, 8.5, 13, 6), 1, 1);
    p.setBrush(Qt::white);
    p.setPen(line(OliveDark, 0.8));
    p.drawRoundedRect(QRectF(6, 10.5, 4, 1.8), 0.6, 0.6);
}

void ArtworkPainter::paintNewListing(QPainter &p) const
{
    paintSheet(p, QRectF(2.5, 1.5, 10, 13), true);
    paintPlusBadge(p, QPointF(11.8, 11.8), 3.6);
}

void ArtworkPainter::paintTransfer(QPainter &p) const
{
    paintArrow(p, QPointF(1.5, 5), QPointF(14.5, 5), Blue, 2.2);
    paintArrow(p, QPointF(14.5, 11), QPointF(1.5, 11), Green, 2.2);
}

void ArtworkPainter::paintProgram(QPainter &p) const
{
    QLinearGradient tile(0, 0, 0, 16);
    tile.setColorAt(0, Olive.lighter(125));
    tile.setColorAt(1, OliveDark);
    p.setBrush(tile);
    p.setPen(line(OliveDark, 0.6));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    p.save();
    p.translate(1.6, -0.6);
    p.scale(0.8, 0.8);
    paintTag(p, Gold, GoldDark);
    p.restore();
    paintArrow(p, QPointF(3, 13.2), QPointF(13, 13.2), Paper, 1.4);
}

void ArtworkPainter::paintCsvImport(QPainter &p) const
{
    p.setBrush(Paper);
    p.setPen(line(Ink));
    p.drawRect(QRectF(4.5, 1.5, 10, 13));
    p.setPen(line(PaperLine, 0.8));
    for (double y = 4.5; y < 14; y += 2.5)
        p.drawLine(QPointF(4.5, y), QPointF(14.5, y));
    p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 14.5));
    p.fillRect(QRectF(5, 2, 9.3, 2.4), OliveLight);
    p.setPen(line(Ink, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4.5, 1.5, 10, 13));
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(4.2, 9.5), 3.6, 3.6);
    paintArrow(p, QPointF(0.6, 9.5), QPointF(7.6, 9.5), Blue, 1.7);
}

void ArtworkPainter::paintGear(QPainter &p, QPointF centre, double outer, double inner, int teeth,
                               const QColor &fill) const
{
    QPainterPath gear;
    const int corners = teeth * 4;
    for (int i = 0; i < corners; ++i) {
        const double angle = 2 * M_PI * (i - 0.5) / corners;
        const double radius = (i % 4 < 2) ? outer : inner;
        const QPointF point = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
        if (i == 0)
            gear.moveTo(point);
        else
            gear.lineTo(point);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, inner * 0.42, inner * 0.42);
    QRadialGradient shade(centre - QPointF(outer * 0.3, outer * 0.3), outer * 1.4);
    shade.setColorAt(0, fill.lighter(125));
    shade.setColorAt(1, fill.darker(110));
    p.setBrush(shade);
    p.setPen(line(SteelDark, 0.9));
    p.drawPath(gear.subtracted(hole));
}

void ArtworkPainter::paintSettings(QPainter &p) const
{
    paintGear(p, QPointF(8, 8), 7, 5.1, 8, Steel);
}

void ArtworkPainter::paintListing(QPainter &p) const
{
    paintSheet(p, QRectF(2.5, 1.5, 11, 13), true);
}

void ArtworkPainter::paintListingPicture(QPainter &p) const
{
    const QRectF frame(1.5, 2.5, 13, 11);
    QLinearGradient sky(0, 2, 0, 13);
    sky.setColorAt(0, BlueLight);
    sky.setColorAt(1, Qt::white);
    p.setBrush(sky);
    p.setPen(Qt::NoPen);
    p.drawRect(frame);
    p.setBrush(Gold);
    p.drawEllipse(QPointF(11, 5.8), 1.6, 1.6);
    p.setBrush(Olive);
    p.drawPolygon(QPolygonF() << QPointF(1.5, 13.5) << QPointF(6, 7) << QPointF(9.5, 11) << QPointF(11, 9.5)
                              << QPointF(14.5, 13.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(line(Ink));
    p.drawRect(frame);
}

void ArtworkPainter::paintListingUnchecked(QPainter &p) const
{
    QPolygonF triangle;
    triangle << QPointF(8, 1.5) << QPointF(15, 14) << QPointF(1, 14);
    QLinearGradient shade(0, 1, 0, 14);
    shade.setColorAt(0, Gold.lighter(120));
    shade.setColorAt(1, Gold);
    p.setBrush(shade);
    p.setPen(line(GoldDark));
    p.drawPolygon(triangle);
    p.setPen(line(Ink, 1.7));
    p.drawLine(QPointF(8, 5.6), QPointF(8, 9.6));
    p.drawPoint(QPointF(8, 12));
}

// The group "my auctions": an auction hammer on its block.
void ArtworkPainter::paintGroupLists(QPainter &p) const
{
    p.setBrush(OliveLight);
    p.setPen(line(OliveDark, 0.6));
    p.drawRoundedRect(QRectF(1.5, 12, 10, 2.6), 0.8, 0.8);
    p.save();
    p.translate(8.5, 7);
    p.rotate(-40);
    QLinearGradient wood(0, -2, 0, 2);
    wood.setColorAt(0, Wood.lighter(125));
    wood.setColorAt(1, Wood);
    p.setBrush(wood);
    p.setPen(line(WoodDark, 0.6));
    p.drawRoundedRect(QRectF(-0.7, -0.8, 9, 1.6), 0.5, 0.5);
    p.drawRoundedRect(QRectF(-2.6, -4.6, 5.2, 9.2), 1, 1);
    p.setBrush(Gold);
    p.drawRect(QRectF(-2.6, -3.4, 5.2, 1.1));
    p.drawRect(QRectF(-2.6, 2.3, 5.2, 1.1));
    p.restore();
}

void ArtworkPainter::paintGroupNew(QPainter &p) const
{
    p.save();
    p.setPen(line(Ink, 0.6));
    paintSheet(p, QRectF(2.5, 1, 10, 13.5), true);
    p.restore();
    paintPlusBadge(p, QPointF(11.6, 11.6), 3.9);
}

void ArtworkPainter::paintGroupTasks(QPainter &p) const
{
    paintGear(p, QPointF(6.2, 6.4), 5.4, 4, 8, Steel);
    paintGear(p, QPointF(11.4, 11.2), 4, 2.9, 7, OliveLight);
}
