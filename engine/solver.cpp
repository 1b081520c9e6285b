// Placeholder definitions; each is replaced by the real procedure as its subsystem lands.
#include "engine/solver.h"

bool modelDrawCellValue(Board&, int, int, int) {
    return false;
}
void solveBox(Board&, const PlacementSink&, int, int, int) {}
void solveRow(Board&, const PlacementSink&, int, int) {}
void solveColumn(Board&, const PlacementSink&, int, int) {}
void solverPass(Board&, const PlacementSink&) {}
int runPassLoop(Board&, const PlacementSink&) {
    return 0;
}
void computeSolution(Board&) {}
