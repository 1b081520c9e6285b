// The board model: shared-box copies, completeness, restart and clear.
#include "engine/board.h"
#include "engine/rules.h"
#include "support_pure/puzzles.h"

#include <gtest/gtest.h>

namespace {
// One cell of each shared box, in the master grid and in the mirror grid.
struct SharedCell {
    int masterGrid, masterColumn, masterRow, mirrorGrid, mirrorColumn, mirrorRow;
};
constexpr SharedCell kSharedCells[] = {
    {0, 8, 8, 2, 2, 2},                     // top-left
    {0, 7, 9, 2, 1, 3}, {1, 1, 7, 2, 7, 1}, // top-right
    {1, 3, 9, 2, 9, 3}, {2, 1, 7, 3, 7, 1}, // bottom-left
    {2, 2, 9, 3, 8, 3}, {2, 9, 9, 4, 3, 3}, // bottom-right
    {2, 7, 8, 4, 1, 2},
};
} // namespace

TEST(Board, MirrorsFollowMastersAndClearToZero) {
    for (const SharedCell& s : kSharedCells) {
        SCOPED_TRACE(testing::Message()
                     << "master " << s.masterGrid << "," << s.masterColumn << "," << s.masterRow);
        Board b;
        b.cellValue(s.masterGrid, s.masterColumn, s.masterRow) = 5;
        b.givenValue(s.masterGrid, s.masterColumn, s.masterRow) = 3;
        syncSharedBoxes(b);
        EXPECT_EQ(b.cellValue(s.mirrorGrid, s.mirrorColumn, s.mirrorRow), 5);
        EXPECT_EQ(b.givenValue(s.mirrorGrid, s.mirrorColumn, s.mirrorRow), 3);

        int g, c, r;
        ASSERT_TRUE(otherCopy(s.masterGrid, s.masterColumn, s.masterRow, g, c, r));
        EXPECT_EQ(std::tuple(g, c, r), std::tuple(s.mirrorGrid, s.mirrorColumn, s.mirrorRow));
        ASSERT_TRUE(otherCopy(s.mirrorGrid, s.mirrorColumn, s.mirrorRow, g, c, r));
        EXPECT_EQ(std::tuple(g, c, r), std::tuple(s.masterGrid, s.masterColumn, s.masterRow));

        clearSharedMirrors(b);
        EXPECT_EQ(b.cellValue(s.mirrorGrid, s.mirrorColumn, s.mirrorRow), 0);
        EXPECT_EQ(b.givenValue(s.mirrorGrid, s.mirrorColumn, s.mirrorRow), 0);
        EXPECT_EQ(b.cellValue(s.masterGrid, s.masterColumn, s.masterRow), 5);

        // A value written only into a mirror is lost at the next sync.
        b.cellValue(s.mirrorGrid, s.mirrorColumn, s.mirrorRow) = 7;
        syncSharedBoxes(b);
        EXPECT_EQ(b.cellValue(s.mirrorGrid, s.mirrorColumn, s.mirrorRow), 5);
    }
    int g, c, r;
    EXPECT_FALSE(otherCopy(2, 5, 5, g, c, r));
    EXPECT_FALSE(otherCopy(0, 6, 7, g, c, r));
}

TEST(Board, ClearSharedMirrorsClearsExactlyTheMirrorCells) {
    Board b = puzzles::solvedBoard();
    const Board solved = b;
    clearSharedMirrors(b);
    int cleared = 0;
    for (int i = 0; i < kBlockSize; ++i) {
        if (b.cellValue.bytes[i] != solved.cellValue.bytes[i]) ++cleared;
        EXPECT_EQ(b.cellValue.bytes[i] == 0, b.givenValue.bytes[i] == 0);
    }
    EXPECT_EQ(cleared, 36);
    syncSharedBoxes(b);
    EXPECT_EQ(b.cellValue, solved.cellValue);
    EXPECT_EQ(b.givenValue, solved.givenValue);
}

