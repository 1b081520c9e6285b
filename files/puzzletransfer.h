// Puzzles in and out as text: "Rätsel e&infügen" reads a samurai from the clipboard or a
// text file and checks it (the menu handler then starts it as an own board); "Rätsel
// &kopieren" puts the givens of the board in play on the clipboard in the 21-line form.
#pragma once

#include "engine/board.h"

#include <QString>

#include <optional>

struct Game;
struct PuzzleTextError;

// A puzzle read and checked: its givens (both copies of every shared cell) and its only
// completion.
struct PastedPuzzle {
    BoardArray givens;
    BoardArray solution;
};

// Menu 23: the clipboard's puzzle, or (when the clipboard holds none) one from a text file
// the player chooses, checked off the user-interface thread. A text that is no puzzle is
// reported in German with its place: none then, and the board is untouched.
std::optional<PastedPuzzle> readPastedPuzzle(Game& g);
// Menu 28: the board's givens on the clipboard; an empty board is reported instead.
void copyPuzzleCommand(Game& g);

// Why a text is no puzzle, in German, its place named; `source` says where the text came
// from ("Die Zwischenablage", "Die Datei „x“").
QString puzzleTextMessage(const PuzzleTextError& error, const QString& source);
