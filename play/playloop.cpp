// The game in progress: the play loop with its keys, buttons and cell clicks, the mapping
// from the pointer to a cell, and the main window's mouse-move handler.
// Called by the menu commands that start or resume a game.
#include "play/playloop.h"

#include "app/events.h"
#include "app/game.h"
#include "files/resume.h"
#include "halloffame/statistics.h"
#include "panels/info.h"
#include "panels/statistics.h"
#include "play/buttons.h"
#include "play/hintview.h"
#include "play/cursor.h"
#include "play/palette.h"
#include "play/pause.h"
#include "play/render.h"
#include "play/undo.h"

#include <cmath>

namespace {

// The player leaves with A, Esc or Abbruch: the button stays drawn pressed; the menu
// command that ran the loop erases the bar.
void leaveByKey(Game& g) {
    drawBarButton(g, kAbbruch, 1);
    g.clock.clockRunning = false;
    g.platform.sleepMs(200);
}

// The hidden solve combination's second letter: the solve command (which starts again from
// the givens when the player's entries led into a dead end), untimed.
void hiddenSolve(Game& g) {
    g.clock.clockRunning = false;
    solveCommand(g);
    updateClock(g);
}

// Acts on one key release; returns true when the loop is to be left.
bool playKey(Game& g, int key) {
    switch (key) {
    case 'L':
        runButtonAction(g, kLaden, true);
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
    case 'A':
        // In letter display "a" is typed into the palette as a value; its release is no command.
        if (!g.board.showDigits) break;
        leaveByKey(g);
        return true;
    case kKeyEsc:
        // An Esc that closed the palette or answered a dialog does not end the game as well.
        if (g.escapeConsumed) break;
        leaveByKey(g);
        return true;
    case 'F':
        setAllNotes(g.board, true);
        drawBoard(g);
        break;
    case 'C':
        setAllNotes(g.board, false);
        drawBoard(g);
        break;
    case 'M':
        if (g.clock.clockRunning) showTimingNote(g, kTimingKeyM);
        g.clock.clockRunning = false;
        setAllNotes(g.board, false);
        g.board.showCandidates = !g.board.showCandidates;
        drawBoard(g);
        break;
    case 'N':
        restartPuzzle(g.board);
        drawBoard(g);
        break;
    case 'T':
        showHint(g);
        break;
    case kSolveFirstLetter:
        g.solveMemory = kSolveFirstLetter;
        break;
    case kSolveSecondLetter:
        if (g.solveMemory == kSolveFirstLetter) hiddenSolve(g);
        g.solveMemory = 0;
        break;
    default:
        break;
    }
    return false;
}

// Acts on a left press in the button bar; returns true when the loop is to be left.
bool playButton(Game& g, int button) {
    if (button < 0) return false;
    if (button == kAbbruch) {
        drawBarButton(g, kAbbruch, 1);
        g.platform.sleepMs(200);
        g.clock.clockRunning = false;
        updateClock(g);
        return true;
    }
    runButtonAction(g, button);
    return false;
}

// A left or right press on the board.
void playCellClick(Game& g, bool rightButton) {
    int column = 0, row = 0;
    if (mapPointerToCell(g, column, row)) playCell(g, rightButton, column, row);
}

} // namespace

void playCell(Game& g, bool rightButton, int column, int row) {
    g.noteMode = rightButton;
    Board& b = g.board;
    const int grid = b.activeGrid;
    if (b.givenValue(grid, column, row) != 0) return;
    if (rightButton && b.cellValue(grid, column, row) != 0) {
        b.cellValue(grid, column, row) = 0;
        drawCellValue(g, column, row, 0);
        if (b.showCandidates) computeCandidates(g);
        updateDigitCounts(g);
        return;
    }
    drawValuePalette(g, column, row);
    runValuePalette(g, column, row);
    if (!rightButton) updateDigitCounts(g);
}

void Win_0_MouseMove(Game& g, int /*button*/, int /*shift*/, float x, float y) {
    const int px = static_cast<int>(std::lrint(x));
    const int py = static_cast<int>(std::lrint(y));
    if (g.paletteTracking) paletteHover(g, px, py);
    g.pointerX = px;
    g.pointerY = py;
}

bool mapPointerToCell(Game& g, int& column, int& row) {
    Board& b = g.board;
    for (int grid = 0; grid < 5; ++grid) {
        const int left = b.gridLeft[grid], top = b.gridTop[grid];
        if (g.pointerX >= left && g.pointerX < left + 9 * b.cellWidth && g.pointerY >= top &&
            g.pointerY < top + 9 * b.cellHeight) {
            column = (g.pointerX - left) / b.cellWidth + 1;
            row = (g.pointerY - top) / b.cellHeight + 1;
            b.activeGrid = static_cast<std::int16_t>(grid);
            return true;
        }
    }
    return false;
}

namespace {

// One event of the play loop's defined commands: keys, the button bar and cell clicks.
// Returns true when the player leaves the game.
bool playEvent(Game& g, const Event& e) {
    switch (e.kind) {
    case Event::Kind::KeyRelease:
        // A key held with Ctrl or Alt is no command (Ctrl+N must not restart the game).
        return !e.ctrl() && !e.alt() && playKey(g, e.code);
    case Event::Kind::LeftPress:
        if (g.pointerY >= kButtonBandTop && g.pointerY <= kButtonBandBottom &&
            playButton(g, buttonAt(g.pointerX, g.pointerY)))
            return true;
        playCellClick(g, false);
        return false;
    case Event::Kind::RightPress:
        playCellClick(g, true);
        return false;
    default:
        return false;
    }
}

} // namespace

void updateGameStrip(Game& g) {
    static const QString playKeys =
        QStringLiteral("Pfeile: Cursor  Strg+Z: zurück  P: Pause  T: Tipp");
    static const QString editorKeys = QStringLiteral("Pfeile: Cursor  Strg+Z: zurück  T: Tipp");
    static const QString letterKeys = QStringLiteral("Cursor: A–I tragen ein, Klick blendet aus");
    static const QString solved = QStringLiteral("Gelöst! Abbruch, dann Neues Spiel");
    QString keys = g.editorMode ? editorKeys : playKeys;
    if (g.cursorShown && !g.board.showDigits) keys = letterKeys;
    showStripText(g, StripField::Keys, keys);
    if (g.editorMode)
        showStripText(g, StripField::Note, QString());
    else
        showStripText(g, StripField::Note,
                      g.board.verdict == Verdict::Solved ? solved : g.timingNote);
}

void playLoop(Game& g) {
    closeOpenChange(g);
    g.gameStarted = true;
    g.timingNote.clear();
    const bool timed = g.clock.clockRunning;
    drawBoard(g);
    // The status strip says when this game is not timed, and why.
    if (!timed)
        showTimingNote(g, kUntimedResumed);
    else if (!g.clock.clockRunning)
        showTimingNote(g, kUntimedCandidates);
    drawAllButtons(g);
    if (g.clock.clockRunning) startClockTicker(g);

    for (;;) {
        updateGameStrip(g);
        const Event e = takeEvent(g);
        clearHint(g, e);
        if (!undoRedoKey(g, e) && !pauseEvent(g, e)) {
            const UndoStep step(g); // whatever this event changes is one step of the history
            if (!cursorEvent(g, e) && playEvent(g, e)) return;
        }
        noteGameResult(g);  // a board just solved counts for its level
        noteGameChanged(g); // keeps the game in progress for a restart
    }
}
