// The menu bar and command dispatch: the menu item table, check marks, the menu handler
// with its common head and tail, the quit question and the close handler.
#pragma once

#include <QString>

#include <functional>
#include <vector>

class QAction;
class QMenuBar;
class QWidget;
struct Game;

// The command numbers of the menu item table, by name.
enum class MenuId {
    None = 0, // an entry without a number: does nothing
    About = 1,
    NewGame = 8,
    GeneratedGame = 9, // "&Rätsel erzeugen ...": a generated puzzle of a chosen level
    StartGame = 10,    // "&Spielstart": resume the board as it stands, untimed
    OwnBoard = 11,
    PrintedGame = 12,
    PrintBooklet = 13, // "Rätsel&heft drucken ...": generated puzzles and their solutions
    LoadBoard = 20,
    SaveBoard = 21,
    PastePuzzle = 23, // "Rätsel e&infügen": a puzzle from the clipboard or a text file
    SolveBoard = 22,
    ShuffleBoard = 24,
    Restart = 25,
    ClearBoard = 26,
    PrintBoard = 27,
    CopyPuzzle = 28, // "Rätsel &kopieren": the givens on the clipboard as text
    Leicht = 30,
    Mittel = 31,
    Schwer = 32,
    Extrem = 33,
    Digits = 40,
    Letters = 41,
    ShowCandidates = 44,
    Symmetry = 45,
    HallOfFame = 50,
    Statistics = 51, // "S&tatistik": the results per level and the generated best times
    Manual = 60,
    KeyList = 61, // "&Tastenkürzel": the list of keyboard shortcuts
    Deutsch = 70, // the interface language: app/language.*
    English = 71,
    // Run once by start-up when a game in progress was kept at the last exit: offers that
    // game again. No menu item carries it.
    ResumeGame = 90,
    Quit = 99,
};
constexpr int menuNumber(MenuId id) {
    return static_cast<int>(id);
}

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
void Win_0_Close(Game& g);
// Asks "Spiel beenden?"; on "&JA" keeps the game in progress and throws QuitRequested.
void quitGame(Game& g);
