// Rule checks over cellValue: repeated digits in a row, column or box of any grid, and
// empty cells without a fitting digit. Called by the solver, the status panel and play.
// The checks work on digit bitmasks per unit; they give the results of trying every digit
// against a full board scan, without writing any trial into the board.
#include "engine/rules.h"

#include "engine/unitmasks.h"

namespace unitmasks {

const std::array<CellLinks, kBlockSize>& cellLinks() {
    static const std::array<CellLinks, kBlockSize> links = [] {
        std::array<CellLinks, kBlockSize> table{};
        for (int g = 0; g <= 4; ++g) {
            for (int c = 1; c <= 9; ++c) {
                for (int r = 1; r <= 9; ++r) {
                    CellLinks& cell = table[cellIndex(g, c, r)];
                    cell.unit = {static_cast<std::uint8_t>(rowUnit(g, r)),
                                 static_cast<std::uint8_t>(columnUnit(g, c)),
                                 static_cast<std::uint8_t>(boxUnit(g, c, r))};
                    int og = g, oc = c, orow = r;
                    cell.other = static_cast<std::int16_t>(
                        otherCopy(g, c, r, og, oc, orow) ? cellIndex(og, oc, orow) : -1);
                    cell.unit[3] = static_cast<std::uint8_t>(rowUnit(og, orow));
                    cell.unit[4] = static_cast<std::uint8_t>(columnUnit(og, oc));
                    cell.unit[5] = static_cast<std::uint8_t>(boxUnit(og, oc, orow));
                }
            }
        }
        return table;
    }();
    return links;
}

const std::array<std::array<std::int16_t, 9>, kUnitCount>& unitCells() {
    static const std::array<std::array<std::int16_t, 9>, kUnitCount> cells = [] {
        std::array<std::array<std::int16_t, 9>, kUnitCount> table{};
        for (int g = 0; g <= 4; ++g) {
            for (int k = 1; k <= 9; ++k) {
                for (int m = 1; m <= 9; ++m) {
                    table[rowUnit(g, k)][m - 1] = static_cast<std::int16_t>(cellIndex(g, m, k));
                    table[columnUnit(g, k)][m - 1] = static_cast<std::int16_t>(cellIndex(g, k, m));
                }
            }
            for (int c = 1; c <= 9; ++c)
                for (int r = 1; r <= 9; ++r)
                    table[boxUnit(g, c, r)][(c - 1) % 3 * 3 + (r - 1) % 3] =
                        static_cast<std::int16_t>(cellIndex(g, c, r));
        }
        return table;
    }();
    return cells;
}

} // namespace unitmasks

bool isBoxValid(const Board& b, int grid, int firstColumn, int firstRow) {
    std::uint16_t seen = 0;
    for (int c = firstColumn; c <= firstColumn + 2; ++c) {
        for (int r = firstRow; r <= firstRow + 2; ++r) {
            const std::uint16_t bit = unitmasks::digitBit(b.cellValue(grid, c, r));
            if (seen & bit) return false;
            seen |= bit;
        }
    }
    return true;
}

namespace {
// The digit bit of every byte value (none outside 1..9).
constexpr auto kDigitBits = [] {
    std::array<std::uint16_t, 256> bits{};
    for (int v = 0; v < 256; ++v) bits[v] = unitmasks::digitBit(v);
    return bits;
}();
} // namespace

bool isBoardValid(const Board& b) {
    // One sweep per grid collecting the digits of each row, column and box; a digit met
    // again in one of its three units is a repeat.
    for (int g = 0; g <= 4; ++g) {
        std::array<std::uint16_t, 10> columns{};
        std::array<std::uint16_t, 3> boxes{};
        std::uint16_t repeated = 0;
        for (int r = 1; r <= 9; ++r) {
            if ((r - 1) % 3 == 0) boxes = {};
            std::uint16_t row = 0;
            for (int c = 1; c <= 9; ++c) {
                const std::uint16_t bit = kDigitBits[b.cellValue.bytes[cellIndex(g, c, r)]];
                std::uint16_t& box = boxes[(c - 1) / 3];
                repeated |= (row | columns[c] | box) & bit;
                row |= bit;
                columns[c] |= bit;
                box |= bit;
            }
        }
        if (repeated != 0) return false;
    }
    return true;
}

namespace {
// A trial digit goes into one copy of the cell only, so it meets the units of that grid
// alone; on a board that already breaks the rule no digit is accepted.
bool noDeadCellIn(const Board& b, int grid, int firstColumn, int lastColumn, int firstRow,
                  int lastRow) {
    unitmasks::Masks masks;
    const bool valid = unitmasks::buildMasks(b, masks);
    const auto& links = unitmasks::cellLinks();
    for (int g = grid < 0 ? 0 : grid; g <= (grid < 0 ? 4 : grid); ++g) {
        for (int c = firstColumn; c <= lastColumn; ++c) {
            for (int r = firstRow; r <= lastRow; ++r) {
                const int index = cellIndex(g, c, r);
                if (b.cellValue.bytes[index] != 0) continue;
                if (!valid || unitmasks::freeInOwnGrid(masks, links[index]) == 0) return false;
            }
        }
    }
    return true;
}
} // namespace

std::array<std::uint16_t, kBlockSize> candidateDigits(const Board& b) {
    std::array<std::uint16_t, kBlockSize> digits{};
    unitmasks::Masks masks;
    if (!unitmasks::buildMasks(b, masks)) return digits;
    const auto& links = unitmasks::cellLinks();
    for (int g = 0; g <= 4; ++g) {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                const int i = cellIndex(g, c, r);
                if (b.cellValue.bytes[i] == 0)
                    digits[i] = unitmasks::freeInOwnGrid(masks, links[i]);
            }
        }
    }
    return digits;
}

bool hasNoDeadCell(Board& b) {
    return noDeadCellIn(b, -1, 1, 9, 1, 9);
}

bool boxHasNoDeadCell(Board& b, int grid, int firstColumn, int firstRow) {
    return noDeadCellIn(b, grid, firstColumn, firstColumn + 2, firstRow, firstRow + 2);
}

void countDigits(Board& b) {
    // Single-copy form while counting, so each shared cell counts once.
    clearSharedMirrors(b);
    b.digitCount.fill(0);
    for (int grid = 0; grid <= 4; ++grid)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) ++b.digitCount[std::min<int>(b.cellValue(grid, c, r), 9)];
    syncSharedBoxes(b);
}

bool judgeBoard(Board& b) {
    syncSharedBoxes(b);
    b.status.verdict = Verdict::WrongNumber;
    if (b.status.notSolvable) {
        b.status.verdict = Verdict::NotSolvable;
        return false;
    }
    bool wrongEntryFound = false;
    for (int grid = 0; grid <= 4 && !wrongEntryFound; ++grid)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (b.cellValue(grid, c, r) != 0 && b.givenValue(grid, c, r) == 0 &&
                    b.cellValue(grid, c, r) != b.solutionValue(grid, c, r))
                    wrongEntryFound = true;
    const bool valid = isBoardValid(b);
    if (!wrongEntryFound && valid) b.status.verdict = Verdict::NoErrors;
    b.status.boardComplete = true;
    for (int i = 1; i <= 9; ++i)
        if (b.digitCount[static_cast<size_t>(i)] != 41) b.status.boardComplete = false;
    if (b.status.boardComplete && valid) b.status.verdict = Verdict::Solved;
    return !wrongEntryFound && !valid;
}
