// Benchmarks of the technique ladder on puzzles thinned out as far as the complete search
// keeps them unique (nearly all need the forcing chain): the whole grade (gradeBoard, as the
// generator calls it) and the first hint (nextHint, as the key T calls it).
#include "engine/hint.h"
#include "tools/collections/generator.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<Board>& thinnedPuzzles() {
    static std::vector<Board> list = [] {
        std::vector<Board> boards;
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            Random random(seed);
            const FieldValues solution = makeSolution(random);
            boards.push_back(puzzleBoard(thinOutBySearch(solution, random)));
        }
        return boards;
    }();
    return list;
}

void BM_GradeThinnedPuzzle(benchmark::State& state) {
    const Board& b = thinnedPuzzles()[static_cast<size_t>(state.range(0))];
    for (auto _ : state) benchmark::DoNotOptimize(gradeBoard(b));
}
BENCHMARK(BM_GradeThinnedPuzzle)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

void BM_FirstHintOfThinnedPuzzle(benchmark::State& state) {
    const Board& b = thinnedPuzzles()[static_cast<size_t>(state.range(0))];
    for (auto _ : state) benchmark::DoNotOptimize(nextHint(b, nullptr, {}));
}
BENCHMARK(BM_FirstHintOfThinnedPuzzle)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
