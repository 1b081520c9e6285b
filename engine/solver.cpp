// The logical solver: single candidates and single places, applied in passes. Called by
// the visible solver of the board display, by the shuffle and after every board load.
//
// A trial writes a digit into an empty cell (both copies of a shared cell) and keeps it
// when the board is still valid. On a valid board in double-copy form that is the case
// exactly when the digit is missing from the row, column and box of both copies, so the
// solver keeps one digit bitmask per unit and reads the fitting digits of a cell in a few
// bit operations. A board that already breaks the rule accepts no trial at all. Boards
// whose shared copies disagree take the checked path, which writes every trial into the
// board and runs the full rule check, because there the trials themselves change the board.
#include "engine/solver.h"

#include "engine/rules.h"
#include "engine/unitmasks.h"

#include <bit>

namespace {

// ---- Checked path: every trial written into the board and tested with isBoardValid ----

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
void checkedSolveBox(Board& b, const PlacementSink& sink, int grid, int firstColumn, int firstRow) {
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

void checkedSolveRow(Board& b, const PlacementSink& sink, int grid, int row) {
    b.activeGrid = static_cast<std::int16_t>(grid);
    for (int d = 1; d <= 9; ++d) {
        Fit fit;
        for (int c = 1; c <= 9; ++c)
            if (b.cellValue(grid, c, row) == 0) trial(b, fit, grid, c, row, d);
        placeIfSingle(b, sink, fit);
    }
}

void checkedSolveColumn(Board& b, const PlacementSink& sink, int grid, int column) {
    b.activeGrid = static_cast<std::int16_t>(grid);
    for (int d = 1; d <= 9; ++d) {
        Fit fit;
        for (int r = 1; r <= 9; ++r)
            if (b.cellValue(grid, column, r) == 0) trial(b, fit, grid, column, r, d);
        placeIfSingle(b, sink, fit);
    }
}

void checkedPass(Board& b, const PlacementSink& sink) {
    b.solverProgress = false;
    for (int g = 0; g <= 4; ++g) {
        for (int c = 1; c <= 7; c += 3)
            for (int r = 1; r <= 7; r += 3) checkedSolveBox(b, sink, g, c, r);
        for (int k = 1; k <= 9; ++k) {
            checkedSolveRow(b, sink, g, k);
            checkedSolveColumn(b, sink, g, k);
        }
    }
}

// ---- Fast path: unit bitmasks ----

class FastSolver {
  public:
    FastSolver(Board& board, const PlacementSink& sink)
        : b(board), sink(sink), links(unitmasks::cellLinks()) {
        valid = unitmasks::buildMasks(b, masks);
    }

    void solveBox(int grid, int firstColumn, int firstRow) {
        b.activeGrid = static_cast<std::int16_t>(grid);
        if (!valid) return;
        std::array<int, 9> cells;
        int n = 0;
        // Single candidate, column by column, row by row; each placement is seen by the
        // cells after it because the masks are read afresh for every cell.
        for (int c = firstColumn; c <= firstColumn + 2; ++c) {
            for (int r = firstRow; r <= firstRow + 2; ++r) {
                const int index = cellIndex(grid, c, r);
                cells[n++] = index;
                if (b.cellValue.bytes[index] != 0) continue;
                const std::uint16_t fits = unitmasks::freeInBothGrids(masks, links[index]);
                if (std::has_single_bit(fits)) place(index, c, r, std::countr_zero(fits));
            }
        }
        singlePlaces(cells);
    }

    void solveRow(int grid, int row) {
        b.activeGrid = static_cast<std::int16_t>(grid);
        if (!valid) return;
        std::array<int, 9> cells;
        for (int c = 1; c <= 9; ++c) cells[c - 1] = cellIndex(grid, c, row);
        singlePlaces(cells);
    }

    void solveColumn(int grid, int column) {
        b.activeGrid = static_cast<std::int16_t>(grid);
        if (!valid) return;
        std::array<int, 9> cells;
        for (int r = 1; r <= 9; ++r) cells[r - 1] = cellIndex(grid, column, r);
        singlePlaces(cells);
    }

    void pass() {
        b.solverProgress = false;
        for (int g = 0; g <= 4; ++g) {
            for (int c = 1; c <= 7; c += 3)
                for (int r = 1; r <= 7; r += 3) solveBox(g, c, r);
            for (int k = 1; k <= 9; ++k) {
                solveRow(g, k);
                solveColumn(g, k);
            }
        }
    }

  private:
    // Single place: for d = 1..9 in turn, a digit that fits exactly one empty cell of the
    // unit goes there. All nine digits are counted at once (seen once, seen twice); a
    // placement empties the set of candidates of its cell, which can leave a higher digit
    // with a single place, so after a placement the count is taken again for the digits
    // above the placed one.
    void singlePlaces(const std::array<int, 9>& cells) {
        std::uint16_t pending = unitmasks::kAllDigits;
        while (pending != 0) {
            std::uint16_t once = 0, twice = 0;
            for (int index : cells) {
                if (b.cellValue.bytes[index] != 0) continue;
                const std::uint16_t fits = unitmasks::freeInBothGrids(masks, links[index]);
                twice |= once & fits;
                once |= fits;
            }
            const std::uint16_t single = once & ~twice & pending;
            if (single == 0) return;
            const int d = std::countr_zero(single);
            const std::uint16_t bit = unitmasks::digitBit(d);
            for (int index : cells) {
                if (b.cellValue.bytes[index] == 0 &&
                    (unitmasks::freeInBothGrids(masks, links[index]) & bit)) {
                    place(index, index / 5 % 10, index / 50, d);
                    break;
                }
            }
            pending &= static_cast<std::uint16_t>(~((bit << 1) - 1));
        }
    }

    // Writes the digit into both copies, records it in the masks of both grids and hands
    // the placement to the sink.
    void place(int index, int column, int row, int d) {
        const unitmasks::CellLinks& cell = links[index];
        const auto value = static_cast<std::uint8_t>(d);
        b.cellValue.bytes[index] = value;
        if (cell.other >= 0) b.cellValue.bytes[cell.other] = value;
        const std::uint16_t bit = unitmasks::digitBit(d);
        for (std::uint8_t unit : cell.unit) masks[unit] |= bit;
        sink(column, row, d);
    }

    Board& b;
    const PlacementSink& sink;
    const std::array<unitmasks::CellLinks, kBlockSize>& links;
    unitmasks::Masks masks;
    // The board breaks no rule. Placements are valid trials, so this never changes while
    // the solver runs.
    bool valid;
};

// Both copies of every shared cell hold the same value.
bool inDoubleCopyForm(const Board& b) {
    const auto& links = unitmasks::cellLinks();
    for (const SharedBox& box : kSharedBoxes)
        for (int c = box.masterColumn; c <= box.masterColumn + 2; ++c)
            for (int r = box.masterRow; r <= box.masterRow + 2; ++r) {
                const int index = cellIndex(box.masterGrid, c, r);
                if (b.cellValue.bytes[index] != b.cellValue.bytes[links[index].other]) return false;
            }
    return true;
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
    if (inDoubleCopyForm(b))
        FastSolver(b, sink).solveBox(grid, firstColumn, firstRow);
    else
        checkedSolveBox(b, sink, grid, firstColumn, firstRow);
}

void solveRow(Board& b, const PlacementSink& sink, int grid, int row) {
    if (inDoubleCopyForm(b))
        FastSolver(b, sink).solveRow(grid, row);
    else
        checkedSolveRow(b, sink, grid, row);
}

void solveColumn(Board& b, const PlacementSink& sink, int grid, int column) {
    if (inDoubleCopyForm(b))
        FastSolver(b, sink).solveColumn(grid, column);
    else
        checkedSolveColumn(b, sink, grid, column);
}

void solverPass(Board& b, const PlacementSink& sink) {
    if (inDoubleCopyForm(b))
        FastSolver(b, sink).pass();
    else
        checkedPass(b, sink);
}

int runPassLoop(Board& b, const PlacementSink& sink) {
    int passes = 0;
    if (inDoubleCopyForm(b)) {
        // The placements keep the board in double-copy form, so the masks stay valid
        // from pass to pass.
        FastSolver solver(b, sink);
        do {
            solver.pass();
            ++passes;
        } while (b.solverProgress && passes < kMaxSolverPasses);
        return passes;
    }
    do {
        checkedPass(b, sink);
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
