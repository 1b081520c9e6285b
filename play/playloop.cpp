// Placeholder definitions; each is replaced by the real procedure as its subsystem lands.
#include "play/playloop.h"

#include "app/game.h"

void playLoop(Game&) {}
void Win_0_MouseMove(Game&, int, int, float, float) {}
bool mapPointerToCell(Game&, int&, int&) {
    return false;
}
