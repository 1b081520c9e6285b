// Numbered fonts and the 3-D drawing primitives that give the screen its look: the
// panels, board rendering, the button bar and the start screen draw through them.
#include "session/look.h"

#include "session/game.h"

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
    c.setPenColour(style == 0 ? Colour::FrameLight : Colour::DarkGrey);
    for (int i = 0; i <= width - style; ++i) {
        c.line(x1 + i, y1 + i, x2, y1 + i);
        c.line(x1 + i, y1 + i, x1 + i, y2);
    }
    c.setPenColour(style == 0 ? Colour::DarkGrey : Colour::FrameLight);
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
    c.setPenColour(Colour::EmbossLight);
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
    c.fillRect(x + 3, y + 3, x + w - 3, y + 21, Colour::WindowBackground);
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
    const int cw = cellWidth(), ch = cellHeight();
    c.setPenColour(Colour::GridLine);
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
