// The complete search run for the play loop, the editor and the menu commands: on a worker
// thread (Platform::runInBackground), so the window stays responsive and shows the busy
// pointer while it counts.
#pragma once

#include "engine/board.h"

struct Game;

// countSolutions(b, limit, solution) on a copy of b, off the user-interface thread.
int countSolutionsInBackground(Game& g, const Board& b, int limit, BoardArray* solution = nullptr);

// Where the rules of the logical solver stop short, the search decides: when the givens
// have exactly one completion, it becomes solutionValue (entries are judged by it, wrong
// ones drawn red and counted) and notSolvable goes off, so a completed board reads solved.
// Boards with no or several completions keep solutionValue and notSolvable as they were.
// Returns true when the solution was taken.
bool adoptUniqueSolution(Game& g);
