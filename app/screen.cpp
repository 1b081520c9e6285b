// Screen layout, numbered fonts and the 3-D drawing primitives. Start-up draws the first
// screen with these; the panels, board rendering and the button bar draw through them.
#include "app/screen.h"

#include "session/game.h"
#include "help/guidance.h"
#include "panels/info.h"
#include "panels/statistics.h"
#include "play/render.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kGridSize = 9 * kCellSize;

// An Arial font as the Windows font mapper builds it from (height, width, weight): the
// height is the text cell (ascent + descent), the width the average character width.
// Liberation Sans has Arial's metrics, so the layout keeps its proportions.
QFont arialFont(int height, int width, int weight) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setWeight(static_cast<QFont::Weight>(weight));
    int pixels = height;
    f.setPixelSize(pixels);
    while (pixels > 4 && QFontMetricsF(f).height() > height + 0.5) f.setPixelSize(--pixels);
    const qreal average = QFontMetricsF(f).averageCharWidth();
    if (width > 0 && average > 0)
        f.setStretch(std::clamp(qRound(100.0 * width / average), 1, 4000));
    return f;
}

// A fixed-pitch face with exactly `advance` pixels per character: the layout of the panels
// and the button captions counts characters in whole pixels.
QFont fixedFace(int pixels, int advance, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPixelSize(pixels);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    const QString sample = QStringLiteral("MMMMMMMMMM");
    qreal measured = QFontMetricsF(f).horizontalAdvance(sample) / 10.0;
    if (measured > 0) f.setStretch(std::clamp(qRound(100.0 * advance / measured), 1, 4000));
    measured = QFontMetricsF(f).horizontalAdvance(sample) / 10.0;
    f.setLetterSpacing(QFont::AbsoluteSpacing, advance - measured);
    return f;
}

// The system's fixed-pitch OEM font: 8 pixels per character, a 12-pixel text cell.
QFont systemFixedFont() {
    return fixedFace(10, 8, false);
}
// "Fixedsys", 9 points: 8 pixels per character, a 15-pixel text cell, heavy strokes.
QFont fixedsysFont() {
    return fixedFace(12, 8, true);
}
// "System", 9.75 points: a bold proportional face in a 16-pixel text cell.
QFont systemFont() {
    return arialFont(16, 0, 700);
}
// The system's variable-pitch font, used instead of the two above on large-font systems.
QFont variablePitchFont() {
    return arialFont(16, 0, 400);
}

} // namespace

int standardTextHeight() {
    // The standard text font is 16 pixels high at 96 dots per inch and grows with the
    // logical resolution the desktop reports.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    return qRound(16.0 * dpi / 96.0);
}

bool isLargeFontSystem(int textHeight) {
    return textHeight > 16;
}

void fillColourTable(Game& g) {
    static constexpr int rgb[16][3] = {
        {0, 0, 0},
        {208, 0, 0},
        {0, 128, 0},
        {255, 255, 0},
        {0, 0, 188},
        {128, 0, 128},
        {0, 128, 128},
        {192, 192, 192},
        {64, 64, 64},
        {255, 0, 0},
        {0, 255, 0},
        {255, 255, 0},
        {qRed(kWindowBackgroundRgb), qGreen(kWindowBackgroundRgb), qBlue(kWindowBackgroundRgb)},
        {255, 0, 255},
        {0, 255, 255},
        {255, 255, 255}};
    for (size_t i = 0; i < 16; ++i)
        g.canvas.colourTable[i] = QColor(rgb[i][0], rgb[i][1], rgb[i][2]);
}

QFont numberedFont(Game& g, int n) {
    switch (n) {
    case 4:
        return arialFont(14, 7, 200);
    case 5:
        return arialFont(14, 8, 200);
    case 6:
        return arialFont(22, 10, 700);
    case 8:
        if (g.draw.largeFontMode || isLargeFontSystem(standardTextHeight()))
            return arialFont(14, 8, 200);
        return systemFixedFont();
    case 14:
        return isLargeFontSystem(standardTextHeight()) ? variablePitchFont() : fixedsysFont();
    case 18:
        return arialFont(18, 10, 600);
    case 20:
        return arialFont(36, 18, 200);
    default:
        return isLargeFontSystem(standardTextHeight()) ? variablePitchFont() : systemFont();
    }
}

void selectFont(Game& g, int n) {
    // Fonts are values here: the previous one needs no freeing.
    if (n == 8 && !g.draw.largeFontMode && isLargeFontSystem(standardTextHeight()))
        g.draw.largeFontMode = true;
    g.draw.currentFont = n;
    g.canvas.setFont(numberedFont(g, n));
}

