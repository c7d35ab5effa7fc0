// A hundred Delete All / Un-Delete All on a scene of 200,000 rows of mixed
// statuses, as a long session on a large scene makes them. Target: the
// history at most 64 MiB (its bound) with all hundred steps kept, so that
// undoing them all gives the opened scene back; a step in a few
// milliseconds.
#include "core/bulk.h"
#include "core/session.h"

#include <benchmark/benchmark.h>

namespace {

using namespace veldor;

void BM_HistoryBulkStepsOn200000Rows(benchmark::State& state)
{
    constexpr std::size_t kRows = 200'000;
    SceneDocument opened;
    opened.objects.recreate(kRows + 1);
    opened.objectCount = std::int32_t(kRows);
    const std::int32_t pattern[] = {1, 2, 1, 1, 0, 2, 99, 1, 0};
    for (std::size_t i = 0; i < kRows; ++i) {
        opened.objects.status[i] = pattern[i * 7919 % 9];
        opened.objects.title[i] = "Hot Air Balloon";
    }
    double bytes = 0, steps = 0;
    for (auto _ : state) {
        Session session;
        session.replaceDocument(opened);
        for (int i = 0; i < 100; ++i)
            session.applyToAll(i % 2 ? unDeleteAll : deleteAll, "Bulk");
        bytes = double(session.history().bytes());
        steps = double(session.history().steps());
    }
    state.counters["history_MB"] = bytes / 1e6;
    state.counters["steps_kept"] = steps;
    state.counters["bytes_per_row_step"] = bytes / steps / double(kRows);
}
BENCHMARK(BM_HistoryBulkStepsOn200000Rows)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
