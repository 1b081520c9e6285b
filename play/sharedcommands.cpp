// The commands the play loop and the own-board editor share.
#include "play/sharedcommands.h"

#include "engine/board.h"
#include "play/changes.h"
#include "play/events.h"
#include "play/hintview.h"
#include "play/keylist.h"
#include "session/game.h"

Outcome restartCommand(Game& g) {
    restartPuzzle(g.state.board);
    noteChange(g, Change::Board);
    return Outcome::Stay;
}

Outcome hintCommand(Game& g) {
    showHint(g);
    return Outcome::Stay;
}

Outcome keyListCommand(Game& g) {
    showKeyList(g);
    return Outcome::Stay;
}

Outcome solveFirstLetter(Game& g) {
    g.ui.solveMemory = kSolveFirstLetter;
    return Outcome::Stay;
}

void boardClick(Game& g, bool rightButton) {
    int column = 0, row = 0;
    if (mapPointerToCell(g, column, row) && g.ui.commands != nullptr)
        g.ui.commands->cell(g, rightButton, column, row);
}
