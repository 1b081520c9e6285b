// Benchmark of the puzzle generator: the time to one kept puzzle per level, symmetric and
// free. Each repetition generates one puzzle from the next seed of its level and symmetry
// (1, 2, ... whatever other benchmarks run or are filtered out), so the aggregates are the
// median and the 95th percentile over that many seeds; the counters give the givens and
// the removal passes the kept puzzle took. A level that no rung of the ladder belongs to yet
// is left out.
#include "engine/generate.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace {

// The next seed of each level and symmetry.
std::map<std::pair<int, int>, std::uint32_t> nextSeeds;

void BM_generatePuzzle(benchmark::State& state) {
    const auto level = static_cast<GeneratedLevel>(state.range(0));
    const bool symmetric = state.range(1) != 0;
    const std::atomic<bool> cancel{false};
    std::uint32_t& nextSeed =
        nextSeeds.try_emplace({static_cast<int>(state.range(0)), symmetric ? 1 : 0}, 1)
            .first->second;
    for (auto _ : state) {
        const std::optional<GeneratedPuzzle> puzzle =
            generatePuzzle(level, symmetric, nextSeed++, cancel);
        if (!puzzle) {
            state.SkipWithError("no puzzle");
            break;
        }
        state.counters["givens"] = puzzle->givenCount;
        state.counters["passes"] = puzzle->attempts;
    }
    state.SetLabel(generatedLevelInfo(level).name);
}

double percentile95(const std::vector<double>& samples) {
    std::vector<double> sorted = samples;
    std::sort(sorted.begin(), sorted.end());
    const auto k = static_cast<std::size_t>(std::ceil(0.95 * static_cast<double>(sorted.size())));
    return sorted[std::clamp<std::size_t>(k, 1, sorted.size()) - 1];
}

void levels(benchmark::internal::Benchmark* b) {
    for (int symmetric : {1, 0})
        for (int level = 0; level < kGeneratedLevelCount; ++level)
            if (levelHasTechniques(static_cast<GeneratedLevel>(level))) b->Args({level, symmetric});
}

} // namespace

BENCHMARK(BM_generatePuzzle)
    ->Apply(levels)
    ->ArgNames({"level", "symmetric"})
    ->Iterations(1)
    ->Repetitions(40)
    ->ComputeStatistics("p95", percentile95)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
