// The printout of the board on one page.
#pragma once

struct Game;

void printBoard(Game& g);
