// The visible solver and the solve command: an empty board, a puzzle, and a wrong entry
// that leads into a dead end (restart from the givens).
#include "app/menu.h"
#include "engine/rules.h"
#include "engine/search.h"
#include "engine/solver.h"
#include "files/boardfile.h"
#include "panels/statistics.h"
#include "play/render.h"
#include "play/solve.h"
#include "support/scripted_platform.h"
#include "support_pure/puzzles.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <functional>
#include <numeric>

namespace {

const QString kNotUnique = QStringLiteral("Das Brett läßt sich nicht eindeutig lösen?");

void loadPuzzle(Game& g, std::uint32_t seed) {
    Random random(seed);
    g.state.board = puzzles::thinOut(puzzles::shuffledSolvedBoard(random), random, true, 120);
}

} // namespace

TEST(SolveCommand, EmptyBoardShowsTheMessageAndIsNotSolvable) {
    TestWorld w;
    Game& g = w.g();
    solveCommand(g);
    ASSERT_EQ(w.platform.messages.size(), 2u); // the defined message, then which case it is
    EXPECT_EQ(w.platform.messages[0].text, kNotUnique);
    EXPECT_EQ(w.platform.messages[0].captions, "&Schade");
    EXPECT_EQ(w.platform.messages[0].icon, MessageIcon::None);
    EXPECT_TRUE(g.state.board.status.notSolvable);
    EXPECT_EQ(g.state.board.cellValue, Board().cellValue);
    ASSERT_EQ(w.platform.pointers.size(), 2u);
    EXPECT_EQ(w.platform.pointers.front(), PointerShape::Hourglass);
    EXPECT_EQ(w.platform.pointers.back(), PointerShape::Arrow);
}

TEST(SolveCommand, PuzzleIsSolvedVisiblyWithoutMessage) {
    TestWorld w;
    Game& g = w.g();
    loadPuzzle(g, 5);
    const BoardArray givens = g.state.board.givenValue;
    g.state.board.status.errorCount = 2;
    solveCommand(g);
    EXPECT_TRUE(w.platform.messages.empty());
    EXPECT_EQ(g.state.board.status.verdict, Verdict::Solved);
    EXPECT_FALSE(g.state.board.status.notSolvable);
    EXPECT_EQ(g.state.board.status.errorCount, 0);
    EXPECT_EQ(g.state.board.cellValue, g.state.board.solutionValue);
    EXPECT_EQ(g.state.board.givenValue, givens);
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
    Board& b = g.state.board;
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
    // The first run got stuck (the message and its explanation); the second, from the
    // givens, finished.
    EXPECT_EQ(w.platform.messages.size(), 2u);
    EXPECT_EQ(b.cellValue, b.solutionValue);
    EXPECT_EQ(b.status.verdict, Verdict::Solved);
    EXPECT_FALSE(b.status.notSolvable);
    EXPECT_FALSE(b.noteFlag(0, 1, 1, 1));
}

TEST(SolveCommand, WrongEntryWithoutDeadEndIsKept) {
    TestWorld w;
    Game& g = w.g();
    g.state.board.cellValue(1, 5, 5) = 3; // no givens, no solution: nothing to restart to
    solveCommand(g);
    EXPECT_EQ(g.state.board.cellValue(1, 5, 5), 3);
    EXPECT_EQ(w.platform.messages.size(), 2u);
    EXPECT_TRUE(g.state.board.status.notSolvable);
}

