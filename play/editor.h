// The own-board editor: every value chosen becomes a given.
#pragma once

struct CommandTable;
struct Game;

void boardEditor(Game& g);
// A left or right press on cell (activeGrid, column, row): the palette whose value becomes a
// given, or removing the given, as the editor does for a click (also used by the cell cursor).
void editorCell(Game& g, bool rightButton, int column, int row);
// The editor's commands: its keys with their descriptions, buttons and cell clicks.
const CommandTable& editorCommands();
