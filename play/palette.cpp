// The value palette: a 54 x 54 pop-up of nine squares over the clicked cell, for entering a
// value or toggling a note. Opened by the play loop and the own-board editor.
#include "play/palette.h"

#include "session/game.h"
#include "session/look.h"
#include "panels/info.h"
#include "play/render.h"

namespace {

constexpr int kSquare = 18;
constexpr int kPaletteSize = 3 * kSquare;

// Horizontal offset of a value inside its square.
int valueOffset(const Game& g, int value) {
    if (g.state.board.options.showDigits) return 3;
    return value == 9 ? 6 : 2; // the narrow "I" is centred
}

void restoreBackground(Game& g) {
    if (g.ui.palette.backgroundSaved)
        g.canvas.paste(g.ui.palette.savedBackground, g.ui.palette.paletteX, g.ui.palette.paletteY);
}

} // namespace

// A right press: removes the notes (note mode) or empties the cell (value mode).
void clearPaletteCell(Game& g, int column, int row) {
    Board& b = g.state.board;
    g.ui.palette.paletteCleared = true;
    g.state.clock.paletteBusy = true;
    restoreBackground(g);
    if (g.ui.noteMode) {
        for (int v = 1; v <= 9; ++v) b.noteFlag(b.activeGrid, column, row, v) = false;
        computeCandidates(g);
    } else if (!g.ui.editorMode) {
        enterCellValue(g, column, row, 0);
    }
    g.state.clock.paletteBusy = false;
}

bool insidePalette(const Game& g) {
    return g.ui.pointerX >= g.ui.palette.paletteX &&
           g.ui.pointerX < g.ui.palette.paletteX + kPaletteSize &&
           g.ui.pointerY >= g.ui.palette.paletteY &&
           g.ui.pointerY < g.ui.palette.paletteY + kPaletteSize;
}

void chooseValue(Game& g, int column, int row, int v) {
    Board& b = g.state.board;
    g.state.clock.paletteBusy = true;
    restoreBackground(g);
    if (g.ui.noteMode) {
        // Note 0 does not exist: a typed "0" or Esc changes no note.
        if (v != 0) {
            bool& note = b.noteFlag.bytes[noteIndex(b.activeGrid, column, row, v)];
            note = !note;
        }
        syncSharedNotes(g);
        computeCandidates(g);
    } else {
        // The editor draws the value itself, as a given.
        if (g.ui.editorMode)
            b.cellValue(b.activeGrid, column, row) = static_cast<std::uint8_t>(v);
        else
            enterCellValue(g, column, row, v);
    }
    g.state.clock.paletteBusy = false;
}

void drawValuePalette(Game& g, int column, int row) {
    Board& b = g.state.board;
    Canvas& c = g.canvas;
    g.state.clock.paletteBusy = true;
    g.ui.helpText =
        g.ui.noteMode
            ? QStringLiteral(QT_TRANSLATE_NOOP("PanelTexts", "Bitte Kandidaten notieren!"))
            : QStringLiteral(QT_TRANSLATE_NOOP("PanelTexts", "Rechte Taste löscht Feld!"));
    showHelpText(g);

    const int px = gridLeft(b.activeGrid) + kCellSize * (column - 1) - 10;
    const int py = gridTop(b.activeGrid) + kCellSize * (row - 1) - 10;
    g.ui.palette.paletteX = px;
    g.ui.palette.paletteY = py;
    g.ui.palette.paletteColumn = column;
    g.ui.palette.paletteRow = row;
    if (!g.ui.palette.backgroundSaved) {
        g.ui.palette.savedBackground = c.capture(px, py, px + kPaletteSize, py + kPaletteSize);
        g.ui.palette.backgroundSaved = true;
    }

    selectFont(g, 6);
    const QFont paletteFont = c.font();
    c.setLineWidth(1);
    for (int k = 1; k <= 9; ++k) {
        const int sx = px + kSquare * ((k - 1) % 3);
        const int sy = py + kSquare * ((k - 1) / 3);
        c.setPenColour(Colour::Black);
        c.setBackColour(k == g.ui.palette.paletteValue ? Colour::LightGrey : Colour::White);
        c.filledBox(sx, sy, sx + kSquare, sy + kSquare);
        c.setFont(paletteFont);
        c.setOpaqueText(false);
        c.text(sx + valueOffset(g, k), sy - 1, valueText(g.state.board.options.showDigits, k));
    }
    c.setOpaqueText(true);
    c.setPenColour(Colour::Black);
    c.setBackColour(Colour::White);
    g.state.clock.paletteBusy = false;
}

void paletteHover(Game& g, int x, int y) {
    const int dx = x - g.ui.palette.paletteX, dy = y - g.ui.palette.paletteY;
    if (dx < 0 || dy < 0 || dx >= kPaletteSize || dy >= kPaletteSize) return;
    const int value = 3 * (dy / kSquare) + dx / kSquare + 1;
    if (value == g.ui.palette.paletteValue) return;
    g.ui.palette.paletteValue = value;
    drawValuePalette(g, g.ui.palette.paletteColumn, g.ui.palette.paletteRow);
}
