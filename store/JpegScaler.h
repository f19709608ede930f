#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

// Copies a JPEG picture scaled to at most a given height. Decoding uses the JPEG
// library's DCT scaling to the smallest size not below the target, then an area filter
// brings it to the exact size; the copy is written with the encoder's defaults.
namespace JpegScaler {

// The size a picture of the given size is stored at: the height limited to maxHeight,
// the width following in proportion, rounded to the nearest integer (halves to even).
QSize targetSize(const QSize &source, int maxHeight);

// Writes the scaled copy and returns "OK". Raises AppError when the source is missing
// or no JPEG picture, or when the target cannot be written. Source and target may be
// the same path.
QString ScaleJpegToHeight(const QString &sourcePath, const QString &targetPath, int maxHeight);

} // namespace JpegScaler
