// The value palette: a 3x3 pop-up over the clicked cell for values and notes.
#pragma once

struct Game;

void drawValuePalette(Game& g, int column, int row);
void runValuePalette(Game& g, int column, int row);
// The hover rule, applied by Win_0_MouseMove while paletteTracking.
void paletteHover(Game& g, int x, int y);
