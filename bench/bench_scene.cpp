// Reading and writing a scene file of 10,000 object rows, and reading one of
// 2,000,000 deleted rows with the heap it needs.
#include "files/scenefile.h"
#include "heap_peak.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using namespace veldor;

SceneDocument bigScene()
{
    SceneDocument d;
    d.skyFile = "packs\\mineS2.bmp";
    d.groundFile = "ground4.bmp";
    d.tintRed = -20;
    d.tintGreen = 35;
    d.tintBlue = 110;
    const int rows = 10000;
    d.objects.recreate(rows);
    for (int i = 0; i < rows; ++i) {
        const std::size_t r = std::size_t(i);
        d.objects.status[r] = i % 7 == 0 ? ObjectStatus::Retired : ObjectStatus::Front;
        d.objects.imageFile[r] = "object" + std::to_string(i % 5) + ".bmp";
        d.objects.title[r] = "Hot Air Balloon";
        d.objects.left[r] = i % 630;
        d.objects.top[r] = -(i % 340);
        d.objects.width[r] = 1 + i % 300;
        d.objects.height[r] = 1 + i % 200;
    }
    d.objectCount = rows;
    return d;
}

std::string tempPath(const char* name)
{
    return (std::filesystem::temp_directory_path()
            / ("veldor-bench-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

void BM_SceneRead10000Rows(benchmark::State& state)
{
    const std::string path = tempPath("read.vdr");
    writeSceneFile(bigScene(), path);
    for (auto _ : state) {
        auto d = readSceneFile(path);
        benchmark::DoNotOptimize(d);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SceneRead10000Rows)->Unit(benchmark::kMillisecond);

// Every row deleted and naming the same picture, as a long session's scene
// is (57 MiB). Target: at most 0.8 s, with a heap peak of at most twice the
// file.
void BM_SceneReadTwoMillionDeletedRows(benchmark::State& state)
{
    constexpr int kRows = 2000000;
    const std::string path = tempPath("deleted.vdr");
    {
        std::ofstream out(path, std::ios::binary);
        out << kSceneMagic << "\r\nsky1.bmp\r\nground1.bmp\r\n0\r\n0\r\n10\r\n" << kRows << "\r\n";
        const std::string row = "0\r\nobject1.bmp\r\n\r\n0\r\n0\r\n0\r\n0\r\n";
        for (int i = 0; i < kRows; ++i)
            out << row;
    }
    const double fileBytes = double(std::filesystem::file_size(path));
    double peak = 0;
    for (auto _ : state) {
        veldor::bench::resetHeapPeak();
        auto d = readSceneFile(path);
        benchmark::DoNotOptimize(d);
        peak = double(veldor::bench::heapPeakSinceReset());
    }
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["peak_per_byte"] = peak / fileBytes;
    std::filesystem::remove(path);
}
BENCHMARK(BM_SceneReadTwoMillionDeletedRows)->Unit(benchmark::kMillisecond)->Iterations(1)
    ->Repetitions(3)->ReportAggregatesOnly(true);

void BM_SceneWrite10000Rows(benchmark::State& state)
{
    const SceneDocument d = bigScene();
    const std::string path = tempPath("write.vdr");
    for (auto _ : state)
        writeSceneFile(d, path);
    std::filesystem::remove(path);
}
BENCHMARK(BM_SceneWrite10000Rows)->Unit(benchmark::kMillisecond);

} // namespace
