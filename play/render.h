// Board rendering: cell values, givens, notes and automatic candidates; the visible solver.
#pragma once

struct Game;

void drawBoard(Game& g);
void drawGivenValue(Game& g, int column, int row, int value);
void drawCellValue(Game& g, int column, int row, int value);
void syncSharedNotes(Game& g);
void computeCandidates(Game& g);
void intersectSharedCandidates(Game& g);
void drawCandidates(Game& g);
// The visible solver and the solve command (restart from the givens after a dead end).
void solveBoard(Game& g);
void solveCommand(Game& g);
