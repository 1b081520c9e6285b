// The list of keyboard shortcuts: every key of the play loop, the own-board editor, the
// cell cursor, undo and pause, grouped, read from the tables the loops act on. Shown by
// the menu command "&Tastenkürzel" and by F1 in a game. It reads the loops' tables through
// play/commands.h, so the loops can open it without including each other.
#pragma once

#include <QString>

#include <vector>

struct CommandTable;
struct Game;

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
// The keys the status strip names while the loop of `table` runs, in the chosen language:
// the strip names of the cursor's, undo's and (where the table pauses) pause's rows, then
// those of the table's keys, as "name: word" two blanks apart.
QString stripKeys(const CommandTable& table);
// The list as one HTML page, a table per group.
QString keyListHtml();
// Opens (or raises) the window of the list beside the game; the game goes on meanwhile.
void showKeyList(Game& g);
