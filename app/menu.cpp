// The menu bar and command dispatch: the menu item table and its parser, the Qt menu bar
// built from it, the check marks, the menu handler Win_0_MenuEvent, the quit question and
// the close handler. Start-up builds the bar; the main window calls the handlers.
#include "app/menu.h"

#include "session/game.h"
#include "session/modal.h"
#include "app/colours.h"
#include "app/language.h"
#include "app/screen.h"
#include "app/settings.h"
#include "engine/shuffle.h"
#include "files/boardfile.h"
#include "files/puzzletransfer.h"
#include "files/resume.h"
#include "halloffame/halloffame.h"
#include "halloffame/statistics.h"
#include "help/guidance.h"
#include "help/help.h"
#include "panels/info.h"
#include "panels/statistics.h"
#include "session/backgroundsearch.h"
#include "play/buttons.h"
#include "play/changes.h"
#include "play/cursor.h"
#include "play/editor.h"
#include "play/events.h"
#include "play/generated.h"
#include "play/keylist.h"
#include "play/playloop.h"
#include "play/render.h"
#include "play/solve.h"
#include "play/undo.h"
#include "print/booklet.h"
#include "print/printout.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// The entries in German, the source of their translations. A translation keeps an entry's
// number and colon, so that the translated table parses to the same commands.
const char* const kMenuItemTable[] = {
    //: A menu entry: "number:text" is an item (keep the number and the colon), a text alone a
    //: drop-down's title, ">" a nested drop-down's; "&" marks the access key.
    QT_TRANSLATE_NOOP("MenuTexts", "&Quintor"),
    QT_TRANSLATE_NOOP("MenuTexts", "8:&Neues Spiel"),
    QT_TRANSLATE_NOOP("MenuTexts", "9:&Rätsel erzeugen ..."),
    "-",
    QT_TRANSLATE_NOOP("MenuTexts", "10:&Spielstart"),
    QT_TRANSLATE_NOOP("MenuTexts", "25:N&eustart"),
    "-",
    QT_TRANSLATE_NOOP("MenuTexts", "12:Spieldruck"),
    "-",
    QT_TRANSLATE_NOOP("MenuTexts", "99:&Beenden"),
    "",
    QT_TRANSLATE_NOOP("MenuTexts", "&Optionen"),
    QT_TRANSLATE_NOOP("MenuTexts", "20:&lade Brett"),
    QT_TRANSLATE_NOOP("MenuTexts", "21:&sichere Brett"),
    QT_TRANSLATE_NOOP("MenuTexts", "23:Rätsel e&infügen"),
    QT_TRANSLATE_NOOP("MenuTexts", "28:Rätsel &kopieren"),
    "-",
    QT_TRANSLATE_NOOP("MenuTexts", "22:&Brett lösen"),
    QT_TRANSLATE_NOOP("MenuTexts", "26:B&rett löschen"),
    QT_TRANSLATE_NOOP("MenuTexts", "27:Brett &drucken"),
    QT_TRANSLATE_NOOP("MenuTexts", "13:Rätsel&heft drucken ..."),
    QT_TRANSLATE_NOOP("MenuTexts", "24:Brett &mischen"),
    "-",
    QT_TRANSLATE_NOOP("MenuTexts", "11:&Eigenes Brett"),
    "-",
    QT_TRANSLATE_NOOP("MenuTexts", ">S&prache"),
    "70:Deutsch", // each language by its own name, never translated
    "71:English",
    "",
    QT_TRANSLATE_NOOP("MenuTexts", ">&Farben"),
    QT_TRANSLATE_NOOP("MenuTexts", "72:Klassisch"),
    QT_TRANSLATE_NOOP("MenuTexts", "73:Dunkel"),
    QT_TRANSLATE_NOOP("MenuTexts", "74:Wie das System"),
    "",
    "",
    QT_TRANSLATE_NOOP("MenuTexts", "Sch&wierigkeit"),
    QT_TRANSLATE_NOOP("MenuTexts", "30:&Leicht"),
    QT_TRANSLATE_NOOP("MenuTexts", "31:&Mittel"),
    QT_TRANSLATE_NOOP("MenuTexts", "32:&Schwer"),
    QT_TRANSLATE_NOOP("MenuTexts", "33:&Extrem"),
    "-",
    QT_TRANSLATE_NOOP("MenuTexts", "40:&Zahlen"),
    QT_TRANSLATE_NOOP("MenuTexts", "41:&Buchstaben"),
    "-",
    QT_TRANSLATE_NOOP("MenuTexts", "44:Zeige &Kandidaten"),
    "-",
    QT_TRANSLATE_NOOP("MenuTexts", "45:Rätsel-Symmetrie"),
    "-",
    QT_TRANSLATE_NOOP("MenuTexts", "50:&Ruhmeshalle"),
    QT_TRANSLATE_NOOP("MenuTexts", "51:S&tatistik"),
    "",
    QT_TRANSLATE_NOOP("MenuTexts", "&Hilfe"),
    QT_TRANSLATE_NOOP("MenuTexts", "60:&Anleitung"),
    QT_TRANSLATE_NOOP("MenuTexts", "61:&Tastenkürzel"),
    "-",
    QT_TRANSLATE_NOOP("MenuTexts", "1:über &Quintor..."),
    "",
    "",
};

