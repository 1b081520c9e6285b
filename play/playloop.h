// The play loop, the pointer-to-cell mapping and the event pipeline of the game loops.
#pragma once

#include "play/commands.h"

#include <QString>

#include <vector>

struct Event;
struct Game;

void playLoop(Game& g);
// A left or right press on cell (activeGrid, column, row): the palette, the note palette or
// emptying the cell, as the play loop does for a click (also used by the cell cursor).
void playCell(Game& g, bool rightButton, int column, int row);
// Maps (pointerX, pointerY) to a cell: grids tested 0..4, first hit wins; sets activeGrid.
bool mapPointerToCell(Game& g, int& column, int& row);
// The play loop's commands: its keys with their descriptions, buttons and cell clicks.
const CommandTable& playCommands();

// The event pipeline of the play loop and the own-board editor: every event goes through the
// same steps (the hint on screen goes, undo and redo, pause where the table allows it, one
// step of the history around the rest, the cell cursor) and then through the table of the
// loop's mode. Leave when the loop is to end.
Outcome processEvent(Game& g, const Event& e, const CommandTable& table);
// The loop itself: the status strip, the next event, processEvent, until a command leaves.
void runCommandLoop(Game& g, const CommandTable& table);
// The status strip of a running game loop: its keys (the cursor's letters in letter
// display), and the note of a solved board or of a game that is not timed.
void updateGameStrip(Game& g);

// The list of keyboard shortcuts: every key of the play loop, the own-board editor, the
// cell cursor, undo and pause, grouped, read from the tables the loops act on. Shown by
// the menu command "&Tastenkürzel" and by F1 in a game.
struct KeyListEntry {
    QString keys;
    QString description;
};

struct KeyListGroup {
    QString title;
    std::vector<KeyListEntry> entries;
};

// The shown name of a key code of the loops' key events ("Esc", "F1", letters as themselves).
QString keyName(int code);
// The groups of the list, in the chosen language.
std::vector<KeyListGroup> keyList();
// The list as one HTML page, a table per group.
QString keyListHtml();
// Opens (or raises) the window of the list beside the game; the game goes on meanwhile.
void showKeyList(Game& g);
