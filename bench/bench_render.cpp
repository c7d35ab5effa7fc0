// A full rendering as the program makes it: the built-in sky and ground and
// 20 objects, every picture file read afresh.
#include "core/renderer.h"
#include "platform/paths.h"

#include <benchmark/benchmark.h>

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
        scene.objects.status[row] = i % 4 == 3 ? Behind : Front;
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

void BM_RenderTwentyObjects(benchmark::State& state)
{
    const SceneState scene = twentyObjectScene();
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
BENCHMARK(BM_RenderTwentyObjects)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
