// Where the five grids lie: their origins in the 21 x 21 field, in field cells, and the
// pixel layout of the field on the screen. Every position on the board (grids, frames,
// pause cover, highlights, palette, printout) is derived from these.
#pragma once

#include <array>
#include <cstddef>

// The field of the five grids: 21 x 21 cells, of which the grids cover 369.
// (session/game.h: kFieldCells; the collections tool numbers its own field with a margin.)
constexpr int kFieldSize = 21;

// Field row and column of each grid's column 1, row 1: the four corner grids and the
// middle one that overlaps them by a 3 x 3 box each.
struct FieldOrigin {
    int row, column;
};
inline constexpr std::array<FieldOrigin, 5> kGridOrigin{
    {{0, 0}, {0, 12}, {6, 6}, {12, 0}, {12, 12}}};

// The field on the screen: its top-left pixel and the side of a cell.
constexpr int kFieldLeft = 15, kFieldTop = 15;
constexpr int kCellSize = 33;
constexpr int kFieldRight = kFieldLeft + kFieldSize * kCellSize - 1;
constexpr int kFieldBottom = kFieldTop + kFieldSize * kCellSize - 1;

// The rows of the button bar that take clicks (inclusive).
constexpr int kButtonBandTop = 726, kButtonBandBottom = 752;

constexpr int gridFieldColumn(int grid) {
    return kGridOrigin[static_cast<std::size_t>(grid)].column;
}
constexpr int gridFieldRow(int grid) {
    return kGridOrigin[static_cast<std::size_t>(grid)].row;
}
// Top-left pixel of a grid's cell (column 1, row 1).
constexpr int gridLeft(int grid) {
    return kFieldLeft + kCellSize * gridFieldColumn(grid);
}
constexpr int gridTop(int grid) {
    return kFieldTop + kCellSize * gridFieldRow(grid);
}
// The side of a cell on the screen, across and down.
constexpr int cellWidth() {
    return kCellSize;
}
constexpr int cellHeight() {
    return kCellSize;
}

// A cell as the grids number it: grid 0..4, column and row 1..9.
struct GridCell {
    int grid = 0, column = 0, row = 0;
    bool operator==(const GridCell&) const = default;
};

// The field index of a grid cell: fieldRow * 21 + fieldColumn.
constexpr int fieldIndex(GridCell c) {
    return (gridFieldRow(c.grid) + c.row - 1) * kFieldSize + gridFieldColumn(c.grid) + c.column - 1;
}

// The grid cell at a field position, in the lowest-numbered grid that covers it (the
// master copy of a shared cell); false where no grid lies.
constexpr bool gridCellAt(int fieldColumn, int fieldRow, GridCell& out) {
    for (int grid = 0; grid < 5; ++grid) {
        const int c = fieldColumn - gridFieldColumn(grid) + 1;
        const int r = fieldRow - gridFieldRow(grid) + 1;
        if (c >= 1 && c <= 9 && r >= 1 && r <= 9) {
            out = {grid, c, r};
            return true;
        }
    }
    return false;
}
