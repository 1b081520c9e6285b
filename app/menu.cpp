// The menu bar and command dispatch: the menu item table and its parser, the Qt menu bar
// built from it, the check marks, the menu handler Win_0_MenuEvent, the quit question and
// the close handler. Start-up builds the bar; the main window calls the handlers.
#include "app/menu.h"

#include "app/game.h"
#include "engine/shuffle.h"
#include "files/boardfile.h"
#include "halloffame/halloffame.h"
#include "help/help.h"
#include "panels/info.h"
#include "panels/statistics.h"
#include "play/editor.h"
#include "play/playloop.h"
#include "play/render.h"
#include "play/undo.h"
#include "print/printout.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

const std::vector<QString>& menuItemTable() {
    static const std::vector<QString> table = {
        QStringLiteral("&Quintor"),
        QStringLiteral("8:&Neues Spiel"),
        QStringLiteral("-"),
        QStringLiteral("10:&Spielstart"),
        QStringLiteral("25:N&eustart"),
        QStringLiteral("-"),
        QStringLiteral("12:Spieldruck"),
        QStringLiteral("-"),
        QStringLiteral("99:&Beenden"),
        QString(),
        QStringLiteral("&Optionen"),
        QStringLiteral("20:&lade Brett"),
        QStringLiteral("21:&sichere Brett"),
        QStringLiteral("-"),
        QStringLiteral("22:&Brett lösen"),
        QStringLiteral("26:B&rett löschen"),
        QStringLiteral("27:Brett &drucken"),
        QStringLiteral("24:Brett &mischen"),
        QStringLiteral("-"),
        QStringLiteral("11:&Eigenes Brett"),
        QString(),
        QStringLiteral("Sch&wierigkeit"),
        QStringLiteral("30:&Leicht"),
        QStringLiteral("31:&Mittel"),
        QStringLiteral("32:&Schwer"),
        QStringLiteral("33:&Extrem"),
        QStringLiteral("-"),
        QStringLiteral("40:&Zahlen"),
        QStringLiteral("41:&Buchstaben"),
        QStringLiteral("-"),
        QStringLiteral("44:Zeige &Kandidaten"),
        QStringLiteral("-"),
        QStringLiteral("45:Rätsel-Symmetrie"),
        QStringLiteral("-"),
        QStringLiteral("50:&Ruhmeshalle"),
        QString(),
        QStringLiteral("&Hilfe"),
        QStringLiteral("60:&Anleitung"),
        QStringLiteral("-"),
        QStringLiteral("1:über &Quintor..."),
        QString(),
        QString(),
    };
    return table;
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
        case MenuItem::Kind::Command:
            onCommand(item.id, menu->addAction(item.text));
            break;
        }
    }
}

// The file name of the classic help and the HTML help, and their first topics.
const QString kHtmlHelpFile = QStringLiteral("Quintor.chm");
const QString kClassicHelpFile = QStringLiteral("Quintor.hlp");

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
    for (int id : {30, 31, 32, 33, 40, 41, 44, 45}) p.setMenuChecked(id, false);
    p.setMenuChecked(30 + g.difficulty, true);
    p.setMenuChecked(g.board.showDigits ? 40 : 41, true);
    if (g.board.showCandidates) p.setMenuChecked(44, true);
    if (g.board.symmetricPuzzle) p.setMenuChecked(45, true);
}

