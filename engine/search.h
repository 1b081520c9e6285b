// The complete search: how many ways the board's cellValue can be completed, and the first
// completion found. Used by the hint, the explanation after the two-rule solver gives up and
// the collection generator. Pure C++.
#pragma once

#include "engine/board.h"

// Counts the completions of cellValue up to limit (both copies of a shared box are one
// cell; a value in either copy stands for the cell) and writes the first one found, in
// double-copy form, into solution when it is given and one exists. A board that breaks the
// rule, holds a byte above 9, or whose shared copies hold different digits has none.
// The search keeps a digit bitmask per unit, propagates single candidates, single places
// and box-line reductions before every guess, guesses in the shared boxes first and
// counts each grid whose shared cells are filled on its own, multiplying the counts.
int countSolutions(const Board& b, int limit, BoardArray* solution = nullptr);
