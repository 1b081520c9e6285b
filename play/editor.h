// The own-board editor: every value chosen becomes a given.
#pragma once

struct Game;

void boardEditor(Game& g);
