// Board rendering: cell values, givens, candidate notes and the automatic candidates.
// Called by the play loop, the palette, the editor, the menu commands and (through its
// placement sink) the visible solver.
#include "play/render.h"

#include "session/game.h"
#include "session/look.h"
#include "engine/rules.h"
#include "engine/solver.h"
#include "panels/info.h"
#include "panels/statistics.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The colours of givens (and notes), entries and wrong entries.
constexpr Colour kGivenColour = Colour::Black;
constexpr Colour kEntryColour = Colour::Blue;
constexpr Colour kWrongColour = Colour::Red;

int cellLeft(int grid, int column) {
    return gridLeft(grid) + cellWidth() * (column - 1);
}
int cellTop(int grid, int row) {
    return gridTop(grid) + cellHeight() * (row - 1);
}

// Offset of a value's text from the cell's left edge + 1: digits sit 4 pixels in; the
// letters "I" and "A" are moved to look centred like the others.
int valueOffset(const Game& g, int value) {
    if (g.state.board.options.showDigits) return 4;
    if (value == 9) return 10;
    if (value == 1) return 1;
    return 0;
}

// The inside of a cell, inclusive. The box lines are 2 pixels wide and lie on the cell line
// at the left of columns (rows) 1, 4, 7 and its right (lower) neighbour pixel, so the first
// cell of each box keeps its distance from them; no line pixel is ever painted.
QRect cellInside(int grid, int column, int row) {
    const int left = cellLeft(grid, column);
    const int top = cellTop(grid, row);
    const int a = column % 3 == 1 ? 1 : 0;
    const int b = row % 3 == 1 ? 1 : 0;
    return QRect(QPoint(left + 1 + a, top + 1 + b), QPoint(left + 32, top + 32));
}

// The cell's tint (its cell mark's, kept in the classic colour), 0 for plain white.
QRgb cellBackground(const Game& g, int grid, int column, int row) {
    return g.draw.cellMarks.tint[static_cast<size_t>(fieldIndex(GridCell{grid, column, row}))];
}

// Fills a rectangle with a cell mark's colour as the current scheme draws its role, or with
// colour `none` where there is no mark (0).
void fillMarked(Game& g, const QRect& r, QRgb mark, Colour none) {
    const int role = mark != 0 ? markColourRole(mark) : static_cast<int>(none);
    if (role >= 0)
        g.canvas.fillRect(r.left(), r.top(), r.right(), r.bottom(), static_cast<Colour>(role));
    else
        g.canvas.fillRect(r.left(), r.top(), r.right(), r.bottom(), QColor::fromRgb(mark));
}

// Fills the inside of a cell with its background.
void eraseCell(Game& g, int grid, int column, int row) {
    fillMarked(g, cellInside(grid, column, row), cellBackground(g, grid, column, row),
               Colour::White);
}

// The outline mark of a cell, if it has one, drawn last over the cell's contents.
void drawCellOutline(Game& g, int grid, int column, int row) {
    const QRgb outline =
        g.draw.cellMarks.outline[static_cast<size_t>(fieldIndex(GridCell{grid, column, row}))];
    if (outline == 0) return;
    const QRect r = cellInside(grid, column, row);
    const int w = kCellOutlineWidth - 1;
    const QPoint tl = r.topLeft(), br = r.bottomRight();
    fillMarked(g, QRect(tl, QPoint(br.x(), tl.y() + w)), outline, Colour::Black);
    fillMarked(g, QRect(QPoint(tl.x(), br.y() - w), br), outline, Colour::Black);
    fillMarked(g, QRect(tl, QPoint(tl.x() + w, br.y())), outline, Colour::Black);
    fillMarked(g, QRect(QPoint(br.x() - w, tl.y()), br), outline, Colour::Black);
}

// The glyphs of a value or note stay inside the cell's lines; the text cell of a value is
// taller than the board's cell, its glyph is not.
void drawValueText(Game& g, int grid, int column, int row, int value, Colour colour) {
    const int left = cellLeft(grid, column);
    const int top = cellTop(grid, row);
    g.canvas.setOpaqueText(false);
    g.canvas.setPenColour(colour);
    g.canvas.setTextClip(cellInside(grid, column, row));
    g.canvas.text(left + 1 + valueOffset(g, value), top - 1,
                  valueText(g.state.board.options.showDigits, value));
    g.canvas.setTextClip(QRect());
}

// The drawing state every routine here leaves behind.
void restoreDrawingState(Game& g) {
    g.canvas.setPenColour(Colour::Black);
    g.canvas.setBackColour(Colour::White);
    g.canvas.setOpaqueText(true);
    g.canvas.setLineWidth(1);
}

