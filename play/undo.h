// Undo and redo in the game: each command of the play loop, the own-board editor and the
// menu runs inside one change of the board's history (engine/history.h); Ctrl+Z takes the
// last change back, Ctrl+Shift+Z and Ctrl+Y redo it, and the screen follows.
#pragma once

#include "play/commands.h"

#include <span>

struct Event;
struct Game;

// Opens a change for the command that runs while it lives and records it at its end.
class UndoStep {
  public:
    explicit UndoStep(Game& g);
    ~UndoStep();
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

  private:
    Game& g_;
};

// A new board (new game, load, leaving the editor) begins its own history.
void startNewHistory(Game& g);
// Records what a menu command changed before the game loop it leads into, so that the
// loop's own commands become steps of their own.
void closeOpenChange(Game& g);
// Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y: runs the undo or redo and returns true; any other
// event returns false.
bool undoRedoKey(Game& g, const Event& e);
// The undo and redo keys for the list of keyboard shortcuts.
std::span<const KeyHelp> undoKeyHelp();
// Takes back (puts again) one change and notes what it touched for the drawing after the
// command (play/changes.h); false when there is none.
bool undoChange(Game& g);
bool redoChange(Game& g);
