// Digit bitmasks of the 135 units (rows, columns, boxes of the five grids), shared by the
// rule checks and the solver so that a trial costs a few bit operations instead of a
// full board scan.
#pragma once

#include "engine/board.h"

#include <array>
#include <cstdint>

namespace unitmasks {

// Bits 1..9 stand for the digits 1..9.
constexpr std::uint16_t kAllDigits = 0x3FE;
constexpr int kUnitCount = 5 * 27;

constexpr std::uint16_t digitBit(int value) {
    return value >= 1 && value <= 9 ? static_cast<std::uint16_t>(1u << value) : 0;
}
constexpr int rowUnit(int g, int r) {
    return g * 27 + r - 1;
}
constexpr int columnUnit(int g, int c) {
    return g * 27 + 9 + c - 1;
}
constexpr int boxUnit(int g, int c, int r) {
    return g * 27 + 18 + (c - 1) / 3 * 3 + (r - 1) / 3;
}

// For one grid cell: its three units, then the three units of its other copy (the same
// three again for a cell outside the shared boxes), and the other copy's offset or -1.
struct CellLinks {
    std::array<std::uint8_t, 6> unit{};
    std::int16_t other = -1;
};

// Links of every cell, indexed by cellIndex; entries of index 0 rows and columns stay empty.
const std::array<CellLinks, kBlockSize>& cellLinks();

// The nine cell offsets of every unit: a row by column, a column by row, a box column by
// column and row by row within each column.
const std::array<std::array<std::int16_t, 9>, kUnitCount>& unitCells();

using Masks = std::array<std::uint16_t, kUnitCount>;

// Fills the masks from cellValue; returns false when a digit repeats in some unit, that is
// exactly when isBoardValid is false. Values outside 1..9 count as no digit.
inline bool buildMasks(const Board& b, Masks& masks) {
    masks.fill(0);
    bool valid = true;
    const auto& links = cellLinks();
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            for (int g = 0; g <= 4; ++g) {
                const int index = cellIndex(g, c, r);
                const std::uint16_t bit = digitBit(b.cellValue.bytes[index]);
                for (int k = 0; k < 3; ++k) {
                    std::uint16_t& mask = masks[links[index].unit[k]];
                    if (mask & bit) valid = false;
                    mask |= bit;
                }
            }
        }
    }
    return valid;
}

// Digits not yet present in the units of the cell's own grid.
inline std::uint16_t freeInOwnGrid(const Masks& masks, const CellLinks& links) {
    return ~(masks[links.unit[0]] | masks[links.unit[1]] | masks[links.unit[2]]) & kAllDigits;
}
// Digits not yet present in the units of either copy of the cell.
inline std::uint16_t freeInBothGrids(const Masks& masks, const CellLinks& links) {
    return ~(masks[links.unit[0]] | masks[links.unit[1]] | masks[links.unit[2]] |
             masks[links.unit[3]] | masks[links.unit[4]] | masks[links.unit[5]]) &
           kAllDigits;
}

} // namespace unitmasks
