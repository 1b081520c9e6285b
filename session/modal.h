// The game's modal dialogs and the Esc they take. One dialog runs at a time, until its
// buttons, Esc or its close box end it (endGameDialog sets dialogDone). An Esc that closed
// a dialog or the palette is consumed: its key release does not end the game as well.
#pragma once

#include <QPoint>

class QWidget;
struct Game;

// Runs `form` modally at `offset` from the main window until dialogDone.
void runGameDialog(Game& g, QWidget* form, QPoint offset);
void endGameDialog(Game& g);
// True once the dialog running (or the last one) has ended.
bool dialogDone(const Game& g);

// The Esc just pressed closed a dialog or the palette.
void consumeEscape(Game& g);
// The next Esc may end the game again (a new Esc, a new menu command).
void clearEscapeConsumed(Game& g);
bool escapeConsumed(const Game& g);
