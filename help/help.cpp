// Placeholder definitions; each is replaced by the real procedure as its subsystem lands.
#include "help/help.h"

#include "app/game.h"

bool isHtmlHelpSystem(std::uint32_t) {
    return false;
}
void showHelpTopic(Game&, const QString&, const QString&) {}
void showClassicHelp(Game&, const QString&, const QString&) {}
void closeClassicHelp(Game&) {}
void showExplanationHelp(Game&) {}
void showAbout(Game&) {}
std::uint32_t platformVersion() {
    return 0;
}
