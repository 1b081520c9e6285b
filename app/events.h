// Taking one window event inside the game's own loops: the event is fetched and its
// window handlers run (pointer moves reach Win_0_MouseMove, a close request Win_0_Close).
#pragma once

#include "platform/platform.h"

struct Game;

Event takeEvent(Game& g);
