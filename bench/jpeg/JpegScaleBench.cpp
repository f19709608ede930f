// Scaling a large camera picture to the stored height of 400 pixels: our DCT-scaled
// decode plus area filter against a full decode and QImage's smooth scaling.

#include "bench/support/SamplePhoto.h"
#include "store/JpegScaler.h"

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

QTemporaryDir &workDir()
{
    static QTemporaryDir dir;
    return dir;
}

QString sourcePath()
{
    return workDir().filePath(QStringLiteral("photo.jpg"));
}

QImage plainWay(const QString &source, const QString &target)
{
    const QImage full(source);
    const QSize size = JpegScaler::targetSize(full.size(), 400);
    const QImage scaled = full.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.save(target, "JPEG");
    return scaled;
}

void BM_ScaleJpegToHeight(benchmark::State &state)
{
    const QString target = workDir().filePath(QStringLiteral("ours.jpg"));
    for (auto _ : state)
        JpegScaler::ScaleJpegToHeight(sourcePath(), target, 400);
}

void BM_FullDecodeAndSmoothScale(benchmark::State &state)
{
    const QString target = workDir().filePath(QStringLiteral("plain.jpg"));
    for (auto _ : state)
        benchmark::DoNotOptimize(plainWay(sourcePath(), target));
}

double psnr(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)})
                sum += d * d;
        }
    }
    const double mse = sum / (3.0 * a.width() * a.height());
    return mse == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

template <typename F> double secondsPerRun(F run, int runs)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i)
        run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
}

void printSummary()
{
    const QString ours = workDir().filePath(QStringLiteral("ours.jpg"));
    const QString plain = workDir().filePath(QStringLiteral("plain.jpg"));
    const double oursTime = secondsPerRun([&] { JpegScaler::ScaleJpegToHeight(sourcePath(), ours, 400); }, 5);
    const double plainTime = secondsPerRun([&] { plainWay(sourcePath(), plain); }, 5);
    // Compare the pictures before the final encoding: decode both results and the
    // reference scaled copy.
    const QImage reference = QImage(sourcePath()).scaled(JpegScaler::targetSize(QSize(6000, 4000), 400),
                                                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage result(ours);
    std::printf("\nScaleJpegToHeight 6000x4000 -> %dx%d\n", result.width(), result.height());
    std::printf("  ours (DCT scaling + area filter): %8.1f ms\n", oursTime * 1000);
    std::printf("  full decode + QImage::scaled:     %8.1f ms\n", plainTime * 1000);
    std::printf("  speed-up: %.1fx (goal >= 4x)\n", plainTime / oursTime);
    std::printf("  PSNR ours vs reference: %.1f dB (goal >= 30 dB)\n", psnr(result, reference.convertToFormat(QImage::Format_RGB32)));
}

} // namespace

BENCHMARK(BM_ScaleJpegToHeight)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FullDecodeAndSmoothScale)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    SamplePhoto::write(sourcePath(), QSize(6000, 4000), 400, 42);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    printSummary();
    benchmark::Shutdown();
    return 0;
}
