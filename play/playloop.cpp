// The game in progress: the play loop with its keys, buttons and cell clicks (the event
// pipeline it shares with the own-board editor: play/pipeline.*), and the list of keyboard
// shortcuts.
// Called by the menu commands that start or resume a game.
#include "play/playloop.h"

#include "play/events.h"
#include "session/game.h"
#include "files/resume.h"
#include "halloffame/statistics.h"
#include "panels/info.h"
#include "panels/statistics.h"
#include "play/buttons.h"
#include "play/hintview.h"
#include "play/cursor.h"
#include "play/editor.h"
#include "play/palette.h"
#include "play/paletteloop.h"
#include "play/pause.h"
#include "play/pipeline.h"
#include "play/render.h"
#include "play/solve.h"
#include "play/undo.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTextBrowser>

#include <cmath>

namespace {

// The player leaves with A, Esc or Abbruch: the button stays drawn pressed; the menu
// command that ran the loop erases the bar.
Outcome leaveByKey(Game& g) {
    drawBarButton(g, kAbbruch, 1);
    g.state.clock.clockRunning = false;
    g.platform.sleepMs(200);
    return Outcome::Leave;
}

Outcome keyA(Game& g) {
    // In letter display "a" is typed into the palette as a value; its release is no command.
    return g.state.board.showDigits ? leaveByKey(g) : Outcome::Stay;
}

Outcome keyEsc(Game& g) {
    // An Esc that closed the palette or answered a dialog does not end the game as well.
    return g.ui.escapeConsumed ? Outcome::Stay : leaveByKey(g);
}

Outcome keyAllNotes(Game& g) {
    setAllNotes(g.state.board, true);
    drawBoard(g);
    return Outcome::Stay;
}

Outcome keyNoNotes(Game& g) {
    setAllNotes(g.state.board, false);
    drawBoard(g);
    return Outcome::Stay;
}

Outcome keyCandidates(Game& g) {
    if (g.state.clock.clockRunning) showTimingNote(g, kTimingKeyM);
    g.state.clock.clockRunning = false;
    setAllNotes(g.state.board, false);
    g.state.board.showCandidates = !g.state.board.showCandidates;
    drawBoard(g);
    return Outcome::Stay;
}

Outcome keyRestart(Game& g) {
    restartPuzzle(g.state.board);
    drawBoard(g);
    return Outcome::Stay;
}

Outcome keyHint(Game& g) {
    showHint(g);
    return Outcome::Stay;
}

Outcome keyList(Game& g) {
    showKeyList(g);
    return Outcome::Stay;
}

Outcome keySolveFirst(Game& g) {
    g.ui.solveMemory = kSolveFirstLetter;
    return Outcome::Stay;
}

// The hidden solve combination's second letter: the solve command (which starts again from
// the givens when the player's entries led into a dead end), untimed.
Outcome keySolveSecond(Game& g) {
    if (g.ui.solveMemory == kSolveFirstLetter) {
        g.state.clock.clockRunning = false;
        solveCommand(g);
        updateClock(g);
    }
    g.ui.solveMemory = 0;
    return Outcome::Stay;
}

template <int Button, bool WithClock = false> Outcome barAction(Game& g) {
    runButtonAction(g, Button, WithClock);
    return Outcome::Stay;
}

Outcome buttonAbbruch(Game& g) {
    drawBarButton(g, kAbbruch, 1);
    g.platform.sleepMs(200);
    g.state.clock.clockRunning = false;
    updateClock(g);
    return Outcome::Leave;
}

// A left or right press on the board.
void playCellClick(Game& g, bool rightButton) {
    int column = 0, row = 0;
    if (mapPointerToCell(g, column, row)) playCell(g, rightButton, column, row);
}

const KeyCommand kPlayKeys[] = {
    {'L', QT_TRANSLATE_NOOP("PlayTexts", "Brett laden"), barAction<kLaden, true>},
    {'S', QT_TRANSLATE_NOOP("PlayTexts", "Brett sichern"), barAction<kSichern>},
    {'D', QT_TRANSLATE_NOOP("PlayTexts", "Brett drucken"), barAction<kDrucken>},
    {'H', QT_TRANSLATE_NOOP("PlayTexts", "Hilfe"), barAction<kHilfe>},
    {'A', QT_TRANSLATE_NOOP("PlayTexts", "Abbruch (nur in Ziffernanzeige)"), keyA},
    {kKeyEsc, QT_TRANSLATE_NOOP("PlayTexts", "Abbruch"), keyEsc},
    {'F', QT_TRANSLATE_NOOP("PlayTexts", "Alle Kandidaten setzen"), keyAllNotes},
    {'C', QT_TRANSLATE_NOOP("PlayTexts", "Alle Kandidaten löschen"), keyNoNotes},
    {'M', QT_TRANSLATE_NOOP("PlayTexts", "Kandidaten zeigen ein/aus (Spiel ohne Zeit)"),
     keyCandidates},
    {'N', QT_TRANSLATE_NOOP("PlayTexts", "Neustart"), keyRestart},
    {'T', QT_TRANSLATE_NOOP("PlayTexts", "Tipp"), keyHint},
    {kKeyF1, QT_TRANSLATE_NOOP("PlayTexts", "Tastenkürzel"), keyList},
    {kSolveFirstLetter, "", keySolveFirst},
    {kSolveSecondLetter, "", keySolveSecond},
};

} // namespace

