// The printout: the title, the five grids with hatched shared boxes, every value and a
// footer with the difficulty and the number of givens, drawn through a Canvas of its own
// onto a printer page. Called by the menu commands 12 and 27 and by the Drucken button.
#include "print/printout.h"

#include "session/game.h"
#include "platform/texts.h"

#include <QPainter>
#include <QPrinter>

namespace {

// numerator / 2 to the nearest whole number, an exact half going to the even neighbour.
int halfRoundedToEven(int numerator) {
    const int whole = numerator / 2;
    if (numerator % 2 == 0) return whole;
    return whole % 2 == 0 ? whole : whole + 1;
}

// A font of the given point size, sized in layout pixels so the painter transform scales
// it with the rest of the page.
QFont printFont(int pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize((pointSize * kPrintLayoutDpi + 36) / 72);
    return font;
}

void printValue(Canvas& page, bool showDigits, const PrintLayout& layout, int grid, int column,
                int row, int value) {
    const QPoint offset = layout.textOffset[static_cast<size_t>(grid)];
    const int x = 2 * layout.unitX + (column - 1) * layout.cellWidth + offset.x();
    const int y = layout.halfCellY + (row - 1) * layout.cellHeight + offset.y();
    page.text(x + printedValueShift(showDigits, value), y + 3, printedValueText(showDigits, value));
}

} // namespace

void drawPrintedBoard(Canvas& canvas, const PrintLayout& layout, const BoardArray& values,
                      bool showDigits, const QString& title, const QString& footer) {
    const int cw = layout.cellWidth, ch = layout.cellHeight;

    canvas.setFont(printFont(20));
    canvas.setHatched(true);
    canvas.setHatchPen(QColor(kPrintHatchGrey, kPrintHatchGrey, kPrintHatchGrey), 1);
    canvas.setPenRGB(Qt::black);
    canvas.setBackRGB(Qt::white);
    canvas.setOpaqueText(false);
    canvas.text(layout.title.x(), layout.title.y(), title);

    canvas.setLineWidth(2);
    for (int grid = 0; grid < 5; ++grid) {
        const QPoint corner = layout.gridCorner[static_cast<size_t>(grid)];
        for (int row = 1; row <= 9; ++row) {
            for (int column = 1; column <= 9; ++column) {
                const int x = corner.x() + (column - 1) * cw;
                const int y = corner.y() + (row - 1) * ch;
                if (isSharedCell(grid, column, row))
                    canvas.filledBox(x, y, x + cw, y + ch);
                else
                    canvas.box(x, y, x + cw, y + ch);
            }
        }
    }

    canvas.setLineWidth(5);
    for (int grid = 0; grid < 5; ++grid) {
        const QPoint corner = layout.gridCorner[static_cast<size_t>(grid)];
        for (int boxRow = 1; boxRow <= 3; ++boxRow) {
            for (int boxColumn = 1; boxColumn <= 3; ++boxColumn) {
                const int x = corner.x() + (boxColumn - 1) * 3 * cw;
                const int y = corner.y() + (boxRow - 1) * 3 * ch;
                canvas.box(x, y, x + 3 * cw, y + 3 * ch);
            }
        }
    }

    canvas.setLineWidth(1);
    canvas.setPenRGB(Qt::black);
    canvas.setBackRGB(Qt::white);
    for (int grid = 0; grid < 5; ++grid) {
        for (int column = 1; column <= 9; ++column) {
            for (int row = 1; row <= 9; ++row) {
                const int value = values(grid, column, row);
                if (value != 0) printValue(canvas, showDigits, layout, grid, column, row, value);
            }
        }
    }

    canvas.setFont(printFont(10));
    canvas.text(layout.footer.x(), layout.footer.y(), footer);
}

