// Rule checks over cellValue: repeated digits in a row, column or box of any grid, and
// empty cells without a fitting digit. Called by the solver, the status panel and play.
#include "engine/rules.h"

#include <array>

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
                if (!isBoxValid(b, g, c, r)) return false;
    return true;
}

namespace {
// Tries 1..9 in one copy of an empty cell; false when none of them keeps the board valid.
bool cellAdmitsDigit(Board& b, int g, int c, int r) {
    bool admitted = false;
    for (int d = 1; d <= 9 && !admitted; ++d) {
        b.cellValue(g, c, r) = static_cast<std::uint8_t>(d);
        admitted = isBoardValid(b);
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
