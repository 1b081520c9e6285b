// The value palette: a 3x3 pop-up over the clicked cell for values and notes: its drawing,
// the hover rule and the choices it applies (its loop: play/paletteloop.h).
#pragma once

struct Game;

void drawValuePalette(Game& g, int column, int row);
// Applies a choice for cell (activeGrid, column, row): enters value v (noteMode false; only
// stored in the editor) or toggles note v (noteMode true). The palette's background is put
// back first when it is open. Entry at the cell cursor takes the same path.
void chooseValue(Game& g, int column, int row, int v);
// A right press while the palette is open: removes the notes (note mode) or empties the
// cell (value mode; the editor keeps its value for its own given).
void clearPaletteCell(Game& g, int column, int row);
// The pointer is over the open palette.
bool insidePalette(const Game& g);
// The hover rule, applied by Win_0_MouseMove while paletteTracking.
void paletteHover(Game& g, int x, int y);
