// The hall of fame: loading and saving "Champions.Rhm", ranking a finished game, the name
// dialog champ and the hall-of-fame window ruhm.
#pragma once

#include <QString>

struct Game;

void loadHallOfFame(Game& g);
void saveHallOfFame(Game& g);
void enterHallOfFame(Game& g);
void askChampionName(Game& g);
// The name dialog champ with its own title and prompt, for another list (the generated
// levels' best times); the answer lands where askChampionName leaves it.
void askChampionName(Game& g, const QString& title, const QString& prompt);
void showHallOfFame(Game& g);
