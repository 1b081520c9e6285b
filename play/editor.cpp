// The own-board editor: every value chosen in the palette becomes a given, drawn black.
// Called by the menu command "&Eigenes Brett".
#include "play/editor.h"

#include "app/events.h"
#include "app/game.h"
#include "engine/shuffle.h"
#include "panels/info.h"
#include "panels/statistics.h"
#include "play/buttons.h"
#include "play/hintview.h"
#include "play/cursor.h"
#include "play/palette.h"
#include "play/playloop.h"
#include "play/render.h"
#include "play/undo.h"

namespace {

void leaveEditor(Game& g) {
    drawBarButton(g, kAbbruch, 1);
    g.platform.sleepMs(200);
}

// Removes the given of a cell (value and picture); a cell without a given stays as it is.
void removeGiven(Game& g, int column, int row) {
    Board& b = g.board;
    const int grid = b.activeGrid;
    if (b.givenValue(grid, column, row) == 0) return;
    b.cellValue(grid, column, row) = 0;
    b.givenValue(grid, column, row) = 0;
    drawCellValue(g, column, row, 0);
    if (b.showCandidates) computeCandidates(g);
}

// Acts on one key release; returns true when the editor is to be left.
bool editorKey(Game& g, int key) {
    Board& b = g.board;
    switch (key) {
    case 'L':
        runButtonAction(g, kLaden);
        break;
    case 'S':
        runButtonAction(g, kSichern);
        break;
    case 'D':
        runButtonAction(g, kDrucken);
        break;
    case 'H':
        runButtonAction(g, kHilfe);
        break;
    case 'N':
        restartPuzzle(b);
        drawBoard(g);
        break;
    case 'M':
        setAllNotes(b, false);
        b.showCandidates = !b.showCandidates;
        drawBoard(g);
        break;
    case 'X':
        shuffleBoard(b, g.random);
        drawBoard(g);
        break;
    case 'T':
        showHint(g);
        break;
    case 'A':
        if (!b.showDigits) break;
        g.clock.clockRunning = false;
        leaveEditor(g);
        return true;
    case kKeyEsc:
        if (g.escapeConsumed) break;
        leaveEditor(g);
        return true;
    case kSolveFirstLetter:
        g.solveMemory = kSolveFirstLetter;
        break;
    case kSolveSecondLetter:
        if (g.solveMemory == kSolveFirstLetter) solveBoard(g);
        g.solveMemory = 0;
        break;
    default:
        break;
    }
    return false;
}

// A left or right press on the board.
void editorCellClick(Game& g, bool rightButton) {
    int column = 0, row = 0;
    if (mapPointerToCell(g, column, row)) editorCell(g, rightButton, column, row);
}

} // namespace

void editorCell(Game& g, bool rightButton, int column, int row) {
    Board& b = g.board;
    if (rightButton) {
        removeGiven(g, column, row);
    } else {
        g.noteMode = false;
        drawValuePalette(g, column, row);
        const auto grid = b.activeGrid;
        runValuePalette(g, column, row);
        b.activeGrid = grid; // closing the palette may have redrawn the notes of every grid
        if (g.paletteCleared) {
            removeGiven(g, column, row);
        } else if (g.paletteValue == 0) {
            // A typed "0" or Esc emptied the cell without drawing it: the given goes too,
            // so that every given still stands in cellValue and the picture matches.
            b.givenValue(grid, column, row) = 0;
            b.cellValue(grid, column, row) = 0;
            drawCellValue(g, column, row, 0);
            if (b.showCandidates) computeCandidates(g);
        } else {
            drawGivenValue(g, column, row, g.paletteValue);
        }
    }
    updateDigitCounts(g);
    updateDifficultyPanel(g);
}

void boardEditor(Game& g) {
    closeOpenChange(g);
    g.editorMode = true;
    g.board.notSolvable = false;
    drawAllButtons(g);

    for (;;) {
        updateGameStrip(g);
        const Event e = takeEvent(g);
        clearHint(g, e);
        if (undoRedoKey(g, e)) continue;
        const UndoStep step(g); // whatever this event changes is one step of the history
        if (cursorEvent(g, e)) continue;
        switch (e.kind) {
        case Event::Kind::KeyRelease:
            // A key held with Ctrl or Alt is no command (Ctrl+N must not restart the game).
            if (!e.ctrl() && !e.alt() && editorKey(g, e.code)) return;
            break;
        case Event::Kind::LeftPress:
            if (g.pointerY >= kButtonBandTop && g.pointerY <= kButtonBandBottom) {
                const int button = buttonAt(g.pointerX, g.pointerY);
                if (button == kAbbruch) {
                    leaveEditor(g);
                    return;
                }
                if (button >= 0) runButtonAction(g, button);
            }
            editorCellClick(g, false);
            break;
        case Event::Kind::RightPress:
            editorCellClick(g, true);
            break;
        default:
            break;
        }
    }
}
