// The Game object's lifetime: the clock ticker never outlives it.
#include "app/game.h"

Game::~Game() {
    clock.clockRunning = false;
    if (clock.ticker.joinable()) clock.ticker.join();
}
