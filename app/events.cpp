// Taking one window event inside the game's own loops and running its window handlers.
#include "app/events.h"

#include "app/game.h"
#include "app/menu.h"
#include "play/playloop.h"

Event takeEvent(Game& g) {
    Event e = g.platform.nextEvent();
    switch (e.kind) {
    case Event::Kind::PointerMove:
    case Event::Kind::LeftPress:
    case Event::Kind::RightPress:
        // A press carries its position too, so the pointer is current even without a move.
        Win_0_MouseMove(g, 0, 0, static_cast<float>(e.x), static_cast<float>(e.y));
        break;
    case Event::Kind::CloseRequest:
        Win_0_Close(g);
        break;
    default:
        break;
    }
    return e;
}
