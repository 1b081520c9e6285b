// The 369 distinct cells of the field, each shared cell counted once, with the units they
// belong to: the common geometry of the complete search and the technique ladder.
#pragma once

#include "engine/board.h"
#include "engine/unitmasks.h"

#include <array>
#include <cstdint>

namespace fieldcells {

constexpr int kCount = 369;

struct FieldCell {
    std::int16_t index = 0;  // board offset of the master copy (cellIndex)
    std::int16_t other = -1; // board offset of the mirror copy, -1 outside the shared boxes
    std::uint8_t unitCount = 3;
    std::array<std::uint8_t, 6> unit{}; // row, column, box of the master grid, then the mirror's
};

struct Geometry {
    std::array<FieldCell, kCount> cells;
    // The nine field cells of each unit, in the order of unitmasks::unitCells.
    std::array<std::array<std::int16_t, 9>, unitmasks::kUnitCount> members;
    // The 81 field cells of each grid.
    std::array<std::array<std::int16_t, 81>, 5> gridCells;
    // The field cell of every board offset (both copies of a shared cell), -1 for index 0.
    std::array<std::int16_t, kBlockSize> cellOf;
};

// Field cells are numbered grid by grid (column outer, row inner), each shared cell once,
// at its master copy.
const Geometry& geometry();

} // namespace fieldcells
