// Placeholder definitions; each is replaced by the real procedure as its subsystem lands.
#include "halloffame/halloffame.h"

#include "app/game.h"

void loadHallOfFame(Game&) {}
void saveHallOfFame(Game&) {}
void enterHallOfFame(Game&) {}
void askChampionName(Game&) {}
void showHallOfFame(Game&) {}
