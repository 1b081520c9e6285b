// Placeholder definitions; each is replaced by the real procedure as its subsystem lands.
#include "play/render.h"

#include "app/game.h"

void drawBoard(Game&) {}
void drawGivenValue(Game&, int, int, int) {}
void drawCellValue(Game&, int, int, int) {}
void syncSharedNotes(Game&) {}
void computeCandidates(Game&) {}
void intersectSharedCandidates(Game&) {}
void drawCandidates(Game&) {}
void solveBoard(Game&) {}
void solveCommand(Game&) {}
