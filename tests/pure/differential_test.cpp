// Differential test: the fast rule checks and solver against the literal reference, which
// writes every trial into the board and runs the full rule check, on seeded boards of
// several kinds. Both must place the same digits in the same order with the same passes.
#include "engine/rules.h"
#include "engine/solver.h"
#include "reference/reference_solver.h"
#include "support_pure/puzzles.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

struct Placement {
    int grid, column, row, value;
    bool operator==(const Placement&) const = default;
};

// How the placement sink behaves: the model half of drawCellValue, or a sink that only
// records and raises solverProgress and changes nothing else.
enum class Sink { Model, RecordOnly };

struct Run {
    Board board;
    std::vector<Placement> placements;
    int passes = 0;
};

template <typename PassLoop> Run runLoop(const Board& start, Sink kind, PassLoop passLoop) {
    Run run{start, {}, 0};
    Board& b = run.board;
    const PlacementSink sink = [&](int column, int row, int value) {
        run.placements.push_back({b.activeGrid, column, row, value});
        if (kind == Sink::Model)
            modelDrawCellValue(b, column, row, value);
        else
            b.status.solverProgress = true;
    };
    run.passes = passLoop(b, sink);
    return run;
}

// Everything the solver may touch, compared field by field; empty when equal.
std::string boardDifference(const Board& fast, const Board& literal) {
    std::ostringstream out;
    if (fast.cellValue != literal.cellValue) out << " cellValue";
    if (fast.givenValue != literal.givenValue) out << " givenValue";
    if (fast.solutionValue != literal.solutionValue) out << " solutionValue";
    if (fast.savedValue != literal.savedValue) out << " savedValue";
    if (fast.status.notSolvable != literal.status.notSolvable) out << " notSolvable";
    if (fast.status.errorCount != literal.status.errorCount) out << " errorCount";
    if (fast.status.solverProgress != literal.status.solverProgress) out << " solverProgress";
    if (fast.activeGrid != literal.activeGrid) out << " activeGrid";
    if (fast.status.silentMode != literal.status.silentMode) out << " silentMode";
    return out.str();
}

// Compares the rule checks and either the pass loop (with the given sink) or
// computeSolution on one board; the box checks and a pass made of single box, row and
// column steps only when asked, as the literal ones are slow. Returns a description of the
// first difference, or an empty string.
std::string compareOn(const Board& start, Sink kind, bool viaComputeSolution, bool boxChecks,
                      bool singleSteps) {
    Board fast = start, literal = start;
    if (isBoardValid(fast) != reference::isBoardValid(literal)) return "isBoardValid";
    if (hasNoDeadCell(fast) != reference::hasNoDeadCell(literal)) return "hasNoDeadCell";
    for (int g = 0; g <= 4 && boxChecks; ++g) {
        for (int c = 1; c <= 7; c += 3) {
            for (int r = 1; r <= 7; r += 3) {
                if (isBoxValid(fast, g, c, r) != reference::isBoxValid(literal, g, c, r))
                    return "isBoxValid";
                if (boxHasNoDeadCell(fast, g, c, r) !=
                    reference::boxHasNoDeadCell(literal, g, c, r))
                    return "boxHasNoDeadCell";
            }
        }
    }
    if (boxChecks) {
        // Candidate digits against writing each digit into one copy and checking the board.
        const auto candidates = candidateDigits(fast);
        for (int i = 0; i < kBlockSize; ++i) {
            std::uint16_t expected = 0;
            if (i / 5 % 10 != 0 && i / 50 != 0 && literal.cellValue.bytes[i] == 0) {
                for (int d = 1; d <= 9; ++d) {
                    literal.cellValue.bytes[i] = static_cast<std::uint8_t>(d);
                    if (reference::isBoardValid(literal))
                        expected |= static_cast<std::uint16_t>(1 << d);
                }
                literal.cellValue.bytes[i] = 0;
            }
            if (candidates[i] != expected) return "candidateDigits";
        }
    }
    if (fast.cellValue != start.cellValue) return "rule checks changed cellValue";

    if (singleSteps) {
        // The box, row and column procedures called one by one, grids in reverse order.
        const auto steps = [kind](const Board& from, auto box, auto row, auto column) {
            return runLoop(from, kind, [&](Board& b, const PlacementSink& sink) {
                b.status.solverProgress = false;
                for (int g = 4; g >= 0; --g) {
                    for (int k = 1; k <= 9; ++k) {
                        column(b, sink, g, k);
                        row(b, sink, g, k);
                    }
                    for (int c = 7; c >= 1; c -= 3)
                        for (int r = 1; r <= 7; r += 3) box(b, sink, g, c, r);
                }
                return 1;
            });
        };
        const Run fastSteps = steps(start, solveBox, solveRow, solveColumn);
        const Run literalSteps =
            steps(start, reference::solveBox, reference::solveRow, reference::solveColumn);
        if (fastSteps.placements != literalSteps.placements) return "placements of single steps";
        if (std::string d = boardDifference(fastSteps.board, literalSteps.board); !d.empty())
            return "after single steps:" + d;
    }
    if (viaComputeSolution) {
        computeSolution(fast);
        reference::computeSolution(literal);
        if (std::string d = boardDifference(fast, literal); !d.empty())
            return "after computeSolution:" + d;
        return {};
    }
    const Run fastRun = runLoop(start, kind, runPassLoop);
    const Run literalRun = runLoop(start, kind, reference::runPassLoop);
    if (fastRun.placements != literalRun.placements) return "placements";
    if (fastRun.passes != literalRun.passes) return "pass count";
    if (std::string d = boardDifference(fastRun.board, literalRun.board); !d.empty())
        return "after the pass loop:" + d;
    return {};
}

