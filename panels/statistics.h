// The statistics panel ("STATISTIK:") and the status panel ("STATUSMELDUNG:").
#pragma once

#include "engine/board.h"

#include <QString>

struct Game;

// The status panel's text of a verdict, with the trailing blanks that cover a longer one.
QString statusText(Verdict verdict);

void drawStatisticsPanel(Game& g);
void updateDigitCounts(Game& g);
void drawStatusPanel(Game& g);
void updateStatusMessage(Game& g);
