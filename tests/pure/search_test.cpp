// The complete search: boards with no, one and several completions, the shared boxes as one
// cell, and boards it must refuse.
#include "engine/rules.h"
#include "engine/search.h"
#include "support_pure/puzzles.h"
#include "tools/collections/generator.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
// Grid 4 emptied except its shared box: its other 72 cells can be completed in many ways.
Board openCornerGrid() {
    Board b = puzzles::solvedBoard();
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (c > 3 || r > 3) b.cellValue(4, c, r) = b.givenValue(4, c, r) = 0;
    return b;
}
// Grids 0 and 4 each with a rectangle of two digits emptied (two rows of one band, two
// columns of different stacks, no shared cell): each grid has two completions of its
// own, so the field has four. A generated solution has such rectangles (the pattern of
// puzzles::solvedBoard has none).
Board twoOpenRectangles() {
    Random random(1);
    Board b = puzzleBoard(makeSolution(random));
    const auto shared = [](int g, int c, int r) {
        int og = 0, oc = 0, orow = 0;
        return otherCopy(g, c, r, og, oc, orow);
    };
    for (int g : {0, 4}) {
        bool opened = false;
        for (int r1 = 1; r1 <= 9 && !opened; ++r1)
            for (int r2 = r1 + 1; r2 <= (r1 - 1) / 3 * 3 + 3 && !opened; ++r2)
                for (int c1 = 1; c1 <= 6 && !opened; ++c1)
                    for (int c2 = (c1 - 1) / 3 * 3 + 4; c2 <= 9 && !opened; ++c2) {
                        if (b.cellValue(g, c1, r1) != b.cellValue(g, c2, r2) ||
                            b.cellValue(g, c2, r1) != b.cellValue(g, c1, r2) || shared(g, c1, r1) ||
                            shared(g, c1, r2) || shared(g, c2, r1) || shared(g, c2, r2))
                            continue;
                        for (int c : {c1, c2})
                            for (int r : {r1, r2}) b.cellValue(g, c, r) = b.givenValue(g, c, r) = 0;
                        opened = true;
                    }
        EXPECT_TRUE(opened) << "no rectangle in grid " << g;
    }
    return b;
}
} // namespace

TEST(Search, CountsCompletionsUpToTheLimit) {
    const Board solved = puzzles::solvedBoard();
    Random random(7);
    const Board sparse = puzzles::thinOut(solved, random, true);
    Board oneCellOpen = solved;
    puzzles::setField(oneCellOpen, 8, 8, 0, false); // a shared cell: grid 0 and grid 2
    // A digit in the mirror copy alone (grid 2) of an empty cell of grid 0's shared box.
    Board mirrorRight = sparse, mirrorWrong = sparse;
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 3; ++r)
            if (sparse.cellValue(2, c, r) == 0) {
                mirrorRight.cellValue(2, c, r) = solved.cellValue(2, c, r);
                mirrorWrong.cellValue(2, c, r) = solved.cellValue(2, c, r) % 9 + 1;
            }
    ASSERT_NE(mirrorRight.cellValue, sparse.cellValue);
    // Valid, yet no completion: field cell (7, 9) lies in grid 0's row 9 (holding 1..6)
    // and in grid 2's column 1 (holding 7, 8, 9), so no digit fits both grids.
    Board deadSharedCell;
    for (int c = 1; c <= 6; ++c) deadSharedCell.cellValue(0, c, 9) = static_cast<std::uint8_t>(c);
    for (int r = 4; r <= 6; ++r)
        deadSharedCell.cellValue(2, 1, r) = static_cast<std::uint8_t>(r + 3);

    // AI Escargot in grid 4, the other grids empty: with a wrong digit in its first empty
    // cell (a 5 where its only completion has the 6), the grid contradicts itself only
    // after several guesses.
    const char* escargot =
        "100007090030020008009600500005300900010080002600004000300000010040000007007000300";
    Board hardGrid, hardGridWrong;
    for (int i = 0; i < 81; ++i) {
        const int v = escargot[i] - '0';
        if (v != 0) puzzles::setField(hardGrid, 12 + i % 9 + 1, 12 + i / 9 + 1, v, true);
    }
    hardGridWrong = hardGrid;
    puzzles::setField(hardGridWrong, 14, 13, 5, true);

    struct Case {
        const char* name;
        Board board;
        int limit, expected;
        const Board* solution; // the completion expected back, when it is the only one
    };
    const Case cases[] = {
        {"solved board", solved, 2, 1, &solved},
        {"one shared cell open", oneCellOpen, 2, 1, &solved},
        {"sparse puzzle", sparse, 2, 1, &solved},
        {"empty board", Board{}, 2, 2, nullptr},
        {"empty board, limit 3000", Board{}, 3000, 3000, nullptr},
        {"open corner grid, limit 5", openCornerGrid(), 5, 5, nullptr},
        {"two grids open two ways, limit 5", twoOpenRectangles(), 5, 4, nullptr},
        {"two grids open two ways, limit 3", twoOpenRectangles(), 3, 3, nullptr},
        {"limit 0", solved, 0, 0, nullptr},
        {"dead shared cell", deadSharedCell, 2, 0, nullptr},
        {"hard grid, the others empty", hardGrid, 2, 2, nullptr},
        {"hard grid with a wrong digit", hardGridWrong, 2, 0, nullptr},
        {"right digits in mirror copies only", mirrorRight, 2, 1, &solved},
        {"wrong digits in mirror copies only", mirrorWrong, 2, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BoardArray found{};
        const Board before = c.board;
        EXPECT_EQ(countSolutions(c.board, c.limit, &found), c.expected);
        EXPECT_EQ(c.board.cellValue, before.cellValue);
        if (c.solution) {
            EXPECT_EQ(found, c.solution->cellValue);
        }
        if (c.expected > 0) {
            Board completed = c.board;
            completed.cellValue = found;
            EXPECT_TRUE(isBoardValid(completed));
            EXPECT_TRUE(isBoardComplete(completed)); // both copies filled alike
            for (int i = 0; i < kBlockSize; ++i) {
                if (c.board.cellValue.bytes[i] != 0) {
                    EXPECT_EQ(found.bytes[i], c.board.cellValue.bytes[i]);
                }
            }
        }
    }
    // The dead shared cell is invisible to the rule checks, which test each copy alone.
    EXPECT_TRUE(isBoardValid(deadSharedCell));
    EXPECT_TRUE(hasNoDeadCell(deadSharedCell));
}

TEST(Search, RefusesBoardsThatBreakTheModel) {
    const std::function<void(Board&)> damage[] = {
        [](Board& b) { b.cellValue(1, 5, 5) = b.cellValue(1, 6, 5); },         // a repeated digit
        [](Board& b) { b.cellValue(2, 2, 2) = b.cellValue(2, 2, 2) % 9 + 1; }, // copies differ
        [](Board& b) { b.cellValue(3, 4, 4) = 10; },                           // not a digit
        [](Board& b) { b.cellValue(3, 4, 4) = 0, b.cellValue(3, 5, 4) = 200; },
    };
    for (const auto& change : damage) {
        Board b = puzzles::solvedBoard();
        change(b);
        BoardArray untouched{};
        EXPECT_EQ(countSolutions(b, 2, &untouched), 0);
        EXPECT_EQ(untouched, BoardArray{});
    }
}
