// The value palette: a 3x3 pop-up over the clicked cell for values and notes.
#pragma once

struct Game;

void drawValuePalette(Game& g, int column, int row);
// Applies a choice for cell (activeGrid, column, row): enters value v (noteMode false; only
// stored in the editor) or toggles note v (noteMode true). The palette's background is put
// back first when it is open. Entry at the cell cursor takes the same path.
void chooseValue(Game& g, int column, int row, int v);
void runValuePalette(Game& g, int column, int row);
// The hover rule, applied by Win_0_MouseMove while paletteTracking.
void paletteHover(Game& g, int x, int y);