// Sparse puzzles the solver completes: solved boards by construction, shuffled and thinned
// out as far as the solver allows (about 95 givens), half of them symmetric.
const std::vector<Board>& sparsePuzzles() {
    static const std::vector<Board> puzzles = [] {
        std::vector<Board> list;
        for (int seed = 1; seed <= 6; ++seed) {
            Random random(static_cast<std::uint32_t>(seed));
            const bool symmetric = seed % 2 == 1;
            list.push_back(puzzles::thinOut(puzzles::shuffledSolvedBoard(random, symmetric), random,
                                            symmetric));
        }
        return list;
    }();
    return puzzles;
}

// One of 64 solved boards, shuffled once on both paths.
Board solvedBoard(Random& random) {
    static const std::vector<Board> boards = [] {
        std::vector<Board> list;
        Random shuffleRandom(99);
        for (int i = 0; i < 64; ++i)
            list.push_back(puzzles::shuffledSolvedBoard(shuffleRandom, i % 2 == 0));
        return list;
    }();
    return boards[static_cast<std::size_t>(random.RANDOM(64))];
}

// A sparse puzzle shuffled afresh, with its solution in solutionValue.
Board freshPuzzle(Random& random) {
    Board b = sparsePuzzles()[static_cast<std::size_t>(random.RANDOM(6))];
    b.options.symmetricPuzzle = random.coin();
    shuffleBoard(b, random);
    return b;
}

// Fills this many empty field cells, chosen at random, with their solution as player entries.
void enterSolution(Board& b, Random& random, int count) {
    std::vector<std::pair<int, int>> empty;
    for (auto [X, Y] : puzzles::fieldCells())
        if (puzzles::fieldValue(b, X, Y) == 0) empty.push_back({X, Y});
    for (int i = 0; i < count && !empty.empty(); ++i) {
        const auto k = static_cast<std::size_t>(random.RANDOM(static_cast<int>(empty.size())));
        auto [X, Y] = empty[k];
        const puzzles::GridCell cell = puzzles::cellsAt(X, Y).front();
        puzzles::setField(b, X, Y, b.solutionValue(cell.grid, cell.column, cell.row), false);
        empty.erase(empty.begin() + static_cast<std::ptrdiff_t>(k));
    }
}

// Puts a digit into one random empty field cell as a player entry; returns false when the
// board has no empty cell.
bool enterDigit(Board& b, Random& random, int digit) {
    std::vector<std::pair<int, int>> empty;
    for (auto [X, Y] : puzzles::fieldCells())
        if (puzzles::fieldValue(b, X, Y) == 0) empty.push_back({X, Y});
    if (empty.empty()) return false;
    auto [X, Y] = empty[static_cast<std::size_t>(random.RANDOM(static_cast<int>(empty.size())))];
    puzzles::setField(b, X, Y, digit, false);
    return true;
}

// Empties this many random field cells.
void removeCells(Board& b, Random& random, int count) {
    const auto cells = puzzles::fieldCells();
    for (int i = 0; i < count; ++i) {
        auto [X, Y] =
            cells[static_cast<std::size_t>(random.RANDOM(static_cast<int>(cells.size())))];
        puzzles::setField(b, X, Y, 0, false);
    }
}

// Runs compareOn over count boards made by build(random, i): the pass loop with either
// sink and computeSolution in turn, the box checks and one pass of single steps on every
// eighth board.
template <typename Build> void compareMany(int count, std::uint32_t seed, Build build) {
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const Board b = build(random, i);
        const std::string difference = compareOn(b, i % 3 == 2 ? Sink::RecordOnly : Sink::Model,
                                                 i % 2 == 1, i % 8 == 0, i % 8 == 3);
        ASSERT_EQ(difference, "") << "board " << i << " of seed " << seed;
    }
}

} // namespace