PrintLayout printLayout(int printableWidth, int printableHeight) {
    PrintLayout l;
    const int ux = printableWidth / 86;
    const int uy = printableHeight / 70;
    l.unitX = ux;
    l.unitY = uy;
    l.cellWidth = 4 * ux;
    l.cellHeight = 3 * uy;
    // The field starts one unit from the left and five from the top; the text offsets lie
    // one unit up and left of the grid corners.
    for (int grid = 0; grid < 5; ++grid) {
        const int fieldX = l.cellWidth * gridFieldColumn(grid);
        const int fieldY = l.cellHeight * gridFieldRow(grid);
        l.gridCorner[static_cast<size_t>(grid)] = QPoint(ux + fieldX, 5 * uy + fieldY);
        l.textOffset[static_cast<size_t>(grid)] = QPoint(fieldX, 4 * uy + fieldY);
    }
    l.title = QPoint(29 * ux, uy);
    l.footer = QPoint(ux, halfRoundedToEven(137 * uy)); // 68.5 units
    l.halfCellY = halfRoundedToEven(3 * uy);            // 1.5 units
    return l;
}

bool isSharedCell(int grid, int column, int row) {
    int otherGrid = 0, otherColumn = 0, otherRow = 0;
    return otherCopy(grid, column, row, otherGrid, otherColumn, otherRow);
}

int countGivens(const Board& board) {
    int count = 0;
    for (int grid = 0; grid < 5; ++grid) {
        for (int column = 1; column <= 9; ++column) {
            for (int row = 1; row <= 9; ++row) {
                if (board.givenValue(grid, column, row) == 0) continue;
                // A shared cell counts in its master grid, the lower-numbered one.
                int otherGrid = 0, otherColumn = 0, otherRow = 0;
                if (otherCopy(grid, column, row, otherGrid, otherColumn, otherRow) &&
                    otherGrid < grid)
                    continue;
                ++count;
            }
        }
    }
    return count;
}

QString footerText(const Game& g) {
    return PrintTexts::tr("Schwierigkeitsgrad: ") +
           difficultyText(g.state.difficulty, g.state.origin) + PrintTexts::tr("mit ") +
           QString::number(countGivens(g.state.board)) + PrintTexts::tr(" Zahlen");
}

QString printedValueText(bool showDigits, int value) {
    return valueText(showDigits, value);
}

int printedValueShift(bool showDigits, int value) {
    if (showDigits) return 7;
    return value == 9 ? 11 : 4; // the narrow "I" moves further right
}

bool selectPrinter(Game& g, QPrinter& printer) {
    if (g.platform.useDefaultPrinter(printer)) return true;
    return g.platform.choosePrinter(printer);
}

void printCellValue(Canvas& page, const Game& g, const PrintLayout& layout, int grid, int column,
                    int row, int value) {
    printValue(page, g.state.board.options.showDigits, layout, grid, column, row, value);
}

bool printPages(Game& g, QPrinter& printer, int pageCount, const PageDrawer& draw) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    bool printed = false;
    try {
        painter.scale(double(printer.logicalDpiX()) / kPrintLayoutDpi,
                      double(printer.logicalDpiY()) / kPrintLayoutDpi);
        const QSizeF inches = printer.pageRect(QPrinter::Inch).size();
        const PrintLayout layout = printLayout(qRound(inches.width() * kPrintLayoutDpi),
                                               qRound(inches.height() * kPrintLayoutDpi));
        bool allPages = true;
        for (int index = 0; index < pageCount; ++index) {
            if (index > 0 && !printer.newPage()) {
                allPages = false;
                break;
            }
            // A canvas of its own per page: the screen's canvas keeps its device, drawing
            // state and recording, so nothing of the page ever lands on the board.
            Canvas page(&printer);
            page.setActivePainter(&painter);
            page.keepJournal = true;
            draw(page, painter, index, layout);
            g.platform.pagePrinted(page);
        }
        printed = painter.end() && allPages;
    } catch (const std::exception&) {
        printer.abort();
        painter.end();
    }
    return printed;
}

void printBoard(Game& g) {
    QPrinter printer(QPrinter::HighResolution);
    // Cancelling the printer-selection dialog prints nothing and needs no message.
    if (!selectPrinter(g, printer)) return;
    printer.setDocName(PrintTexts::tr("Brett drucken"));

    const bool printed =
        printPages(g, printer, 1, [&g](Canvas& page, QPainter&, int, const PrintLayout& layout) {
            drawPrintedBoard(page, layout, g.state.board.cellValue,
                             g.state.board.options.showDigits, QStringLiteral("QUINTOR-SUDOKU"),
                             footerText(g));
        });
    if (!printed)
        g.platform.messageBox(PrintTexts::tr("Druckerfehler!"), QStringLiteral("OK"), 1,
                              MessageIcon::None);
}
