// Taking one window event inside the game's own loops and running its window handlers:
// pointer moves, and the close request with its quit question.
#include "play/events.h"

#include "session/game.h"
#include "session/modal.h"
#include "files/resume.h"
#include "play/highlight.h"
#include "play/palette.h"

#include <cmath>

Event takeEvent(Game& g) {
    // Whatever the last event changed on the board, the highlights follow it before the
    // player sees the screen again.
    refreshHighlight(g);
    Event e = g.platform.nextEvent();
    switch (e.kind) {
    case Event::Kind::PointerMove:
        Win_0_MouseMove(g, 0, 0, static_cast<float>(e.x), static_cast<float>(e.y));
        break;
    case Event::Kind::LeftPress:
    case Event::Kind::RightPress:
        // A press carries its position too, so the pointer is current even without a move.
        // It is no move: the palette's hover rule does not run, so a click that did not
        // move the pointer chooses the value the palette shows highlighted.
        g.ui.pointerX = e.x;
        g.ui.pointerY = e.y;
        break;
    case Event::Kind::Char:
        // An Esc pressed in a game loop is a key of its own: its release may end the game,
        // whatever an earlier Esc that closed a dialog or the palette left behind.
        if (e.code == kKeyEsc && !g.ui.palette.paletteTracking) clearEscapeConsumed(g);
        break;
    case Event::Kind::KeyRelease:
        // The release of a key the palette took as its value ends that entry, nothing more.
        if (g.ui.palette.paletteKeyRelease != 0 && e.code == g.ui.palette.paletteKeyRelease) {
            g.ui.palette.paletteKeyRelease = 0;
            e.kind = Event::Kind::None;
        } else if (e.code == kKeyEsc && escapeConsumed(g) && !g.ui.palette.paletteTracking) {
            // The release of the Esc that closed a dialog (the quit question, the hall of
            // fame): it ends nothing, and it is the only one swallowed.
            clearEscapeConsumed(g);
            e.kind = Event::Kind::None;
        }
        break;
    case Event::Kind::CloseRequest:
        Win_0_Close(g);
        break;
    default:
        break;
    }
    return e;
}

void Win_0_MouseMove(Game& g, int /*button*/, int /*shift*/, float x, float y) {
    const int px = static_cast<int>(std::lrint(x));
    const int py = static_cast<int>(std::lrint(y));
    if (g.ui.palette.paletteTracking) paletteHover(g, px, py);
    g.ui.pointerX = px;
    g.ui.pointerY = py;
}

void quitGame(Game& g) {
    const int answer = g.platform.messageBox(MenuTexts::tr("Spiel beenden?"),
                                             MenuTexts::tr("&JA|&NEIN"), 2, MessageIcon::Question);
    if (answer == 2) return;
    keepGameInProgress(g); // the game in progress is offered again at the next start
    // The top-level handlers end the program with status 0; unwinding from here leaves
    // any running game loop on the way.
    throw QuitRequested{};
}

void Win_0_Close(Game& g) {
    quitGame(g);
    consumeEscape(g);
}

bool mapPointerToCell(Game& g, int& column, int& row) {
    Board& b = g.state.board;
    for (int grid = 0; grid < 5; ++grid) {
        const int left = gridLeft(grid), top = gridTop(grid);
        if (g.ui.pointerX >= left && g.ui.pointerX < left + 9 * cellWidth() &&
            g.ui.pointerY >= top && g.ui.pointerY < top + 9 * cellHeight()) {
            column = (g.ui.pointerX - left) / cellWidth() + 1;
            row = (g.ui.pointerY - top) / cellHeight() + 1;
            b.activeGrid = static_cast<std::int16_t>(grid);
            return true;
        }
    }
    return false;
}
