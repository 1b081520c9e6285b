// The logical solver: single candidates and single places, applied in passes. Called by
// the visible solver of the board display, by the shuffle and after every board load.
//
// A trial writes a digit into an empty cell (both copies of a shared cell) and counts it
// when the board is still valid. On a valid board in double-copy form that is the case
// exactly when the digit is missing from the row, column and box of both copies, so the
// solver keeps, for every cell, the set of digits that would pass the trial, and takes a
// placed digit out of the sets of the cells it sees. Single candidates and single places
// are then read off these sets, nine digits at a time, and a unit whose cells' sets have
// not changed since its last scan is not scanned again. A board that already breaks the
// rule accepts no trial at all. Boards whose shared copies disagree take the checked path,
// which writes every trial into the board and runs the full rule check, because there the
// trials themselves change the board.
#include "engine/solver.h"

#include "engine/rules.h"
#include "engine/unitmasks.h"

#include <limits>
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
    b.status.solverProgress = false;
    for (int g = 0; g <= 4; ++g) {
        for (int c = 1; c <= 7; c += 3)
            for (int r = 1; r <= 7; r += 3) checkedSolveBox(b, sink, g, c, r);
        for (int k = 1; k <= 9; ++k) {
            checkedSolveRow(b, sink, g, k);
            checkedSolveColumn(b, sink, g, k);
        }
    }
}

// ---- Fast path: the fitting digits of every cell, kept up to date by each placement ----

class FastSolver {
  public:
    FastSolver(Board& board, const PlacementSink& sink)
        : b(board), sink(sink), links(unitmasks::cellLinks()), units(unitmasks::unitCells()) {
        unitmasks::Masks masks;
        valid = unitmasks::buildMasks(b, masks);
        fitting.fill(0);
        changed.fill(true);
        if (!valid) return; // no trial fits anywhere
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                for (int g = 0; g <= 4; ++g) {
                    const int index = cellIndex(g, c, r);
                    if (b.cellValue.bytes[index] == 0)
                        fitting[index] = unitmasks::freeInBothGrids(masks, links[index]);
                }
    }

    void solveBox(int grid, int firstColumn, int firstRow) {
        b.activeGrid = static_cast<std::int16_t>(grid);
        const int box = unitmasks::boxUnit(grid, firstColumn, firstRow);
        if (!valid || !changed[box]) return;
        changed[box] = false;
        const auto& cells = units[box];
        // Single candidate, column by column, row by row; a placement has already removed
        // its digit from the cells after it.
        for (std::int16_t index : cells) {
            const std::uint16_t fits = fitting[index];
            if (fits != 0 && (fits & (fits - 1)) == 0) place(index, std::countr_zero(fits));
        }
        singlePlaces(cells);
    }

    void solveRow(int grid, int row) {
        b.activeGrid = static_cast<std::int16_t>(grid);
        scanIfChanged(unitmasks::rowUnit(grid, row));
    }

    void solveColumn(int grid, int column) {
        b.activeGrid = static_cast<std::int16_t>(grid);
        scanIfChanged(unitmasks::columnUnit(grid, column));
    }

