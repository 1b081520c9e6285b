// The cell cursor and entry at the cursor. Called by the play loop and the editor for every
// event they take; the highlights it asks for are drawn by play/highlight.
#include "play/cursor.h"

#include "session/game.h"
#include "panels/info.h"
#include "panels/statistics.h"
#include "play/changes.h"
#include "play/commands.h"
#include "play/events.h"
#include "play/highlight.h"
#include "play/palette.h"
#include "play/render.h"

namespace {

bool isCell(const Board& b, int fieldColumn, int fieldRow) {
    int grid = 0, column = 0, row = 0;
    return fieldCell(b, fieldColumn, fieldRow, grid, column, row);
}

// Home and End: the first or last cell of the cursor's row of the field.
void jumpInRow(Game& g, bool toEnd) {
    for (int i = 0; i < kFieldSize; ++i) {
        const int column = toEnd ? kFieldSize - 1 - i : i;
        if (isCell(g.state.board, column, g.ui.cursor.cursorRow)) {
            g.ui.cursor.cursorColumn = column;
            return;
        }
    }
}

// A digit 1..9 at the cursor cell: a value in play (not on a given), a given in the editor.
void enterValue(Game& g, int column, int row, int v) {
    Board& b = g.state.board;
    const int grid = b.activeGrid;
    if (!g.ui.editorMode && b.givenValue(grid, column, row) != 0) return;
    g.ui.noteMode = false;
    chooseValue(g, column, row, v);
    syncSharedBoxes(b);
    if (b.options.showCandidates) computeCandidates(g);
    b.activeGrid = static_cast<std::int16_t>(grid);
    if (g.ui.editorMode) enterGivenValue(g, column, row, v);
    noteChange(g, Change::Counts);
    if (g.ui.editorMode) noteChange(g, Change::Givens);
}

// A press on the cursor's cell as the running loop's table handles one on the board.
void pressCell(Game& g, bool rightButton, int column, int row) {
    if (g.ui.commands != nullptr) g.ui.commands->cell(g, rightButton, column, row);
}

// 0, Delete or Backspace: empties an entry in play (givens stay), removes a given in the
// editor, as a right press on that cell does.
void clearValue(Game& g, int column, int row) {
    const Board& b = g.state.board;
    const int grid = b.activeGrid;
    const bool holdsWhatGoes = g.ui.editorMode ? b.givenValue(grid, column, row) != 0
                                               : b.givenValue(grid, column, row) == 0 &&
                                                     b.cellValue(grid, column, row) != 0;
    if (holdsWhatGoes) pressCell(g, true, column, row);
}

// Ctrl+digit: toggles that note of an empty cell in play, as the note palette does.
void toggleNote(Game& g, int column, int row, int v) {
    Board& b = g.state.board;
    const int grid = b.activeGrid;
    if (g.ui.editorMode || b.cellValue(grid, column, row) != 0) return;
    g.ui.noteMode = true;
    chooseValue(g, column, row, v);
    b.activeGrid = static_cast<std::int16_t>(grid);
    syncSharedBoxes(b);
}

// The keys that act on the cursor's cell; false for any other key.
bool cellKey(Game& g, const Event& e) {
    int column = 0, row = 0, grid = 0;
    if (!fieldCell(g.state.board, g.ui.cursor.cursorColumn, g.ui.cursor.cursorRow, grid, column,
                   row))
        return false;
    g.state.board.activeGrid = static_cast<std::int16_t>(grid);
    int key = e.code;
    // In letter display the letters A..I the board shows are the values at the cursor, as
    // the digits are in digit display; with the cursor hidden they are the loop's commands.
    if (!g.state.board.options.showDigits && key >= 'A' && key <= 'I') key = key - 'A' + '1';
    if (e.ctrl()) {
        if (key < '1' || key > '9') return false;
        toggleNote(g, column, row, key - '0');
    } else if (key >= '1' && key <= '9') {
        enterValue(g, column, row, key - '0');
    } else if (key == '0' || key == kKeyDelete || key == kKeyBackspace) {
        clearValue(g, column, row);
    } else if (key == kKeyEnter || key == kKeySpace) {
        pressCell(g, false, column, row);
    } else {
        return false;
    }
    return true;
}

// The keys that move the cursor; false for any other key.
bool moveKey(Game& g, int key) {
    int dColumn = 0, dRow = 0;
    switch (key) {
    case kKeyLeft:
        dColumn = -1;
        break;
    case kKeyRight:
        dColumn = 1;
        break;
    case kKeyUp:
        dRow = -1;
        break;
    case kKeyDown:
        dRow = 1;
        break;
    case kKeyHome:
    case kKeyEnd:
        g.ui.cursor.cursorShown = true;
        jumpInRow(g, key == kKeyEnd);
        return true;
    default:
        return false;
    }
    // The first arrow key shows the cursor where it is; the next ones move it.
    if (g.ui.cursor.cursorShown)
        stepCursor(g.state.board, g.ui.cursor.cursorColumn, g.ui.cursor.cursorRow, dColumn, dRow);
    g.ui.cursor.cursorShown = true;
    return true;
}

} // namespace

