#include "store/JpegScaler.h"
#include "tests/support/TempProgramDir.h"

#include "core/AppError.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Four coloured quadrants, so a swapped channel or a shifted picture shows.
QString writeQuadrants(const QString &path, int width, int height, const char *format = "JPEG")
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, QColor(220, 30, 30));
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, QColor(30, 200, 40));
    painter.fillRect(0, height / 2, width / 2, height - height / 2, QColor(30, 40, 210));
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, QColor(240, 240, 240));
    painter.end();
    EXPECT_TRUE(image.save(path, format, 95));
    return path;
}

void expectNear(QRgb actual, QColor expected)
{
    EXPECT_NEAR(qRed(actual), expected.red(), 12);
    EXPECT_NEAR(qGreen(actual), expected.green(), 12);
    EXPECT_NEAR(qBlue(actual), expected.blue(), 12);
}

} // namespace

TEST(JpegScaler, StoresPicturesAtTheirTargetSizes)
{
    TempProgramDir dir;
    const struct {
        int width, height, storedWidth, storedHeight;
    } cases[] = {
        {1200, 800, 600, 400}, {300, 800, 150, 400}, {800, 400, 800, 400},
        {1000, 401, 998, 400}, {640, 200, 640, 200}, {6000, 4000, 600, 400},
    };
    for (const auto &c : cases) {
        const QString source = writeQuadrants(dir.file(QStringLiteral("in.jpg")), c.width, c.height);
        const QString target = dir.file(QStringLiteral("out.jpg"));
        EXPECT_EQ(JpegScaler::ScaleJpegToHeight(source, target, 400), QStringLiteral("OK"));
        QImageReader reader(target);
        EXPECT_EQ(reader.format(), QByteArray("jpeg"));
        EXPECT_EQ(reader.size(), QSize(c.storedWidth, c.storedHeight)) << c.width << "x" << c.height;
        EXPECT_EQ(JpegScaler::targetSize(QSize(c.width, c.height), 400), QSize(c.storedWidth, c.storedHeight));
    }
}

TEST(JpegScaler, KeepsThePictureContent)
{
    TempProgramDir dir;
    const QString source = writeQuadrants(dir.file(QStringLiteral("in.jpg")), 1600, 1200);
    const QString target = dir.file(QStringLiteral("out.jpg"));
    JpegScaler::ScaleJpegToHeight(source, target, 400);
    const QImage scaled(target);
    ASSERT_EQ(scaled.size(), QSize(533, 400));
    expectNear(scaled.pixel(133, 100), QColor(220, 30, 30));
    expectNear(scaled.pixel(400, 100), QColor(30, 200, 40));
    expectNear(scaled.pixel(133, 300), QColor(30, 40, 210));
    expectNear(scaled.pixel(400, 300), QColor(240, 240, 240));
}

TEST(JpegScaler, ScalesInPlaceAndReadsGreyscale)
{
    TempProgramDir dir;
    const QString path = writeQuadrants(dir.file(QStringLiteral("same.jpg")), 900, 600);
    EXPECT_EQ(JpegScaler::ScaleJpegToHeight(path, path, 400), QStringLiteral("OK"));
    EXPECT_EQ(QImageReader(path).size(), QSize(600, 400));

    QImage grey(800, 800, QImage::Format_Grayscale8);
    grey.fill(128);
    const QString greyPath = dir.file(QStringLiteral("grey.jpg"));
    ASSERT_TRUE(grey.save(greyPath, "JPEG"));
    JpegScaler::ScaleJpegToHeight(greyPath, dir.file(QStringLiteral("grey-out.jpg")), 400);
    const QImage out(dir.file(QStringLiteral("grey-out.jpg")));
    EXPECT_EQ(out.size(), QSize(400, 400));
    EXPECT_NEAR(qGray(out.pixel(200, 200)), 128, 3);
}

TEST(JpegScaler, RaisesClearErrors)
{
    TempProgramDir dir;
    const QString good = writeQuadrants(dir.file(QStringLiteral("good.jpg")), 200, 100);
    const QString png = writeQuadrants(dir.file(QStringLiteral("bild.jpg")), 200, 100, "PNG");
    QFile truncated(dir.file(QStringLiteral("cut.jpg")));
    ASSERT_TRUE(truncated.open(QIODevice::WriteOnly));
    truncated.write(QByteArray("\xFF\xD8\xFF\xE0", 4));
    truncated.close();

    const struct {
        QString source, target;
        const char *startOfMessage;
    } cases[] = {
        {dir.file(QStringLiteral("missing.jpg")), dir.file(QStringLiteral("o.jpg")), "Die Bilddatei"},
        {png, dir.file(QStringLiteral("o.jpg")), "Die Datei"},
        {truncated.fileName(), dir.file(QStringLiteral("o.jpg")), "Die Datei"},
        {good, dir.file(QStringLiteral("no/such/folder/o.jpg")), "Die Bilddatei"},
    };
    for (const auto &c : cases) {
        try {
            JpegScaler::ScaleJpegToHeight(c.source, c.target, 400);
            ADD_FAILURE() << "no error for " << c.source.toStdString();
        } catch (const AppError &error) {
            EXPECT_TRUE(error.text().startsWith(QLatin1String(c.startOfMessage))) << error.text().toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("o.jpg"))));
}
