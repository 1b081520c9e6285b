// The logical solver: single candidates and single places, in passes, at most 15.
// Each placement is handed to a sink that stands for drawCellValue.
#pragma once

#include "engine/board.h"

#include <functional>

// Receives (column, row, value) of each placement in grid activeGrid, after the value was
// written into cellValue (both copies of a shared cell). It must at least raise
// solverProgress (modelDrawCellValue does what the model needs). It may read the board and
// call syncSharedBoxes, but must change no other cellValue: the solver keeps track of the
// board between placements.
using PlacementSink = std::function<void(int column, int row, int value)>;

constexpr int kMaxSolverPasses = 15;

// The model half of drawCellValue: solverProgress, the error count against
// solutionValue (reset in silent mode), syncSharedBoxes. Returns true when the value
// differs from a known solution (the caller draws it red).
bool modelDrawCellValue(Board& b, int column, int row, int value);

// What entering one value changed: the cells whose picture is new (the cell and, in a
// shared box, its other copy, as cellIndex values) and what the rest of the game must do.
struct CellEntry {
    int cells[2] = {0, 0};
    int cellCount = 0;
    bool wrong = false; // differs from a known solution: drawn red, counted in errorCount
    bool thirdError =
        false; // this entry raised errorCount to exactly 3: the game is no longer timed
};
// The model's part of entering value (0: emptying) into cell (activeGrid, column, row): stores
// it, counts it against the solution and copies the shared boxes (modelDrawCellValue).
CellEntry enterValue(Board& b, int column, int row, int value);

void solveBox(Board& b, const PlacementSink& sink, int grid, int firstColumn, int firstRow);
void solveRow(Board& b, const PlacementSink& sink, int grid, int row);
void solveColumn(Board& b, const PlacementSink& sink, int grid, int column);
void solverPass(Board& b, const PlacementSink& sink);
// Runs passes while a pass placed something, at most 15; returns the passes run.
int runPassLoop(Board& b, const PlacementSink& sink);
// The silent solver: fills solutionValue, sets notSolvable, leaves cellValue as it was.
void computeSolution(Board& b);
