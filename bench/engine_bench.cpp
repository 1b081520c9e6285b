// Benchmarks of the engine: the silent solve with unit bitmasks against the literal
// reference on the same sparse puzzles, the rule check, the whole shuffle, the complete
// search on puzzles thinned out as far as a unique completion allows, and the undo log
// (heap of 10,000 changes, one undo and redo).
#include "engine/history.h"
#include "engine/rules.h"
#include "engine/search.h"
#include "engine/shuffle.h"
#include "engine/solver.h"
#include "reference/reference_solver.h"
#include "support_pure/puzzles.h"
#include "tools/collections/generator.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
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

// 1,000 puzzles (seeds 1..1000) from which the generator removed clues one by one while the
// search still found exactly one completion; no clue of them can go.
const std::vector<Board>& searchPuzzles() {
    static const std::vector<Board> list = [] {
        std::vector<Board> boards;
        for (std::uint32_t seed = 1; seed <= 1000; ++seed) {
            Random random(seed);
            boards.push_back(puzzleBoard(thinOutBySearch(makeSolution(random), random)));
        }
        return boards;
    }();
    return list;
}

// countSolutions(b, 2) once on each of the 1,000 puzzles per iteration; the counters give
// the median and the worst time of one puzzle over all iterations.
void BM_countSolutions_thinnedOut(benchmark::State& state) {
    const std::vector<Board>& boards = searchPuzzles();
    std::vector<double> ms;
    int givens = 0;
    for (const Board& b : boards) givens += puzzles::countGivens(b);
    for (auto _ : state) {
        for (const Board& b : boards) {
            const auto start = std::chrono::steady_clock::now();
            const int n = countSolutions(b, 2);
            ms.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
            if (n != 1) state.SkipWithError("a thinned-out puzzle lost its unique completion");
        }
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
    state.counters["mean_givens"] = double(givens) / double(boards.size());
}

// A player's change: an entry, a deletion or a note toggle on a random cell, both copies of
// a shared cell alike (kind 0), or every note set or cleared (kind 1, the largest change
// the play loop makes besides a whole solve or shuffle).
void playerChange(Board& b, Random& random, int kind) {
    if (kind == 1) {
        setAllNotes(b, !b.noteFlag(0, 1, 1, 1));
        return;
    }
    const int g = random.RANDOM(5), c = 1 + random.RANDOM(9), r = 1 + random.RANDOM(9);
    if (random.RANDOM(3) == 0) {
        bool& note = b.noteFlag(g, c, r, 1 + random.RANDOM(9));
        note = !note;
    } else {
        b.cellValue(g, c, r) = static_cast<std::uint8_t>(random.RANDOM(10));
    }
    syncSharedBoxes(b);
}

// Heap in use by 10,000 recorded changes, measured with the allocator's own count.
void BM_history_10000Changes(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    std::size_t heap = 0, accounted = 0, kept = 0;
    for (auto _ : state) {
        Board b = sparsePuzzles()[0];
        Random random(7);
        const std::size_t before = mallinfo2().uordblks;
        {
            History h;
            for (int i = 0; i < 10000; ++i) {
                h.beginChange(b);
                playerChange(b, random, kind);
                h.endChange(b);
            }
            heap = mallinfo2().uordblks - before;
            accounted = h.bytesUsed();
            kept = h.changeCount();
        }
    }
    state.counters["heapBytes"] = static_cast<double>(heap);
    state.counters["accountedBytes"] = static_cast<double>(accounted);
    state.counters["changesKept"] = static_cast<double>(kept);
}

// One undo and one redo of the last of 10,000 changes (the model only; the game benchmark
// adds the redraw).
void BM_history_undoRedo(benchmark::State& state) {
    Board b = sparsePuzzles()[0];
    Random random(7);
    History h;
    for (int i = 0; i < 10000; ++i) {
        h.beginChange(b);
        playerChange(b, random, 0);
        h.endChange(b);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(h.undo(b));
        benchmark::DoNotOptimize(h.redo(b));
    }
}

// Recording one command's change: the image before, the image after and their difference.
void BM_history_recordOneChange(benchmark::State& state) {
    Board b = sparsePuzzles()[0];
    Random random(7);
    History h;
    for (auto _ : state) {
        h.beginChange(b);
        playerChange(b, random, 0);
        h.endChange(b);
    }
}

} // namespace

BENCHMARK(BM_countSolutions_thinnedOut)->Iterations(3)->Unit(benchmark::kMillisecond);
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

BENCHMARK(BM_history_10000Changes)
    ->ArgName("allNotes")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_history_undoRedo)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_history_recordOneChange)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
