// The cell cursor: keyboard play over the 21 x 21 field in the play loop and the own-board
// editor. Arrows, Home and End move it; digits, 0, Delete, Backspace, Ctrl+digit, Return and
// Space act on its cell through the same paths as the value palette. Hidden until the first
// arrow key, hidden again by a mouse click (which moves its place to the clicked cell).
#pragma once

#include "play/commands.h"

#include <span>

struct Board;
struct Event;
struct Game;

// Acts on one event of a game loop; true when it was a cursor key (the loop then takes the
// next event). A mouse press hides the cursor and places it on the clicked cell, and is
// left to the loop (false).
bool cursorEvent(Game& g, const Event& e);
// The cursor's keys for the list of keyboard shortcuts.
std::span<const KeyHelp> cursorKeyHelp();
// Hides the cursor and erases its highlights; its place is kept for the next arrow key.
void hideCellCursor(Game& g);
// One step of an arrow key from field place (column, row) by (dColumn, dRow): to the next
// cell in that direction, skipping the gaps between grids; at the field's edge it stays.
void stepCursor(const Board& b, int& column, int& row, int dColumn, int dRow);