const CommandTable& playCommands() {
    static const CommandTable table{
        kPlayKeys,
        {barAction<kLaden>, barAction<kSichern>, barAction<kDrucken>, barAction<kNeustart>,
         barAction<kHilfe>, buttonAbbruch},
        playCellClick,
        playCell,
        true,
        true,
    };
    return table;
}

void playCell(Game& g, bool rightButton, int column, int row) {
    g.ui.noteMode = rightButton;
    Board& b = g.state.board;
    const int grid = b.activeGrid;
    if (b.givenValue(grid, column, row) != 0) return;
    if (rightButton && b.cellValue(grid, column, row) != 0) {
        enterCellValue(g, column, row, 0);
        if (b.showCandidates) computeCandidates(g);
        updateDigitCounts(g);
        return;
    }
    drawValuePalette(g, column, row);
    runValuePalette(g, column, row);
    if (!rightButton) updateDigitCounts(g);
}

void playLoop(Game& g) {
    closeOpenChange(g);
    g.state.gameStarted = true;
    g.state.timingNote.clear();
    const bool timed = g.state.clock.clockRunning;
    drawBoard(g);
    // The status strip says when this game is not timed, and why.
    if (!timed)
        showTimingNote(g, kUntimedResumed);
    else if (!g.state.clock.clockRunning)
        showTimingNote(g, kUntimedCandidates);
    drawAllButtons(g);
    if (g.state.clock.clockRunning) startClockTicker(g);

    runCommandLoop(g, playCommands());
}

// The list of keyboard shortcuts, built from the loops' command tables and the key rows of
// the cursor, undo and pause, so that a key added to a table is listed at once.
namespace {

// The texts of the tables are marked in the context of the play loop's texts.
QString translated(const char* text) {
    return PlayTexts::tr(text);
}

void addCommands(std::vector<KeyListEntry>& entries, const CommandTable& table) {
    for (const KeyCommand& command : table.keys)
        if (command.description[0] != '\0')
            entries.push_back({keyName(command.key), translated(command.description)});
}

KeyListGroup helpGroup(const char* title, std::span<const KeyHelp> rows) {
    KeyListGroup group{translated(title), {}};
    for (const KeyHelp& row : rows)
        group.entries.push_back({translated(row.keys), translated(row.description)});
    return group;
}

} // namespace

QString keyName(int code) {
    switch (code) {
    case kKeyEsc:
        return QStringLiteral("Esc");
    case kKeyF1:
        return QStringLiteral("F1");
    case kKeyEnter:
        return PlayTexts::tr("Eingabe");
    case kKeySpace:
        return PlayTexts::tr("Leertaste");
    default:
        if (code > ' ' && code < 127) return QString(QChar(code));
        return QStringLiteral("#%1").arg(code);
    }
}

std::vector<KeyListGroup> keyList() {
    std::vector<KeyListGroup> groups;
    KeyListGroup play{PlayTexts::tr("Im Spiel"), {}};
    addCommands(play.entries, playCommands());
    groups.push_back(std::move(play));
    KeyListGroup editor{PlayTexts::tr("Eigenes Brett"), {}};
    addCommands(editor.entries, editorCommands());
    groups.push_back(std::move(editor));
    groups.push_back(helpGroup(
        QT_TRANSLATE_NOOP("PlayTexts", "Cursor (im Spiel und im eigenen Brett)"), cursorKeyHelp()));
    groups.push_back(
        helpGroup(QT_TRANSLATE_NOOP("PlayTexts", "Zurücknehmen (im Spiel und im eigenen Brett)"),
                  undoKeyHelp()));
    groups.push_back(helpGroup(QT_TRANSLATE_NOOP("PlayTexts", "Pause (im Spiel)"), pauseKeyHelp()));
    return groups;
}

QString keyListHtml() {
    QString html = QStringLiteral("<html><body>");
    for (const KeyListGroup& group : keyList()) {
        html += QStringLiteral("<h3>%1</h3><table cellspacing=\"2\" cellpadding=\"2\">")
                    .arg(group.title.toHtmlEscaped());
        for (const KeyListEntry& entry : group.entries)
            html += QStringLiteral("<tr><td><b>%1</b></td><td>&nbsp;&nbsp;%2</td></tr>")
                        .arg(entry.keys.toHtmlEscaped(), entry.description.toHtmlEscaped());
        html += QStringLiteral("</table>");
    }
    return html + QStringLiteral("</body></html>");
}

void showKeyList(Game& g) {
    // One window, kept while open and shown again by the next call.
    static QPointer<QTextBrowser> window;
    if (window == nullptr) {
        window = new QTextBrowser(g.platform.mainWindow());
        window->setObjectName(QStringLiteral("keyList"));
        window->setWindowFlag(Qt::Window);
        window->resize(560, 620);
    }
    window->setWindowTitle(PlayTexts::tr("Tastenkürzel"));
    window->setHtml(keyListHtml());
    g.platform.showHelpWindow(window);
}
