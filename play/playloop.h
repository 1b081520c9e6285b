// The play loop and its commands, and the list of keyboard shortcuts of every game loop.
// The loop runs on the pipeline of play/pipeline.h.
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
// The play loop's commands: its keys with their descriptions, buttons and cell clicks.
const CommandTable& playCommands();

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