// After the defined message, menu 22 says which case the board is: one solution beyond the
// two rules (offered and filled in), none because of the player's entries, or several.
TEST(SolveCommand, SecondMessageTellsWhyTheRulesGaveUp) {
    const Board solved = puzzles::solvedBoard();
    // Clues taken out one by one while the search still finds one completion.
    Board minimal = solved;
    Random random(3);
    std::vector<std::pair<int, int>> cells = puzzles::fieldCells();
    for (std::size_t i = cells.size(); i > 1; --i)
        std::swap(cells[i - 1],
                  cells[static_cast<std::size_t>(random.RANDOM(static_cast<int>(i)))]);
    for (auto [X, Y] : cells) {
        Board fewer = minimal;
        puzzles::setField(fewer, X, Y, 0, false);
        if (countSolutions(fewer, 2) == 1) minimal = fewer;
    }
    // A two-rule puzzle with one wrong entry of the player that breaks no rule.
    Random other(5);
    Board wrong = puzzles::thinOut(puzzles::shuffledSolvedBoard(other), other, true, 120);
    for (int c = 1; c <= 9; ++c) {
        if (wrong.cellValue(4, c, 5) != 0) continue;
        for (int v = 1; v <= 9; ++v) {
            Board trial = wrong;
            trial.cellValue(4, c, 5) = static_cast<std::uint8_t>(v);
            if (v != wrong.solutionValue(4, c, 5) && isBoardValid(trial)) {
                wrong = trial;
                c = 10;
                break;
            }
        }
    }
    struct Case {
        const char* name;
        Board board;
        std::deque<int> answers;
        QString text, captions;
    };
    const Case cases[] = {
        {"empty board",
         Board{},
         {},
         QStringLiteral("Das Brett hat mehr als eine Lösung."),
         QStringLiteral("&OK")},
        {"one solution beyond the rules",
         minimal,
         {1, 1},
         QString(),
         QStringLiteral("&Lösung zeigen|&Nein")},
        {"a wrong entry",
         wrong,
         {},
         QStringLiteral("Das Brett hat keine Lösung: einer Ihrer Einträge ist falsch."),
         QStringLiteral("&OK")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestWorld w;
        Game& g = w.g();
        g.state.board = c.board;
        w.platform.answers = c.answers;
        Win_0_MenuEvent(g, menuNumber(MenuId::SolveBoard));
        ASSERT_GE(w.platform.messages.size(), 2u);
        EXPECT_EQ(w.platform.messages[0].text, kNotUnique);
        EXPECT_EQ(w.platform.messages[0].captions, "&Schade");
        EXPECT_EQ(w.platform.messages[1].captions, c.captions);
        if (!c.text.isEmpty()) {
            EXPECT_EQ(w.platform.messages[1].text, c.text);
        }
        if (c.answers.size() == 2) { // "Lösung zeigen": the board is filled with the solution
            EXPECT_TRUE(w.platform.messages[1].text.startsWith(
                QStringLiteral("Das Brett hat genau eine Lösung")));
            EXPECT_EQ(g.state.board.cellValue, solved.cellValue);
            // The search proved the one solution: the board is solved, not "Nicht lösbar!!!".
            EXPECT_FALSE(g.state.board.status.notSolvable);
            EXPECT_EQ(g.state.board.status.verdict, Verdict::Solved);
        }
    }
}

// A board with a dead cell among its givens: the second run from the givens would be the
// same run again, so the two messages come once; with an entry of the player the board is
// run again from the givens, and its explanation, already given, is not repeated.
TEST(SolveCommand, ContradictoryGivensExplainOnce) {
    Board dead; // grid 1, row 5 holds 1..8 and column 9 a 9: cell (9, 5) admits no digit
    for (int c = 1; c <= 8; ++c)
        dead.cellValue(1, c, 5) = dead.givenValue(1, c, 5) = std::uint8_t(c);
    dead.cellValue(1, 9, 1) = dead.givenValue(1, 9, 1) = 9;
    Board entry = dead;
    entry.cellValue(3, 5, 5) = 4;
    const QString none = QStringLiteral("Das Brett hat keine Lösung.");
    struct Case {
        const char* name;
        Board board;
        std::vector<QString> texts;
    };
    const Case cases[] = {
        {"givens only", dead, {kNotUnique, none}},
        {"with an entry", entry, {kNotUnique, none, kNotUnique}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestWorld w;
        Game& g = w.g();
        g.state.board = c.board;
        solveCommand(g);
        std::vector<QString> texts;
        for (const auto& m : w.platform.messages) texts.push_back(m.text);
        EXPECT_EQ(texts, c.texts);
        EXPECT_GT(w.platform.backgroundRuns, 0); // the search ran off the user-interface thread
    }
}

// A board that needs more than the two rules (they stop after 15 passes) with exactly one
// solution, loaded, typed in or given up by the solver: the search's solution judges the
// entries (a wrong one red and counted) and the completed board reads solved.
TEST(BeyondTheRules, TheSearchedSolutionJudgesEntriesAndTheSolvedBoard) {
    const Board puzzle = puzzles::seventeenPassPuzzle();
    BoardArray solution{};
    ASSERT_EQ(countSolutions(puzzle, 2, &solution), 1);
    Board rules = puzzle;
    computeSolution(rules);
    ASSERT_TRUE(rules.status.notSolvable);
    int wg = -1, wc = 0, wr = 0; // a cell the two rules leave empty
    for (int i = 0; i < kBlockSize && wg < 0; ++i)
        if (rules.solutionValue.bytes[i] == 0 && solution.bytes[i] != 0)
            wg = i % 5, wc = i / 5 % 10, wr = i / 50;
    ASSERT_GE(wg, 0);
    const std::function<void(TestWorld&)> paths[] = {
        [](TestWorld& w) { // the slot dialog closed: the board on screen is judged anew
            w.platform.onModal = [](QWidget* form) { form->close(); };
            loadBoard(w.g());
        },
        [](TestWorld& w) { // typed in: the editor left with A
            w.platform.key('A');
            Win_0_MenuEvent(w.g(), menuNumber(MenuId::OwnBoard));
        },
        [](TestWorld& w) { // "Brett lösen": Schade, then "Nein" to showing the solution
            w.platform.answers = {1, 2};
            solveCommand(w.g());
            restartPuzzle(w.g().state.board);
        },
    };
    for (const auto& path : paths) {
        TestWorld w;
        Game& g = w.g();
        Board& b = g.state.board;
        b = puzzle;
        b.status.notSolvable = true;
        path(w);
        EXPECT_FALSE(b.status.notSolvable);
        EXPECT_EQ(b.solutionValue, solution);
        b.status.errorCount = 0;
        b.activeGrid = static_cast<std::int16_t>(wg);
        const int wrong = solution(wg, wc, wr) % 9 + 1;
        b.cellValue(wg, wc, wr) = static_cast<std::uint8_t>(wrong);
        enterCellValue(g, wc, wr, wrong);
        EXPECT_EQ(b.status.errorCount, 1);
        updateDigitCounts(g);
        EXPECT_EQ(b.status.verdict, Verdict::WrongNumber);
        b.cellValue = solution;
        updateDigitCounts(g);
        EXPECT_EQ(b.status.verdict, Verdict::Solved);
    }
}
