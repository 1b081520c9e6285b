// The board model: shared-box copies, completeness, restart and clear.
#include "engine/board.h"

#include <gtest/gtest.h>

TEST(Board, MirrorsFollowMastersAndClearToZero) {
    Board b;
    b.cellValue(0, 8, 8) = 5;
    b.givenValue(1, 2, 9) = 3;
    syncSharedBoxes(b);
    EXPECT_EQ(b.cellValue(2, 2, 2), 5);
    EXPECT_EQ(b.givenValue(2, 8, 3), 3);
    clearSharedMirrors(b);
    EXPECT_EQ(b.cellValue(2, 2, 2), 0);
    EXPECT_EQ(b.givenValue(2, 8, 3), 0);
    EXPECT_EQ(b.cellValue(0, 8, 8), 5);
}
