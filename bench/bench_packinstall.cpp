// Installing an image pack: the shipped sample pack over an earlier copy of
// itself, and the same pack with a bitmap that ends in 1 GiB of zeros.
// Targets on the reference 2-core machine: the sample pack in under 0.3 s
// (most of it waiting for the disk) with at most 4 MB of heap, whatever the
// pack's size, since every file is streamed; the 1 GiB bitmap refused in
// under 50 ms, nothing copied.
#include "heap_peak.h"
#include "sources/packbuild.h"
#include "sources/packinstall.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using namespace veldor;
namespace fs = std::filesystem;

// The sample pack copied into a private folder, removed at exit; one
// bitmap of a second copy grown to 1 GiB (sparse: no disk).
struct PackFiles {
    fs::path dir = fs::temp_directory_path() / ("veldor-bench-packinstall-" + std::to_string(::getpid()));
    fs::path sent = dir / "sent" / "sample.vpk";
    fs::path grown = dir / "grown" / "sample.vpk";

    PackFiles()
    {
        const fs::path shipped = fs::path(VELDOR_BENCH_APP_DIR) / "packs";
        for (const fs::path& to : {sent, grown}) {
            fs::create_directories(to.parent_path());
            fs::copy_file(shipped / "sample.vpk", to);
            for (const std::string& name : packBitmapNames("smp"))
                fs::copy_file(shipped / name, to.parent_path() / name);
        }
        fs::resize_file(grown.parent_path() / "smpS2.bmp", std::uintmax_t(1) << 30);
    }
    ~PackFiles() { fs::remove_all(dir); }
};

const PackFiles& files()
{
    static const PackFiles f;
    return f;
}

void measure(benchmark::State& state, const fs::path& pack)
{
    const std::string packs = (files().dir / "packs").string();
    double peak = 0;
    PackInstallOutcome outcome = PackInstallOutcome::Refused;
    for (auto _ : state) {
        bench::resetHeapPeak();
        outcome = installPack(pack.string(), packs).outcome;
        peak = std::max(peak, double(bench::heapPeakSinceReset()));
    }
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["installed"] = outcome != PackInstallOutcome::Refused;
}

void BM_InstallSamplePackOverItself(benchmark::State& state) { measure(state, files().sent); }
void BM_HostileInstallPackWithGibibyteBitmap(benchmark::State& state) { measure(state, files().grown); }

} // namespace

BENCHMARK(BM_InstallSamplePackOverItself)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostileInstallPackWithGibibyteBitmap)->Unit(benchmark::kMillisecond);
