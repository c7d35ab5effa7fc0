// Effects, the stretching copy and the exports on a full-size picture.
// Targets on the reference 2-core machine: each effect at most 0.15 ms.
#include "effects/effects.h"
#include "output/exportbmp.h"
#include "platform/stretch.h"
#include "platform/surface.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <unistd.h>

using namespace veldor;

namespace {

Surface randomPicture()
{
    std::mt19937 rng(1);
    Surface s(630, 340);
    for (Color& c : s.data())
        c = Color(rng() & 0x00FFFFFFu);
    return s;
}

std::string tempBmp(const char* name)
{
    return (std::filesystem::temp_directory_path()
            / ("veldor-bench-" + std::to_string(::getpid()) + "-" + name + ".bmp"))
        .string();
}

template <typename F>
void runOnPicture(benchmark::State& state, F effect)
{
    Surface picture = randomPicture();
    Surface scratch(640, 480);
    for (auto _ : state) {
        effect(picture, scratch);
        benchmark::DoNotOptimize(picture.data().data());
    }
}

void BM_EffectTint(benchmark::State& state)
{
    runOnPicture(state, [](Surface& p, Surface&) { applyTint(p, rgb(160, 140, 170)); });
}
void BM_EffectDarken(benchmark::State& state)
{
    runOnPicture(state, [](Surface& p, Surface&) { applyDarken(p); });
}
void BM_EffectLighten(benchmark::State& state)
{
    runOnPicture(state, [](Surface& p, Surface&) { applyLighten(p); });
}
void BM_EffectXor(benchmark::State& state)
{
    runOnPicture(state, [](Surface& p, Surface&) { applyXor(p, rgb(10, 20, 30)); });
}
void BM_EffectAntiAlias(benchmark::State& state)
{
    runOnPicture(state, [](Surface& p, Surface& s) { applyAntiAlias(p, s); });
}

void BM_StretchCopy630x340To640x480(benchmark::State& state)
{
    const Surface picture = randomPicture();
    Surface scratch(640, 480);
    for (auto _ : state) {
        stretchCopy(scratch, 0, 0, 640, 480, picture, 0, 0, 630, 340);
        benchmark::DoNotOptimize(scratch.data().data());
    }
}

void BM_ExportStandard(benchmark::State& state)
{
    const Surface picture = randomPicture();
    const std::string path = tempBmp("standard");
    for (auto _ : state)
        exportStandard(picture, path);
    std::filesystem::remove(path);
}

void BM_ExportStretched(benchmark::State& state)
{
    const Surface picture = randomPicture();
    Surface scratch(640, 480);
    const std::string path = tempBmp("stretched");
    for (auto _ : state)
        exportStretched(picture, scratch, path);
    std::filesystem::remove(path);
}

} // namespace

BENCHMARK(BM_EffectTint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EffectDarken)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EffectLighten)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EffectXor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EffectAntiAlias)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StretchCopy630x340To640x480)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExportStandard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExportStretched)->Unit(benchmark::kMicrosecond);
