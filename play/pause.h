// Pause: P in the play loop, or the window being minimised, covers the board with a large
// "Pause" and holds the clock until any key or a click on the board. The paused time is
// not counted: resuming moves startTime forward by it. Called by the play loop.
#pragma once

#include "play/commands.h"

#include <span>

struct Event;
struct Game;

// Pauses on a P key release (without Ctrl or Alt) and on the window's minimise event;
// returns true when the event was one of them (the game has resumed by then).
bool pauseEvent(Game& g, const Event& e);
// The pause key for the list of keyboard shortcuts.
std::span<const KeyHelp> pauseKeyHelp();
// Covers the board, holds the clock and waits for any key release or a press on the
// board; then puts the board back and lets the clock go on from where it stood.
void pauseGame(Game& g);
