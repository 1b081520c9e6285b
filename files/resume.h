// The game in progress kept across a restart: the file "spielstand.qnt" in the working
// directory, written while a game is played and when the program is left, offered back
// at start with "Letztes Spiel fortsetzen?".
#pragma once

#include <QString>

struct Game;

// The game-in-progress file, beside the player's other files.
QString gameInProgressFileName();

// After each handled event of a game: writes the game when the board changed and at least
// a second has passed since the last write; removes the file once the board is solved or
// empty. Cheap when nothing changed.
void noteGameChanged(Game& g);
// Writes the game in progress now (on leaving the program), or removes the file when the
// board holds no game. A failure is reported in German.
void keepGameInProgress(Game& g);
// Removes the file (the board was cleared).
void forgetGameInProgress(Game& g);

// At start: when the file holds a game, asks "Letztes Spiel fortsetzen?". JA puts the game
// back (board, difficulty, errors, display settings; a timed game's clock continues from
// its time played) and returns true; NEIN removes the file. A damaged, foreign or newer
// file is reported, kept aside as a backup and left alone otherwise.
bool offerResume(Game& g);
// The start-up command: offerResume, and on JA the play loop with the game put back.
void resumeGame(Game& g);
