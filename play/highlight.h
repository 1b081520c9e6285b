// Cell marks drawn beside the defined look of the board: a background tint under a cell's
// value and notes, and an outline inside its lines. Board rendering paints the marks with
// every cell it draws; these functions change them and redraw exactly the cells whose look
// changes. The cell cursor uses them for its highlights; other features (a hint) lay their
// own marks over those through Game::overlayMarks.
#pragma once

#include "session/game.h"

#include <QRgb>

struct Board;

// The highlight colours, off the colours of the grid: the houses (row, column, box) of the
// cursor cell in a light blue that a red wrong entry still stands out on (3:1), the cells
// holding the cursor cell's value in a stronger blue, and the cursor's outline in a dark
// orange with at least 3:1 against white and both tints, and apart from the black lines.
// Kept in these classic colours; board rendering draws each in its role's colour of the
// current scheme (platform/colours.h).
constexpr QRgb kHouseTint = kClassicColours[colourIndex(Colour::HouseTint)];
constexpr QRgb kSameValueTint = kClassicColours[colourIndex(Colour::SameValueTint)];
constexpr QRgb kCursorOutline = kClassicColours[colourIndex(Colour::CursorOutline)];

// Field index (fieldRow * 21 + fieldColumn) of cell (grid, column, row).
int fieldIndex(const Board& b, int grid, int column, int row);
// The cell at a place of the 21 x 21 field: its first grid in the order 0..4 (the master
// copy of a shared cell, the one a click selects). False for the gaps between the grids.
bool fieldCell(const Board& b, int fieldColumn, int fieldRow, int& grid, int& column, int& row);

// Primitives: set the tint or outline of one cell (0 removes it) and redraw that cell if its
// look changed.
void tintCell(Game& g, int grid, int column, int row, QRgb tint);
void outlineCell(Game& g, int grid, int column, int row, QRgb outline);
// Makes the marks on screen those of `wanted`, redrawing only the cells whose look changes.
void applyCellMarks(Game& g, const CellMarks& wanted);

// The marks the cursor asks for, with Game::overlayMarks laid over them: nothing while the
// cursor is hidden; else the cursor's houses in every grid holding the cursor cell, the
// cells of the cursor cell's value and the cursor's outline.
CellMarks wantedCellMarks(const Game& g);
// Brings the screen in line with wantedCellMarks (cheap when nothing changed). Runs before
// every event a game loop takes, so a change of the board by any command is followed.
void refreshHighlight(Game& g);
