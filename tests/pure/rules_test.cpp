// Rule checks: repeated digits within a grid and through a shared box, dead cells, and
// that no check leaves a trace on the board.
#include "engine/rules.h"
#include "engine/solver.h"
#include "support_pure/puzzles.h"

#include <gtest/gtest.h>

TEST(Rules, ValidityAndDeadCellsOnTypicalBoards) {
    struct Case {
        const char* name;
        Board (*build)();
        bool valid, noDeadCell;
    };
    const Case cases[] = {
        {"empty board", [] { return Board{}; }, true, true},
        {"solved board", [] { return puzzles::solvedBoard(); }, true, true},
        {"full board that breaks the rule",
         [] {
             Board b = puzzles::solvedBoard();
             b.cellValue(3, 5, 5) = b.cellValue(3, 6, 5);
             return b;
         },
         false, true},
        {"two equal digits in a row of the centre grid",
         [] {
             Board b;
             b.cellValue(2, 4, 5) = 6;
             b.cellValue(2, 6, 5) = 6;
             return b;
         },
         false, false},
        {"grid 0's shared box and the same row of grid 2",
         [] {
             Board b;
             puzzles::setField(b, 8, 8, 3, false); // grid 0 (8, 8) = grid 2 (2, 2)
             b.cellValue(2, 6, 2) = 3;             // field (12, 8): grid 2 only
             return b;
         },
         false, false},
        {"same digit in grid 0's row outside the centre grid",
         [] {
             Board b;
             puzzles::setField(b, 8, 8, 3, false);
             puzzles::setField(b, 2, 8, 3, false); // grid 0 only
             return b;
         },
         false, false},
        {"one repeated digit on an almost full board",
         [] {
             Board b = puzzles::solvedBoard();
             puzzles::setField(b, 21, 21, 0, false);
             b.cellValue(0, 1, 1) = b.cellValue(0, 1, 2);
             return b;
         },
         false, false},
        {"a cell of grid 4 that admits no digit on a valid board",
         [] {
             Board b;
             for (int c = 1; c <= 8; ++c) b.cellValue(4, c, 9) = static_cast<std::uint8_t>(c);
             b.cellValue(4, 9, 4) = 9; // row 9 lacks only 9, column 9 holds it
             return b;
         },
         true, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        Board b = test.build();
        const Board before = b;
        EXPECT_EQ(isBoardValid(b), test.valid);
        EXPECT_EQ(hasNoDeadCell(b), test.noDeadCell);
        EXPECT_EQ(b.cellValue, before.cellValue);
    }
}

TEST(Rules, DeadCellNeedsNoDigitInItsOwnGridOnly) {
    // A shared cell where grid 0 admits only 5 and grid 2 admits only 6: each copy admits
    // a digit of its own, so the cell is not dead, though no digit fits both grids.
    // Field (7, 7) is grid 0 (7, 7) and grid 2 (1, 1).
    Board b;
    const int grid0Row[] = {1, 2, 3, 4, 6, 7}; // grid 0 row 7, field columns 1..6
    for (int X = 1; X <= 6; ++X) puzzles::setField(b, X, 7, grid0Row[X - 1], false);
    puzzles::setField(b, 7, 1, 8, false); // grid 0 column 7
    puzzles::setField(b, 7, 2, 9, false);
    const int grid2Row[] = {5, 1, 2, 8, 9}; // grid 2 row 1, field columns 10..14
    for (int X = 10; X <= 14; ++X) puzzles::setField(b, X, 7, grid2Row[X - 10], false);
    const int grid2Column[] = {3, 4, 7}; // grid 2 column 1, field rows 10..12
    for (int Y = 10; Y <= 12; ++Y) puzzles::setField(b, 7, Y, grid2Column[Y - 10], false);
    ASSERT_TRUE(isBoardValid(b));
    EXPECT_TRUE(hasNoDeadCell(b));
    EXPECT_TRUE(boxHasNoDeadCell(b, 0, 7, 7));
    EXPECT_TRUE(boxHasNoDeadCell(b, 2, 1, 1));
    // The solver judges a trial there against both grids, so no digit fits the cell.
    solveBox(
        b, [&](int c, int r, int v) { modelDrawCellValue(b, c, r, v); }, 0, 7, 7);
    EXPECT_EQ(b.cellValue(0, 7, 7), 0);
}

TEST(Rules, BoxChecks) {
    Board b;
    b.cellValue(1, 4, 4) = 2;
    b.cellValue(1, 6, 6) = 2;
    EXPECT_FALSE(isBoxValid(b, 1, 4, 4));
    EXPECT_TRUE(isBoxValid(b, 1, 1, 4));
    EXPECT_TRUE(isBoxValid(b, 0, 4, 4));
    // The board breaks the rule, so every empty cell of every box is dead.
    EXPECT_FALSE(boxHasNoDeadCell(b, 3, 1, 1));
    Board full = puzzles::solvedBoard();
    full.cellValue(1, 4, 4) = full.cellValue(1, 6, 6);
    EXPECT_TRUE(boxHasNoDeadCell(full, 1, 4, 4)); // no empty cell
}
