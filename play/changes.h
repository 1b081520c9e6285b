// What a command changed, for the drawing after it. The commands of the game loops and the
// menu change the game and note here what they changed (noteChange, noteCellChange); the
// event pipeline and the menu handler draw it once the command is done (drawChanges), so a
// command never needs to know which panels show what it touched, and several changes of
// one event are drawn once.
#pragma once

#include <array>
#include <vector>

struct Game;

enum class Change : unsigned {
    // Anything on the board: settled and drawn whole (showBoard), counts and status included.
    Board = 1u << 0,
    // Cells the command has drawn itself: the digit counts and the status (updateDigitCounts).
    Counts = 1u << 1,
    // The givens: their count in the difficulty panel (updateDifficultyPanel).
    Givens = 1u << 2,
    // Digits or letters: the statistics panel with its labels (drawStatisticsPanel).
    ValueDisplay = 1u << 3,
};

// The changes noted since they were last drawn.
struct ChangeSet {
    unsigned kinds = 0;
    // Cells (grid, column, row) to redraw as a full redraw would, then the counts.
    std::vector<std::array<int, 3>> cells;

    bool has(Change change) const { return (kinds & static_cast<unsigned>(change)) != 0; }
    bool empty() const { return kinds == 0 && cells.empty(); }
};

void noteChange(Game& g, Change change);
// One cell whose value or notes changed without being drawn (both copies of a shared cell
// follow).
void noteCellChange(Game& g, int grid, int column, int row);
const ChangeSet& pendingChanges(const Game& g);
// Draws what the noted changes touched, settling the board's derived state where the change
// needs it, and forgets them. A command that goes on to show something over the board (a
// dialog, the palette, a printout, the solver at work) calls it first.
void drawChanges(Game& g);
