// Full renderings as the program makes them, every picture file read afresh:
// the built-in sky and ground under 20 objects, 2,000 objects of many sizes,
// and 200,000 small ones.
#include "core/renderer.h"
#include "core/scene.h"
#include "platform/paths.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace veldor;

veldor::SceneState twentyObjectScene()
{
    SceneState scene;
    scene.appDir = VELDOR_BENCH_APP_DIR;
    scene.skyFile = "sky0.bmp";
    scene.groundFile = "ground2.bmp";
    scene.tintRed = 70;
    scene.tintGreen = 58;
    scene.tintBlue = 60;
    for (int i = 0; i < 20; ++i) {
        const std::size_t row = std::size_t(i);
        scene.objects.growToHold(row);
        // Mostly in front, some behind; sizes from small to a third of the picture.
        scene.objects.status[row] = i % 4 == 3 ? ObjectStatus::Behind : ObjectStatus::Front;
        scene.objects.imageFile[row] = "object" + std::to_string(i % 5) + ".bmp";
        scene.objects.title[row] = "Object";
        scene.objects.left[row] = (i * 97) % 560 - 20;
        scene.objects.top[row] = (i * 53) % 280 - 10;
        scene.objects.width[row] = 40 + (i * 37) % 170;
        scene.objects.height[row] = 30 + (i * 29) % 120;
    }
    scene.objectCount = 20;
    return scene;
}

// `count` rows over the five built-in objects; sizes and places drawn from
// [minSize, maxSize] and [minPos, maxPos] (the same for both axes).
veldor::SceneState randomScene(int count, int minSize, int maxSize, int minPos, int maxPos)
{
    SceneState scene = twentyObjectScene();
    std::mt19937 rng(11);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    scene.objects.recreate(std::size_t(count));
    for (std::size_t row = 0; row < std::size_t(count); ++row) {
        scene.objects.status[row] = pick(0, 9) == 0 ? ObjectStatus::Behind : ObjectStatus::Front;
        scene.objects.imageFile[row] = "object" + std::to_string(pick(0, 4)) + ".bmp";
        scene.objects.left[row] = pick(minPos, maxPos);
        scene.objects.top[row] = pick(minPos, maxPos);
        scene.objects.width[row] = pick(minSize, maxSize);
        scene.objects.height[row] = pick(minSize, maxSize);
    }
    scene.objectCount = count;
    return scene;
}

void runRendering(benchmark::State& state, const SceneState& scene)
{
    for (const char* name : {"sky0.bmp", "ground2.bmp", "object0.bmp", "object4.bmp"}) {
        if (!fileExists(appPath(scene.appDir, name))) {
            state.SkipWithError("the pictures have not been generated");
            return;
        }
    }
    MainSurfaces surfaces;
    for (auto _ : state) {
        SceneState s = scene;
        renderScene(s, surfaces);
        benchmark::DoNotOptimize(surfaces.mainImage.data().data());
    }
}

// Target: at most 0.8 ms.
void BM_RenderTwentyObjects(benchmark::State& state)
{
    runRendering(state, twentyObjectScene());
}
BENCHMARK(BM_RenderTwentyObjects)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Target: at most 50 ms. Sizes 20 to 200, placed anywhere, most of them
// partly or wholly off the picture.
void BM_RenderTwoThousandObjects(benchmark::State& state)
{
    runRendering(state, randomScene(2000, 20, 200, -1000, 1000));
}
BENCHMARK(BM_RenderTwoThousandObjects)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Target: at most 0.5 s. Every one of them lands on the picture.
void BM_RenderTwoHundredThousandDrawn(benchmark::State& state)
{
    runRendering(state, randomScene(200000, 20, 20, 0, 320));
}
BENCHMARK(BM_RenderTwoHundredThousandDrawn)->Unit(benchmark::kMillisecond)->Repetitions(3)
    ->Iterations(1)->ReportAggregatesOnly(true);

} // namespace
