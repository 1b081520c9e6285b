// The drawn picture as assistive technology (a screen reader over AT-SPI) sees it. The
// board is a table of the 21 x 21 field whose 369 places hold cells (the gaps between the
// grids hold none), each cell named by its grid, row and column and reading its value,
// given or entry, wrong, and its notes; the cell cursor is the focused cell. Beside the
// table: the five panels and the status strip as texts, the six buttons under the board as
// buttons that can be pressed, and an announcement line that says each entry and hint.
//
// Nothing of this costs anything while no assistive technology is active: the objects are
// made when one asks for them, and changes are followed only while QAccessible::isActive().
#pragma once

#include <QRect>

#include <functional>

class QAccessibleEvent;
class QWidget;
struct Game;

// Maps a rectangle of the picture (1052 x 787) to the drawing area's own coordinates.
using PictureToArea = std::function<QRect(const QRect& picture)>;

// Makes `area` (the widget that shows the picture) readable as the board and panels of
// `game`; nullptr detaches the game (the area then shows no board). `toArea` follows the
// view scale; empty means the picture fills the area at scale 1.
void attachAccessibleBoard(QWidget* area, Game* game, PictureToArea toArea = {});

// Called when the picture changed: once the current event is done, the changed cells,
// panels and the cursor are told to assistive technology (a focus event for the cursor's
// cell, text updates, an announcement for an entry or a hint). Free while none is active.
void accessibleBoardChanged(QWidget* area);

// The texts a cell reads, for the tests and the announcement: its name ("Gitter 1, Zeile 3,
// Spalte 5", a shared cell with its other grid) and its text ("7, vorgegeben", "5, Eintrag,
// falsch", "leer, Notizen 1 4").
QString accessibleCellName(int fieldColumn, int fieldRow);
QString accessibleCellText(const Game& game, int fieldColumn, int fieldRow);

// While set, changes are followed as if assistive technology were active, and the events
// go to `sink` instead of the platform's accessibility bridge (the tests' view of it).
void setAccessibleEventSink(std::function<void(QAccessibleEvent*)> sink);
