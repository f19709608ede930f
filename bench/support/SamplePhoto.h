#pragma once

#include <QSize>
#include <QString>

// A photo-like camera picture for the picture benchmarks: smooth gradients, soft shapes
// and fine noise, written as a JPEG of quality 90.
namespace SamplePhoto {

void write(const QString &path, const QSize &size, int shapes, unsigned int seed);

} // namespace SamplePhoto
