#include "ArtworkPainter.h"

#include <QGuiApplication>
#include <cstdio>

// artwork <directory> [<sheet.png>]: writes the side bar skin, arrow glyphs and icons as
// PNG files, and optionally an enlarged overview of them.
// artwork --program-icons <directory>: writes the program's desktop icon in the hicolor
// theme's layout (packaging/icons).
int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: artwork <directory> [<sheet.png>] | artwork --program-icons <directory>\n");
        return 2;
    }
    ArtworkPainter painter;
    if (argc == 3 && QLatin1String(argv[1]) == QLatin1String("--program-icons"))
        return painter.writeProgramIcons(QString::fromLocal8Bit(argv[2]), QStringLiteral("veltrano")) ? 0 : 1;
    const QString directory = QString::fromLocal8Bit(argv[1]);
    if (!painter.writeAll(directory))
        return 1;
    if (argc == 3 && !painter.contactSheet(directory, 4).save(QString::fromLocal8Bit(argv[2])))
        return 1;
    return 0;
}
