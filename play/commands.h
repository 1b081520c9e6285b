// The command tables of the game loops: what keys, buttons and clicks do in one mode of
// play (the play loop, the own-board editor). The loops run every event through the steps
// of processEvent (play/playloop.h) and then through their mode's table, so a new command
// is one entry here and a new feature of both loops is one step there.
#pragma once

#include <array>
#include <span>

struct Event;
struct Game;

// What a command leaves for the loop that ran it.
enum class Outcome { Stay, Leave };

// How the status strip names a key while its loop runs, as "name: word": the key's short
// name (nullptr: the name the list of keyboard shortcuts gives it) and a word for what it
// does (nullptr: the strip does not name the key). Both marked for translation in the
// context of the panels' texts: the strip shows PanelTexts::tr of each.
struct StripName {
    const char* keys = nullptr;
    const char* word = nullptr;
};

// A key release (letters as capitals, Esc 27) and what it does; description is the short
// German text a list of the keyboard shortcuts shows (empty: the key is not listed), marked
// for translation: the list shows PlayTexts::tr(description); strip, how the status strip
// names it.
struct KeyCommand {
    int key;
    const char* description;
    Outcome (*run)(Game& g);
    StripName strip = {};
};

// A row of the list of keyboard shortcuts for keys that the loops' shared steps handle
// (the cursor, undo, pause) rather than a mode's table: the keys' names as shown, what
// they do, and the key codes it covers (unused places 0), so that the list can be checked
// against what the step really acts on; strip, how the status strip names them.
struct KeyHelp {
    const char* keys;
    const char* description;
    bool ctrl;
    std::array<int, 12> codes;
    StripName strip = {};
};

// The commands of one mode of play.
struct CommandTable {
    std::span<const KeyCommand> keys;
    // A left press in the button band on button 0..5 (Laden .. Abbruch, play/buttons.h).
    std::array<Outcome (*)(Game& g), 6> buttons;
    // A left or right press anywhere but on a button: the table maps it to a cell.
    void (*click)(Game& g, bool rightButton);
    // The same press on cell (activeGrid, column, row), for the cell cursor's Return, Space
    // and clearing keys.
    void (*cell)(Game& g, bool rightButton, int column, int row);
    bool pause; // P and minimising the window pause the game
    // After each event a board just solved counts for its level. (The game in progress is
    // kept for a restart after each event of either loop.)
    bool recordsGame;
};

// The key command of `key` in the table, or nullptr.
inline const KeyCommand* findKeyCommand(const CommandTable& table, int key) {
    for (const KeyCommand& command : table.keys)
        if (command.key == key) return &command;
    return nullptr;
}

// The two loops' tables, defined beside their loops (play/playloop.cpp, play/editor.cpp) and
// read also by the list of keyboard shortcuts (play/keylist.h).
const CommandTable& playCommands();
const CommandTable& editorCommands();
