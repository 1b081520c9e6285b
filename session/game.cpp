// The Game object's lifetime: the clock ticker never outlives it.
#include "session/game.h"

Game::~Game() {
    state.clock.clockRunning = false;
    if (state.clock.ticker.joinable()) state.clock.ticker.join();
}
