// The window-level screen: the colour table, the main and start screens and the redraw of
// the idle screen. The fonts and 3-D primitives they draw with are in session/look.*.
#include "app/screen.h"

#include "session/game.h"
#include "help/guidance.h"
#include "panels/info.h"
#include "panels/statistics.h"
#include "play/render.h"

void fillColourTable(Game& g) {
    // The classic colours; a chosen scheme replaces them once the settings are read.
    g.canvas.colourTable = colourTableOf(kClassicColours);
}

void drawMainScreen(Game& g) {
    Canvas& c = g.canvas;
    // Raised frames of the corner grids.
    drawFrame3D(g, 0, 1, 6, 6, 320, 320);
    drawFrame3D(g, 0, 1, 6, 400, 320, 715);
    drawFrame3D(g, 0, 1, 400, 6, 716, 320);
    drawFrame3D(g, 0, 1, 400, 400, 716, 715);
    // The button-bar strip.
    drawFrame3D(g, 1, 2, 16, 725, 709, 754);
    // The centre grid's frame shows only in the four gaps between the corner grids: the
    // saved strips erase the corner frames' edges there, then its own edges are drawn.
    c.paste(g.draw.gapBlankTop, 318, 203);
    c.paste(g.draw.gapBlankBottom, 318, 510);
    c.paste(g.draw.gapBlankLeft, 204, 319);
    c.paste(g.draw.gapBlankRight, 510, 319);
    c.setLineWidth(2);
    c.setPenColour(Colour::FrameLight);
    c.line(319, 203, 400, 203);
    c.line(204, 320, 204, 401);
    c.setLineWidth(1);
    c.setPenColour(Colour::FrameEdge);
    c.line(319, 519, 401, 519);
    c.line(319, 520, 400, 520);
    c.line(518, 319, 518, 401);
    c.line(519, 319, 519, 400);
    // The five grids, the centre one last so that it covers the corner grids' shared boxes.
    // Cells are cellWidth() x cellHeight() pixels, fixed by the layout.
    c.setPenColour(Colour::Black);
    c.setBackColour(Colour::White);
    for (const int grid : {0, 1, 3, 4, 2}) drawEmptyGrid(g, gridLeft(grid), gridTop(grid));
    // The shared-box outlines go on top of every grid line.
    c.setLineWidth(2);
    c.setPenColour(Colour::DarkRed);
    for (const SharedBox& s : kSharedBoxes) {
        const int x = gridLeft(s.masterGrid) + kCellSize * (s.masterColumn - 1);
        const int y = gridTop(s.masterGrid) + kCellSize * (s.masterRow - 1);
        c.box(x, y, x + 3 * kCellSize, y + 3 * kCellSize);
    }
    c.setLineWidth(1);
    c.setPenColour(Colour::Black);
    c.setBackColour(Colour::White);
    drawStatisticsPanel(g);
    drawDifficultyPanel(g);
    drawClockPanel(g);
}

void captureBackgroundStrips(Game& g) {
    Canvas& c = g.canvas;
    g.draw.buttonBarBlank = c.capture(18, 715, 707, 740);
    g.draw.gapBlankTop = c.capture(318, 203, 402, 211);
    g.draw.gapBlankBottom = c.capture(318, 510, 402, 518);
    g.draw.gapBlankLeft = c.capture(204, 319, 212, 401);
    g.draw.gapBlankRight = c.capture(510, 319, 518, 401);
}

void drawStartScreen(Game& g) {
    drawFrame3D(g, 0, 2, 0, 764, 1051, 786);
    drawEmbossedText(g, 16, Colour::Black, 10, 782, QStringLiteral("Quintor XP V6.0"));
    drawStartHint(g);
    drawMainScreen(g);
    drawHelpPanel(g);
}

void redrawScreen(Game& g) {
    // The strip's fields are drawn anew, not only when their texts change.
    g.ui.stripKeys.clear();
    g.ui.stripNote.clear();
    g.canvas.clear(Colour::WindowBackground);
    drawStartScreen(g);
    // A board that never held anything is the start screen's empty grids as they stand.
    const Board& b = g.state.board;
    if (g.state.gameStarted || b.cellValue != BoardArray{} || b.noteFlag != NoteArray<bool>{})
        drawBoard(g);
    updateDifficultyPanel(g);
}
