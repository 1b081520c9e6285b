// Board builders for the engine tests and benchmarks: solved boards by construction,
// shuffled and thinned out into puzzles the logical solver still completes.
#pragma once

#include "engine/board.h"
#include "engine/random.h"
#include "engine/shuffle.h"
#include "engine/solver.h"

#include <algorithm>
#include <array>
#include <vector>

namespace puzzles {

// First field column and row (counted from 1) of each grid.
inline constexpr std::array<int, 5> kGridX{1, 13, 7, 1, 13};
inline constexpr std::array<int, 5> kGridY{1, 1, 7, 13, 13};

struct GridCell {
    int grid, column, row;
};

// The grid cells that show field cell (X, Y), X and Y 1..21: none, one, or two for a shared cell.
inline std::vector<GridCell> cellsAt(int X, int Y) {
    std::vector<GridCell> cells;
    for (int g = 0; g <= 4; ++g) {
        const int c = X - kGridX[g] + 1, r = Y - kGridY[g] + 1;
        if (c >= 1 && c <= 9 && r >= 1 && r <= 9) cells.push_back({g, c, r});
    }
    return cells;
}

// The 369 field cells of the board, in row-major order of the field.
inline std::vector<std::pair<int, int>> fieldCells() {
    std::vector<std::pair<int, int>> cells;
    for (int Y = 1; Y <= 21; ++Y)
        for (int X = 1; X <= 21; ++X)
            if (!cellsAt(X, Y).empty()) cells.push_back({X, Y});
    return cells;
}

// Writes a value into every copy of a field cell; as a given too when asked.
inline void setField(Board& b, int X, int Y, int value, bool given) {
    for (const GridCell& cell : cellsAt(X, Y)) {
        b.cellValue(cell.grid, cell.column, cell.row) = static_cast<std::uint8_t>(value);
        b.givenValue(cell.grid, cell.column, cell.row) =
            static_cast<std::uint8_t>(given ? value : 0);
    }
}

inline int fieldValue(const Board& b, int X, int Y) {
    const GridCell cell = cellsAt(X, Y).front();
    return b.cellValue(cell.grid, cell.column, cell.row);
}

// A solved board by construction: v(X, Y) = (3 (Y mod 3) + Y div 3 + X) mod 9 + 1 over
// field coordinates counted from 0. Every value is a given.
inline Board solvedBoard() {
    Board b;
    for (auto [X, Y] : fieldCells()) {
        const int x = X - 1, y = Y - 1;
        setField(b, X, Y, (3 * (y % 3) + y / 3 + x) % 9 + 1, true);
    }
    return b;
}

// The shuffle's transformations on a solved board, without the closing solve.
inline Board shuffledSolvedBoard(Random& random, bool symmetric = true) {
    Board b = solvedBoard();
    b.options.symmetricPuzzle = symmetric;
    shuffleBoard(b, random);
    return b;
}

// True when the logical solver completes the board.
inline bool solverCompletes(Board b) {
    computeSolution(b);
    return !b.status.notSolvable;
}

// Removes givens from a solved board in random order (in half-turn pairs when symmetric)
// as long as the solver still completes it, until at most minGivens field cells are left
// or no more can go. The result is a puzzle whose solutionValue is the original board.
inline Board thinOut(Board solved, Random& random, bool symmetric, int minGivens = 0) {
    std::vector<std::pair<int, int>> order = fieldCells();
    for (std::size_t i = order.size(); i > 1; --i)
        std::swap(order[i - 1],
                  order[static_cast<std::size_t>(random.RANDOM(static_cast<int>(i)))]);
    Board b = solved;
    int givens = static_cast<int>(order.size());
    for (auto [X, Y] : order) {
        if (givens <= minGivens) break;
        if (fieldValue(b, X, Y) == 0) continue;
        Board trial = b;
        setField(trial, X, Y, 0, false);
        int removed = 1;
        if (symmetric && (X != 11 || Y != 11) && fieldValue(trial, 22 - X, 22 - Y) != 0) {
            setField(trial, 22 - X, 22 - Y, 0, false);
            removed = 2;
        }
        if (solverCompletes(trial)) {
            b = trial;
            givens -= removed;
        }
    }
    computeSolution(b);
    return b;
}

// A board from a picture of the field: 21 rows of 21 characters, a digit for a given,
// '.' for an empty cell, anything for the places outside the five grids.
inline Board boardFromPicture(const std::array<const char*, 21>& rows) {
    Board b;
    for (auto [X, Y] : fieldCells()) {
        const char ch = rows[static_cast<std::size_t>(Y - 1)][X - 1];
        if (ch >= '1' && ch <= '9') setField(b, X, Y, ch - '0', true);
    }
    return b;
}

// A puzzle the two rules complete, but only in 17 passes.
inline Board seventeenPassPuzzle() {
    return boardFromPicture({
        "8......7.   ........5", "...2.59.6   ..5196...", "...3.....   34..2.6..",
        ".....45..   ....5.216", "358.2.7..   12.4.9...", "........2   .....2...",
        "..24..8.7.6..........", "1...7..........2651.9", "...6..4.1.8.6...41..3",
        "      2.8..1.4.      ", "      .........      ", "      .74..59..      ",
        "97..3.1........6.2.7.", "2......83....9...3...", "...1.6......1.6479...",
        "7.3...4.1   ..29.1.8.", "14.......   .......49", "..2...83.   4...875..",
        "...9...74   ..1....25", ".9...72..   3.....6..", "437..5.16   .85....3.",
    });
}

// Number of givens in single-copy form (each field cell counted once).
inline int countGivens(const Board& b) {
    int n = 0;
    for (auto [X, Y] : fieldCells()) {
        const GridCell cell = cellsAt(X, Y).front();
        if (b.givenValue(cell.grid, cell.column, cell.row) != 0) ++n;
    }
    return n;
}

} // namespace puzzles
