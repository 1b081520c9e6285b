// The visible solver and the solve command: an empty board, a puzzle, and a wrong entry
// that leads into a dead end (restart from the givens).
#include "engine/rules.h"
#include "play/render.h"
#include "support/scripted_platform.h"
#include "support_pure/puzzles.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

const QString kNotUnique = QStringLiteral("Das Brett läßt sich nicht eindeutig lösen?");

void loadPuzzle(Game& g, std::uint32_t seed) {
    Random random(seed);
    g.board = puzzles::thinOut(puzzles::shuffledSolvedBoard(random), random, true, 120);
}

} // namespace

TEST(SolveCommand, EmptyBoardShowsTheMessageAndIsNotSolvable) {
    TestWorld w;
    Game& g = w.g();
    solveCommand(g);
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text, kNotUnique);
    EXPECT_EQ(w.platform.messages[0].captions, "&Schade");
    EXPECT_EQ(w.platform.messages[0].icon, MessageIcon::None);
    EXPECT_TRUE(g.board.notSolvable);
    EXPECT_EQ(g.board.cellValue, Board().cellValue);
    ASSERT_EQ(w.platform.pointers.size(), 2u);
    EXPECT_EQ(w.platform.pointers.front(), PointerShape::Hourglass);
    EXPECT_EQ(w.platform.pointers.back(), PointerShape::Arrow);
}

TEST(SolveCommand, PuzzleIsSolvedVisiblyWithoutMessage) {
    TestWorld w;
    Game& g = w.g();
    loadPuzzle(g, 5);
    const BoardArray givens = g.board.givenValue;
    g.board.errorCount = 2;
    solveCommand(g);
    EXPECT_TRUE(w.platform.messages.empty());
    EXPECT_EQ(g.board.verdict, Verdict::Solved);
    EXPECT_FALSE(g.board.notSolvable);
    EXPECT_EQ(g.board.errorCount, 0);
    EXPECT_EQ(g.board.cellValue, g.board.solutionValue);
    EXPECT_EQ(g.board.givenValue, givens);
    // Every placement was drawn in blue (right) as it was made, with a pause to show it;
    // the pauses of a whole puzzle add up to about a second and a half.
    const int pauses = std::accumulate(w.platform.sleeps.begin(), w.platform.sleeps.end(), 0);
    EXPECT_GE(pauses, 1000);
    EXPECT_LE(pauses, 3000);
    int blueValues = 0;
    for (const auto& record : w.canvas.journal)
        if (record.colour == QColor(0, 0, 188)) ++blueValues;
    EXPECT_GE(blueValues, static_cast<int>(w.platform.sleeps.size()));
}

TEST(SolveCommand, DeadEndRestartsFromTheGivens) {
    TestWorld w;
    Game& g = w.g();
    loadPuzzle(g, 5);
    Board& b = g.board;
    // A wrong entry: the value of an empty cell written into another empty cell of its row.
    int ec = 0, er = 0, wc = 0;
    for (int r = 1; r <= 6 && wc == 0; ++r)
        for (int c = 1; c <= 9 && wc == 0; ++c) {
            if (b.cellValue(0, c, r) != 0) continue;
            if (ec == 0) {
                ec = c, er = r;
            } else if (r == er) {
                wc = c;
            }
        }
    ASSERT_NE(wc, 0);
    b.cellValue(0, wc, er) = b.solutionValue(0, ec, er);
    b.noteFlag(0, 1, 1, 1) = true;

    solveCommand(g);
    // The first run got stuck (one message); the second, from the givens, finished.
    EXPECT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(b.cellValue, b.solutionValue);
    EXPECT_EQ(b.verdict, Verdict::Solved);
    EXPECT_FALSE(b.notSolvable);
    EXPECT_FALSE(b.noteFlag(0, 1, 1, 1));
}

TEST(SolveCommand, WrongEntryWithoutDeadEndIsKept) {
    TestWorld w;
    Game& g = w.g();
    g.board.cellValue(1, 5, 5) = 3; // no givens, no solution: nothing to restart to
    solveCommand(g);
    EXPECT_EQ(g.board.cellValue(1, 5, 5), 3);
    EXPECT_EQ(w.platform.messages.size(), 1u);
    EXPECT_TRUE(g.board.notSolvable);
}
