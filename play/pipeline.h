// The one event pipeline of the game loops (the play loop and the own-board editor): they
// differ only in their command tables (play/commands.h).
#pragma once

#include "play/commands.h"

struct Event;
struct Game;

// The event pipeline of the play loop and the own-board editor: every event goes through the
// same steps (the hint on screen goes, undo and redo, pause where the table allows it, one
// step of the history around the rest, the cell cursor) and then through the table of the
// loop's mode; then what the event changed is drawn (play/changes.h). Leave when the loop is
// to end.
Outcome processEvent(Game& g, const Event& e, const CommandTable& table);
// The loop itself: the status strip, the next event, processEvent, until a command leaves.
void runCommandLoop(Game& g, const CommandTable& table);
// The status strip of the running game loop of `table`: its keys as the tables name them (the
// cursor's letters in letter display), and the note of a solved board or of a game that is
// not timed.
void updateGameStrip(Game& g, const CommandTable& table);
