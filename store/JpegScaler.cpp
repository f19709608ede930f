#include "store/JpegScaler.h"

#include "core/AppError.h"
#include "store/RgbImage.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace JpegScaler {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info)
{
    auto *manager = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void silenceWarnings(j_common_ptr, int) {}

// Scale factor n/8 of the smallest decoded size that still covers the target.
unsigned int dctScaleNumerator(j_decompress_ptr info, const QSize &target)
{
    for (unsigned int numerator = 1; numerator <= 8; ++numerator) {
        info->scale_num = numerator;
        info->scale_denom = 8;
        jpeg_calc_output_dimensions(info);
        if (static_cast<int>(info->output_width) >= target.width()
            && static_cast<int>(info->output_height) >= target.height())
            return numerator;
    }
    return 8;
}

void cmykToRgb(const unsigned char *cmyk, unsigned char *rgb, unsigned int width, bool inverted)
{
    for (unsigned int x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const int k = inverted ? cmyk[3] : 255 - cmyk[3];
        for (int c = 0; c < 3; ++c) {
            const int value = inverted ? cmyk[c] : 255 - cmyk[c];
            rgb[c] = static_cast<unsigned char>(value * k / 255);
        }
    }
}

// Decodes at the DCT scale that covers the target. Holds only plain data between
// setjmp and a possible longjmp. Returns false with the library's message on failure.
bool decodeScaled(const QByteArray &jpeg, int maxHeight, RgbImage *image, QSize *target,
                  std::vector<unsigned char> &row, char *message)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = silenceWarnings;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(jpeg.constData()), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    *target = targetSize(QSize(static_cast<int>(info.image_width), static_cast<int>(info.image_height)), maxHeight);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    if (dctScaleNumerator(&info, *target) < 8) {
        // The picture shrinks after decoding: the finer chroma upsampling would be
        // averaged away by the area filter.
        info.do_fancy_upsampling = FALSE;
    }
    jpeg_start_decompress(&info);
    image->resize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    row.resize(static_cast<size_t>(info.output_width) * static_cast<size_t>(info.output_components));
    const bool adobeInverted = info.saw_Adobe_marker;
    while (info.output_scanline < info.output_height) {
        unsigned char *target_row = image->row(static_cast<int>(info.output_scanline));
        JSAMPROW rows[1] = {cmyk ? row.data() : target_row};
        jpeg_read_scanlines(&info, rows, 1);
        if (cmyk)
            cmykToRgb(row.data(), target_row, info.output_width, adobeInverted);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool encode(const RgbImage &image, QByteArray *out, char *message)
{
    jpeg_compress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {const_cast<unsigned char *>(image.row(static_cast<int>(info.next_scanline)))};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    out->append(reinterpret_cast<const char *>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return true;
}

QByteArray readSource(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Die Bilddatei %1 wurde nicht gefunden.").arg(path));
    return file.readAll();
}

void writeTarget(const QString &path, const QByteArray &bytes)
{
    // Written beside the target and renamed over it, so the source may be the target and
    // a failed write leaves no half picture. No sync to disk: a picture is a copy that
    // can be made again, and waiting for the disk would dominate the whole operation.
    const QFileInfo target(path);
    QTemporaryFile file(target.absolutePath() + QStringLiteral("/.scaled-XXXXXX.part"));
    const bool written = file.open() && file.write(bytes) == bytes.size() && file.flush()
        && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                               | QFileDevice::ReadOther);
    if (!written || std::rename(QFile::encodeName(file.fileName()).constData(),
                                QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        throw AppError(QStringLiteral("Die Bilddatei %1 kann nicht geschrieben werden.").arg(path));
    file.setAutoRemove(false);
}

} // namespace

QSize targetSize(const QSize &source, int maxHeight)
{
    if (source.height() <= maxHeight || source.height() <= 0)
        return source;
    const double width = static_cast<double>(source.width()) / source.height() * maxHeight;
    return QSize(std::max(1, static_cast<int>(std::nearbyint(width))), maxHeight);
}

QString ScaleJpegToHeight(const QString &sourcePath, const QString &targetPath, int maxHeight)
{
    if (maxHeight <= 0)
        throw AppError(QStringLiteral("Ungültige Bildhöhe %1.").arg(maxHeight));
    const QByteArray source = readSource(sourcePath);
    RgbImage decoded;
    QSize target;
    std::vector<unsigned char> row;
    char message[JMSG_LENGTH_MAX] = {};
    if (!decodeScaled(source, maxHeight, &decoded, &target, row, message))
        throw AppError(QStringLiteral("Die Datei %1 ist kein gültiges JPEG-Bild (%2).")
                           .arg(sourcePath, QString::fromLocal8Bit(message)));
    const RgbImage scaled = decoded.resampled(target.width(), target.height());
    QByteArray encoded;
    if (!encode(scaled, &encoded, message))
        throw AppError(QStringLiteral("Die Bilddatei %1 kann nicht geschrieben werden (%2).")
                           .arg(targetPath, QString::fromLocal8Bit(message)));
    writeTarget(targetPath, encoded);
    return QStringLiteral("OK");
}

} // namespace JpegScaler
