// Board rendering on an offscreen image: colours of givens and entries, text offsets of
// digits and letters, note slots, the erase rectangle, shared-box notes and candidates,
// and the error count of entries against redraws.
#include "app/screen.h"
#include "engine/rules.h"
#include "panels/info.h"
#include "play/render.h"
#include "support/scripted_platform.h"
#include "support_pure/puzzles.h"

#include <gtest/gtest.h>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 188);
const QColor kRed(255, 0, 0);

int cellLeft(int grid, int column) {
    return gridLeft(grid) + 33 * (column - 1);
}
int cellTop(int grid, int row) {
    return gridTop(grid) + 33 * (row - 1);
}

// Number of pixels of exactly this colour inside the cell.
int pixelsInCell(const TestWorld& w, int grid, int column, int row, QColor colour) {
    int n = 0;
    for (int y = cellTop(grid, row) + 1; y < cellTop(grid, row) + 33; ++y)
        for (int x = cellLeft(grid, column) + 1; x < cellLeft(grid, column) + 33; ++x)
            if (w.pixel(x, y) == colour) ++n;
    return n;
}

// A puzzle with its solution, as after a load.
void loadPuzzle(Game& g, std::uint32_t seed = 3) {
    Random random(seed);
    g.state.board = puzzles::thinOut(puzzles::shuffledSolvedBoard(random), random, true, 120);
}

// The first empty cell of grid 0 outside the shared box.
std::pair<int, int> emptyCell(const Board& b) {
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 6; ++r)
            if (b.cellValue(0, c, r) == 0) return {c, r};
    return {0, 0};
}

// The player enters value v into cell (grid 0, c, r), as the palette does.
void enter(Game& g, int c, int r, int v) {
    g.state.board.activeGrid = 0;
    g.state.board.cellValue(0, c, r) = static_cast<std::uint8_t>(v);
    enterCellValue(g, c, r, v);
}

} // namespace

TEST(RenderCell, GivenBlackRightEntryBlueWrongEntryRed) {
    TestWorld w;
    Game& g = w.g();
    loadPuzzle(g);
    drawBoard(g);
    int gc = 0, gr = 0;
    for (int c = 1; c <= 9 && gc == 0; ++c)
        for (int r = 1; r <= 6; ++r)
            if (g.state.board.givenValue(0, c, r) != 0) {
                gc = c, gr = r;
                break;
            }
    ASSERT_NE(gc, 0);
    EXPECT_GT(pixelsInCell(w, 0, gc, gr, kBlack), 20);

    auto [c, r] = emptyCell(g.state.board);
    ASSERT_NE(c, 0);
    const int right = g.state.board.solutionValue(0, c, r);
    enter(g, c, r, right);
    EXPECT_GT(pixelsInCell(w, 0, c, r, kBlue), 20);
    EXPECT_EQ(pixelsInCell(w, 0, c, r, kRed), 0);
    EXPECT_EQ(g.state.board.status.errorCount, 0);

    enter(g, c, r, right % 9 + 1);
    EXPECT_GT(pixelsInCell(w, 0, c, r, kRed), 20);
    EXPECT_EQ(pixelsInCell(w, 0, c, r, kBlue), 0);
    EXPECT_EQ(g.state.board.status.errorCount, 1);

    // Without a known solution every entry is blue.
    g.state.board.solutionValue(0, c, r) = 0;
    enter(g, c, r, right % 9 + 1);
    EXPECT_GT(pixelsInCell(w, 0, c, r, kBlue), 20);
    EXPECT_EQ(g.state.board.status.errorCount, 1);
}

TEST(RenderCell, TextOffsetsOfDigitsAndLetters) {
    struct Case {
        bool digits;
        int value;
        const char* text;
        int offset;
    };
    const Case cases[] = {
        {true, 1, "1", 4},   {true, 9, "9", 4},  {false, 1, "A", 1},
        {false, 9, "I", 10}, {false, 5, "E", 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        TestWorld w;
        Game& g = w.g();
        g.state.board.options.showDigits = k.digits;
        g.state.board.activeGrid = 4;
        enterGivenValue(g, 5, 6, k.value);
        EXPECT_EQ(g.state.board.givenValue(4, 5, 6), k.value);
        const auto texts = w.canvas.textsAt(cellLeft(4, 5) + 1 + k.offset, cellTop(4, 6) - 1);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, k.text);
        EXPECT_EQ(texts[0].colour, kBlack);
    }
}

TEST(RenderCell, EraseKeepsEveryGridAndBoxLine) {
    TestWorld w;
    Game& g = w.g();
    w.image.fill(Qt::white);
    drawEmptyGrid(g, 15, 15);
    const QImage pristine = w.image.copy();
    // Draw a wide value into every cell, then empty each: only the cell insides change.
    g.state.board.activeGrid = 0;
    for (int value : {1, 8}) {
        g.state.board.options.showDigits = value == 8;
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                g.state.board.cellValue(0, c, r) = static_cast<std::uint8_t>(value);
                drawCellValue(g, c, r, value);
            }
    }
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
            g.state.board.cellValue(0, c, r) = 0;
            drawCellValue(g, c, r, 0);
        }
    int differing = 0;
    for (int y = 0; y < 330; ++y)
        for (int x = 0; x < 330; ++x)
            if (w.image.pixel(x, y) != pristine.pixel(x, y)) ++differing;
    EXPECT_EQ(differing, 0);
}

