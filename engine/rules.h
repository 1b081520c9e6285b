// Rule checks: repeated digits in any row, column or box of the five grids, and empty
// cells that admit no digit.
#pragma once

#include "engine/board.h"

#include <array>
#include <cstdint>

bool isBoardValid(const Board& b);
bool isBoxValid(const Board& b, int grid, int firstColumn, int firstRow);
// Trial digits are written into one copy of a shared cell only; cellValue is restored.
bool hasNoDeadCell(Board& b);
bool boxHasNoDeadCell(Board& b, int grid, int firstColumn, int firstRow);
// For every empty cell (indexed by cellIndex), the digits d (bit d set) for which the board
// stays valid with d written into that copy of the cell alone, as the automatic candidate
// notes try them; 0 for filled cells and for every cell of a board that breaks the rule.
std::array<std::uint16_t, kBlockSize> candidateDigits(const Board& b);
// The digit counts of the statistics panel: how often each digit stands on the board, each
// shared cell counted once (digitCount[0]: the empty cells).
void countDigits(Board& b);
// The status verdict: sets verdict (and, on a solvable board, boardComplete) from the board,
// its solution and the digit counts of countDigits. Returns true when no entry differs from
// the solution and yet a digit repeats, so the givens themselves break the rule.
bool judgeBoard(Board& b);