    void pass() {
        b.status.solverProgress = false;
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
    // A unit whose cells kept their fitting digits since its last scan, which placed
    // nothing, would place nothing again.
    void scanIfChanged(int unit) {
        if (!valid || !changed[unit]) return;
        changed[unit] = false;
        singlePlaces(units[unit]);
    }

    // Single place: for d = 1..9 in turn, a digit that fits exactly one empty cell of the
    // unit goes there. All nine digits are counted at once (seen once, seen twice); a
    // placement empties the set of its cell, which can leave a higher digit with a single
    // place, so after a placement the count is taken again for the digits above it.
    void singlePlaces(const std::array<std::int16_t, 9>& cells) {
        std::uint16_t pending = unitmasks::kAllDigits;
        while (true) {
            std::uint16_t once = 0, twice = 0;
            for (std::int16_t index : cells) {
                twice |= once & fitting[index];
                once |= fitting[index];
            }
            const std::uint16_t single = once & ~twice & pending;
            if (single == 0) return;
            const int d = std::countr_zero(single);
            const std::uint16_t bit = unitmasks::digitBit(d);
            for (std::int16_t index : cells) {
                if (fitting[index] & bit) {
                    place(index, d);
                    break;
                }
            }
            pending &= static_cast<std::uint16_t>(~((bit << 1) - 1));
        }
    }

    // Writes the digit into both copies, takes it out of the fitting digits of every cell
    // that shares a row, column or box with either copy (and of their other copies), and
    // hands the placement to the sink.
    void place(int index, int d) {
        const unitmasks::CellLinks& cell = links[index];
        const auto value = static_cast<std::uint8_t>(d);
        b.cellValue.bytes[index] = value;
        fitting[index] = 0;
        markChanged(index);
        if (cell.other >= 0) {
            b.cellValue.bytes[cell.other] = value;
            fitting[cell.other] = 0;
            markChanged(cell.other);
        }
        const std::uint16_t bit = unitmasks::digitBit(d);
        // Row, column and box of this copy; for a shared cell also row and column of the
        // other copy (its box holds the same cells as this one's).
        const int unitCount = cell.other >= 0 ? 5 : 3;
        for (int k = 0; k < unitCount; ++k) {
            for (std::int16_t peer : units[cell.unit[k]]) {
                if ((fitting[peer] & bit) == 0) continue;
                fitting[peer] &= static_cast<std::uint16_t>(~bit);
                markChanged(peer);
                const std::int16_t otherPeer = links[peer].other;
                if (otherPeer >= 0) {
                    fitting[otherPeer] &= static_cast<std::uint16_t>(~bit);
                    markChanged(otherPeer);
                }
            }
        }
        sink(index / 5 % 10, index / 50, d);
    }

    void markChanged(int index) {
        for (int k = 0; k < 3; ++k) changed[links[index].unit[k]] = true;
    }

    Board& b;
    const PlacementSink& sink;
    const std::array<unitmasks::CellLinks, kBlockSize>& links;
    const std::array<std::array<std::int16_t, 9>, unitmasks::kUnitCount>& units;
    // Digits whose trial in the cell would keep the board valid, 0 for a filled cell. A
    // shared cell and its other copy hold the same set (both grids judge each trial).
    std::array<std::uint16_t, kBlockSize> fitting;
    // Units with a cell whose fitting digits changed since the unit's last scan.
    std::array<bool, unitmasks::kUnitCount> changed;
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

namespace {
// drawCellValue's effect on the model short of syncSharedBoxes: solverProgress, and the
// error count against a known solution (set back to 0 in silent mode).
bool countPlacement(Board& b, int column, int row, int value) {
    b.status.solverProgress = true;
    bool wrong = false;
    const int g = b.activeGrid;
    if (value != 0 && b.solutionValue(g, column, row) != 0) {
        if (b.cellValue(g, column, row) != b.solutionValue(g, column, row)) {
            wrong = true;
            // The count stops at the largest it can hold instead of turning negative.
            if (b.status.errorCount < std::numeric_limits<std::int16_t>::max())
                ++b.status.errorCount;
        }
        if (b.status.silentMode) b.status.errorCount = 0;
    }
    return wrong;
}
} // namespace

bool modelDrawCellValue(Board& b, int column, int row, int value) {
    const bool wrong = countPlacement(b, column, row, value);
    syncSharedBoxes(b);
    return wrong;
}

CellEntry enterValue(Board& b, int column, int row, int value) {
    CellEntry entry;
    const int grid = b.activeGrid;
    b.cellValue(grid, column, row) = static_cast<std::uint8_t>(value);
    const int errorsBefore = b.status.errorCount;
    entry.wrong = modelDrawCellValue(b, column, row, value);
    // Only the wrong entry that raises the count to three stops the clock.
    entry.thirdError = b.status.errorCount == 3 && errorsBefore != 3 && !b.status.silentMode;
    entry.cells[entry.cellCount++] = cellIndex(grid, column, row);
    int og = 0, oc = 0, orow = 0;
    if (otherCopy(grid, column, row, og, oc, orow))
        entry.cells[entry.cellCount++] = cellIndex(og, oc, orow);
    return entry;
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
        } while (b.status.solverProgress && passes < kMaxSolverPasses);
        return passes;
    }
    do {
        checkedPass(b, sink);
        ++passes;
    } while (b.status.solverProgress && passes < kMaxSolverPasses);
    return passes;
}
void computeSolution(Board& b) {
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) b.savedValue(g, c, r) = b.cellValue(g, c, r);
    b.status.silentMode = true;
    if (inDoubleCopyForm(b)) {
        // The fast solver writes both copies of a shared cell, so after the first
        // placement has copied the master givens to their mirrors, every further
        // syncSharedBoxes of drawCellValue would change nothing.
        bool synced = false;
        const PlacementSink sink = [&b, &synced](int column, int row, int value) {
            countPlacement(b, column, row, value);
            if (!synced) syncSharedBoxes(b);
            synced = true;
        };
        FastSolver solver(b, sink);
        int passes = 0;
        do {
            solver.pass();
            ++passes;
        } while (b.status.solverProgress && passes < kMaxSolverPasses);
    } else {
        runPassLoop(
            b, [&b](int column, int row, int value) { modelDrawCellValue(b, column, row, value); });
    }
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
