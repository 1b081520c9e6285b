// Placeholder definitions; each is replaced by the real procedure as its subsystem lands.
#include "panels/statistics.h"

#include "app/game.h"

void drawStatisticsPanel(Game&) {}
void updateDigitCounts(Game&) {}
void drawStatusPanel(Game&) {}
void updateStatusMessage(Game&) {}
