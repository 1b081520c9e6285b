// Cell marks (tints and outlines) and the cursor's highlights. Called by the cell cursor,
// before every event a game loop takes (takeEvent), and by features that mark cells.
#include "play/highlight.h"

#include "engine/board.h"
#include "play/render.h"

namespace {

// Tints the row, column and 3 x 3 box of cell (grid, column, row) within its grid.
void tintHouses(const Board& b, CellMarks& m, int grid, int column, int row) {
    const int boxColumn = (column - 1) / 3 * 3 + 1, boxRow = (row - 1) / 3 * 3 + 1;
    for (int i = 1; i <= 9; ++i) {
        m.tint[static_cast<size_t>(fieldIndex(b, grid, i, row))] = kHouseTint;
        m.tint[static_cast<size_t>(fieldIndex(b, grid, column, i))] = kHouseTint;
        m.tint[static_cast<size_t>(
            fieldIndex(b, grid, boxColumn + (i - 1) % 3, boxRow + (i - 1) / 3))] = kHouseTint;
    }
}

} // namespace

int fieldIndex(const Board&, int grid, int column, int row) {
    return fieldIndex(GridCell{grid, column, row});
}

bool fieldCell(const Board&, int fieldColumn, int fieldRow, int& grid, int& column, int& row) {
    GridCell cell;
    if (!gridCellAt(fieldColumn, fieldRow, cell)) return false;
    grid = cell.grid;
    column = cell.column;
    row = cell.row;
    return true;
}

void applyCellMarks(Game& g, const CellMarks& wanted) {
    CellMarks& drawn = g.draw.cellMarks;
    if (drawn == wanted) return;
    const Board& b = g.state.board;
    std::vector<std::array<int, 3>> changed;
    for (int i = 0; i < kFieldCells; ++i) {
        const auto k = static_cast<size_t>(i);
        if (drawn.tint[k] == wanted.tint[k] && drawn.outline[k] == wanted.outline[k]) continue;
        drawn.tint[k] = wanted.tint[k];
        drawn.outline[k] = wanted.outline[k];
        int grid = 0, column = 0, row = 0;
        if (fieldCell(b, i % kFieldSize, i / kFieldSize, grid, column, row))
            changed.push_back({grid, column, row});
    }
    CanvasBatch batch(g.canvas);
    redrawCells(g, changed);
}

void tintCell(Game& g, int grid, int column, int row, QRgb tint) {
    CellMarks wanted = g.draw.cellMarks;
    wanted.tint[static_cast<size_t>(fieldIndex(g.state.board, grid, column, row))] = tint;
    applyCellMarks(g, wanted);
}

void outlineCell(Game& g, int grid, int column, int row, QRgb outline) {
    CellMarks wanted = g.draw.cellMarks;
    wanted.outline[static_cast<size_t>(fieldIndex(g.state.board, grid, column, row))] = outline;
    applyCellMarks(g, wanted);
}

CellMarks wantedCellMarks(const Game& g) {
    const Board& b = g.state.board;
    CellMarks m;
    int grid = 0, column = 0, row = 0;
    if (g.ui.cursor.cursorShown &&
        fieldCell(b, g.ui.cursor.cursorColumn, g.ui.cursor.cursorRow, grid, column, row)) {
        tintHouses(b, m, grid, column, row);
        int otherGrid = 0, otherColumn = 0, otherRow = 0;
        if (otherCopy(grid, column, row, otherGrid, otherColumn, otherRow))
            tintHouses(b, m, otherGrid, otherColumn, otherRow);
        if (const int value = b.cellValue(grid, column, row); value != 0)
            for (int gr = 0; gr < 5; ++gr)
                for (int c = 1; c <= 9; ++c)
                    for (int r = 1; r <= 9; ++r)
                        if (b.cellValue(gr, c, r) == value)
                            m.tint[static_cast<size_t>(fieldIndex(b, gr, c, r))] = kSameValueTint;
        m.outline[static_cast<size_t>(fieldIndex(b, grid, column, row))] = kCursorOutline;
    }
    for (size_t i = 0; i < m.tint.size(); ++i) {
        if (g.draw.overlayMarks.tint[i] != 0) m.tint[i] = g.draw.overlayMarks.tint[i];
        if (g.draw.overlayMarks.outline[i] != 0) m.outline[i] = g.draw.overlayMarks.outline[i];
    }
    return m;
}

void refreshHighlight(Game& g) {
    static const CellMarks kNone{};
    if (!g.ui.cursor.cursorShown && g.draw.cellMarks == kNone && g.draw.overlayMarks == kNone)
        return;
    applyCellMarks(g, wantedCellMarks(g));
}
