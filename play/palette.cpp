// Placeholder definitions; each is replaced by the real procedure as its subsystem lands.
#include "play/palette.h"

#include "app/game.h"

void drawValuePalette(Game&, int, int) {}
void runValuePalette(Game&, int, int) {}
void paletteHover(Game&, int, int) {}
