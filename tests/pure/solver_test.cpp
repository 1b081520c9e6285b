// The logical solver and the silent solve: completion, pass limit, shared cells.
#include "engine/rules.h"
#include "engine/solver.h"
#include "support_pure/puzzles.h"

#include <gtest/gtest.h>

TEST(Solver, ConstructedBoardIsAValidSolution) {
    Board b = puzzles::solvedBoard();
    EXPECT_TRUE(isBoardValid(b));
    EXPECT_TRUE(isBoardComplete(b));
}

TEST(Solver, ComputeSolutionCompletesAThinnedPuzzleAndLeavesTheBoard) {
    Random random(7);
    Board solved = puzzles::shuffledSolvedBoard(random);
    Board b = solved;
    for (int i = 0; i < 60; ++i) {
        auto cells = puzzles::fieldCells();
        auto [X, Y] =
            cells[static_cast<std::size_t>(random.RANDOM(static_cast<int>(cells.size())))];
        puzzles::setField(b, X, Y, 0, false);
    }
    const Board before = b;
    computeSolution(b);
    EXPECT_FALSE(b.notSolvable);
    EXPECT_EQ(b.cellValue, before.cellValue);
    EXPECT_EQ(b.givenValue, before.givenValue);
    EXPECT_EQ(b.solutionValue, solved.cellValue);
}
