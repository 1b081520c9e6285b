// The play loop and its commands.
// The loop runs on the pipeline of play/pipeline.h.
#pragma once

#include "play/commands.h"

struct Event;
struct Game;

void playLoop(Game& g);
// A left or right press on cell (activeGrid, column, row): the palette, the note palette or
// emptying the cell, as the play loop does for a click (also used by the cell cursor).
void playCell(Game& g, bool rightButton, int column, int row);
// playCommands(), the play loop's table, is declared with the tables in play/commands.h.
