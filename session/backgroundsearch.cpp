// The complete search off the user-interface thread (see backgroundsearch.h).
#include "session/backgroundsearch.h"

#include "session/game.h"
#include "engine/search.h"

int countSolutionsInBackground(Game& g, const Board& b, int limit, BoardArray* solution) {
    // The worker reads its own copies only: timers and repaints run on the user-interface
    // thread meanwhile and may touch the game's board.
    const Board board = b;
    BoardArray found{};
    int count = 0;
    g.platform.runInBackground(
        [&board, &found, &count, limit] { count = countSolutions(board, limit, &found); });
    if (solution && count > 0) *solution = found;
    return count;
}

bool adoptUniqueSolution(Game& g) {
    Board& b = g.state.board;
    Board givens = b;
    givens.cellValue = b.givenValue;
    syncSharedBoxes(givens);
    BoardArray solution{};
    if (countSolutionsInBackground(g, givens, 2, &solution) != 1) return false;
    b.solutionValue = solution;
    b.status.notSolvable = false;
    return true;
}
