// The logical solver: single candidates and single places, applied in passes. Called by
// the visible solver of the board display, by the shuffle and after every board load.
#include "engine/solver.h"

#include "engine/rules.h"

namespace {
// Writes a value into a cell and, for a shared cell, into its other copy.
void writeBothCopies(Board& b, int g, int c, int r, int value) {
    b.cellValue(g, c, r) = static_cast<std::uint8_t>(value);
    int og, oc, orow;
    if (otherCopy(g, c, r, og, oc, orow))
        b.cellValue(og, oc, orow) = static_cast<std::uint8_t>(value);
}

// The fit count of one cell, box, row or column and the last digit and cell that fitted.
struct Fit {
    int count = 0;
    int digit = 0, column = 0, row = 0;
};

// Trial of d in an empty cell: fits when the board stays valid with d in both copies.
void trial(Board& b, Fit& fit, int g, int c, int r, int d) {
    writeBothCopies(b, g, c, r, d);
    if (isBoardValid(b)) fit = {fit.count + 1, d, c, r};
    writeBothCopies(b, g, c, r, 0);
}

void placeIfSingle(Board& b, const PlacementSink& sink, const Fit& fit) {
    if (fit.count != 1) return;
    writeBothCopies(b, b.activeGrid, fit.column, fit.row, fit.digit);
    sink(fit.column, fit.row, fit.digit);
}
} // namespace

bool modelDrawCellValue(Board& b, int column, int row, int value) {
    b.solverProgress = true;
    bool wrong = false;
    const int g = b.activeGrid;
    if (value != 0 && b.solutionValue(g, column, row) != 0) {
        if (b.cellValue(g, column, row) != b.solutionValue(g, column, row)) {
            wrong = true;
            ++b.errorCount;
        }
        if (b.silentMode) b.errorCount = 0;
    }
    syncSharedBoxes(b);
    return wrong;
}

void solveBox(Board& b, const PlacementSink& sink, int grid, int firstColumn, int firstRow) {
    b.activeGrid = static_cast<std::int16_t>(grid);
    // Single candidate: a cell in which exactly one digit fits.
    for (int c = firstColumn; c <= firstColumn + 2; ++c) {
        for (int r = firstRow; r <= firstRow + 2; ++r) {
            Fit fit;
            for (int d = 1; d <= 9; ++d)
                if (b.cellValue(grid, c, r) == 0) trial(b, fit, grid, c, r, d);
            placeIfSingle(b, sink, fit);
        }
    }
    // Single place: a digit that fits exactly one cell of the box.
    for (int d = 1; d <= 9; ++d) {
        Fit fit;
        for (int c = firstColumn; c <= firstColumn + 2; ++c)
            for (int r = firstRow; r <= firstRow + 2; ++r)
                if (b.cellValue(grid, c, r) == 0) trial(b, fit, grid, c, r, d);
        placeIfSingle(b, sink, fit);
    }
}

void solveRow(Board& b, const PlacementSink& sink, int grid, int row) {
    b.activeGrid = static_cast<std::int16_t>(grid);
    for (int d = 1; d <= 9; ++d) {
        Fit fit;
        for (int c = 1; c <= 9; ++c)
            if (b.cellValue(grid, c, row) == 0) trial(b, fit, grid, c, row, d);
        placeIfSingle(b, sink, fit);
    }
}

void solveColumn(Board& b, const PlacementSink& sink, int grid, int column) {
    b.activeGrid = static_cast<std::int16_t>(grid);
    for (int d = 1; d <= 9; ++d) {
        Fit fit;
        for (int r = 1; r <= 9; ++r)
            if (b.cellValue(grid, column, r) == 0) trial(b, fit, grid, column, r, d);
        placeIfSingle(b, sink, fit);
    }
}

void solverPass(Board& b, const PlacementSink& sink) {
    b.solverProgress = false;
    for (int g = 0; g <= 4; ++g) {
        for (int c = 1; c <= 7; c += 3)
            for (int r = 1; r <= 7; r += 3) solveBox(b, sink, g, c, r);
        for (int k = 1; k <= 9; ++k) {
            solveRow(b, sink, g, k);
            solveColumn(b, sink, g, k);
        }
    }
}

int runPassLoop(Board& b, const PlacementSink& sink) {
    int passes = 0;
    do {
        solverPass(b, sink);
        ++passes;
    } while (b.solverProgress && passes < kMaxSolverPasses);
    return passes;
}

void computeSolution(Board& b) {
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) b.savedValue(g, c, r) = b.cellValue(g, c, r);
    b.silentMode = true;
    runPassLoop(
        b, [&b](int column, int row, int value) { modelDrawCellValue(b, column, row, value); });
    b.notSolvable = true;
    if (isBoardComplete(b)) b.notSolvable = false;
    b.solutionValue.bytes.fill(0);
    for (int g = 0; g <= 4; ++g) {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                b.solutionValue(g, c, r) = b.cellValue(g, c, r);
                b.cellValue(g, c, r) = b.savedValue(g, c, r);
            }
        }
    }
    b.silentMode = false;
}
