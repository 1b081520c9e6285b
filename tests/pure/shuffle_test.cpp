// The shuffle: validity, shared copies, givens and symmetry kept over many seeded runs;
// the geometry and inverses of the flips and the quarter turn; one pinned seeded shuffle.
#include "engine/rules.h"
#include "engine/shuffle.h"
#include "reference/reference_solver.h"
#include "support_pure/puzzles.h"

#include <gtest/gtest.h>

#include <string>

namespace {
bool inDoubleCopyForm(const Board& b) {
    Board synced = b;
    syncSharedBoxes(synced);
    return synced.cellValue == b.cellValue && synced.givenValue == b.givenValue;
}

// The clue pattern is the same after a half turn of the field.
bool patternIsPointSymmetric(const Board& b) {
    for (auto [X, Y] : puzzles::fieldCells())
        if ((puzzles::fieldValue(b, X, Y) == 0) != (puzzles::fieldValue(b, 22 - X, 22 - Y) == 0))
            return false;
    return true;
}

// The field as 21 rows of 21 characters, as boardFromPicture reads it.
std::string picture(const Board& b) {
    std::string text;
    for (int Y = 1; Y <= 21; ++Y) {
        for (int X = 1; X <= 21; ++X) {
            if (puzzles::cellsAt(X, Y).empty())
                text += ' ';
            else if (const int v = puzzles::fieldValue(b, X, Y); v != 0)
                text += static_cast<char>('0' + v);
            else
                text += '.';
        }
        text += '\n';
    }
    return text;
}

// A board with a distinct mark in many cells, to follow cells through the geometry.
Board markedBoard(std::uint32_t seed) {
    Board b;
    Random random(seed);
    for (auto [X, Y] : puzzles::fieldCells())
        puzzles::setField(b, X, Y, random.RANDOM(10), random.coin());
    return b;
}
} // namespace

TEST(Shuffle, ManySeededShufflesKeepTheBoardSound) {
    // Two symmetric sparse puzzles, 250 seeds each on both paths.
    for (std::uint32_t base : {1u, 2u}) {
        Random baseRandom(base);
        const Board solved = puzzles::shuffledSolvedBoard(baseRandom);
        const Board puzzle = puzzles::thinOut(solved, baseRandom, true);
        ASSERT_TRUE(patternIsPointSymmetric(puzzle));
        const int givens = puzzles::countGivens(puzzle);
        for (bool symmetric : {true, false}) {
            int symmetricAfter = 0;
            for (std::uint32_t seed = 1; seed <= 250; ++seed) {
                SCOPED_TRACE(testing::Message()
                             << "base " << base << " symmetric " << symmetric << " seed " << seed);
                Board b = puzzle;
                b.options.symmetricPuzzle = symmetric;
                Random random(seed);
                shuffleBoard(b, random);
                ASSERT_TRUE(isBoardValid(b));
                ASSERT_TRUE(inDoubleCopyForm(b));
                ASSERT_EQ(puzzles::countGivens(b), givens);
                ASSERT_EQ(b.cellValue, b.givenValue);
                // Still the same puzzle in disguise: the rules complete it.
                ASSERT_FALSE(b.status.notSolvable);
                Board solution = b;
                solution.cellValue = b.solutionValue;
                ASSERT_TRUE(isBoardValid(solution));
                if (symmetric) {
                    ASSERT_TRUE(patternIsPointSymmetric(b));
                }
                if (patternIsPointSymmetric(b)) ++symmetricAfter;
            }
            if (!symmetric) {
                EXPECT_LT(symmetricAfter, 10);
            }
        }
    }
}

TEST(Shuffle, EqualsTheTransformationsAppliedOneByOne) {
    // shuffleBoard defers the flips, the turn and the relabelling; the reference applies
    // each to the board as it is drawn. Boards with givens, player entries and notes.
    Random boardRandom(21);
    const Board solved = puzzles::shuffledSolvedBoard(boardRandom);
    const Board puzzle = puzzles::thinOut(solved, boardRandom, false, 150);
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        SCOPED_TRACE(seed);
        Board start = seed % 4 == 0 ? markedBoard(seed) : puzzle;
        for (int k = 0; k < static_cast<int>(seed % 30); ++k) {
            auto [X, Y] = puzzles::fieldCells()[static_cast<std::size_t>(boardRandom.RANDOM(369))];
            if (puzzles::fieldValue(start, X, Y) == 0)
                puzzles::setField(start, X, Y, boardRandom.RANDOM(9) + 1, false);
        }
        start.options.symmetricPuzzle = seed % 2 == 0;
        start.noteFlag(0, 1, 1, 1) = true;
        Board fast = start, literal = start;
        Random fastRandom(seed), literalRandom(seed);
        shuffleBoard(fast, fastRandom);
        reference::shuffleBoard(literal, literalRandom);
        ASSERT_EQ(fast.cellValue, literal.cellValue);
        ASSERT_EQ(fast.givenValue, literal.givenValue);
        ASSERT_EQ(fast.solutionValue, literal.solutionValue);
        ASSERT_EQ(fast.savedValue, literal.savedValue);
        ASSERT_EQ(fast.noteFlag, literal.noteFlag);
        ASSERT_EQ(fast.digitPermutation, literal.digitPermutation);
        ASSERT_EQ(fast.digitUnused, literal.digitUnused);
        ASSERT_EQ(fast.status.notSolvable, literal.status.notSolvable);
        ASSERT_EQ(fastRandom.RANDOM(1 << 30), literalRandom.RANDOM(1 << 30));
    }
}

