// Loading a ground-sized picture happens at every rendering: aim for about
// 0.1-0.2 ms for a 630x340 24-bit file, several times faster than a general
// image library.
#include "platform/bmp.h"
#include "platform/surface.h"

#include <benchmark/benchmark.h>

#ifdef VELDOR_BENCH_QT
#include <QImage>
#include <QString>
#endif

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

veldor::Surface groundSizedPicture()
{
    veldor::Surface s(630, 340);
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            s.setPixel(x, y, veldor::rgb(x * 7, y * 3, (x ^ y) & 0xFF));
    return s;
}

// The file lives as long as the benchmark that uses it.
struct TempBmp {
    std::string path;
    TempBmp()
        : path((std::filesystem::temp_directory_path() / ("veldor-bench-" + std::to_string(::getpid()) + ".bmp"))
                   .string())
    {
        veldor::saveBmpFile(groundSizedPicture(), path);
    }
    ~TempBmp() { std::remove(path.c_str()); }
};

void BM_LoadBmpFile24(benchmark::State& state)
{
    const TempBmp file;
    for (auto _ : state) {
        veldor::Bitmap b = veldor::loadBmpFile(file.path);
        benchmark::DoNotOptimize(b.pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * 630 * 340);
}
BENCHMARK(BM_LoadBmpFile24)->Unit(benchmark::kMicrosecond);

void BM_DecodeBmp24(benchmark::State& state)
{
    const std::vector<std::uint8_t> bytes = veldor::encodeBmp(groundSizedPicture());
    for (auto _ : state) {
        veldor::Bitmap b = veldor::decodeBmp(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(b.pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * 630 * 340);
}
BENCHMARK(BM_DecodeBmp24)->Unit(benchmark::kMicrosecond);

#ifdef VELDOR_BENCH_QT
// The yardstick: the same file through Qt's general image reader.
void BM_LoadBmpFile24Qt(benchmark::State& state)
{
    const TempBmp file;
    const QString path = QString::fromStdString(file.path);
    for (auto _ : state) {
        QImage image(path);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 630 * 340);
}
BENCHMARK(BM_LoadBmpFile24Qt)->Unit(benchmark::kMicrosecond);
#endif

} // namespace
