// Placeholder definitions; each is replaced by the real procedure as its subsystem lands.
#include "play/buttons.h"

#include "app/game.h"

void drawButton(Game&, int, int, int, const QString&) {}
void drawHotKeyLetter(Game&, int, int, QChar) {}
void drawAllButtons(Game&) {}
int buttonAt(int, int) {
    return 0;
}
const ButtonSpec kButtons[6] = {};
