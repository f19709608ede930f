#include "bench/support/SamplePhoto.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

namespace SamplePhoto {

void write(const QString &path, const QSize &size, int shapes, unsigned int seed)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(70, 120, 200));
    sky.setColorAt(0.55, QColor(200, 215, 235));
    sky.setColorAt(0.56, QColor(90, 130, 60));
    sky.setColorAt(1, QColor(40, 70, 30));
    painter.fillRect(image.rect(), sky);
    QRandomGenerator random(seed);
    painter.setPen(Qt::NoPen);
    const int largest = size.width() / 15;
    for (int i = 0; i < shapes; ++i) {
        const QColor colour(random.bounded(256), random.bounded(256), random.bounded(256), 90);
        QRadialGradient blob(random.bounded(size.width()), random.bounded(size.height()), 50 + random.bounded(largest));
        blob.setColorAt(0, colour);
        blob.setColorAt(1, Qt::transparent);
        painter.setBrush(blob);
        painter.drawEllipse(blob.center(), blob.radius(), blob.radius());
    }
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = static_cast<int>(random.bounded(9)) - 4;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + n, 255), qBound(0, qGreen(p) + n, 255), qBound(0, qBlue(p) + n, 255));
        }
    }
    image.save(path, "JPEG", 90);
}

} // namespace SamplePhoto