namespace {

// Menu 8: a stored puzzle of the current difficulty, shuffled, timed and played.
void newGame(Game& g) {
    g.board.errorCount = 0;
    if (!loadCollectionPuzzle(g)) return; // the missing file has been reported
    updateDifficultyPanel(g);
    g.clock.clockRunning = true;
    {
        std::lock_guard<std::mutex> lock(g.clock.mutex);
        g.clock.startTime = g.platform.now();
        g.clock.finishTime.assign(1, 'X');
    }
    g.clock.finishingGame = false;
    updateClock(g);
    shuffleBoard(g.board, g.random);
    restartPuzzle(g.board);
    startNewHistory(g);
    playLoop(g);
}

// Menu 12: a stored puzzle printed, then played untimed.
void printedGame(Game& g) {
    if (!loadCollectionPuzzle(g)) return;
    updateDifficultyPanel(g);
    shuffleBoard(g.board, g.random);
    drawBoard(g);
    printBoard(g);
    startNewHistory(g);
    playLoop(g);
}

void runCommand(Game& g, int id) {
    Board& b = g.board;
    switch (id) {
    case 1:
        showAbout(g);
        break;
    case 8:
        newGame(g);
        break;
    case 10:
        playLoop(g);
        break;
    case 11:
        boardEditor(g);
        g.editorMode = false;
        startNewHistory(g); // the typed board is a new puzzle
        break;
    case 12:
        printedGame(g);
        break;
    case 20:
        g.boardFileName = QStringLiteral("brett.qnt");
        loadBoard(g);
        startNewHistory(g);
        updateDifficultyPanel(g);
        playLoop(g);
        break;
    case 21:
        saveBoard(g);
        playLoop(g);
        break;
    case 22:
        solveCommand(g);
        break;
    case 24:
        shuffleBoard(b, g.random);
        drawBoard(g);
        updateDigitCounts(g);
        break;
    case 25:
        restartPuzzle(b);
        playLoop(g);
        break;
    case 26:
        clearBoardModel(b);
        drawBoard(g);
        break;
    case 27:
        printBoard(g);
        break;
    case 30:
    case 31:
    case 32:
    case 33:
        g.difficulty = id - 30;
        break;
    case 40:
    case 41:
        b.showDigits = (id == 40);
        updateMenuChecks(g);
        drawBoard(g);
        drawStatisticsPanel(g);
        break;
    case 44:
        b.showCandidates = !b.showCandidates;
        setAllNotes(b, false);
        drawBoard(g);
        break;
    case 45:
        b.symmetricPuzzle = !b.symmetricPuzzle;
        break;
    case 50:
        showHallOfFame(g);
        break;
    case 60:
        if (g.htmlHelpAvailable)
            showHelpTopic(g, kHtmlHelpFile, QStringLiteral("Übersicht.htm"));
        else
            showClassicHelp(g, kClassicHelpFile, QStringLiteral("Menupunkte"));
        break;
    case 99:
        quitGame(g);
        break;
    default:
        break; // id 0 and unknown ids do nothing
    }
}

} // namespace

void Win_0_MenuEvent(Game& g, int id) {
    g.escapeConsumed = false;
    g.platform.setMenuEnabled(false);
    switch (id) {
    case 8:
    case 10:
    case 11:
    case 20:
    case 21:
    case 22:
    case 24:
    case 25:
        g.helpText = QStringLiteral("Bitte ein Feld anklicken!");
        drawHelpPanel(g);
        break;
    default:
        break;
    }
    if (!g.htmlHelpAvailable) closeClassicHelp(g);

    {
        // What the command changes before any game loop it leads into is one step.
        const UndoStep step(g);
        runCommand(g, id);
    }

    // Back to the idle state.
    g.platform.setMenuEnabled(true);
    g.platform.setPointer(PointerShape::Arrow);
    updateMenuChecks(g);
    updateDifficultyPanel(g);
    g.helpText = QStringLiteral("Bitte Menupunkt auswählen!");
    showHelpText(g);
    g.canvas.paste(g.buttonBarBlank, 18, 727);
    g.clock.clockRunning = false;
}

void quitGame(Game& g) {
    const int answer = g.platform.messageBox(QStringLiteral("Spiel beenden?"),
                                             QStringLiteral("&JA|&NEIN"), 2, MessageIcon::Question);
    if (answer == 2) return;
    // The top-level handlers end the program with status 0; unwinding from here leaves
    // any running game loop on the way.
    throw QuitRequested{};
}

void Win_0_Close(Game& g) {
    quitGame(g);
    g.escapeConsumed = true;
}
