// The menu bar and command dispatch: the menu item table, check marks, the menu handler
// with its common head and tail (the quit question and the close box: play/events.h).
#pragma once

#include "session/menuid.h"

#include <QString>

#include <functional>
#include <vector>

class QAction;
class QMenuBar;
class QWidget;
struct Game;

// One parsed menu entry.
struct MenuItem {
    enum class Kind { Command, Separator, SubMenu } kind = Kind::Command;
    int id = 0;
    QString text;                // with its "&" access key
    std::vector<MenuItem> items; // of a drop-down or nested drop-down
};

// The menu item table, entry by entry, in German (the source of its translations).
const std::vector<QString>& menuItemTable();
// The same table in the language of the installed translators: what the menu bar shows.
std::vector<QString> translatedMenuItemTable();
// Parses a menu item table by its grammar into the drop-down titles and their items.
// Returns false on a malformed table (nothing is kept then).
bool parseMenuTable(const std::vector<QString>& table, std::vector<MenuItem>& bar);

// Builds the Qt menu bar of a parsed table; onCommand receives every command item's id and
// action (the window connects them and keeps them for the check marks).
QMenuBar* buildMenuBar(const std::vector<MenuItem>& bar, QWidget* parent,
                       const std::function<void(int id, QAction* action)>& onCommand);

void updateMenuChecks(Game& g);
void Win_0_MenuEvent(Game& g, int id);
// The start-up command (MenuId::ResumeGame): offerResume, and on JA the play loop with the
// game put back.
void resumeGame(Game& g);