// Redraws a player's entry (or the solver's) as it stands, red when its stored value
// differs from a known solution, in the font already selected. A redraw is no new entry:
// it neither counts an error nor touches the clock.
void redrawCellValue(Game& g, int grid, int column, int row, int value) {
    const Board& b = g.state.board;
    eraseCell(g, grid, column, row);
    if (value != 0) {
        const int solution = b.solutionValue(grid, column, row);
        const bool wrong = solution != 0 && b.cellValue(grid, column, row) != solution;
        drawValueText(g, grid, column, row, value, wrong ? kWrongColour : kEntryColour);
    }
    drawCellOutline(g, grid, column, row);
}

// A given, drawn in the font already selected.
void paintGivenValue(Game& g, int grid, int column, int row, int value) {
    eraseCell(g, grid, column, row);
    if (value != 0) drawValueText(g, grid, column, row, value, kGivenColour);
    drawCellOutline(g, grid, column, row);
}

// A cell as it stands: its given, or its entry (empty: only the background).
void paintCell(Game& g, int grid, int column, int row) {
    const Board& b = g.state.board;
    if (b.givenValue(grid, column, row) != 0)
        paintGivenValue(g, grid, column, row, b.givenValue(grid, column, row));
    else
        redrawCellValue(g, grid, column, row, b.cellValue(grid, column, row));
}

// The notes of one empty cell copy, in the note font already selected: each slot filled with
// the cell's background, the note drawn in black where it is set.
void paintCellNotes(Game& g, int grid, int column, int row) {
    const Board& b = g.state.board;
    const bool digits = b.options.showDigits;
    const int left = cellLeft(grid, column);
    const int top = cellTop(grid, row);
    const QRgb background = cellBackground(g, grid, column, row);
    g.canvas.setTextClip(cellInside(grid, column, row));
    for (int v = 1; v <= 9; ++v) {
        const int x = left + 10 * ((v - 1) % 3) + 2;
        const int y = top + 10 * ((v - 1) / 3);
        fillMarked(g, QRect(QPoint(x, y + 2), QPoint(x + 9, y + 10)), background, Colour::White);
        if (b.noteFlag(grid, column, row, v))
            g.canvas.text(!digits && v == 9 ? x + 1 : x, y, valueText(digits, v));
    }
    g.canvas.setTextClip(QRect());
    drawCellOutline(g, grid, column, row);
}

// Calls fn(masterGrid, masterColumn, masterRow, mirrorGrid, mirrorColumn, mirrorRow) for
// each of the 36 cell pairs of the four shared boxes.
template <typename Fn> void forEachSharedPair(Fn&& fn) {
    for (const SharedBox& box : kSharedBoxes)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                fn(box.masterGrid, box.masterColumn + i, box.masterRow + j, box.mirrorGrid,
                   box.mirrorColumn + i, box.mirrorRow + j);
}

} // namespace

void drawGivenValue(Game& g, int column, int row, int value) {
    selectFont(g, 20);
    paintGivenValue(g, g.state.board.activeGrid, column, row, value);
    restoreDrawingState(g);
}

void drawCellValue(Game& g, int column, int row, int value) {
    selectFont(g, 20);
    // Judged by the stored value, as the entry that was just counted.
    if (!g.state.board.status.silentMode)
        redrawCellValue(g, g.state.board.activeGrid, column, row, value);
    restoreDrawingState(g);
}

CellEntry enterCellValue(Game& g, int column, int row, int value) {
    // Stored, counted against the solution, copied to the other copy of a shared box.
    const CellEntry entry = enterValue(g.state.board, column, row, value);
    if (entry.thirdError) {
        if (g.state.clock.clockRunning) showTimingNote(g, kTimingThirdError);
        g.state.clock.clockRunning = false;
        updateClock(g);
    }
    drawCellValue(g, column, row, value);
    return entry;
}

void enterGivenValue(Game& g, int column, int row, int value) {
    // The other copy of a shared box follows with the next syncSharedBoxes, which
    // updateDigitCounts runs after every edit.
    g.state.board.givenValue(g.state.board.activeGrid, column, row) =
        static_cast<std::uint8_t>(value);
    drawGivenValue(g, column, row, value);
}

void settleBoard(Game& g) {
    Board& b = g.state.board;
    // The counts, the verdict (with its alert for givens that break a rule) and, where they
    // are shown, the automatic candidates. A solved timed game is finished after the board
    // is drawn (finishSolvedGame), and stops the clock itself.
    settleStatus(g);
    if (b.options.showCandidates) settleCandidates(g, !solvedGameToFinish(g));
}

