// The own-board editor: every value chosen becomes a given.
#pragma once

#include "play/commands.h"

struct Game;

void boardEditor(Game& g);
// A left or right press on cell (activeGrid, column, row): the palette whose value becomes a
// given, or removing the given, as the editor does for a click (also used by the cell cursor).
void editorCell(Game& g, bool rightButton, int column, int row);
// editorCommands(), the editor's table, is declared with the tables in play/commands.h.
