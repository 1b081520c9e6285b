// A literal reference of the rule checks and the solver, written straight from the rules
// (a full isBoardValid for every trial), and the shuffle applying each transformation as
// it is drawn. Used by the differential tests and the benchmark.
#pragma once
#include "engine/board.h"
#include "engine/random.h"
#include "engine/solver.h"

namespace reference {

bool isBoardValid(const Board& b);
bool isBoxValid(const Board& b, int grid, int firstColumn, int firstRow);
bool hasNoDeadCell(Board& b);
bool boxHasNoDeadCell(Board& b, int grid, int firstColumn, int firstRow);

void solveBox(Board& b, const PlacementSink& sink, int grid, int firstColumn, int firstRow);
void solveRow(Board& b, const PlacementSink& sink, int grid, int row);
void solveColumn(Board& b, const PlacementSink& sink, int grid, int column);
void solverPass(Board& b, const PlacementSink& sink);
int runPassLoop(Board& b, const PlacementSink& sink);
void computeSolution(Board& b);
// The shuffle with every transformation applied to the board as it is drawn.
void shuffleBoard(Board& b, Random& random);

} // namespace reference
