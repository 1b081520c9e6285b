// The play loop, the pointer-to-cell mapping and the main window's mouse-move handler.
#pragma once

struct Game;

void playLoop(Game& g);
void Win_0_MouseMove(Game& g, int button, int shift, float x, float y);
// Maps (pointerX, pointerY) to a cell: grids tested 0..4, first hit wins; sets activeGrid.
bool mapPointerToCell(Game& g, int& column, int& row);
