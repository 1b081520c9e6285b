// Benchmark of the collection generator: one puzzle of each difficulty, a fresh seed per
// repetition (seeds 90001..90010), as tools/generate_collections makes them.
#include "tools/collections/generator.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

void generateOnePuzzle(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    static std::array<std::uint32_t, 4> next{};
    CollectionPuzzle puzzle;
    for (auto _ : state) {
        puzzle = generatePuzzle(level, 90001 + next[level]++ % 10);
        benchmark::DoNotOptimize(puzzle.clues);
    }
    state.counters["givens"] = puzzle.work.givens;
    state.counters["grade"] = puzzle.work.grade;
    state.SetLabel(kDifficultyLevels[level].fileName);
}

} // namespace

BENCHMARK(generateOnePuzzle)
    ->DenseRange(0, 3)
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
