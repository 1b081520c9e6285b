// The own-board editor: every value chosen in the palette becomes a given, drawn black.
// Called by the menu command "&Eigenes Brett".
#include "play/editor.h"

#include "play/events.h"
#include "session/game.h"
#include "session/modal.h"
#include "engine/shuffle.h"
#include "panels/info.h"
#include "panels/statistics.h"
#include "play/buttons.h"
#include "play/changes.h"
#include "play/hintview.h"
#include "play/cursor.h"
#include "play/commands.h"
#include "play/palette.h"
#include "play/paletteloop.h"
#include "play/pipeline.h"
#include "play/keylist.h"
#include "play/render.h"
#include "play/sharedcommands.h"
#include "play/solve.h"
#include "play/undo.h"

namespace {

Outcome leaveEditor(Game& g) {
    drawBarButton(g, kAbbruch, 1);
    g.platform.sleepMs(200);
    return Outcome::Leave;
}

// Removes the given of a cell (value and picture); a cell without a given stays as it is.
void removeGiven(Game& g, int column, int row) {
    Board& b = g.state.board;
    const int grid = b.activeGrid;
    if (b.givenValue(grid, column, row) == 0) return;
    b.givenValue(grid, column, row) = 0;
    enterCellValue(g, column, row, 0);
    if (b.options.showCandidates) computeCandidates(g);
}

// M does not stop the clock here: the editor is never timed.
Outcome keyCandidates(Game& g) {
    setAllNotes(g.state.board, false);
    g.state.board.options.showCandidates = !g.state.board.options.showCandidates;
    noteChange(g, Change::Board);
    return Outcome::Stay;
}

Outcome keyShuffle(Game& g) {
    shuffleBoard(g.state.board, g.random);
    noteChange(g, Change::Board);
    return Outcome::Stay;
}

Outcome keyA(Game& g) {
    if (!g.state.board.options.showDigits) return Outcome::Stay;
    g.state.clock.clockRunning = false;
    return leaveEditor(g);
}

Outcome keyEsc(Game& g) {
    return escapeConsumed(g) ? Outcome::Stay : leaveEditor(g);
}

// The hidden pair runs the solver once; the editor has no entries of the player to undo.
Outcome keySolveSecond(Game& g) {
    if (g.ui.solveMemory == kSolveFirstLetter) solveBoard(g);
    g.ui.solveMemory = 0;
    return Outcome::Stay;
}

constexpr KeyCommand kEditorKeys[] = {
    {'L', QT_TRANSLATE_NOOP("PlayTexts", "Brett laden"), barAction<kLaden>},
    kSaveKey,
    kPrintKey,
    kHelpKey,
    kRestartKey,
    {'M', QT_TRANSLATE_NOOP("PlayTexts", "Kandidaten zeigen ein/aus"), keyCandidates},
    {'X', QT_TRANSLATE_NOOP("PlayTexts", "Brett mischen"), keyShuffle},
    kHintKey,
    {'A', QT_TRANSLATE_NOOP("PlayTexts", "Abbruch (nur in Ziffernanzeige)"), keyA},
    {kKeyEsc, QT_TRANSLATE_NOOP("PlayTexts", "Abbruch"), keyEsc},
    kKeyListKey,
    kSolveFirstKey,
    {kSolveSecondLetter, "", keySolveSecond},
};

} // namespace

const CommandTable& editorCommands() {
    static const CommandTable table{
        kEditorKeys,
        {barAction<kLaden>, barAction<kSichern>, barAction<kDrucken>, barAction<kNeustart>,
         barAction<kHilfe>, leaveEditor},
        boardClick,
        editorCell,
        false,
        false,
    };
    return table;
}

void editorCell(Game& g, bool rightButton, int column, int row) {
    Board& b = g.state.board;
    if (rightButton) {
        removeGiven(g, column, row);
    } else {
        g.ui.noteMode = false;
        drawValuePalette(g, column, row);
        const auto grid = b.activeGrid;
        runValuePalette(g, column, row);
        b.activeGrid = grid; // closing the palette may have redrawn the notes of every grid
        if (g.ui.palette.paletteCleared) {
            removeGiven(g, column, row);
        } else if (g.ui.palette.paletteValue == 0) {
            // A typed "0" or Esc emptied the cell without drawing it: the given goes too,
            // so that every given still stands in cellValue and the picture matches.
            b.givenValue(grid, column, row) = 0;
            enterCellValue(g, column, row, 0);
            if (b.options.showCandidates) computeCandidates(g);
        } else {
            enterGivenValue(g, column, row, g.ui.palette.paletteValue);
        }
    }
    noteChange(g, Change::Counts);
    noteChange(g, Change::Givens);
}

void boardEditor(Game& g) {
    closeOpenChange(g);
    g.ui.editorMode = true;
    g.state.board.status.notSolvable = false;
    drawAllButtons(g);

    runCommandLoop(g, editorCommands());
}
