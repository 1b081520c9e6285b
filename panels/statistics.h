// The statistics panel ("STATISTIK:") and the status panel ("STATUSMELDUNG:").
#pragma once

#include "engine/board.h"

#include <QString>

struct Game;

// The status panel's text of a verdict, with the trailing blanks that cover a longer one.
QString statusText(Verdict verdict);

// The panels as the board stands (draw* only read it).
void drawStatisticsPanel(Game& g);
void drawStatusPanel(Game& g);
void drawDigitCounts(Game& g);
// The verdict and the error count.
void drawStatusMessage(Game& g);

// For the commands: the digits counted and the board judged (an alert when the givens
// break a rule)...
void settleStatus(Game& g);
// ... and, once that is drawn, a game just solved in time finished: its clock stops at the
// final time (the result and the hall of fame follow from the event pipeline).
bool solvedGameToFinish(const Game& g);
void finishSolvedGame(Game& g);
// settleStatus, the counts and the status drawn, finishSolvedGame.
void updateDigitCounts(Game& g);
// The board judged, the status drawn, finishSolvedGame.
void updateStatusMessage(Game& g);
