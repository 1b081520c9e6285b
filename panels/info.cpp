// Placeholder definitions; each is replaced by the real procedure as its subsystem lands.
#include "panels/info.h"

#include "app/game.h"

void drawDifficultyPanel(Game&) {}
void updateDifficultyPanel(Game&) {}
void drawHelpPanel(Game&) {}
void showHelpText(Game&) {}
void drawClockPanel(Game&) {}
void updateClock(Game&) {}
void startClockTicker(Game&) {}
void joinClockTicker(Game&) {}
void clockTicker(Game&) {}
QString runningClockText(int, int, double) {
    return {};
}
std::string finalClockText(int, int, double) {
    return {};
}