std::vector<QString> tableOf(QString (*text)(const char*)) {
    std::vector<QString> table;
    for (const char* entry : kMenuItemTable) table.push_back(text(entry));
    return table;
}

} // namespace

const std::vector<QString>& menuItemTable() {
    static const std::vector<QString> table =
        tableOf([](const char* entry) { return QString::fromUtf8(entry); });
    return table;
}

std::vector<QString> translatedMenuItemTable() {
    return tableOf([](const char* entry) {
        // Separators and ends of drop-downs are no texts.
        return *entry == '\0' || QByteArrayView(entry) == "-" ? QString::fromUtf8(entry)
                                                              : MenuTexts::tr(entry);
    });
}

namespace {

// "id:text": the id is the decimal number before the first ":" (no number gives 0, a
// command that does nothing), the text everything after it.
MenuItem commandItem(const QString& entry) {
    const int colon = static_cast<int>(entry.indexOf(QLatin1Char(':')));
    int id = 0;
    for (int i = 0; i < colon && entry[i].isDigit() && id < 100000; ++i)
        id = id * 10 + entry[i].digitValue();
    MenuItem item;
    item.kind = MenuItem::Kind::Command;
    item.id = id;
    item.text = entry.mid(colon + 1);
    return item;
}

// Reads the items of a drop-down from table[pos] up to its closing empty entry.
bool parseDropDown(const std::vector<QString>& table, size_t& pos, std::vector<MenuItem>& items) {
    while (pos < table.size()) {
        const QString& entry = table[pos++];
        if (entry.isEmpty()) return true;
        if (entry == QLatin1String("-")) {
            items.push_back({MenuItem::Kind::Separator, 0, {}, {}});
        } else if (entry.startsWith(QLatin1Char('>'))) {
            MenuItem sub{MenuItem::Kind::SubMenu, 0, entry.mid(1), {}};
            if (!parseDropDown(table, pos, sub.items)) return false;
            items.push_back(std::move(sub));
        } else if (entry.contains(QLatin1Char(':'))) {
            items.push_back(commandItem(entry));
        } else {
            return false; // neither a separator, a nested drop-down nor an id:text item
        }
    }
    return false; // the table ended inside a drop-down
}

void addItems(QMenu* menu, const std::vector<MenuItem>& items,
              const std::function<void(int, QAction*)>& onCommand) {
    for (const MenuItem& item : items) {
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuItem::Kind::SubMenu:
            addItems(menu->addMenu(item.text), item.items, onCommand);
            break;
        case MenuItem::Kind::Command: {
            QAction* action = menu->addAction(item.text);
            showGameKey(action, item.id);
            onCommand(item.id, action);
            break;
        }
        }
    }
}

} // namespace

