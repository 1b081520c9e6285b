// Rule checks: repeated digits in any row, column or box of the five grids, and empty
// cells that admit no digit.
#pragma once

#include "engine/board.h"

bool isBoardValid(const Board& b);
bool isBoxValid(const Board& b, int grid, int firstColumn, int firstRow);
// Trial digits are written into one copy of a shared cell only; cellValue is restored.
bool hasNoDeadCell(Board& b);
bool boxHasNoDeadCell(Board& b, int grid, int firstColumn, int firstRow);
