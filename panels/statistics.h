// The statistics panel ("STATISTIK:") and the status panel ("STATUSMELDUNG:").
#pragma once

struct Game;

void drawStatisticsPanel(Game& g);
void updateDigitCounts(Game& g);
void drawStatusPanel(Game& g);
void updateStatusMessage(Game& g);
