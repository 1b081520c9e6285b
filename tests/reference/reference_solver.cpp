// The literal rule checks, solver and shuffle, for the differential tests and the engine
// benchmark: every trial runs the full board test, every transformation moves the board.
#include "reference/reference_solver.h"

#include "engine/shuffle.h"

#include <array>

namespace reference {
namespace {
// True when no digit 1..9 occurs twice among the nine cells of one unit.
template <typename CellAt> bool unitValid(CellAt cellAt) {
    std::array<int, 10> tally{};
    for (int k = 1; k <= 9; ++k) {
        const int v = cellAt(k);
        if (v >= 1 && v <= 9 && ++tally[v] > 1) return false;
    }
    return true;
}
} // namespace

bool isBoxValid(const Board& b, int grid, int firstColumn, int firstRow) {
    return unitValid([&](int k) {
        return b.cellValue(grid, firstColumn + (k - 1) / 3, firstRow + (k - 1) % 3);
    });
}

bool isBoardValid(const Board& b) {
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            if (!unitValid([&](int r) { return b.cellValue(g, c, r); })) return false;
    for (int g = 0; g <= 4; ++g)
        for (int r = 1; r <= 9; ++r)
            if (!unitValid([&](int c) { return b.cellValue(g, c, r); })) return false;
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 7; c += 3)
            for (int r = 1; r <= 7; r += 3)
                if (!reference::isBoxValid(b, g, c, r)) return false;
    return true;
}

namespace {
// Tries 1..9 in one copy of an empty cell; false when none of them keeps the board valid.
bool cellAdmitsDigit(Board& b, int g, int c, int r) {
    bool admitted = false;
    for (int d = 1; d <= 9 && !admitted; ++d) {
        b.cellValue(g, c, r) = static_cast<std::uint8_t>(d);
        admitted = reference::isBoardValid(b);
    }
    b.cellValue(g, c, r) = 0;
    return admitted;
}
} // namespace

bool hasNoDeadCell(Board& b) {
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (b.cellValue(g, c, r) == 0 && !cellAdmitsDigit(b, g, c, r)) return false;
    return true;
}

bool boxHasNoDeadCell(Board& b, int grid, int firstColumn, int firstRow) {
    for (int c = firstColumn; c <= firstColumn + 2; ++c)
        for (int r = firstRow; r <= firstRow + 2; ++r)
            if (b.cellValue(grid, c, r) == 0 && !cellAdmitsDigit(b, grid, c, r)) return false;
    return true;
}
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
    if (reference::isBoardValid(b)) fit = {fit.count + 1, d, c, r};
    writeBothCopies(b, g, c, r, 0);
}

void placeIfSingle(Board& b, const PlacementSink& sink, const Fit& fit) {
    if (fit.count != 1) return;
    writeBothCopies(b, b.activeGrid, fit.column, fit.row, fit.digit);
    sink(fit.column, fit.row, fit.digit);
}
} // namespace

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
    b.status.solverProgress = false;
    for (int g = 0; g <= 4; ++g) {
        for (int c = 1; c <= 7; c += 3)
            for (int r = 1; r <= 7; r += 3) reference::solveBox(b, sink, g, c, r);
        for (int k = 1; k <= 9; ++k) {
            reference::solveRow(b, sink, g, k);
            reference::solveColumn(b, sink, g, k);
        }
    }
}

int runPassLoop(Board& b, const PlacementSink& sink) {
    int passes = 0;
    do {
        reference::solverPass(b, sink);
        ++passes;
    } while (b.status.solverProgress && passes < kMaxSolverPasses);
    return passes;
}

void computeSolution(Board& b) {
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) b.savedValue(g, c, r) = b.cellValue(g, c, r);
    b.status.silentMode = true;
    reference::runPassLoop(
        b, [&b](int column, int row, int value) { ::modelDrawCellValue(b, column, row, value); });
    b.status.notSolvable = true;
    if (isBoardComplete(b)) b.status.notSolvable = false;
    b.solutionValue.bytes.fill(0);
    for (int g = 0; g <= 4; ++g) {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                b.solutionValue(g, c, r) = b.cellValue(g, c, r);
                b.cellValue(g, c, r) = b.savedValue(g, c, r);
            }
        }
    }
    b.status.silentMode = false;
}

