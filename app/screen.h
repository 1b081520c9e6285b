// The window-level screen: the colour table, the main and start screens and the redraw of
// the idle screen, drawn with the primitives of session/look.h.
#pragma once

#include "session/look.h"

struct Game;

// The colour table, filled once at start.
void fillColourTable(Game& g);
void drawMainScreen(Game& g);
// Captures the five background strips from the freshly cleared window.
void captureBackgroundStrips(Game& g);
void drawStartScreen(Game& g);
// Redraws the idle screen in the current language (menu 70/71): status strip, board,
// panels, help line.
void redrawScreen(Game& g);
