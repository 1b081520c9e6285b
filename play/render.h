// Board rendering: cell values, givens, notes and automatic candidates; the visible solver.
#pragma once

#include <array>
#include <vector>

struct Game;

void drawBoard(Game& g);
void drawGivenValue(Game& g, int column, int row, int value);
void drawCellValue(Game& g, int column, int row, int value);
void syncSharedNotes(Game& g);
void computeCandidates(Game& g);
void intersectSharedCandidates(Game& g);
void drawCandidates(Game& g);
// Redraws one cell (both copies of a shared cell) as a full board redraw would: background
// and marks, value or notes. No error is counted; the clock is not touched.
void redrawCell(Game& g, int grid, int column, int row);
// The same for many cells (grid, column, row) at once, with one font change per kind of text.
void redrawCells(Game& g, const std::vector<std::array<int, 3>>& cells);
// The visible solver and the solve command (restart from the givens after a dead end).
// explain: when the rules give up, a second message says why (no, one or several
// solutions).
void solveBoard(Game& g, bool explain = true);
void solveCommand(Game& g);
