// Numbered fonts and the drawing primitives that give the screen its 3-D look. Called by
// start-up, the panels, board rendering, the hint view, the pause cover, the palette and
// the button bar.
#pragma once

#include "platform/canvas.h"

#include <QFont>
#include <QString>

struct Game;

// The large-font test: the height in pixels of the desktop's standard text font (16 at
// 96 dots per inch), and whether it counts as a large-font system (taller than 16).
int standardTextHeight();
bool isLargeFontSystem(int textHeight);
// The font of numbered font n (Arial mapped to Liberation Sans), without selecting it.
// An Arial height is the text cell (ascent + descent) in pixels, its width the average
// character width; fonts 8 and 14 are fixed faces of 8 pixels per character (text cells
// of 12 and 15 pixels), the default font ("System") a bold face in a 16-pixel cell.
QFont numberedFont(Game& g, int n);
void selectFont(Game& g, int n);
void drawFrame3D(Game& g, int style, int width, int x1, int y1, int x2, int y2);
void drawEmbossedText(Game& g, int font, Colour colour, int x, int y, const QString& text);
// The panel layout shared by the five information panels.
void drawPanel(Game& g, int x, int y, int w, int h, const QString& title, int titleX, int titleY);
void drawEmptyGrid(Game& g, int x, int y);
