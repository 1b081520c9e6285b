// Drawing only reads: in the states a game reaches, every draw routine leaves the game
// state (board, clock, verdict, timing note, counts) as it found it, beeps nothing, opens
// no window, and draws the picture that stood there before.
#include "app/screen.h"
#include "engine/rules.h"
#include "panels/info.h"
#include "panels/statistics.h"
#include "play/render.h"
#include "support/scripted_platform.h"
#include "support_pure/puzzles.h"
#include "tests/game/scaled_world.h"

#include <gtest/gtest.h>

#include <QtMath>

namespace {

// What the game state holds that a drawing could change.
struct Snapshot {
    Board board;
    bool clockRunning, finishingGame;
    double startTime;
    std::string finishTime;
    QString timingNote;
    int givenCount;
    int beeps;
    std::size_t modals, clockLabels;

    explicit Snapshot(Game& g, const ScriptedPlatform& p)
        : board(g.state.board), clockRunning(g.state.clock.clockRunning),
          finishingGame(g.state.clock.finishingGame), startTime(g.state.clock.startTime),
          finishTime(g.state.clock.finishTime), timingNote(g.state.timingNote),
          givenCount(g.state.givenCount), beeps(p.beeps), modals(p.modalForms.size()),
          clockLabels(p.clockLabels.size()) {}
    bool operator==(const Snapshot&) const = default;
};

// Every draw routine of the board and the panels, as a redraw of the whole screen runs them.
void drawEverything(Game& g) {
    drawMainScreen(g);
    drawHelpPanel(g);
    drawBoard(g);
    drawCandidates(g);
    drawStatisticsPanel(g);
    drawStatusPanel(g);
    drawDifficultyPanel(g);
    drawClockPanel(g);
    const Board& b = g.state.board;
    redrawCells(g, {{0, 1, 1}, {0, 7, 7}, {2, 5, 5}, {4, 9, 9}});
    // One cell drawn as what it holds (the cells of grid 0 through the active grid).
    const Board copy = b;
    g.state.board.activeGrid = 0;
    if (copy.givenValue(0, 2, 2) != 0)
        drawGivenValue(g, 2, 2, copy.givenValue(0, 2, 2));
    else
        drawCellValue(g, 2, 2, copy.cellValue(0, 2, 2));
    g.state.board.activeGrid = copy.activeGrid;
}

// A puzzle with its solution, some right entries, one wrong entry, and notes in two cells.
void puzzleInPlay(Game& g) {
    Random random(7);
    Board& b = g.state.board;
    b = puzzles::thinOut(puzzles::shuffledSolvedBoard(random), random, true, 120);
    int entries = 0;
    bool wrong = false, notes = false;
    for (int grid = 0; grid < 5; ++grid)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                if (b.cellValue(grid, c, r) != 0) continue;
                if (!wrong) {
                    b.cellValue(grid, c, r) = b.solutionValue(grid, c, r) % 9 + 1;
                    wrong = true;
                } else if (!notes) {
                    b.noteFlag(grid, c, r, 2) = b.noteFlag(grid, c, r, 7) = true;
                    notes = true;
                } else if (entries++ < 12) {
                    b.cellValue(grid, c, r) = b.solutionValue(grid, c, r);
                }
            }
    syncSharedBoxes(b);
    b.status.errorCount = 1;
    b.activeGrid = 3;
}

struct Scene {
    const char* name;
    void (*build)(Game& g);
    qreal scale = 1.0;
};

} // namespace

TEST(DrawingReads, EveryDrawRoutineLeavesTheGameAsItFoundIt) {
    const Scene scenes[] = {
        {"a new game with entries, one wrong, and notes",
         [](Game& g) {
             puzzleInPlay(g);
             startGameClock(g);
         }},
        {"candidates shown",
         [](Game& g) {
             puzzleInPlay(g);
             g.state.board.options.showCandidates = true;
         }},
        {"letter display",
         [](Game& g) {
             puzzleInPlay(g);
             g.state.board.options.showDigits = false;
         }},
        {"a solved board",
         [](Game& g) {
             Board& b = g.state.board;
             b = puzzles::solvedBoard();
             b.solutionValue = b.cellValue;
             b.givenValue.bytes.fill(0);
         }},
        {"givens that break a rule (the status beeps)",
         [](Game& g) {
             puzzles::setField(g.state.board, 1, 1, 5, true);
             puzzles::setField(g.state.board, 2, 1, 5, true);
         }},
        {"the own-board editor",
         [](Game& g) {
             puzzleInPlay(g);
             g.state.board.cellValue = g.state.board.givenValue;
             g.state.board.solutionValue = BoardArray{};
             g.ui.editorMode = true;
         }},
        {"view scale 0.75", [](Game& g) { puzzleInPlay(g); }, 0.75},
    };
    for (const Scene& s : scenes) {
        SCOPED_TRACE(s.name);
        ScaledWorld world(s.scale);
        QImage& image = world.image;
        ScriptedPlatform& platform = world.platform;
        platform.onModal = [](QWidget*) {};
        Game& g = world.game;
        world.drawStart();
        s.build(g);
        // The commands' own update of what the board shows: counts, verdict, candidates.
        updateDigitCounts(g);
        if (g.state.board.options.showCandidates) computeCandidates(g);
        drawEverything(g);
        g.state.board.activeGrid = 1; // the last cell chosen lies in grid 1

        const Snapshot before(g, platform);
        const QImage picture = image.copy();
        drawEverything(g);
        EXPECT_TRUE(Snapshot(g, platform) == before);
        EXPECT_TRUE(g.state.board == before.board) << "the board changed";
        EXPECT_EQ(platform.beeps, before.beeps);
        EXPECT_TRUE(image == picture) << "drawing again drew another picture";
    }
}
