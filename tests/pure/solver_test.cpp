// The logical solver and the silent solve: completion, the pass limit, shared cells, the
// model half of drawCellValue and what computeSolution leaves behind.
#include "engine/rules.h"
#include "engine/solver.h"
#include "support_pure/puzzles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
struct Placement {
    int grid, column, row, value;
    bool bothCopiesSet;
};

// Runs the pass loop with a sink that records each placement and does the model's part.
std::vector<Placement> solveRecording(Board& b, int* passes = nullptr) {
    std::vector<Placement> placements;
    const int n = runPassLoop(b, [&](int column, int row, int value) {
        int og, oc, orow;
        const bool shared = otherCopy(b.activeGrid, column, row, og, oc, orow);
        placements.push_back({b.activeGrid, column, row, value,
                              b.cellValue(b.activeGrid, column, row) == value &&
                                  (!shared || b.cellValue(og, oc, orow) == value)});
        modelDrawCellValue(b, column, row, value);
    });
    if (passes) *passes = n;
    return placements;
}

// A sparse puzzle the solver completes, with its solution.
struct Puzzle {
    Board puzzle, solution;
};
Puzzle sparsePuzzle(std::uint32_t seed) {
    Random random(seed);
    const Board solved = puzzles::shuffledSolvedBoard(random);
    return {puzzles::thinOut(solved, random, true), solved};
}
} // namespace

TEST(Solver, ConstructedBoardIsAValidSolution) {
    Board b = puzzles::solvedBoard();
    EXPECT_TRUE(isBoardValid(b));
    EXPECT_TRUE(isBoardComplete(b));
}

TEST(Solver, EmptyBoardPlacesNothingInOnePass) {
    Board b;
    int passes = 0;
    EXPECT_TRUE(solveRecording(b, &passes).empty());
    EXPECT_EQ(passes, 1);
    EXPECT_FALSE(b.status.solverProgress);
    EXPECT_EQ(b.activeGrid, 4);
    computeSolution(b);
    EXPECT_TRUE(b.status.notSolvable);
    EXPECT_EQ(b.solutionValue, BoardArray{});
}

TEST(Solver, BoardThatBreaksTheRuleAcceptsNoTrial) {
    Board b = sparsePuzzle(3).puzzle;
    // Repeat a digit in one row of grid 3: every trial fails, also far from the repeat.
    for (int c = 1; c <= 9; ++c) {
        if (b.cellValue(3, c, 5) != 0) {
            b.cellValue(3, c == 9 ? 1 : c + 1, 5) = b.cellValue(3, c, 5);
            break;
        }
    }
    ASSERT_FALSE(isBoardValid(b));
    const Board before = b;
    int passes = 0;
    EXPECT_TRUE(solveRecording(b, &passes).empty());
    EXPECT_EQ(passes, 1);
    EXPECT_EQ(b.cellValue, before.cellValue);
}

TEST(Solver, ComputeSolutionCompletesSparsePuzzlesAndLeavesTheBoard) {
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        auto [puzzle, solution] = sparsePuzzle(seed);
        Board b = puzzle;
        b.solutionValue = BoardArray{};
        b.status.errorCount = 2;
        const Board before = b;
        computeSolution(b);
        EXPECT_FALSE(b.status.notSolvable);
        EXPECT_FALSE(b.status.silentMode);
        EXPECT_EQ(b.cellValue, before.cellValue);
        EXPECT_EQ(b.givenValue, before.givenValue);
        EXPECT_EQ(b.solutionValue, solution.cellValue);
        EXPECT_EQ(b.status.errorCount, 2); // nothing to compare against: the count stays
    }
}

TEST(Solver, EveryPlacementStandsInBothCopiesBeforeTheSinkSeesIt) {
    Board b = sparsePuzzle(4).puzzle;
    const std::vector<Placement> placements = solveRecording(b);
    ASSERT_FALSE(placements.empty());
    int shared = 0;
    for (const Placement& p : placements) {
        EXPECT_TRUE(p.bothCopiesSet) << p.grid << "," << p.column << "," << p.row;
        int g, c, r;
        if (otherCopy(p.grid, p.column, p.row, g, c, r)) ++shared;
    }
    EXPECT_GT(shared, 0);
    // Grid 0 (8, 8) is grid 2 (2, 2).
    EXPECT_NE(b.cellValue(0, 8, 8), 0);
    EXPECT_EQ(b.cellValue(0, 8, 8), b.cellValue(2, 2, 2));
}

TEST(Solver, StuckPuzzleKeepsWhatTheRulesFound) {
    auto [puzzle, solution] = sparsePuzzle(5);
    // Empty givens until the rules no longer finish the board.
    Board b = puzzle;
    for (auto [X, Y] : puzzles::fieldCells()) {
        if (puzzles::fieldValue(b, X, Y) == 0) continue;
        puzzles::setField(b, X, Y, 0, false);
        if (!puzzles::solverCompletes(b)) break;
    }
    computeSolution(b);
    ASSERT_TRUE(b.status.notSolvable);
    int found = 0, open = 0;
    for (int i = 0; i < kBlockSize; ++i) {
        if (b.solutionValue.bytes[i] == 0) {
            ++open;
        } else {
            ++found;
            EXPECT_EQ(b.solutionValue.bytes[i], solution.cellValue.bytes[i]);
        }
    }
    EXPECT_GT(found, 0);
    EXPECT_GT(open, 0);
}

