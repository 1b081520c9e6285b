// The hall of fame's own parts of the game session: the table of "Champions.Rhm" and the
// player's results of "Statistik.txt", each as last loaded or saved. Created with the
// session on first use; reached only through these accessors.
#pragma once

#include "halloffame/statsfile.h"
#include "halloffame/table.h"

struct Game;

HallOfFame& hallOfFame(const Game& g);
StatisticsState& statisticsState(const Game& g);
