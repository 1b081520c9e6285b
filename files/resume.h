// The game in progress kept across a restart: the file "spielstand.qnt" in the working
// directory, written while a game is played and when the program is left, offered back
// at start with "Letztes Spiel fortsetzen?".
#pragma once

#include <QString>

struct Game;

// The game-in-progress file, beside the player's other files.
QString gameInProgressFileName();

// After each handled event of a game and at the end of every menu command: writes the
// game when the board or its timing changed, at once or, within a second of the last
// write, once that second is over (a later call); removes the file once the board is
// solved or empty. Cheap when nothing changed.
void noteGameChanged(Game& g);
// Writes the game in progress now (on leaving the program), or removes the file when the
// board holds no game. A failure is reported in German.
void keepGameInProgress(Game& g);
// The program is ended from outside (logout, kill): writes the game as it stands, timing
// included, when the file is this game's; no message.
void keepGameInProgressAtExit(Game& g);
// Removes the file (the board was cleared).
void forgetGameInProgress(Game& g);
// Makes the folder's game in progress this game's for its whole run (a lock beside the
// file), at start and before the first write. When another running game holds it, says so
// in German, and this game plays without a file in progress: false. Also false when the
// file is one this game must leave alone.
bool claimGameInProgress(Game& g);
// Gives the folder's game in progress free for another game (the program ends).
void releaseGameInProgress(Game& g);

// At start: when the file holds a game, asks "Letztes Spiel fortsetzen?". JA puts the game
// back (board, difficulty, errors, display settings; a timed game's clock continues from
// its time played) and returns true; NEIN removes the file; Esc or the close box leave it
// for the next start, untouched by this run. A damaged, foreign or newer file is
// reported and kept aside as a backup, or left exactly as it is when no backup name is
// free.
bool offerResume(Game& g);
