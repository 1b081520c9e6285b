// Placeholder definitions; each is replaced by the real procedure as its subsystem lands.
#include "engine/shuffle.h"

void swapRows(Board&, int, int, int) {}
void swapColumns(Board&, int, int, int) {}
void swapStacks(Board&, int, int, int) {}
void swapBands(Board&, int, int, int) {}
void relabelDigits(Board&, Random&) {}
void flipVertical(Board&) {}
void flipHorizontal(Board&) {}
void rotateBoard(Board&) {}
void shuffleBoard(Board&, Random&) {}
