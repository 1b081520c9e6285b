// Placeholder definitions; each is replaced by the real procedure as its subsystem lands.
#include "app/screen.h"

#include "app/game.h"

void fillColourTable(Game&) {}
QFont numberedFont(Game&, int) {
    return {};
}
void selectFont(Game&, int) {}
void drawFrame3D(Game&, int, int, int, int, int, int) {}
void drawEmbossedText(Game&, int, int, int, int, const QString&) {}
void drawPanel(Game&, int, int, int, int, const QString&, int, int) {}
void drawEmptyGrid(Game&, int, int) {}
void drawMainScreen(Game&) {}
void captureBackgroundStrips(Game&) {}
void drawStartScreen(Game&) {}