void drawFrame3D(Game& g, int style, int width, int x1, int y1, int x2, int y2) {
    Canvas& c = g.canvas;
    c.setLineWidth(1);
    c.setPenColour(style == 0 ? Colour::White : Colour::DarkGrey);
    for (int i = 0; i <= width - style; ++i) {
        c.line(x1 + i, y1 + i, x2, y1 + i);
        c.line(x1 + i, y1 + i, x1 + i, y2);
    }
    c.setPenColour(style == 0 ? Colour::DarkGrey : Colour::White);
    for (int i = 0; i <= width - style; ++i) {
        c.line(x1 + i, y2 - i, x2 + 1, y2 - i);
        c.line(x2 - i, y1 + i, x2 - i, y2);
    }
    c.setPenColour(Colour::Black);
}

void drawEmbossedText(Game& g, int font, Colour colour, int x, int y, const QString& text) {
    Canvas& c = g.canvas;
    selectFont(g, font);
    if (g.draw.largeFontMode && font == 14) x += 31;
    y -= 14;
    c.setOpaqueText(false);
    c.setPenColour(Colour::White);
    c.text(x, y, text);
    c.setPenColour(colour);
    c.text(x - 1, y - 1, text);
    c.setOpaqueText(true);
    c.setPenColour(Colour::Black);
    c.setBackColour(Colour::LightGrey);
    selectFont(g, 8);
}

void drawPanel(Game& g, int x, int y, int w, int h, const QString& title, int titleX, int titleY) {
    Canvas& c = g.canvas;
    drawFrame3D(g, 0, 2, x, y, x + w, y + h);
    drawFrame3D(g, 1, 2, x + 6, y + 22, x + w - 6, y + h - 6);
    // The title is drawn transparently: on its own antialiased edges of an earlier drawing
    // it would grow bolder each time, so the band between the frames is erased first.
    c.fillRect(x + 3, y + 3, x + w - 3, y + 21, c.colour(Colour::WindowBackground));
    drawEmbossedText(g, 16, Colour::Black, titleX, titleY, title);
    c.setLineWidth(1);
    c.setPenColour(Colour::Black);
    c.setBackColour(Colour::White);
    c.filledBox(x + 6, y + 22, x + w - 7, y + h - 7);
    // Ready for the panel's contents: font 8, black on white, opaque.
    selectFont(g, 8);
    c.setOpaqueText(true);
}

void drawEmptyGrid(Game& g, int x, int y) {
    Canvas& c = g.canvas;
    const int cw = g.state.board.cellWidth, ch = g.state.board.cellHeight;
    c.setPenColour(Colour::Black);
    c.setBackColour(Colour::White);
    c.filledBox(x - 1, y - 1, x + kGridSize, y + kGridSize);
    c.setLineWidth(1);
    for (int r = 0; r < 9; ++r)
        for (int col = 0; col < 9; ++col)
            c.box(x + cw * col, y + ch * r, x + cw * col + cw, y + ch * r + ch);
    c.setLineWidth(2);
    c.setPenColour(Colour::Blue);
    for (int b = 0; b < 3; ++b)
        for (int s = 0; s < 3; ++s) c.box(x + 99 * s, y + 99 * b, x + 99 * s + 99, y + 99 * b + 99);
    c.setLineWidth(1);
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
    c.setPenColour(Colour::White);
    c.line(319, 203, 400, 203);
    c.line(204, 320, 204, 401);
    c.setLineWidth(1);
    c.setPenColour(Colour::Black);
    c.line(319, 519, 401, 519);
    c.line(319, 520, 400, 520);
    c.line(518, 319, 518, 401);
    c.line(519, 319, 519, 400);
    // The five grids, the centre one last so that it covers the corner grids' shared boxes.
    g.state.board.cellWidth = g.state.board.cellHeight = kCellSize;
    c.setPenColour(Colour::Black);
    c.setBackColour(Colour::White);
    for (const int grid : {0, 1, 3, 4, 2})
        drawEmptyGrid(g, gridLeftPixel(grid), gridTopPixel(grid));
    // The shared-box outlines go on top of every grid line.
    c.setLineWidth(2);
    c.setPenColour(Colour::DarkRed);
    for (const SharedBox& s : kSharedBoxes) {
        const int x = gridLeftPixel(s.masterGrid) + kCellSize * (s.masterColumn - 1);
        const int y = gridTopPixel(s.masterGrid) + kCellSize * (s.masterRow - 1);
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
