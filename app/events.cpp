// Placeholder definitions; each is replaced by the real procedure as its subsystem lands.
#include "app/events.h"

#include "app/game.h"

Event takeEvent(Game&) {
    return {};
}