void drawBoard(Game& g) {
    // The mirror copies of the shared boxes already hold what their masters hold: entering
    // a value copies it, every settled board has them synced, loading copies a loaded
    // board's masters.
    // One font and one painter for all 405 cells: selecting the font or opening a painter
    // per cell would dominate the redraw; the screen is updated once, at the end.
    selectFont(g, 20);
    {
        CanvasBatch batch(g.canvas);
        for (int grid = 0; grid <= 4; ++grid)
            for (int c = 1; c <= 9; ++c)
                for (int r = 1; r <= 9; ++r) paintCell(g, grid, c, r);
    }
    restoreDrawingState(g);
    drawDigitCounts(g);
    drawStatusMessage(g);
    CanvasBatch batch(g.canvas);
    drawCandidates(g);
}

void showBoard(Game& g) {
    settleBoard(g);
    drawBoard(g);
    finishSolvedGame(g);
}

void syncSharedNotes(Game& g) {
    Board& b = g.state.board;
    forEachSharedPair([&](int mg, int mc, int mr, int sg, int sc, int sr) {
        for (int v = 1; v <= 9; ++v) b.noteFlag(sg, sc, sr, v) = b.noteFlag(mg, mc, mr, v);
    });
}

void settleCandidates(Game& g, bool stopClock) {
    Board& b = g.state.board;
    if (b.options.showCandidates) {
        // A game in which automatic candidates were shown is no longer timed.
        if (stopClock) {
            if (g.state.clock.clockRunning) showTimingNote(g, kTimingCandidates);
            g.state.clock.clockRunning = false;
            updateClock(g);
        }
        // Each copy of a shared cell is tested against its own grid alone (the digit is
        // tried in that copy only); the intersection below joins the two copies.
        const auto candidates = candidateDigits(b);
        setAllNotes(b, false);
        for (int grid = 0; grid <= 4; ++grid)
            for (int c = 1; c <= 9; ++c)
                for (int r = 1; r <= 9; ++r)
                    for (int v = 1; v <= 9; ++v)
                        b.noteFlag(grid, c, r, v) =
                            (candidates[static_cast<size_t>(cellIndex(grid, c, r))] >> v & 1) != 0;
    }
    intersectSharedCandidates(g);
}

void computeCandidates(Game& g) {
    settleCandidates(g);
    drawCandidates(g);
}

void intersectSharedCandidates(Game& g) {
    Board& b = g.state.board;
    forEachSharedPair([&](int mg, int mc, int mr, int sg, int sc, int sr) {
        for (int v = 1; v <= 9; ++v)
            if (!b.noteFlag(mg, mc, mr, v) || !b.noteFlag(sg, sc, sr, v))
                b.noteFlag(mg, mc, mr, v) = b.noteFlag(sg, sc, sr, v) = false;
    });
}

namespace {

void selectNoteFont(Game& g) {
    selectFont(g, g.state.board.options.showDigits ? 5 : 4);
    g.canvas.setOpaqueText(false);
    g.canvas.setPenColour(kGivenColour);
}

} // namespace

void drawCandidates(Game& g) {
    const Board& b = g.state.board;
    selectNoteFont(g);
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            for (int grid = 0; grid <= 4; ++grid)
                if (b.cellValue(grid, c, r) == 0) paintCellNotes(g, grid, c, r);
    restoreDrawingState(g);
}

namespace {

// Every copy of a cell, in the order drawBoard and drawCandidates draw them (lower grid first),
// so a redraw leaves the pixels a full redraw leaves. Returns the number of copies.
int cellCopies(int grid, int column, int row, int (&copies)[2][3]) {
    copies[0][0] = grid;
    copies[0][1] = column;
    copies[0][2] = row;
    if (!otherCopy(grid, column, row, copies[1][0], copies[1][1], copies[1][2])) return 1;
    if (copies[1][0] < grid) std::swap(copies[0], copies[1]);
    return 2;
}

} // namespace

void redrawCells(Game& g, const std::vector<std::array<int, 3>>& cells) {
    const Board& b = g.state.board;
    // Values first in the value font, then notes in the note font: one font change each.
    selectFont(g, 20);
    for (const auto& [grid, column, row] : cells) {
        int copies[2][3];
        const int count = cellCopies(grid, column, row, copies);
        for (int i = 0; i < count; ++i) {
            const auto [cg, cc, cr] = copies[i];
            paintCell(g, cg, cc, cr);
        }
    }
    selectFont(g, b.options.showDigits ? 5 : 4);
    g.canvas.setOpaqueText(false);
    g.canvas.setPenColour(kGivenColour);
    for (const auto& [grid, column, row] : cells) {
        if (b.cellValue(grid, column, row) != 0) continue;
        int copies[2][3];
        const int count = cellCopies(grid, column, row, copies);
        for (int i = 0; i < count; ++i) {
            const auto [cg, cc, cr] = copies[i];
            if (b.cellValue(cg, cc, cr) == 0) paintCellNotes(g, cg, cc, cr);
        }
    }
    restoreDrawingState(g);
}

void redrawCell(Game& g, int grid, int column, int row) {
    redrawCells(g, {{grid, column, row}});
}
