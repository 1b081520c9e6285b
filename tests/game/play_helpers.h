// Boards and pointer positions for the play, palette, button and editor tests.
#pragma once

#include "engine/board.h"
#include "platform/platform.h"
#include "support/scripted_platform.h"

#include <QPoint>

namespace play_test {

// Field offsets (column, row) of each grid's first cell in the 21 x 21 field.
inline constexpr int kColumnOffset[5] = {0, 12, 6, 0, 12};
inline constexpr int kRowOffset[5] = {0, 0, 6, 12, 12};

// A solved field: the classic shifted pattern works for all five grids because every grid
// starts on a multiple of three.
inline int fieldValue(int grid, int column, int row) {
    const int fieldRow = kRowOffset[grid] + row - 1;
    const int fieldColumn = kColumnOffset[grid] + column - 1;
    return (3 * fieldRow + fieldRow / 3 + fieldColumn) % 9 + 1;
}

// Every cell a given of the solved field, solutionValue known.
inline void fillSolvedBoard(Board& b) {
    for (int g = 0; g < 5; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                const auto v = static_cast<std::uint8_t>(fieldValue(g, c, r));
                b.cellValue(g, c, r) = b.givenValue(g, c, r) = b.solutionValue(g, c, r) = v;
            }
}

// Empties a cell, both copies of a shared cell, and takes its given away.
inline void openCell(Board& b, int g, int c, int r) {
    b.cellValue(g, c, r) = b.givenValue(g, c, r) = 0;
    int og, oc, orow;
    if (otherCopy(g, c, r, og, oc, orow))
        b.cellValue(og, oc, orow) = b.givenValue(og, oc, orow) = 0;
}

// The centre pixel of a cell.
inline QPoint cellCentre(int g, int c, int r) {
    return {gridLeft(g) + 33 * (c - 1) + 16, gridTop(g) + 33 * (r - 1) + 16};
}

// The centre of palette square v for a palette opened on cell (g, c, r).
inline QPoint squareCentre(int g, int c, int r, int v) {
    const int px = gridLeft(g) + 33 * (c - 1) - 10, py = gridTop(g) + 33 * (r - 1) - 10;
    return {px + 18 * ((v - 1) % 3) + 9, py + 18 * ((v - 1) / 3) + 9};
}

inline const QPoint kAbbruchButton{650, 740};

// A test world with the pointer actions of the play tests: clicks on cells and on Abbruch.
struct PointerWorld : TestWorld {
    void click(int gr, int c, int r) {
        const QPoint p = cellCentre(gr, c, r);
        platform.leftClick(p.x(), p.y());
    }
    void rightClick(int gr, int c, int r) {
        const QPoint p = cellCentre(gr, c, r);
        platform.rightClick(p.x(), p.y());
    }
    void abbruch() { platform.leftClick(kAbbruchButton.x(), kAbbruchButton.y()); }
};

// A solved board with a few open cells, in digit display, clock stopped.
struct OpenCellsWorld : PointerWorld {
    OpenCellsWorld() {
        fillSolvedBoard(g().state.board);
        for (auto [gr, c, r] : kOpen) openCell(g().state.board, gr, c, r);
    }
    static constexpr int kOpen[][3] = {{0, 1, 1}, {0, 8, 8}, {1, 5, 5}, {2, 5, 5}, {4, 9, 9}};
};

} // namespace play_test