bool parseMenuTable(const std::vector<QString>& table, std::vector<MenuItem>& bar) {
    std::vector<MenuItem> built;
    size_t pos = 0;
    while (true) {
        if (pos >= table.size()) return false; // no empty entry ends the bar
        const QString& entry = table[pos++];
        if (entry.isEmpty()) break;
        if (entry.contains(QLatin1Char(':'))) {
            built.push_back(commandItem(entry));
            continue;
        }
        MenuItem dropDown{MenuItem::Kind::SubMenu, 0, entry, {}};
        if (!parseDropDown(table, pos, dropDown.items)) return false;
        built.push_back(std::move(dropDown));
    }
    bar = std::move(built);
    return true;
}

QMenuBar* buildMenuBar(const std::vector<MenuItem>& bar, QWidget* parent,
                       const std::function<void(int id, QAction* action)>& onCommand) {
    auto* menuBar = new QMenuBar(parent);
    for (const MenuItem& item : bar) {
        if (item.kind == MenuItem::Kind::SubMenu) {
            addItems(menuBar->addMenu(item.text), item.items, onCommand);
        } else if (item.kind == MenuItem::Kind::Command) {
            onCommand(item.id, menuBar->addAction(item.text));
        }
    }
    return menuBar;
}

void updateMenuChecks(Game& g) {
    Platform& p = g.platform;
    for (MenuId id :
         {MenuId::Leicht, MenuId::Mittel, MenuId::Schwer, MenuId::Extrem, MenuId::Digits,
          MenuId::Letters, MenuId::ShowCandidates, MenuId::Symmetry, MenuId::Deutsch,
          MenuId::English, MenuId::ClassicColours, MenuId::DarkColours, MenuId::SystemColours})
        p.setMenuChecked(menuNumber(id), false);
    p.setMenuChecked(menuNumber(MenuId::Leicht) + difficultyIndex(g.state.difficulty), true);
    p.setMenuChecked(
        menuNumber(g.state.board.options.showDigits ? MenuId::Digits : MenuId::Letters), true);
    if (g.state.board.options.showCandidates)
        p.setMenuChecked(menuNumber(MenuId::ShowCandidates), true);
    if (g.state.board.options.symmetricPuzzle) p.setMenuChecked(menuNumber(MenuId::Symmetry), true);
    p.setMenuChecked(
        menuNumber(g.ui.language == Language::English ? MenuId::English : MenuId::Deutsch), true);
    p.setMenuChecked(menuNumber(MenuId::ClassicColours) + static_cast<int>(g.ui.colourScheme),
                     true);
}

