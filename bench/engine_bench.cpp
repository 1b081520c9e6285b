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
#include <bit>
#include <chrono>
#include <functional>
#include <string>
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
    b.options.symmetricPuzzle = state.range(0) == 1;
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

// ---- The complete search on the hardest boards it can meet ----

// Well-known hard 9 x 9 puzzles, row by row, and for each one given that, changed into
// another digit, leaves no completion without breaking a rule or emptying a cell at once
// (cell index row * 9 + column counted from 0, and the wrong digit); AI Escargot has no
// such change, so a wrong digit is added in an empty cell instead.
struct HardPuzzle {
    const char* name;
    const char* rows;
    int cell, digit;
};
constexpr HardPuzzle kHardPuzzles[] = {
    {"escargot", "100007090030020008009600500005300900010080002600004000300000010040000007007000300",
     1, 5},
    {"eastermonster",
     "100000002090400050006000700050903000000070000000850040700000600030009080002000001", 68, 4},
    {"antibrute",
     "000000000000003085001020000000507000004000100090000000500000073002010000000040009", 32, 9},
    {"goldennugget",
     "000000039000001005003050800008090006070002000100400000009080050020000600400700000", 35, 3},
};

// Writes a value into a grid cell and the other copy of a shared cell, as a given.
void putGiven(Board& b, int g, int c, int r, int v) {
    b.cellValue(g, c, r) = b.givenValue(g, c, r) = static_cast<std::uint8_t>(v);
    int og = 0, oc = 0, orow = 0;
    if (otherCopy(g, c, r, og, oc, orow))
        b.cellValue(og, oc, orow) = b.givenValue(og, oc, orow) = static_cast<std::uint8_t>(v);
}

// A hard puzzle in grid g, the other grids empty; with its wrong given when asked, and
// without the givens of the box that grid g shares with the centre when asked.
Board hardPuzzleIn(const HardPuzzle& p, int g, bool wrong, bool sharedBoxEmpty) {
    Board b;
    const int sharedColumn = g == 0 || g == 3 ? 7 : 1, sharedRow = g <= 1 ? 7 : 1;
    for (int i = 0; i < 81; ++i) {
        const int c = i % 9 + 1, r = i / 9 + 1;
        int v = p.rows[i] - '0';
        if (wrong && i == p.cell) v = p.digit;
        const bool inSharedBox = c >= sharedColumn && c < sharedColumn + 3 && r >= sharedRow &&
                                 r < sharedRow + 3;
        if (v != 0 && !(sharedBoxEmpty && g != 2 && inSharedBox)) putGiven(b, g, c, r, v);
    }
    return b;
}

// A search puzzle with one given changed into another digit that breaks no rule: the
// first such given and digit from a random start.
Board withTypo(Board b, Random& random) {
    for (int tries = 0; tries < 10000; ++tries) {
        const int g = random.RANDOM(5), c = 1 + random.RANDOM(9), r = 1 + random.RANDOM(9);
        const int v = b.cellValue(g, c, r);
        if (v == 0) continue;
        for (int d = 1; d <= 9; ++d) {
            if (d == v) continue;
            Board typo = b;
            putGiven(typo, g, c, r, d);
            if (isBoardValid(typo)) return typo;
        }
    }
    return b;
}

// Completions of one 9 x 9 grid (values row by row, 0 empty) up to limit, by a plain
// backtracking search over the cell with the fewest candidates; nodes counts the guesses.
int countGridCompletions(std::array<int, 81>& v, int limit, long& nodes) {
    int best = -1, fewest = 10;
    std::uint16_t bestFree = 0;
    for (int i = 0; i < 81; ++i) {
        if (v[i] != 0) continue;
        std::uint16_t taken = 0;
        const int r = i / 9, c = i % 9;
        for (int k = 0; k < 9; ++k) {
            taken |= static_cast<std::uint16_t>(1 << v[r * 9 + k] | 1 << v[k * 9 + c] |
                                                1 << v[(r / 3 * 3 + k / 3) * 9 + c / 3 * 3 + k % 3]);
        }
        const std::uint16_t free = static_cast<std::uint16_t>(0x3FE & ~taken);
        const int n = std::popcount(free);
        if (n < fewest) best = i, fewest = n, bestFree = free;
    }
    if (best < 0) return 1;
    int total = 0;
    for (int d = 1; d <= 9 && total < limit; ++d) {
        if (!(bestFree >> d & 1)) continue;
        ++nodes;
        v[best] = d;
        total += countGridCompletions(v, limit - total, nodes);
        v[best] = 0;
    }
    return total;
}

// Random givens (count of them) in grid g, the other grids empty, that break no rule and
// leave every cell a digit, yet have no completion, which a plain backtracking search
// proves only after at least 15 guesses.
Board hiddenContradictionIn(int g, int count, std::uint32_t seed) {
    Random random(seed);
    for (;;) {
        std::array<int, 81> v{};
        Board b;
        for (int placed = 0, tries = 0; placed < count && tries < 1000; ++tries) {
            const int i = random.RANDOM(81), d = 1 + random.RANDOM(9);
            if (v[i] != 0) continue;
            Board next = b;
            putGiven(next, g, i % 9 + 1, i / 9 + 1, d);
            if (!isBoardValid(next) || !hasNoDeadCell(next)) continue;
            b = next, v[i] = d, ++placed;
        }
        long nodes = 0;
        if (countGridCompletions(v, 1, nodes) == 0 && nodes >= 15) return b;
    }
}

