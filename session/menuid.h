// The command numbers of the menu item table: the menu bar dispatches them, and the
// parts below it (the game keys, start-up's resume offer) name them.
#pragma once

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
    ClassicColours = 72, // the screen's colours: app/colours.*
    DarkColours = 73,
    SystemColours = 74,
    // Run once by start-up when a game in progress was kept at the last exit: offers that
    // game again. No menu item carries it.
    ResumeGame = 90,
    Quit = 99,
};
constexpr int menuNumber(MenuId id) {
    return static_cast<int>(id);
}
