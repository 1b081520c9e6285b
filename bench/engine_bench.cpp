// Benchmarks of the engine: the silent solve with unit bitmasks against the literal
// reference on the same sparse puzzles, the rule check, and the whole shuffle.
#include "engine/rules.h"
#include "engine/shuffle.h"
#include "engine/solver.h"
#include "reference/reference_solver.h"
#include "support_pure/puzzles.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Six sparse puzzles (about 95 givens of 369 cells), thinned out as far as the two rules
// allow, half of them with a symmetric clue pattern.
std::vector<Board>& sparsePuzzles() {
    static std::vector<Board> list = [] {
        std::vector<Board> boards;
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            Random random(seed);
            const bool symmetric = seed % 2 == 1;
            boards.push_back(puzzles::thinOut(puzzles::shuffledSolvedBoard(random, symmetric),
                                              random, symmetric));
        }
        return boards;
    }();
    return list;
}

template <void (*Solve)(Board&)> void computeSolutionOnSparsePuzzles(benchmark::State& state) {
    std::vector<Board>& boards = sparsePuzzles();
    std::size_t next = 0;
    for (auto _ : state) {
        Board& b = boards[next];
        Solve(b); // leaves cellValue as it was, so the same puzzle serves again
        benchmark::DoNotOptimize(b.solutionValue);
        next = (next + 1) % boards.size();
    }
    state.counters["givens"] = puzzles::countGivens(boards[0]);
}

void BM_computeSolution_fast(benchmark::State& state) {
    computeSolutionOnSparsePuzzles<computeSolution>(state);
}
void BM_computeSolution_literal(benchmark::State& state) {
    computeSolutionOnSparsePuzzles<reference::computeSolution>(state);
}

void BM_isBoardValid(benchmark::State& state) {
    const Board puzzle = sparsePuzzles()[0];
    Board solved = puzzle;
    solved.cellValue = puzzle.solutionValue;
    const Board& b = state.range(0) == 0 ? puzzle : solved;
    for (auto _ : state) benchmark::DoNotOptimize(isBoardValid(b));
}

void BM_isBoardValid_literal(benchmark::State& state) {
    Board solved = sparsePuzzles()[0];
    solved.cellValue = solved.solutionValue;
    for (auto _ : state) benchmark::DoNotOptimize(reference::isBoardValid(solved));
}

// A whole shuffle: 101..250 iterations of the chosen path, then the silent solve.
void BM_shuffleBoard(benchmark::State& state) {
    Board b = sparsePuzzles()[1];
    b.symmetricPuzzle = state.range(0) == 1;
    Random random(42);
    for (auto _ : state) {
        shuffleBoard(b, random);
        benchmark::DoNotOptimize(b.solutionValue);
    }
}

} // namespace

BENCHMARK(BM_computeSolution_fast)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_computeSolution_literal)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_isBoardValid)->Arg(0)->Arg(1)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_isBoardValid_literal)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_shuffleBoard)
    ->ArgName("symmetric")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->DisplayAggregatesOnly(true);

BENCHMARK_MAIN();