namespace {

// Menu 70 and 71: the chosen language at once, the whole screen redrawn in it.
void chooseLanguage(Game& g, Language language) {
    if (!installLanguage(language)) language = installedLanguage();
    if (language == g.ui.language) return;
    g.ui.language = language;
    redrawScreen(g);
}

// Menu 8: a stored puzzle of the current difficulty, shuffled, timed and played.
void newGame(Game& g) {
    g.state.board.status.errorCount = 0;
    if (!loadCollectionPuzzle(g)) return; // the missing file has been reported
    g.state.origin = {};                  // a puzzle of the defined level
    recordGameStarted(g);
    updateDifficultyPanel(g);
    g.state.clock.clockRunning = true;
    {
        std::lock_guard<std::mutex> lock(g.state.clock.mutex);
        g.state.clock.startTime = g.platform.now();
        g.state.clock.finishTime.assign(1, 'X');
    }
    g.state.clock.finishingGame = false;
    updateClock(g);
    shuffleBoard(g.state.board, g.random);
    restartPuzzle(g.state.board);
    startNewHistory(g);
    playLoop(g);
}

// Menu 12: a stored puzzle printed, then played untimed.
void printedGame(Game& g) {
    if (!loadCollectionPuzzle(g)) return;
    g.state.origin = {};
    recordGameStarted(g);
    updateDifficultyPanel(g);
    shuffleBoard(g.state.board, g.random);
    showBoard(g);
    printBoard(g);
    startNewHistory(g);
    playLoop(g);
}

// Menu 9: a generated puzzle of the chosen level, timed and played like a new game.
void generatedGame(Game& g) {
    const std::optional<GeneratedStart> start = askForGeneratedPuzzle(g);
    if (!start) return; // cancelled or failed: the board is as it was
    Board& b = g.state.board;
    b.status.errorCount = 0;
    b.cellValue = b.givenValue = start->puzzle.givens;
    b.solutionValue = start->puzzle.solution;
    setAllNotes(b, false);
    b.status.notSolvable = false; // the solution is known, whatever the two rules make of it
    g.state.origin = start->origin;
    recordGameStarted(g); // it counts for its generated level
    updateDifficultyPanel(g);
    startGameClock(g);
    updateClock(g);
    restartPuzzle(b);
    startNewHistory(g);
    playLoop(g);
}

// Menu 23: a pasted puzzle, played as the own-board editor leaves a board: the givens
// alone, their solution known, untimed, counted for no level, a new history.
void pastedPuzzle(Game& g) {
    const std::optional<PastedPuzzle> pasted = readPastedPuzzle(g);
    if (!pasted) return; // said why; the board is as it was
    Board& b = g.state.board;
    b.cellValue = b.givenValue = pasted->givens;
    b.solutionValue = pasted->solution;
    setAllNotes(b, false);
    b.status.notSolvable = false;
    b.status.errorCount = 0;
    g.state.origin = {};
    stopCountingGame(g);
    g.state.clock.clockRunning = false;
    noteChange(g, Change::Board);
    noteChange(g, Change::Givens);
    startNewHistory(g);
    playLoop(g);
}

void runCommand(Game& g, MenuId id) {
    Board& b = g.state.board;
    switch (id) {
    case MenuId::About:
        showAbout(g);
        break;
    case MenuId::NewGame:
        newGame(g);
        break;
    case MenuId::GeneratedGame:
        generatedGame(g);
        break;
    case MenuId::StartGame:
        playLoop(g);
        break;
    case MenuId::OwnBoard:
        stopCountingGame(g); // a board of the player's own counts for no level
        {
            const BoardArray givens = b.givenValue;
            boardEditor(g);
            // Changed givens make a puzzle of the player's own, of no generated level.
            if (b.givenValue != givens) g.state.origin = {};
        }
        g.ui.editorMode = false;
        // The typed board's own solution, where the search proves it has exactly one.
        if (adoptUniqueSolution(g)) noteChange(g, Change::Counts);
        startNewHistory(g); // the typed board is a new puzzle
        break;
    case MenuId::PrintedGame:
        printedGame(g);
        break;
    case MenuId::LoadBoard:
        loadBoardFromFile(g);
        playLoop(g);
        break;
    case MenuId::SaveBoard:
        saveBoard(g);
        playLoop(g);
        break;
    case MenuId::PastePuzzle:
        pastedPuzzle(g);
        break;
    case MenuId::CopyPuzzle:
        copyPuzzleCommand(g);
        break;
    case MenuId::SolveBoard:
        solveCommand(g);
        break;
    case MenuId::ShuffleBoard:
        shuffleBoard(b, g.random);
        if (b.status.notSolvable) adoptUniqueSolution(g);
        // The shuffle keeps what a puzzle needs, so a generated one keeps its level; it is
        // no longer the puzzle of the day, though.
        g.state.origin.dailyDate = 0;
        noteChange(g, Change::Board);
        break;
    case MenuId::Restart:
        restartPuzzle(b);
        playLoop(g);
        break;
    case MenuId::ClearBoard:
        clearBoardModel(b);
        stopCountingGame(g);
        g.state.origin = {};
        noteChange(g, Change::Board);
        forgetGameInProgress(g);
        break;
    case MenuId::PrintBoard:
        printBoard(g);
        break;
    case MenuId::PrintBooklet:
        printBooklet(g);
        break;
    case MenuId::Leicht:
    case MenuId::Mittel:
    case MenuId::Schwer:
    case MenuId::Extrem:
        g.state.difficulty = static_cast<Difficulty>(menuNumber(id) - menuNumber(MenuId::Leicht));
        break;
    case MenuId::Digits:
    case MenuId::Letters:
        b.options.showDigits = (id == MenuId::Digits);
        updateMenuChecks(g);
        noteChange(g, Change::Board);
        noteChange(g, Change::ValueDisplay);
        break;
    case MenuId::ShowCandidates:
        b.options.showCandidates = !b.options.showCandidates;
        setAllNotes(b, false);
        noteChange(g, Change::Board);
        break;
    case MenuId::Symmetry:
        b.options.symmetricPuzzle = !b.options.symmetricPuzzle;
        break;
    case MenuId::HallOfFame:
        showHallOfFame(g);
        break;
    case MenuId::Statistics:
        showStatistics(g);
        break;
    case MenuId::Manual:
        showManualPage(g, QStringLiteral("Übersicht.htm"), QStringLiteral("Menupunkte"));
        break;
    case MenuId::Deutsch:
    case MenuId::English:
        chooseLanguage(g, id == MenuId::English ? Language::English : Language::Deutsch);
        break;
    case MenuId::ClassicColours:
    case MenuId::DarkColours:
    case MenuId::SystemColours:
        chooseColourScheme(
            g, static_cast<ColourScheme>(menuNumber(id) - menuNumber(MenuId::ClassicColours)));
        break;
    case MenuId::KeyList:
        showKeyList(g);
        break;
    case MenuId::Quit:
        quitGame(g);
        break;
    case MenuId::ResumeGame:
        resumeGame(g);
        break;
    default:
        break; // MenuId::None and unknown ids do nothing
    }
}

} // namespace