std::span<const KeyHelp> cursorKeyHelp() {
    static const KeyHelp help[] = {
        {QT_TRANSLATE_NOOP("PlayTexts", "Pfeiltasten"),
         QT_TRANSLATE_NOOP("PlayTexts", "Cursor zeigen und bewegen"),
         false,
         {kKeyLeft, kKeyRight, kKeyUp, kKeyDown},
         {QT_TRANSLATE_NOOP("PanelTexts", "Pfeile"), QT_TRANSLATE_NOOP("PanelTexts", "Cursor")}},
        {QT_TRANSLATE_NOOP("PlayTexts", "Pos1, Ende"),
         QT_TRANSLATE_NOOP("PlayTexts", "Erstes, letztes Feld der Zeile"),
         false,
         {kKeyHome, kKeyEnd}},
        {QT_TRANSLATE_NOOP("PlayTexts", "1 – 9"),
         QT_TRANSLATE_NOOP("PlayTexts", "Wert am Cursor eintragen (in Buchstabenanzeige A – I)"),
         false,
         {'1', '2', '3', '4', '5', '6', '7', '8', '9'}},
        {QT_TRANSLATE_NOOP("PlayTexts", "Strg+1 – 9"),
         QT_TRANSLATE_NOOP("PlayTexts", "Notiz am Cursor setzen oder löschen"),
         true,
         {'1', '2', '3', '4', '5', '6', '7', '8', '9'}},
        {QT_TRANSLATE_NOOP("PlayTexts", "0, Entf, Rücktaste"),
         QT_TRANSLATE_NOOP("PlayTexts", "Wert am Cursor löschen"),
         false,
         {'0', kKeyDelete, kKeyBackspace}},
        {QT_TRANSLATE_NOOP("PlayTexts", "Eingabe, Leertaste"),
         QT_TRANSLATE_NOOP("PlayTexts", "Werteauswahl am Cursor öffnen"),
         false,
         {kKeyEnter, kKeySpace}},
    };
    return help;
}

void stepCursor(const Board& b, int& column, int& row, int dColumn, int dRow) {
    for (int c = column + dColumn, r = row + dRow;
         c >= 0 && c < kFieldSize && r >= 0 && r < kFieldSize; c += dColumn, r += dRow) {
        if (isCell(b, c, r)) {
            column = c;
            row = r;
            return;
        }
    }
}

void hideCellCursor(Game& g) {
    g.ui.cursor.cursorShown = false;
    refreshHighlight(g);
}

bool cursorEvent(Game& g, const Event& e) {
    switch (e.kind) {
    case Event::Kind::LeftPress:
    case Event::Kind::RightPress: {
        hideCellCursor(g);
        const auto grid = g.state.board.activeGrid;
        int column = 0, row = 0;
        if (mapPointerToCell(g, column, row)) {
            const int index = fieldIndex(g.state.board, g.state.board.activeGrid, column, row);
            g.ui.cursor.cursorColumn = index % kFieldSize;
            g.ui.cursor.cursorRow = index / kFieldSize;
        }
        g.state.board.activeGrid = grid;
        return false;
    }
    case Event::Kind::KeyRelease: {
        if (e.alt()) return false;
        const bool used =
            (!e.ctrl() && moveKey(g, e.code)) || (g.ui.cursor.cursorShown && cellKey(g, e));
        if (used) refreshHighlight(g);
        return used;
    }
    default:
        return false;
    }
}
