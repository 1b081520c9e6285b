// Puzzle shuffling: validity-preserving transformations of the whole field.
#pragma once

#include "engine/board.h"
#include "engine/random.h"

void swapRows(Board& b, int grid, int a, int c);
void swapColumns(Board& b, int grid, int a, int c);
void swapStacks(Board& b, int grid, int a, int c);
void swapBands(Board& b, int grid, int a, int c);
void relabelDigits(Board& b, Random& random);
void flipVertical(Board& b);
void flipHorizontal(Board& b);
void rotateBoard(Board& b);
// N = RANDOM(150) + 101 iterations of the symmetric or free path, then computeSolution.
void shuffleBoard(Board& b, Random& random);
