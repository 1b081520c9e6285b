// Board rendering: cell values, givens, notes and automatic candidates (the visible
// solver: play/solve.h).
#pragma once

#include "engine/solver.h"

#include <array>
#include <vector>

struct Game;

// Width in pixels of an outline mark (play/highlight.h), inside the cell's lines.
constexpr int kCellOutlineWidth = 2;

// The drawing procedures (draw*, redraw*) read the game and change nothing but the picture;
// the commands bring the board's derived state up to date first (settleBoard).
// The whole board as it stands: cells, notes, the counts and the status panel's text.
void drawBoard(Game& g);
// What a changed board implies, for the command that changed it: the digit counts, the
// verdict (an alert when the givens break a rule) and, where shown, the automatic
// candidates (the game is no longer timed).
void settleBoard(Game& g);
// A command's whole-board update: settleBoard, drawBoard, then the finish of a game just
// solved in time (finishSolvedGame: the clock stops at the final time; the event pipeline
// then counts the result, with the hall of fame for a best time).
void showBoard(Game& g);
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
// The automatic candidates where shown (stopping the clock with its note unless told not
// to), then the shared cells' notes intersected: the model part of computeCandidates.
void settleCandidates(Game& g, bool stopClock = true);
// settleCandidates, then the notes drawn.
void computeCandidates(Game& g);
void intersectSharedCandidates(Game& g);
void drawCandidates(Game& g);
// Redraws one cell (both copies of a shared cell) as a full board redraw would: background
// and marks, value or notes. No error is counted; the clock is not touched.
void redrawCell(Game& g, int grid, int column, int row);
// The same for many cells (grid, column, row) at once, with one font change per kind of text.
void redrawCells(Game& g, const std::vector<std::array<int, 3>>& cells);
