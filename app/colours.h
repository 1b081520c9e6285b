// The screen's colour scheme (menu 72 "Klassisch", 73 "Dunkel", 74 "Wie das System",
// remembered in the settings file): which colours the canvas draws in, and the switch that
// repaints the whole window in them at once, in a running game too. The classic colours are
// the default; printouts draw in them whatever the screen shows (print/ sets its own).
#pragma once

#include "platform/colours.h"

struct Game;

// Whether the desktop is dark: its colour-scheme hint where Qt has one, else the lightness
// of the application palette's window colour.
bool desktopIsDark();
// The colours the player's choice gives now.
const ColourValues& chosenColours(const Game& g);
// Draws the screen in the colours of the player's choice: the canvas repaints what it shows,
// the clock label and the window take them over. Called at start, after a choice and, for
// "Wie das System", whenever the desktop's palette changes.
void applyColourScheme(Game& g);
// Menu 72..74: the new choice, shown at once.
void chooseColourScheme(Game& g, ColourScheme scheme);
