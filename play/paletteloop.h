// The value palette's loop: opens the palette over cell (activeGrid, column, row) and takes
// events until a choice closes it (play/palette.h draws it and applies the choice).
#pragma once

struct Game;

void runValuePalette(Game& g, int column, int row);