// The board of a search case: the hard puzzles in every grid, with and without the
// wrong given and the shared box; the empty board and nearly empty ones; a real puzzle
// with one grid opened up (millions of completions).
struct SearchCase {
    std::string name;
    std::function<Board()> build;
};
const std::vector<SearchCase>& searchCases() {
    static const std::vector<SearchCase> list = [] {
        std::vector<SearchCase> cases;
        for (const HardPuzzle& p : kHardPuzzles) {
            for (int g = 0; g <= 4; ++g)
                cases.push_back(
                    {std::string("contradiction_") + p.name + "_grid" + std::to_string(g),
                     [&p, g] { return hardPuzzleIn(p, g, true, false); }});
            cases.push_back({std::string("sharedBoxEmpty_wrong_") + p.name + "_grid4",
                             [&p] { return hardPuzzleIn(p, 4, true, true); }});
            cases.push_back({std::string("sharedBoxEmpty_") + p.name + "_grid4",
                             [&p] { return hardPuzzleIn(p, 4, false, true); }});
            cases.push_back({std::string("unique_") + p.name + "_grid0",
                             [&p] { return hardPuzzleIn(p, 0, false, false); }});
        }
        for (int g = 0; g <= 4; ++g)
            for (std::uint32_t seed = 1; seed <= 3; ++seed)
                cases.push_back({"contradiction_random_grid" + std::to_string(g) + "_seed" +
                                     std::to_string(seed),
                                 [g, seed] {
                                     return hiddenContradictionIn(g, 22 + static_cast<int>(seed) * 2,
                                                                  seed);
                                 }});
        // A hard puzzle in grid 0 whose only completion the centre grid forbids: the digit
        // of its first shared cell stands elsewhere in the centre's first row.
        cases.push_back({"contradiction_throughSharedBox", [] {
                             Board b = hardPuzzleIn(kHardPuzzles[2], 0, false, false);
                             BoardArray only{};
                             countSolutions(b, 1, &only);
                             putGiven(b, 2, 5, 1, only(0, 7, 7));
                             return b;
                         }});
        cases.push_back({"empty", [] { return Board{}; }});
        cases.push_back({"oneGiven", [] {
                             Board one;
                             putGiven(one, 2, 5, 5, 7);
                             return one;
                         }});
        cases.push_back({"fortyScatteredGivens", [] {
                             Random random(3);
                             Board scattered;
                             for (int n = 0; n < 40;) {
                                 const int g = random.RANDOM(5), c = 1 + random.RANDOM(9),
                                           r = 1 + random.RANDOM(9);
                                 Board next = scattered;
                                 putGiven(next, g, c, r, 1 + random.RANDOM(9));
                                 if (scattered.cellValue(g, c, r) == 0 && isBoardValid(next))
                                     scattered = next, ++n;
                             }
                             return scattered;
                         }});
        cases.push_back({"realPuzzle_grid4Open", [] {
                             Random random(1);
                             Board opened =
                                 puzzleBoard(thinOutBySearch(makeSolution(random), random));
                             for (int c = 1; c <= 9; ++c)
                                 for (int r = 1; r <= 9; ++r)
                                     if (c > 3 || r > 3)
                                         opened.cellValue(4, c, r) = opened.givenValue(4, c, r) = 0;
                             return opened;
                         }});
        return cases;
    }();
    return list;
}

// countSolutions(b, limit) on one case; the counter gives the count found.
void BM_countSolutions_case(benchmark::State& state, std::size_t index, int limit) {
    const Board b = searchCases()[index].build();
    int n = 0;
    for (auto _ : state) benchmark::DoNotOptimize(n = countSolutions(b, limit));
    state.counters["solutions"] = n;
}

// The 1,000 search puzzles each with one wrong given; the counters give the median and
// worst time of one board.
void BM_countSolutions_realPuzzleWithTypo(benchmark::State& state) {
    static const std::vector<Board> boards = [] {
        std::vector<Board> list;
        Random random(11);
        for (const Board& b : searchPuzzles()) list.push_back(withTypo(b, random));
        return list;
    }();
    std::vector<double> ms;
    for (auto _ : state) {
        for (const Board& b : boards) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(countSolutions(b, 2));
            ms.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
}

const int kRegisterSearchCases = [] {
    for (std::size_t i = 0; i < searchCases().size(); ++i)
        for (int limit : {1, 2})
            benchmark::RegisterBenchmark(
                ("BM_countSolutions/" + searchCases()[i].name + "/limit" + std::to_string(limit))
                    .c_str(),
                BM_countSolutions_case, i, limit)
                ->Unit(benchmark::kMillisecond)
                ->MinTime(0.05);
    benchmark::RegisterBenchmark("BM_countSolutions/realPuzzleWithTypo",
                                 BM_countSolutions_realPuzzleWithTypo)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    return 0;
}();

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
