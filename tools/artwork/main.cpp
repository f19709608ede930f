#include "ArtworkPainter.h"

#include <QGuiApplication>
#include <cstdio>

// artwork <directory> [<sheet.png>]: writes the side bar skin, arrow glyphs and icons as
// PNG files, and optionally an enlarged overview of them.
int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: artwork <directory> [<sheet.png>]\n");
        return 2;
    }
    ArtworkPainter painter;
    const QString directory = QString::fromLocal8Bit(argv[1]);
    if (!painter.writeAll(directory))
        return 1;
    if (argc == 3 && !painter.contactSheet(directory, 4).save(QString::fromLocal8Bit(argv[2])))
        return 1;
    return 0;
}