TEST(RenderNotes, NoteSlotsInDigitsAndLetters) {
    struct Case {
        bool digits;
        int value;
        const char* text;
        int dx, dy;
    };
    const Case cases[] = {
        {true, 1, "1", 2, 0},   {true, 5, "5", 12, 10}, {true, 9, "9", 22, 20},
        {false, 3, "C", 22, 0}, {false, 7, "G", 2, 20}, {false, 9, "I", 23, 20},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        TestWorld w;
        Game& g = w.g();
        g.state.board.options.showDigits = k.digits;
        g.state.board.noteFlag(3, 2, 8, k.value) = true;
        drawCandidates(g);
        const auto texts = w.canvas.textsAt(cellLeft(3, 2) + k.dx, cellTop(3, 8) + k.dy);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, k.text);
        EXPECT_EQ(texts[0].colour, kBlack);
    }
}

TEST(RenderNotes, NotesOfACellWithAValueAreNotDrawn) {
    TestWorld w;
    Game& g = w.g();
    g.state.board.noteFlag(1, 5, 5, 4) = true;
    g.state.board.cellValue(1, 5, 5) = 7;
    drawCandidates(g);
    EXPECT_TRUE(w.canvas.journal.empty());
}

TEST(RenderNotes, SharedBoxNoteStandsInBothCopies) {
    TestWorld w;
    Game& g = w.g();
    g.state.board.noteFlag(0, 8, 8, 6) = true; // top-left shared box, master copy
    syncSharedNotes(g);
    EXPECT_TRUE(g.state.board.noteFlag(2, 2, 2, 6));
    drawCandidates(g);
    // Both copies lie on the same pixels: the note is drawn once per copy.
    EXPECT_EQ(w.canvas.textsAt(cellLeft(0, 8) + 22, cellTop(0, 8) + 10).size(), 2u);
    EXPECT_EQ(cellLeft(0, 8), cellLeft(2, 2));

    // A note written to the mirror only is replaced by the master's.
    g.state.board.noteFlag(4, 1, 1, 2) = true;
    syncSharedNotes(g);
    EXPECT_FALSE(g.state.board.noteFlag(4, 1, 1, 2));
}

TEST(RenderNotes, AutomaticCandidatesFitBothGridsOfASharedCell) {
    TestWorld w;
    Game& g = w.g();
    Board& b = g.state.board;
    // 5 in grid 0's row 8 and 6 in grid 2's column 2 both touch shared cell (0,8,8)=(2,2,2).
    puzzles::setField(b, 1, 8, 5, true);  // grid 0, column 1, row 8
    puzzles::setField(b, 8, 11, 6, true); // grid 2, column 2, row 5
    b.options.showCandidates = true;
    startGameClock(g);
    computeCandidates(g);
    EXPECT_FALSE(g.state.clock.clockRunning); // automatic candidates end the timing
    for (int v = 1; v <= 9; ++v) {
        SCOPED_TRACE(v);
        const bool expected = v != 5 && v != 6;
        EXPECT_EQ(b.noteFlag(0, 8, 8, v), expected);
        EXPECT_EQ(b.noteFlag(2, 2, 2, v), expected);
    }
    EXPECT_EQ(b.cellValue(0, 8, 8), 0);
    // A cell outside any shared box keeps everything its own grid allows.
    EXPECT_TRUE(b.noteFlag(1, 5, 5, 5));
}

TEST(RenderErrors, RedrawsLettersAndNotesDoNotCountAgain) {
    TestWorld w;
    Game& g = w.g();
    loadPuzzle(g);
    auto [c, r] = emptyCell(g.state.board);
    startGameClock(g);
    const int wrong = g.state.board.solutionValue(0, c, r) % 9 + 1;
    enter(g, c, r, wrong);
    ASSERT_EQ(g.state.board.status.errorCount, 1);

    drawBoard(g);
    drawBoard(g);
    g.state.board.options.showDigits = false;
    drawBoard(g);
    setAllNotes(g.state.board, false);
    drawBoard(g);
    g.state.board.noteFlag(0, 9, 9, 3) = true;
    computeCandidates(g);
    EXPECT_EQ(g.state.board.status.errorCount, 1);
    EXPECT_TRUE(g.state.clock.clockRunning);
    EXPECT_GT(pixelsInCell(w, 0, c, r, kRed), 20); // still shown red
}

TEST(RenderErrors, TheThirdWrongEntryStopsTheClockOnce) {
    TestWorld w;
    Game& g = w.g();
    loadPuzzle(g);
    startGameClock(g);
    auto [c, r] = emptyCell(g.state.board);
    const int wrong = g.state.board.solutionValue(0, c, r) % 9 + 1;
    enter(g, c, r, wrong);
    enter(g, c, r, wrong);
    EXPECT_TRUE(g.state.clock.clockRunning);
    const std::size_t labels = w.platform.clockLabels.size();
    enter(g, c, r, wrong);
    EXPECT_EQ(g.state.board.status.errorCount, 3);
    EXPECT_FALSE(g.state.clock.clockRunning);
    EXPECT_EQ(w.platform.clockLabel(), " 99:99:99");
    EXPECT_EQ(w.platform.clockLabels.size(), labels + 1);
    enter(g, c, r, wrong);
    EXPECT_EQ(g.state.board.status.errorCount, 4);
    EXPECT_EQ(w.platform.clockLabels.size(), labels + 1);
}

TEST(RenderBoard, DrawBoardShowsTheMirrorOfAnEntry) {
    TestWorld w;
    Game& g = w.g();
    // An entry into the master copy only reaches the mirror with the next sync.
    g.state.board.cellValue(0, 7, 7) = 4;
    syncSharedBoxes(g.state.board);
    drawBoard(g);
    EXPECT_EQ(g.state.board.cellValue(2, 1, 1), 4);
    EXPECT_EQ(w.canvas.textsAt(cellLeft(2, 1) + 5, cellTop(2, 1) - 1).size(), 2u);
}