void Win_0_MenuEvent(Game& g, int id) {
    clearEscapeConsumed(g);
    g.ui.palette.paletteKeyRelease = 0;
    g.platform.setMenuEnabled(false);
    const auto command = static_cast<MenuId>(id);
    switch (command) {
    case MenuId::NewGame:
    case MenuId::GeneratedGame:
    case MenuId::StartGame:
    case MenuId::OwnBoard:
    case MenuId::PastePuzzle:
    case MenuId::LoadBoard:
    case MenuId::SaveBoard:
    case MenuId::SolveBoard:
    case MenuId::ShuffleBoard:
    case MenuId::Restart:
    case MenuId::ResumeGame:
        g.ui.helpText =
            QStringLiteral(QT_TRANSLATE_NOOP("PanelTexts", "Bitte ein Feld anklicken!"));
        drawHelpPanel(g);
        break;
    default:
        break;
    }
    if (!g.ui.help.htmlHelpAvailable) closeClassicHelp(g);

    {
        // What the command changes before any game loop it leads into is one step.
        const UndoStep step(g);
        runCommand(g, command);
        drawChanges(g); // what the command changed after its game loop, if it ran one
    }

    // Back to the idle state; the cell cursor belongs to the game loops.
    hideCellCursor(g);
    g.platform.setMenuEnabled(true);
    g.platform.setPointer(PointerShape::Arrow);
    updateMenuChecks(g);
    updateDifficultyPanel(g);
    g.ui.helpText = QStringLiteral(QT_TRANSLATE_NOOP("PanelTexts", "Bitte Menupunkt auswählen!"));
    showHelpText(g);
    g.canvas.paste(g.draw.buttonBarBlank, 18, 727);
    g.state.clock.clockRunning = false;
    // The game in progress follows what the command changed, its timing included, so
    // that a program ended without the quit question (killed, logged out) keeps it.
    noteGameChanged(g);
    saveSettings(g); // a changed difficulty, display or symmetry is kept for the next start
    // The status strip of the idle screen: no game keys, no note of the game left.
    g.state.timingNote.clear();
    showStripText(g, StripField::Keys, QString());
    showStripText(g, StripField::Note, g.state.gameStarted ? QString() : kStartHint);
}

void resumeGame(Game& g) {
    if (!offerResume(g)) return;
    // The resumed board is where its history begins: nothing before it can be undone.
    startNewHistory(g);
    updateDifficultyPanel(g);
    // The whole panel: its header shows digits or letters as the resumed game does.
    settleStatus(g);
    drawStatisticsPanel(g);
    updateClock(g);
    playLoop(g);
}
