// The hall of fame: loading and saving "Champions.Rhm", ranking a finished game, the name
// dialog champ and the hall-of-fame window ruhm.
#pragma once

struct Game;

void loadHallOfFame(Game& g);
void saveHallOfFame(Game& g);
void enterHallOfFame(Game& g);
void askChampionName(Game& g);
void showHallOfFame(Game& g);
