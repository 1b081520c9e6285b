// The visible solver and the solve command: the rules fill the board cell by cell on
// screen; when they give up, the search explains why. Called by the menu, the play loop's
// key and the editor's hidden solve combination.
#include "play/solve.h"

#include "session/backgroundsearch.h"
#include "session/game.h"
#include "engine/rules.h"
#include "engine/solver.h"
#include "panels/statistics.h"
#include "play/hintview.h"
#include "play/render.h"

#include <algorithm>

namespace {

// A whole puzzle filled by the visible solver takes about this long on screen.
constexpr int kSolveShowMs = 1500;

} // namespace

void solveBoard(Game& g, bool explain) {
    Board& b = g.state.board;
    g.platform.setPointer(PointerShape::Hourglass);
    const Board before = b; // for the explanation when the rules give up

    // Each placement is drawn as it is made; a short pause per placement lets the window
    // show it, so a whole puzzle fills in about a second and a half.
    clearSharedMirrors(b);
    int emptyCells = 0;
    for (int grid = 0; grid <= 4; ++grid)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (b.cellValue(grid, c, r) == 0) ++emptyCells;
    syncSharedBoxes(b);
    emptyCells -= 4 * 9; // the cleared mirrors counted as empty
    const int pauseMs = std::clamp(kSolveShowMs / std::max(1, emptyCells), 1, 20);

    runPassLoop(b, [&g, pauseMs](int column, int row, int value) {
        enterCellValue(g, column, row, value);
        g.platform.sleepMs(pauseMs);
    });

    updateDigitCounts(g);
    const bool gaveUp = b.status.verdict != Verdict::Solved;
    if (gaveUp)
        g.platform.messageBox(PlayTexts::tr("Das Brett läßt sich nicht eindeutig lösen?"),
                              PlayTexts::tr("&Schade"), 1, MessageIcon::None);
    if (b.options.showCandidates) computeCandidates(g);
    b.status.notSolvable = !isBoardComplete(b);
    b.status.errorCount = 0;
    g.platform.setPointer(PointerShape::Arrow);
    if (gaveUp && explain) explainSolveFailure(g, before);
}

void solveCommand(Game& g) {
    g.state.resultLevel = -1; // a board the solver finishes is no result of the player's
    Board& b = g.state.board;
    bool playerEntries = false;
    for (int i = 0; i < kBlockSize; ++i)
        if (b.cellValue.bytes[i] != 0 && b.givenValue.bytes[i] == 0) playerEntries = true;
    solveBoard(g);
    if (!(b.status.boardComplete && isBoardValid(b)) && !hasNoDeadCell(b)) {
        // Without entries of the player the restart would bring back the same board, and
        // the same run again would only repeat its messages.
        if (!playerEntries) return;
        // When the givens alone have no completion either, the first run's explanation has
        // said so already.
        Board givens = b;
        givens.cellValue = b.givenValue;
        syncSharedBoxes(givens);
        const bool explain = countSolutionsInBackground(g, givens, 1) > 0;
        // The player's entries led into a dead end: back to the givens and solve again.
        restartPuzzle(b);
        // The failed first run set notSolvable; the restarted puzzle gets a fresh verdict,
        // so a successful second run does not report failure.
        b.status.notSolvable = false;
        // The removed entries must leave the screen too, even where the solver stops.
        showBoard(g);
        solveBoard(g, explain);
    }
}