TEST(Board, EntryInAMasterReachesTheMirrorThroughACount) {
    Board b;
    b.cellValue(0, 7, 9) = 4;
    isBoardComplete(b);
    EXPECT_EQ(b.cellValue(2, 1, 3), 4);
}

TEST(Board, CompletenessCountsDigitsNotRules) {
    const Board solved = puzzles::solvedBoard();
    struct Case {
        const char* name;
        void (*change)(Board&);
        bool complete, valid;
    };
    const Case cases[] = {
        {"empty board", [](Board& b) { b = Board{}; }, false, true},
        {"solved board", [](Board&) {}, true, true},
        {"two digits exchanged",
         [](Board& b) { std::swap(b.cellValue(1, 4, 4), b.cellValue(1, 5, 4)); }, true, false},
        {"one cell empty", [](Board& b) { puzzles::setField(b, 11, 11, 0, false); }, false, true},
        {"one mirror out of step",
         [](Board& b) { b.cellValue(2, 1, 1) = 0; }, // the count reads the master only
         true, true},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        Board b = solved;
        test.change(b);
        const bool valid = isBoardValid(b);
        EXPECT_EQ(isBoardComplete(b), test.complete);
        EXPECT_EQ(valid, test.valid);
        if (test.complete) {
            for (int d = 1; d <= 9; ++d) EXPECT_EQ(b.digitCount[d], 41);
        }
    }
}

TEST(Board, RestartKeepsGivensAndClearsEntriesAndNotes) {
    Board b = puzzles::solvedBoard();
    // Every filled cell a given: only the notes change.
    b.noteFlag(0, 1, 1, 3) = true;
    const Board allGivens = b;
    restartPuzzle(b);
    EXPECT_EQ(b.cellValue, allGivens.cellValue);
    EXPECT_FALSE(b.noteFlag(0, 1, 1, 3));

    // Without givens every cell empties.
    b.givenValue = BoardArray{};
    restartPuzzle(b);
    EXPECT_EQ(b.cellValue, BoardArray{});

    // A mix: entries go, givens stay.
    b = puzzles::solvedBoard();
    puzzles::setField(b, 3, 3, b.cellValue(0, 3, 3), false);
    restartPuzzle(b);
    EXPECT_EQ(b.cellValue(0, 3, 3), 0);
    EXPECT_EQ(b.cellValue(0, 3, 4), allGivens.cellValue(0, 3, 4));
}

TEST(Board, ClearBoardModelEmptiesEverythingAndForgetsNotSolvable) {
    Board b = puzzles::solvedBoard();
    b.cellValue.bytes[0] = 9; // index 0 is cleared too
    b.noteFlag(4, 9, 9, 9) = true;
    b.status.notSolvable = true;
    clearBoardModel(b);
    EXPECT_FALSE(b.status.notSolvable);
    EXPECT_EQ(b.cellValue, BoardArray{});
    EXPECT_EQ(b.givenValue, BoardArray{});
    EXPECT_EQ(b.noteFlag, NoteArray<bool>{});
}

// The grid origins cover 369 field cells, and a grid cell's field position leads back to
// the cell itself or, for a mirror copy, to its master in the lower-numbered grid.
TEST(BoardTest, GridOriginsAndFieldIndexRoundTrip) {
    int covered = 0;
    for (int fr = 0; fr < kFieldSize; ++fr)
        for (int fc = 0; fc < kFieldSize; ++fc) {
            GridCell cell;
            if (!gridCellAt(fc, fr, cell)) continue;
            ++covered;
            EXPECT_EQ(fieldIndex(cell), fr * kFieldSize + fc) << fc << "," << fr;
        }
    EXPECT_EQ(covered, 369);
    for (int g = 0; g < 5; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                const int index = fieldIndex(GridCell{g, c, r});
                GridCell back;
                ASSERT_TRUE(gridCellAt(index % kFieldSize, index / kFieldSize, back));
                GridCell expected{g, c, r};
                int og = 0, oc = 0, orow = 0;
                if (otherCopy(g, c, r, og, oc, orow) && og < g) expected = {og, oc, orow};
                EXPECT_EQ(back, expected) << g << " " << c << " " << r;
            }
}
