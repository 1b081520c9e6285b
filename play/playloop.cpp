// The game in progress: the play loop with its keys, buttons and cell clicks (the event
// pipeline it shares with the own-board editor: play/pipeline.*), and the list of keyboard
// shortcuts.
// Called by the menu commands that start or resume a game.
#include "play/playloop.h"

#include "play/events.h"
#include "session/game.h"
#include "session/modal.h"
#include "files/resume.h"
#include "halloffame/statistics.h"
#include "panels/info.h"
#include "panels/statistics.h"
#include "play/buttons.h"
#include "play/changes.h"
#include "play/hintview.h"
#include "play/keylist.h"
#include "play/cursor.h"
#include "play/palette.h"
#include "play/paletteloop.h"
#include "play/pause.h"
#include "play/pipeline.h"
#include "play/render.h"
#include "play/sharedcommands.h"
#include "play/solve.h"
#include "play/undo.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTextBrowser>

#include <cmath>

namespace {

// The player leaves with A, Esc or Abbruch: the button stays drawn pressed; the menu
// command that ran the loop erases the bar.
Outcome leaveByKey(Game& g) {
    drawBarButton(g, kAbbruch, 1);
    g.state.clock.clockRunning = false;
    g.platform.sleepMs(200);
    return Outcome::Leave;
}

Outcome keyA(Game& g) {
    // In letter display "a" is typed into the palette as a value; its release is no command.
    return g.state.board.options.showDigits ? leaveByKey(g) : Outcome::Stay;
}

Outcome keyEsc(Game& g) {
    // An Esc that closed the palette or answered a dialog does not end the game as well.
    return escapeConsumed(g) ? Outcome::Stay : leaveByKey(g);
}

Outcome keyAllNotes(Game& g) {
    setAllNotes(g.state.board, true);
    noteChange(g, Change::Board);
    return Outcome::Stay;
}

Outcome keyNoNotes(Game& g) {
    setAllNotes(g.state.board, false);
    noteChange(g, Change::Board);
    return Outcome::Stay;
}

Outcome keyCandidates(Game& g) {
    if (g.state.clock.clockRunning) showTimingNote(g, kTimingKeyM);
    g.state.clock.clockRunning = false;
    setAllNotes(g.state.board, false);
    g.state.board.options.showCandidates = !g.state.board.options.showCandidates;
    noteChange(g, Change::Board);
    return Outcome::Stay;
}

// The hidden solve combination's second letter: the solve command (which starts again from
// the givens when the player's entries led into a dead end), untimed.
Outcome keySolveSecond(Game& g) {
    if (g.ui.solveMemory == kSolveFirstLetter) {
        g.state.clock.clockRunning = false;
        solveCommand(g);
        updateClock(g);
    }
    g.ui.solveMemory = 0;
    return Outcome::Stay;
}

Outcome buttonAbbruch(Game& g) {
    drawBarButton(g, kAbbruch, 1);
    g.platform.sleepMs(200);
    g.state.clock.clockRunning = false;
    updateClock(g);
    return Outcome::Leave;
}

constexpr KeyCommand kPlayKeys[] = {
    {'L', QT_TRANSLATE_NOOP("PlayTexts", "Brett laden"), barAction<kLaden, true>},
    kSaveKey,
    kPrintKey,
    kHelpKey,
    {'A', QT_TRANSLATE_NOOP("PlayTexts", "Abbruch (nur in Ziffernanzeige)"), keyA},
    {kKeyEsc, QT_TRANSLATE_NOOP("PlayTexts", "Abbruch"), keyEsc},
    {'F', QT_TRANSLATE_NOOP("PlayTexts", "Alle Kandidaten setzen"), keyAllNotes},
    {'C', QT_TRANSLATE_NOOP("PlayTexts", "Alle Kandidaten löschen"), keyNoNotes},
    {'M', QT_TRANSLATE_NOOP("PlayTexts", "Kandidaten zeigen ein/aus (Spiel ohne Zeit)"),
     keyCandidates},
    kRestartKey,
    kHintKey,
    kKeyListKey,
    kSolveFirstKey,
    {kSolveSecondLetter, "", keySolveSecond},
};

} // namespace

const CommandTable& playCommands() {
    static const CommandTable table{
        kPlayKeys,
        {barAction<kLaden>, barAction<kSichern>, barAction<kDrucken>, barAction<kNeustart>,
         barAction<kHilfe>, buttonAbbruch},
        boardClick,
        playCell,
        true,
        true,
    };
    return table;
}

void playCell(Game& g, bool rightButton, int column, int row) {
    g.ui.noteMode = rightButton;
    Board& b = g.state.board;
    const int grid = b.activeGrid;
    if (b.givenValue(grid, column, row) != 0) return;
    if (rightButton && b.cellValue(grid, column, row) != 0) {
        enterCellValue(g, column, row, 0);
        if (b.options.showCandidates) computeCandidates(g);
        noteChange(g, Change::Counts);
        return;
    }
    drawValuePalette(g, column, row);
    runValuePalette(g, column, row);
    if (!rightButton) noteChange(g, Change::Counts);
}

void playLoop(Game& g) {
    closeOpenChange(g);
    g.state.gameStarted = true;
    g.state.timingNote.clear();
    const bool timed = g.state.clock.clockRunning;
    // The board as the starting command left it, with whatever else that command changed.
    noteChange(g, Change::Board);
    drawChanges(g);
    // The status strip says when this game is not timed, and why.
    if (!timed)
        showTimingNote(g, kUntimedResumed);
    else if (!g.state.clock.clockRunning)
        showTimingNote(g, kUntimedCandidates);
    drawAllButtons(g);
    if (g.state.clock.clockRunning) startClockTicker(g);
    // The new game is kept for a restart at once, not only after the player's first move:
    // a program killed before it would otherwise bring back the game played before.
    noteGameChanged(g);

    runCommandLoop(g, playCommands());
}
