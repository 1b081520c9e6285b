// The value palette's own loop: it takes the window's events while the palette is open,
// until a value, a right press or Esc closes it. Opened by the play loop and the editor.
#include "play/paletteloop.h"

#include "session/game.h"
#include "session/modal.h"
#include "panels/info.h"
#include "play/events.h"
#include "play/palette.h"
#include "play/pause.h"
#include "play/render.h"

namespace {

// Clears the palette's tracking state even when a quit unwinds the loop.
struct TrackingGuard {
    Game& g;
    ~TrackingGuard() {
        g.ui.palette.paletteTracking = false;
        if (g.ui.palette.backgroundSaved) {
            g.ui.palette.savedBackground = QImage();
            g.ui.palette.backgroundSaved = false;
        }
    }
};

} // namespace

void runValuePalette(Game& g, int column, int row) {
    Board& b = g.state.board;
    TrackingGuard guard{g};
    // Redrawing notes walks the grids; the palette's cell stays in the grid it was opened on.
    const auto grid = b.activeGrid;
    g.ui.palette.paletteTracking = true;
    g.platform.waitNoMouseButton();
    g.ui.palette.paletteX = gridLeft(b.activeGrid) + kCellSize * (column - 1) - 10;
    g.ui.palette.paletteY = gridTop(b.activeGrid) + kCellSize * (row - 1) - 10;
    g.ui.palette.paletteColumn = column;
    g.ui.palette.paletteRow = row;

    for (bool open = true; open;) {
        g.ui.palette.paletteCleared = false;
        clearEscapeConsumed(g);
        const Event e = takeEvent(g);
        b.activeGrid = grid;
        switch (e.kind) {
        case Event::Kind::LeftPress:
            if (insidePalette(g)) {
                chooseValue(g, column, row, g.ui.palette.paletteValue);
                open = false;
            }
            break;
        case Event::Kind::RightPress:
            clearPaletteCell(g, column, row);
            open = false;
            break;
        case Event::Kind::WindowMinimised:
            pauseGame(g); // the palette stays open under the cover
            break;
        case Event::Kind::Char: {
            if (e.ctrl() || e.alt()) break; // a key held with Ctrl or Alt is no value
            int code = e.code;
            if (code == kKeyEsc) {
                code = '0';
                g.ui.palette.paletteCleared = false;
                consumeEscape(g);
            } else if (!b.options.showDigits) {
                code -= 48; // "a".."i" become "1".."9"
            }
            if (code >= '0' && code <= '9') {
                const int v = code - '0';
                if (!g.ui.noteMode) g.ui.palette.paletteValue = v;
                // Letters are released under their capitals' codes.
                g.ui.palette.paletteKeyRelease =
                    (e.code >= 'a' && e.code <= 'z') ? e.code - 32 : e.code;
                chooseValue(g, column, row, v);
                open = false;
            }
            break;
        }
        default:
            break;
        }
    }

    if (g.ui.palette.backgroundSaved) {
        g.ui.palette.savedBackground = QImage();
        g.ui.palette.backgroundSaved = false;
    }
    g.ui.palette.paletteTracking = false;
    g.platform.waitNoMouseButton();
    g.ui.helpText = QStringLiteral(QT_TRANSLATE_NOOP("PanelTexts", "Bitte ein Feld anklicken! "));
    if (g.draw.largeFontMode) g.ui.helpText += QStringLiteral("   ");
    showHelpText(g);
    syncSharedBoxes(b);
    if (b.options.showCandidates) computeCandidates(g);
}