TEST(Differential, EmptyBoard) {
    compareMany(2, 1, [](Random&, int) { return Board{}; });
}

TEST(Differential, PuzzleStoppedByThePassLimit) {
    compareMany(2, 109, [](Random&, int) { return puzzles::seventeenPassPuzzle(); });
}

TEST(Differential, ShuffledSparsePuzzles) {
    compareMany(12, 101, [](Random& random, int) { return freshPuzzle(random); });
}

TEST(Differential, PuzzlesWithSomeSolvedCells) {
    compareMany(300, 102, [](Random& random, int i) {
        Board b = freshPuzzle(random);
        enterSolution(b, random, 100 + i % 150);
        return b;
    });
}

TEST(Differential, PuzzlesWithWrongPlayerEntries) {
    compareMany(600, 103, [](Random& random, int i) {
        Board b = freshPuzzle(random);
        enterSolution(b, random, 120 + i % 150);
        for (int k = 0; k <= i % 3; ++k) enterDigit(b, random, random.RANDOM(9) + 1);
        return b;
    });
}

TEST(Differential, NearlyFullBoards) {
    compareMany(4300, 104, [](Random& random, int i) {
        Board b = solvedBoard(random);
        removeCells(b, random, 1 + i % 40);
        return b;
    });
}

TEST(Differential, BoardsThatBreakTheRule) {
    // A repeated digit somewhere on a partly filled board.
    compareMany(2500, 105, [](Random& random, int i) {
        Board b = solvedBoard(random);
        removeCells(b, random, 5 + i % 40);
        const int g = random.RANDOM(5), c = random.RANDOM(9) + 1, r = random.RANDOM(9) + 1;
        b.cellValue(g, c, r) = b.cellValue(g, 1 + (c % 9), r) ? b.cellValue(g, 1 + (c % 9), r) : 1;
        syncSharedBoxes(b);
        return b;
    });
}

TEST(Differential, RepeatsReachedThroughASharedBox) {
    // A digit in a corner grid's shared box repeated in the centre grid's row or column
    // outside that box (or the other way round): only one grid sees the repeat.
    compareMany(2000, 106, [](Random& random, int i) {
        Board b = solvedBoard(random);
        removeCells(b, random, 5 + i % 40);
        const SharedBox& box = kSharedBoxes[static_cast<std::size_t>(random.RANDOM(4))];
        const int dc = random.RANDOM(3), dr = random.RANDOM(3);
        const int digit = random.RANDOM(9) + 1;
        b.cellValue(box.masterGrid, box.masterColumn + dc, box.masterRow + dr) =
            static_cast<std::uint8_t>(digit);
        syncSharedBoxes(b);
        // The other grid of the box, a cell in the same row (or column) outside the box.
        const bool inMirror = random.coin();
        const int g = inMirror ? box.mirrorGrid : box.masterGrid;
        const int firstColumn = inMirror ? box.mirrorColumn : box.masterColumn;
        const int firstRow = inMirror ? box.mirrorRow : box.masterRow;
        const int step = 3 + 3 * random.RANDOM(2);
        if (random.coin())
            b.cellValue(g, (firstColumn + dc + step - 1) % 9 + 1, firstRow + dr) =
                static_cast<std::uint8_t>(digit);
        else
            b.cellValue(g, firstColumn + dc, (firstRow + dr + step - 1) % 9 + 1) =
                static_cast<std::uint8_t>(digit);
        syncSharedBoxes(b);
        return b;
    });
}

TEST(Differential, ScatteredDigits) {
    // Random digits on an empty board: mostly invalid, some valid and open.
    compareMany(150, 107, [](Random& random, int i) {
        Board b;
        for (int k = 0; k < 20 + i % 40; ++k) enterDigit(b, random, random.RANDOM(9) + 1);
        return b;
    });
}

TEST(Differential, SharedCopiesThatDisagree) {
    // Not the resting form: a mirror cell differs from its master.
    compareMany(200, 108, [](Random& random, int i) {
        Board b = solvedBoard(random);
        removeCells(b, random, 5 + i % 40);
        const SharedBox& box = kSharedBoxes[static_cast<std::size_t>(random.RANDOM(4))];
        b.cellValue(box.mirrorGrid, box.mirrorColumn + random.RANDOM(3),
                    box.mirrorRow + random.RANDOM(3)) =
            static_cast<std::uint8_t>(random.RANDOM(10));
        return b;
    });
}
