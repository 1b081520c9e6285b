// The play loop, the pointer-to-cell mapping and the main window's mouse-move handler.
#pragma once

struct Game;

void playLoop(Game& g);
// A left or right press on cell (activeGrid, column, row): the palette, the note palette or
// emptying the cell, as the play loop does for a click (also used by the cell cursor).
void playCell(Game& g, bool rightButton, int column, int row);
void Win_0_MouseMove(Game& g, int button, int shift, float x, float y);
// Maps (pointerX, pointerY) to a cell: grids tested 0..4, first hit wins; sets activeGrid.
bool mapPointerToCell(Game& g, int& column, int& row);
// The status strip of a running game loop: its keys (the cursor's letters in letter
// display), and the note of a solved board or of a game that is not timed.
void updateGameStrip(Game& g);