TEST(Shuffle, EmptyBoardStaysEmpty) {
    for (bool symmetric : {true, false}) {
        Board b;
        b.options.symmetricPuzzle = symmetric;
        Random random(5);
        shuffleBoard(b, random);
        EXPECT_EQ(b.cellValue, BoardArray{});
        EXPECT_EQ(b.givenValue, BoardArray{});
        EXPECT_TRUE(b.status.notSolvable);
    }
}

TEST(Shuffle, FlipsAndTurnMoveFieldCellsAndUndoThemselves) {
    struct Case {
        const char* name;
        void (*transform)(Board&);
        int times;                           // applications that restore the board
        std::pair<int, int> (*to)(int, int); // where field cell (X, Y) goes
    };
    const Case cases[] = {
        {"flipVertical", flipVertical, 2, [](int X, int Y) { return std::pair(X, 22 - Y); }},
        {"flipHorizontal", flipHorizontal, 2, [](int X, int Y) { return std::pair(22 - X, Y); }},
        {"rotateBoard", rotateBoard, 4, [](int X, int Y) { return std::pair(Y, 22 - X); }},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const Board before = markedBoard(3);
        Board b = before;
        test.transform(b);
        EXPECT_TRUE(inDoubleCopyForm(b));
        for (auto [X, Y] : puzzles::fieldCells()) {
            auto [toX, toY] = test.to(X, Y);
            ASSERT_EQ(puzzles::fieldValue(b, toX, toY), puzzles::fieldValue(before, X, Y))
                << X << "," << Y;
            const auto to = puzzles::cellsAt(toX, toY).front();
            const auto from = puzzles::cellsAt(X, Y).front();
            ASSERT_EQ(b.givenValue(to.grid, to.column, to.row),
                      before.givenValue(from.grid, from.column, from.row));
        }
        for (int k = 1; k < test.times; ++k) test.transform(b);
        EXPECT_EQ(b.cellValue, before.cellValue);
        EXPECT_EQ(b.givenValue, before.givenValue);
    }
}

TEST(Shuffle, StacksAndBandsAreThreeColumnsOrRows) {
    const Board before = markedBoard(4);
    for (int g = 0; g <= 4; ++g) {
        Board stacks = before, columns = before;
        swapStacks(stacks, g, 1, 3);
        for (int j = 1; j <= 3; ++j) swapColumns(columns, g, j, 6 + j);
        EXPECT_EQ(stacks.cellValue, columns.cellValue);
        EXPECT_EQ(stacks.givenValue, columns.givenValue);
        Board bands = before, rows = before;
        swapBands(bands, g, 2, 3);
        for (int j = 1; j <= 3; ++j) swapRows(rows, g, 3 + j, 6 + j);
        EXPECT_EQ(bands.cellValue, rows.cellValue);
        EXPECT_EQ(bands.givenValue, rows.givenValue);
    }
}

TEST(Shuffle, RelabelDigitsIsOneToOne) {
    Board b = puzzles::solvedBoard();
    const Board before = b;
    Random random(8);
    relabelDigits(b, random);
    EXPECT_EQ(b.digitPermutation[0], 0);
    bool used[10] = {};
    for (int d = 1; d <= 9; ++d) {
        const int p = b.digitPermutation[d];
        ASSERT_TRUE(p >= 1 && p <= 9 && !used[p]);
        used[p] = true;
        EXPECT_FALSE(b.digitUnused[d]);
    }
    for (int i = 0; i < kBlockSize; ++i)
        ASSERT_EQ(b.cellValue.bytes[i], b.digitPermutation[before.cellValue.bytes[i]]);
    EXPECT_TRUE(isBoardComplete(b));
    EXPECT_TRUE(isBoardValid(b));
}

TEST(Shuffle, SeededShufflesArePinned) {
    // A change in the order of the draws or of the transformations changes these boards.
    struct Case {
        bool symmetric;
        std::uint32_t seed;
        const char* expected;
        int nextDraw;
    };
    const Case cases[] = {
        {true, 2026,
         "4..8251..   49....76.\n..7...5..   ...943..5\n.......4.   .......4.\n"
         "...2....1   .....5...\n.8.......   78..3...4\n.45...63.   ..5...936\n"
         ".7..4.21..3..........\n.3....79..2..3...8.97\n1..9............96453\n"
         "      .715...6.      \n      .........      \n      42.9..7..      \n"
         "...4...82...6......8.\n8..6.19........1..34.\n.93..........93...761\n"
         "..1..64..   .8..3....\n.6.....71   ..94.5...\n..5718.39   2.58.....\n"
         "...18.79.   ..42..69.\n....4.2.8   .7..5..12\n...9.7...   ...7.6...\n",
         986},
        {false, 7,
         "..2.8.6.5   .....6...\n.4.......   3.......9\n...217.4.   .124.8...\n"
         "...8.....   ..8......\n...1.57.8   .3..8.946\n728.4....   .4.5.....\n"
         ".17428..........3...7\n.6.75.2....9.57..2...\n...........2.93..58..\n"
         "      1...4.3.5      \n      .........      \n      ..5.7..89      \n"
         "3..8.2.......7..6..31\n...6....1...9.6.....8\n...13572.......2.7...\n"
         "..439.5..   69....8..\n51.......   .......57\n9..7.1.8.   .57...6.3\n"
         "..2...6..   .8.3...1.\n84.....7.   3.5..1...\n6......49   7.24..365\n",
         701},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.symmetric ? "symmetric path" : "free path");
        Board b = puzzles::seventeenPassPuzzle();
        b.options.symmetricPuzzle = test.symmetric;
        Random random(test.seed);
        shuffleBoard(b, random);
        EXPECT_EQ(picture(b), test.expected);
        EXPECT_EQ(random.RANDOM(1000), test.nextDraw);
    }
}
