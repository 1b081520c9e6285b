// The visible solver and the solve command, drawn as they fill the board.
#pragma once

struct Game;

// The visible solver and the solve command (restart from the givens after a dead end).
// explain: when the rules give up, a second message says why (no, one or several
// solutions).
void solveBoard(Game& g, bool explain = true);
void solveCommand(Game& g);
