// Board rendering: cell values, givens, notes and automatic candidates (the visible
// solver: play/solve.h).
#pragma once

#include "engine/solver.h"

#include <array>
#include <vector>

struct Game;

// Width in pixels of an outline mark (play/highlight.h), inside the cell's lines.
constexpr int kCellOutlineWidth = 2;

// The drawing procedures read the board and change nothing but the picture.
void drawBoard(Game& g);
// A given in black (0: the cell erased).
void drawGivenValue(Game& g, int column, int row, int value);
// An entry as it stands: blue, or red when its stored cellValue differs from a known
// solution (0: the cell erased).
void drawCellValue(Game& g, int column, int row, int value);
// The commands on one cell (activeGrid, column, row). Entering a value (0: emptying), by the
// player or the visible solver: stored, counted in errorCount when it differs from a known
// solution (the third wrong entry stops the clock), copied to the other copy of a shared
// box, drawn. Returns what changed.
CellEntry enterCellValue(Game& g, int column, int row, int value);
// The editor's given (0: none): recorded in givenValue and drawn black.
void enterGivenValue(Game& g, int column, int row, int value);
void syncSharedNotes(Game& g);
void computeCandidates(Game& g);
void intersectSharedCandidates(Game& g);
void drawCandidates(Game& g);
// Redraws one cell (both copies of a shared cell) as a full board redraw would: background
// and marks, value or notes. No error is counted; the clock is not touched.
void redrawCell(Game& g, int grid, int column, int row);
// The same for many cells (grid, column, row) at once, with one font change per kind of text.
void redrawCells(Game& g, const std::vector<std::array<int, 3>>& cells);
