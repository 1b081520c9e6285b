// Taking one window event inside the game's own loops: the event is fetched and its
// window handlers run (pointer moves reach Win_0_MouseMove, a close request Win_0_Close).
// The main window runs the same handlers for the events it gets outside the loops.
#pragma once

#include "platform/platform.h"

struct Game;

Event takeEvent(Game& g);
// The main window's mouse-move handler: the palette's hover rule while it is open, and the
// pointer's place for the clicks that follow.
void Win_0_MouseMove(Game& g, int button, int shift, float x, float y);
// Maps (pointerX, pointerY) to a cell: grids tested 0..4, first hit wins; sets activeGrid.
bool mapPointerToCell(Game& g, int& column, int& row);
// Asks "Spiel beenden?"; on "&JA" keeps the game in progress and throws QuitRequested.
void quitGame(Game& g);
// The close box: the quit question; the Esc that may close it ends nothing else.
void Win_0_Close(Game& g);
