// The player's results: "Statistik.txt" read at start and merged into under a lock after
// each change, the games started and solved per level, the best times of the generated
// levels (name asked in champ) and the window "Statistik" (menu 51).
#pragma once

#include <QString>

struct Game;

QString statisticsFileName();

// The results level of the game set up now: its generated level, else its difficulty.
int currentResultLevel(const Game& g);

void loadStatistics(Game& g);
// Merges this game's results into the file; false (after a message) when nothing was written.
bool saveStatistics(Game& g);
// The game just set up from a fresh puzzle (Neues Spiel, Spieldruck, a generated game)
// counts for its level: started, no hint yet.
void recordGameStarted(Game& g);
// Called after every step of a game loop: a board the player has just solved counts once
// (its time when the clock finished it); a timed generated game may enter its best times.
void noteGameResult(Game& g);
// A game the player no longer solves alone (the solver finished it, another board came).
void stopCountingGame(Game& g);
void showStatistics(Game& g);
