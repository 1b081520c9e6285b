// The shuffle: validity, shared copies, givens and symmetry kept; inverses; pinned draws.
#include "engine/rules.h"
#include "engine/shuffle.h"
#include "support_pure/puzzles.h"

#include <gtest/gtest.h>

TEST(Shuffle, ShuffledSolvedBoardStaysValidAndComplete) {
    for (bool symmetric : {true, false}) {
        Random random(11);
        Board b = puzzles::shuffledSolvedBoard(random, symmetric);
        EXPECT_TRUE(isBoardValid(b));
        EXPECT_TRUE(isBoardComplete(b));
        EXPECT_FALSE(b.notSolvable);
        EXPECT_EQ(b.solutionValue, b.cellValue);
    }
}
