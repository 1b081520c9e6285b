// Placeholder definitions; each is replaced by the real procedure as its subsystem lands.
#include "app/menu.h"

#include "app/game.h"

bool parseMenuTable(const std::vector<QString>&, std::vector<MenuItem>&) {
    return false;
}
void updateMenuChecks(Game&) {}
void Win_0_MenuEvent(Game&, int) {}
void Win_0_Close(Game&) {}
void quitGame(Game&) {}
const std::vector<QString>& menuItemTable() {
    static const std::vector<QString> table;
    return table;
}