// The shuffle iterations written out with the elementary transformations, each applied
// to the board at once.
namespace {
// R of the shuffle tables: 1 or 2.
int drawR(Random& random) {
    return random.RANDOM(2) + 1;
}

void flipsAndTurn(Board& b, Random& random) {
    if (random.coin()) flipVertical(b);
    if (random.coin()) flipHorizontal(b);
    if (random.coin()) rotateBoard(b);
}

// One iteration that keeps a clue pattern symmetric under a half turn of the field:
// every exchange in one half is paired with its image in the other half.
void symmetricIteration(Board& b, Random& random) {
    int R = drawR(random);
    swapRows(b, 0, R, R + 1);
    swapRows(b, 1, R, R + 1);
    swapRows(b, 3, 10 - R, 9 - R);
    swapRows(b, 4, 10 - R, 9 - R);
    swapColumns(b, 0, R, R + 1);
    swapColumns(b, 3, R, R + 1);
    swapColumns(b, 1, 10 - R, 9 - R);
    swapColumns(b, 4, 10 - R, 9 - R);

    R = drawR(random);
    swapRows(b, 0, R + 3, R + 4);
    swapRows(b, 1, R + 3, R + 4);
    swapRows(b, 3, 7 - R, 6 - R);
    swapRows(b, 4, 7 - R, 6 - R);
    swapColumns(b, 0, R + 3, R + 4);
    swapColumns(b, 3, R + 3, R + 4);
    swapColumns(b, 1, 7 - R, 6 - R);
    swapColumns(b, 4, 7 - R, 6 - R);

    if (random.coin()) {
        swapRows(b, 2, 4, 6);
        swapColumns(b, 2, 4, 6);
    }

    R = drawR(random);
    swapRows(b, 0, R + 6, R + 7);
    swapRows(b, 2, R, R + 1);
    swapRows(b, 1, R + 6, R + 7);
    swapRows(b, 3, 4 - R, 3 - R);
    swapRows(b, 2, 10 - R, 9 - R);
    swapRows(b, 4, 4 - R, 3 - R);
    swapColumns(b, 0, R + 6, R + 7);
    swapColumns(b, 2, R, R + 1);
    swapColumns(b, 3, R + 6, R + 7);
    swapColumns(b, 1, 4 - R, 3 - R);
    swapColumns(b, 2, 10 - R, 9 - R);
    swapColumns(b, 4, 4 - R, 3 - R);

    if (random.coin()) {
        swapStacks(b, 0, 1, 2);
        swapStacks(b, 1, 3, 2);
        swapStacks(b, 3, 1, 2);
        swapStacks(b, 4, 3, 2);
        swapBands(b, 0, 1, 2);
        swapBands(b, 1, 1, 2);
        swapBands(b, 3, 2, 3);
        swapBands(b, 4, 2, 3);
    }

    relabelDigits(b, random);
    flipsAndTurn(b, random);
}

// One iteration in which every exchange is decided by its own coin.
void freeIteration(Board& b, Random& random) {
    int R = drawR(random);
    if (random.coin()) {
        swapRows(b, 0, R, R + 1);
        swapRows(b, 1, R, R + 1);
    }
    if (random.coin()) {
        swapRows(b, 3, 10 - R, 9 - R);
        swapRows(b, 4, 10 - R, 9 - R);
    }
    if (random.coin()) {
        swapColumns(b, 0, R, R + 1);
        swapColumns(b, 3, R, R + 1);
    }
    if (random.coin()) {
        swapColumns(b, 1, 10 - R, 9 - R);
        swapColumns(b, 4, 10 - R, 9 - R);
    }

    R = drawR(random);
    if (random.coin()) {
        swapRows(b, 0, R + 3, R + 4);
        swapRows(b, 1, R + 3, R + 4);
        swapRows(b, 3, 7 - R, 6 - R);
        swapRows(b, 4, 7 - R, 6 - R);
    }
    if (random.coin()) {
        swapColumns(b, 0, R + 3, R + 4);
        swapColumns(b, 3, R + 3, R + 4);
        swapColumns(b, 1, 7 - R, 6 - R);
        swapColumns(b, 4, 7 - R, 6 - R);
    }

    if (random.coin()) swapRows(b, 2, 4, 6);
    if (random.coin()) swapRows(b, 2, 4, 5);
    if (random.coin()) swapColumns(b, 2, 4, 6);
    if (random.coin()) swapColumns(b, 2, 4, 5);

    R = drawR(random);
    if (random.coin()) {
        swapRows(b, 0, R + 6, R + 7);
        swapRows(b, 2, R, R + 1);
        swapRows(b, 1, R + 6, R + 7);
    }
    if (random.coin()) {
        swapRows(b, 3, 4 - R, 3 - R);
        swapRows(b, 2, 10 - R, 9 - R);
        swapRows(b, 4, 4 - R, 3 - R);
    }
    if (random.coin()) {
        swapColumns(b, 0, R + 6, R + 7);
        swapColumns(b, 2, R, R + 1);
        swapColumns(b, 3, R + 6, R + 7);
    }
    if (random.coin()) {
        swapColumns(b, 1, 4 - R, 3 - R);
        swapColumns(b, 2, 10 - R, 9 - R);
        swapColumns(b, 4, 4 - R, 3 - R);
    }

    relabelDigits(b, random);
    flipsAndTurn(b, random);
}
} // namespace

void shuffleBoard(Board& b, Random& random) {
    const bool symmetric = b.options.symmetricPuzzle;
    const int iterations = random.RANDOM(150) + 101;
    for (int i = 0; i < iterations; ++i) {
        if (symmetric)
            symmetricIteration(b, random);
        else
            freeIteration(b, random);
    }
    ::computeSolution(b);
}

} // namespace reference