TEST(Solver, PassLimitStopsABoardThatStillGainsDigits) {
    Board b = puzzles::seventeenPassPuzzle();
    ASSERT_TRUE(isBoardValid(b));
    int passes = 0;
    solveRecording(b, &passes);
    EXPECT_EQ(passes, kMaxSolverPasses);
    EXPECT_TRUE(b.status.solverProgress); // the fifteenth pass still placed digits
    EXPECT_FALSE(isBoardComplete(b));
    // Two more passes would finish it.
    const PlacementSink sink = [&](int c, int r, int v) { modelDrawCellValue(b, c, r, v); };
    solverPass(b, sink);
    solverPass(b, sink);
    EXPECT_TRUE(isBoardComplete(b));
    EXPECT_TRUE(isBoardValid(b));

    Board fresh = puzzles::seventeenPassPuzzle();
    computeSolution(fresh);
    EXPECT_TRUE(fresh.status.notSolvable);
}

TEST(Solver, ModelDrawCellValueCountsErrorsOutsideSilentMode) {
    struct Case {
        int solution, value;
        bool silent;
        bool wrong;
        int errorsAfter; // starting from 1
    };
    const Case cases[] = {
        {0, 4, false, false, 1}, // no solution known: nothing to compare
        {4, 4, false, false, 1}, {5, 4, false, true, 2},
        {5, 4, true, true, 0},  // silent mode sets the count back to 0
        {4, 4, true, false, 0}, // also after a right value
        {0, 4, true, false, 1}, // but not where no solution is known
    };
    for (const Case& test : cases) {
        Board b;
        b.activeGrid = 0;
        b.status.errorCount = 1;
        b.status.silentMode = test.silent;
        b.solutionValue(0, 8, 8) = static_cast<std::uint8_t>(test.solution);
        b.cellValue(0, 8, 8) = static_cast<std::uint8_t>(test.value);
        EXPECT_EQ(modelDrawCellValue(b, 8, 8, test.value), test.wrong);
        EXPECT_EQ(b.status.errorCount, test.errorsAfter);
        EXPECT_TRUE(b.status.solverProgress);
        EXPECT_EQ(b.cellValue(2, 2, 2), test.value); // the mirror follows
    }
}

// Entering a value as the player does, without a screen: both copies of a shared cell hold
// it, a wrong value counts once per entry and only the third flags the clock's stop, and the
// verdict follows the board: no errors, wrong number, solved; givens that break the rule
// are told apart from a wrong entry.
TEST(EnteringAValue, CountsErrorsCopiesSharedCellsAndJudgesTheBoard) {
    Board b = puzzles::solvedBoard();
    b.solutionValue = b.cellValue;
    const int right = b.cellValue(0, 7, 7);
    b.givenValue(0, 7, 7) = b.givenValue(2, 1, 1) = 0; // the shared cell (0,7,7) = (2,1,1)
    b.activeGrid = 0;
    CellEntry e = enterValue(b, 7, 7, 0);
    EXPECT_EQ(b.cellValue(2, 1, 1), 0);
    ASSERT_EQ(e.cellCount, 2);
    EXPECT_EQ(e.cells[0], cellIndex(0, 7, 7));
    EXPECT_EQ(e.cells[1], cellIndex(2, 1, 1));
    countDigits(b);
    EXPECT_FALSE(judgeBoard(b));
    EXPECT_EQ(b.status.verdict, Verdict::NoErrors);
    EXPECT_FALSE(b.status.boardComplete);

    const int wrong = right % 9 + 1;
    const bool thirdErrorFlag[] = {false, false, true, false};
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE(n);
        e = enterValue(b, 7, 7, wrong);
        EXPECT_TRUE(e.wrong);
        EXPECT_EQ(b.status.errorCount, n);
        EXPECT_EQ(e.thirdError, thirdErrorFlag[n - 1]);
        EXPECT_EQ(b.cellValue(2, 1, 1), wrong);
    }
    countDigits(b);
    EXPECT_FALSE(judgeBoard(b));
    EXPECT_EQ(b.status.verdict, Verdict::WrongNumber);

    e = enterValue(b, 7, 7, right);
    EXPECT_FALSE(e.wrong);
    EXPECT_EQ(b.status.errorCount, 4);
    countDigits(b);
    EXPECT_EQ(b.digitCount[static_cast<size_t>(right)], 41);
    EXPECT_FALSE(judgeBoard(b));
    EXPECT_EQ(b.status.verdict, Verdict::Solved);
    EXPECT_TRUE(b.status.boardComplete);

    // A cell outside the shared boxes changes alone; without a known solution nothing counts.
    b.solutionValue(1, 5, 5) = 0;
    b.activeGrid = 1;
    e = enterValue(b, 5, 5, b.cellValue(1, 5, 5) % 9 + 1);
    EXPECT_EQ(e.cellCount, 1);
    EXPECT_FALSE(e.wrong);
    EXPECT_EQ(b.status.errorCount, 4);

    // Givens alone that repeat a digit: no entry is wrong, yet the rule is broken.
    Board broken = puzzles::solvedBoard();
    broken.cellValue(0, 1, 1) = broken.givenValue(0, 1, 1) = broken.cellValue(0, 2, 1);
    broken.solutionValue = broken.cellValue;
    countDigits(broken);
    EXPECT_TRUE(judgeBoard(broken));
    EXPECT_EQ(broken.status.verdict, Verdict::WrongNumber);
}
