// The event pipeline of the play loop and the own-board editor: the steps every event goes
// through, then the command table of the loop's mode.
#include "play/pipeline.h"

#include "session/game.h"
#include "files/resume.h"
#include "halloffame/statistics.h"
#include "panels/info.h"
#include "play/buttons.h"
#include "play/changes.h"
#include "play/cursor.h"
#include "play/events.h"
#include "play/hintview.h"
#include "play/keylist.h"
#include "play/pause.h"
#include "play/undo.h"

namespace {

// The mode's own commands: key releases, the button bar and clicks on the board.
Outcome runCommand(Game& g, const Event& e, const CommandTable& table) {
    switch (e.kind) {
    case Event::Kind::KeyRelease: {
        // A key held with Ctrl or Alt is no command (Ctrl+N must not restart the game).
        if (e.ctrl() || e.alt()) return Outcome::Stay;
        const KeyCommand* command = findKeyCommand(table, e.code);
        return command != nullptr ? command->run(g) : Outcome::Stay;
    }
    case Event::Kind::LeftPress:
        if (g.ui.pointerY >= kButtonBandTop && g.ui.pointerY <= kButtonBandBottom) {
            const int button = buttonAt(g.ui.pointerX, g.ui.pointerY);
            if (button >= 0 && table.buttons[static_cast<std::size_t>(button)](g) == Outcome::Leave)
                return Outcome::Leave;
        }
        table.click(g, false);
        return Outcome::Stay;
    case Event::Kind::RightPress:
        table.click(g, true);
        return Outcome::Stay;
    default:
        return Outcome::Stay;
    }
}

} // namespace

Outcome processEvent(Game& g, const Event& e, const CommandTable& table) {
    // The steps act for this table's mode; a loop opened by a command (the palette, a
    // dialog) finds the outer loop's table again afterwards.
    struct CurrentCommands {
        Game& g;
        const CommandTable* outer;
        ~CurrentCommands() { g.ui.commands = outer; }
    } current{g, g.ui.commands};
    g.ui.commands = &table;
    // A hint on screen goes before anything else acts.
    clearHint(g, e);
    if (!undoRedoKey(g, e) && !(table.pause && pauseEvent(g, e))) {
        const UndoStep step(g); // whatever this event changes is one step of the history
        const bool leave = !cursorEvent(g, e) && runCommand(g, e, table) == Outcome::Leave;
        // What the command changed, settled within its step and drawn.
        drawChanges(g);
        if (leave) return Outcome::Leave;
    }
    drawChanges(g);                           // what an undo or redo touched
    if (table.recordsGame) noteGameResult(g); // a board just solved counts for its level
    // The game in progress is kept for a restart, also a board while it is typed in.
    noteGameChanged(g);
    return Outcome::Stay;
}

void runCommandLoop(Game& g, const CommandTable& table) {
    for (;;) {
        updateGameStrip(g, table);
        if (processEvent(g, takeEvent(g), table) == Outcome::Leave) return;
    }
}

void updateGameStrip(Game& g, const CommandTable& table) {
    static const char* const letterKeys =
        QT_TRANSLATE_NOOP("PanelTexts", "Cursor: A–I tragen ein, Klick blendet aus");
    static const QString solved =
        QStringLiteral(QT_TRANSLATE_NOOP("PanelTexts", "Gelöst! Abbruch, dann Neues Spiel"));
    // In letter display A..I are values at the cursor, no commands.
    showStripText(g, StripField::Keys,
                  g.ui.cursor.cursorShown && !g.state.board.options.showDigits
                      ? PanelTexts::tr(letterKeys)
                      : stripKeys(table));
    if (g.ui.editorMode)
        showStripText(g, StripField::Note, QString());
    else
        showStripText(g, StripField::Note,
                      g.state.board.status.verdict == Verdict::Solved ? solved
                                                                      : g.state.timingNote);
}
