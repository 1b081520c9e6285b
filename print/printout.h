// The printout of the board on one page: menu commands 12 and 27, and the Drucken button
// and D key of the play loop and the own-board editor call printBoard.
#pragma once

#include <QPoint>
#include <QString>

#include <array>
#include <functional>

class Canvas;
class QPainter;
struct Board;
struct BoardArray;
struct Game;
class QPrinter;

// The page is laid out in pixels of this resolution, whatever the printer's own: the
// pens of 2 and 5 pixels then give cell lines of 0.17 mm and box lines of 0.42 mm on
// paper, where at a printer's 1200 dpi the boxes would vanish. A painter transform maps
// the layout onto the printer's pixels.
constexpr int kPrintLayoutDpi = 300;

// Where everything lies on the page, in layout pixels, for a printable area of the given
// size. The page is cut into units: 86 across, 70 down.
struct PrintLayout {
    int unitX = 0, unitY = 0;
    int cellWidth = 0, cellHeight = 0;  // 4 units by 3 units
    std::array<QPoint, 5> gridCorner{}; // top-left corner of each grid
    std::array<QPoint, 5> textOffset{}; // added to a value's base point, per grid
    QPoint title;
    QPoint footer;
    int halfCellY = 0; // 1.5 units down, rounded half to even: the values' base y
};
PrintLayout printLayout(int printableWidth, int printableHeight);

// True for the cells of a grid that lie in a shared box (hatched on the page).
bool isSharedCell(int grid, int column, int row);
// The number of givens, each shared cell counted once; the board is only read.
int countGivens(const Board& board);
// "Schwierigkeitsgrad: " + the stored difficulty name + "mit " + givens + " Zahlen".
QString footerText(const Game& g);

// The hatch of the shared boxes: thin grey lines, lighter than the black values drawn
// over them, so a value in a shared box stays readable.
inline constexpr int kPrintHatchGrey = 128;

// The text of a value and its shift to the right in device pixels: a digit, or a
// letter A..I in letter mode.
QString printedValueText(bool showDigits, int value);
int printedValueShift(bool showDigits, int value);

void printBoard(Game& g);
// Draws one board page: the title, the five grids with hatched shared boxes, the values
// (0 left empty) and the footer, in layout pixels.
void drawPrintedBoard(Canvas& page, const PrintLayout& layout, const BoardArray& values,
                      bool showDigits, const QString& title, const QString& footer);
// Draws page `index` on its own canvas, whose painter maps layout pixels onto the printer.
using PageDrawer =
    std::function<void(Canvas& page, QPainter& painter, int index, const PrintLayout& layout)>;
// Prints pageCount pages on the selected printer, each drawn by `draw` on a canvas of its
// own and handed to Platform::pagePrinted. False when the printer failed (nothing said).
bool printPages(Game& g, QPrinter& printer, int pageCount, const PageDrawer& draw);
// Directs `printer` to the default printer, or to the one picked in the printer-selection
// dialog when there is none. False when the dialog was cancelled.
bool selectPrinter(Game& g, QPrinter& printer);
// Prints one value of grid `grid` (whose text offsets apply) at its place on the page.
void printCellValue(Canvas& page, const Game& g, const PrintLayout& layout, int grid, int column,
                    int row, int value);
