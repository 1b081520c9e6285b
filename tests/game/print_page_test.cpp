// Tests of the printed page: the board is printed into a PDF file whose printer works at
// 600 dpi on an 8 x 11 inch page without margins. The page is laid out at 300 dpi
// (2400 x 3300 layout pixels), so one layout pixel is two pixels of the 600 dpi raster
// that pdftoppm makes of the file, which is probed.
#include "print/printout.h"

#include "support/scripted_platform.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

constexpr int kRasterDpi = 600;
constexpr int kScale = kRasterDpi / kPrintLayoutDpi; // raster pixels per layout pixel

// Renders the layout rectangle (x, y, w, h) of the page as a grey image at 600 dpi.
QImage renderPart(const QString& pdf, int x, int y, int w, int h) {
    const QString out = pdf + QStringLiteral(".part");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(kRasterDpi), QStringLiteral("-gray"),
             QStringLiteral("-singlefile"), QStringLiteral("-x"), QString::number(x * kScale),
             QStringLiteral("-y"), QString::number(y * kScale), QStringLiteral("-W"),
             QString::number(w * kScale), QStringLiteral("-H"), QString::number(h * kScale), pdf,
             out});
    p.waitForFinished(60000);
    QImage image(out + QStringLiteral(".pgm"));
    QFile::remove(out + QStringLiteral(".pgm"));
    return image;
}

int grey(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y));
}
bool dark(const QImage& image, int x, int y) {
    return grey(image, x, y) < 128;
}

// Share of inked (not white) pixels in the raster rectangle.
double inkShare(const QImage& image, QRect r) {
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) count += grey(image, x, y) < 250 ? 1 : 0;
    return double(count) / (r.width() * r.height());
}
// The darkest grey level in the raster rectangle.
int darkest(const QImage& image, QRect r) {
    int least = 255;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) least = std::min(least, grey(image, x, y));
    return least;
}

// Thickness in millimetres of the dark line met first from (x, y) going in (dx, dy).
double lineMillimetres(const QImage& image, int x, int y, int dx, int dy) {
    while (image.valid(x, y) && !dark(image, x, y)) x += dx, y += dy;
    int run = 0;
    while (image.valid(x, y) && dark(image, x, y)) x += dx, y += dy, ++run;
    return run * 25.4 / kRasterDpi;
}

class PrintPage : public testing::Test {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            GTEST_SKIP() << "pdftoppm is not installed";
        w.platform.printedTexts.clear();
    }
    QString pdf() const { return w.platform.path(w.platform.printFile); }
    // Texts the printout drew, in layout pixels.
    QString textAt(QPoint p) const {
        const auto found = w.platform.printedTextsAt(p.x(), p.y());
        return found.empty() ? QString() : found.back().text;
    }
    // The raster rectangle of the inside of a cell, 10 layout pixels off its lines.
    QRect cellInside(int column, int row) const {
        const int cw = l.cellWidth * kScale, ch = l.cellHeight * kScale, m = 10 * kScale;
        return QRect((column - 1) * cw + m, (row - 1) * ch + m, cw - 2 * m, ch - 2 * m);
    }
    TestWorld w;
    const PrintLayout l = printLayout(8 * kPrintLayoutDpi, 11 * kPrintLayoutDpi);
};

} // namespace

TEST_F(PrintPage, EmptyBoardHasTitleGridsHatchingAndFooterWithoutValues) {
    printBoard(w.g());
    ASSERT_TRUE(QFile::exists(pdf()));
    EXPECT_TRUE(w.platform.messages.empty());
    EXPECT_EQ(w.platform.printerDialogs, 0);

    EXPECT_EQ(l.unitX, 27);
    EXPECT_EQ(l.unitY, 47);
    EXPECT_EQ(textAt(l.title), QStringLiteral("QUINTOR-SUDOKU"));
    EXPECT_EQ(textAt(l.footer), QStringLiteral("Schwierigkeitsgrad:  Leicht mit 0 Zahlen"));
    EXPECT_EQ(w.platform.printedTexts.size(), 2u); // no values

    // The title: ink in its line, none above it.
    const QImage top = renderPart(pdf(), 0, 0, 2400, 5 * l.unitY);
    ASSERT_FALSE(top.isNull());
    EXPECT_GT(inkShare(top, QRect(l.title * kScale, QSize(1500, 150))), 0.05);
    EXPECT_EQ(inkShare(top, QRect(0, 0, 4800, 2 * l.unitY)), 0.0);

    // Grid 0, top-left, rendered from its corner: box lines of at least 0.3 mm and cell
    // lines of at least 0.1 mm on paper, across and down; blank plain cells.
    const QPoint corner = l.gridCorner[0];
    const QImage grid0 =
        renderPart(pdf(), corner.x(), corner.y(), 9 * l.cellWidth + 10, 9 * l.cellHeight + 10);
    const int midX = l.cellWidth * kScale / 2, midY = l.cellHeight * kScale / 2;
    const int cellX = l.cellWidth * kScale, cellY = l.cellHeight * kScale;
    const double boxAcross = lineMillimetres(grid0, 0, midY, 1, 0);
    const double boxDown = lineMillimetres(grid0, midX, 0, 0, 1);
    const double cellAcross = lineMillimetres(grid0, cellX - 2, midY, 1, 0);
    const double cellDown = lineMillimetres(grid0, midX, cellY - 2, 0, 1);
    const double innerBox = lineMillimetres(grid0, 3 * cellX - 2, midY, 1, 0);
    std::printf("printed lines: boxes %.3f x %.3f mm (inner %.3f), cells %.3f x %.3f mm\n",
                boxAcross, boxDown, innerBox, cellAcross, cellDown);
    for (double box : {boxAcross, boxDown, innerBox}) {
        EXPECT_GE(box, 0.3);
        EXPECT_LE(box, 0.6);
    }
    for (double cell : {cellAcross, cellDown}) {
        EXPECT_GE(cell, 0.1);
        EXPECT_LT(cell, boxAcross);
    }
    EXPECT_EQ(inkShare(grid0, cellInside(1, 1)), 0.0);

    // Column 7, row 7 lies in the shared box: hatched, neither solid nor black.
    const QRect shared = cellInside(7, 7);
    EXPECT_GT(inkShare(grid0, shared), 0.05);
    EXPECT_LT(inkShare(grid0, shared), 0.6);
    EXPECT_GE(darkest(grid0, shared), kPrintHatchGrey - 10);

    // The footer line carries ink.
    const QImage foot = renderPart(pdf(), 0, l.footer.y() - 10, 2400, 60);
    EXPECT_GT(inkShare(foot, QRect(l.footer.x() * kScale, 20, 1500, 80)), 0.02);
}

TEST_F(PrintPage, EntriesAndGivensPrintAlikeAndTheFooterCountsGivens) {
    Board& b = w.g().state.board;
    b.givenValue(0, 1, 1) = b.cellValue(0, 1, 1) = 5; // a given
    b.cellValue(2, 9, 9) = 9;                         // a player's entry
    b.cellValue(4, 1, 1) = 9;                         // its shared copy
    b.noteFlag(1, 5, 5, 3) = true;                    // notes are not printed
    const Board before = b;
    w.g().state.difficulty = Difficulty::Schwer;

    printBoard(w.g());

    const int cw = l.cellWidth, ch = l.cellHeight, ux = l.unitX;
    const QPoint base(2 * ux + 7, l.halfCellY + 3);
    EXPECT_EQ(textAt(base + l.textOffset[0]), QStringLiteral("5"));
    EXPECT_EQ(textAt(base + l.textOffset[2] + QPoint(8 * cw, 8 * ch)), QStringLiteral("9"));
    EXPECT_EQ(textAt(base + l.textOffset[4]), QStringLiteral("9"));
    EXPECT_EQ(textAt(l.footer), QStringLiteral("Schwierigkeitsgrad: Schwer mit 1 Zahlen"));
    EXPECT_EQ(w.platform.printedTexts.size(), 5u);

    // Black ink in the printed cells, none in an empty neighbour; the value in the
    // hatched shared cell stays black over the lighter hatch.
    const QPoint corner0 = l.gridCorner[0], corner4 = l.gridCorner[4];
    const QImage grid0 = renderPart(pdf(), corner0.x(), corner0.y(), 3 * cw, ch);
    EXPECT_GT(inkShare(grid0, cellInside(1, 1)), 0.02);
    EXPECT_LT(darkest(grid0, cellInside(1, 1)), 60);
    EXPECT_EQ(inkShare(grid0, cellInside(2, 1)), 0.0);
    const QImage grid4 = renderPart(pdf(), corner4.x(), corner4.y(), cw, ch);
    EXPECT_LT(darkest(grid4, cellInside(1, 1)), 60);

    EXPECT_EQ(b.cellValue, before.cellValue);
    EXPECT_EQ(b.givenValue, before.givenValue);
    EXPECT_EQ(b.noteFlag, before.noteFlag);
}

TEST_F(PrintPage, LetterModePrintsLettersWithTheirShifts) {
    Board& b = w.g().state.board;
    b.options.showDigits = false;
    b.cellValue(1, 1, 1) = 9;
    b.cellValue(1, 2, 1) = 1;
    printBoard(w.g());
    const QPoint base = QPoint(2 * l.unitX, l.halfCellY + 3) + l.textOffset[1];
    EXPECT_EQ(textAt(base + QPoint(11, 0)), QStringLiteral("I"));
    EXPECT_EQ(textAt(base + QPoint(l.cellWidth + 4, 0)), QStringLiteral("A"));
}

TEST_F(PrintPage, PrinterChoiceFailureAndTheScreenAfterwards) {
    // No default printer: the selection dialog opens and its PDF file is printed.
    w.platform.hasDefaultPrinter = false;
    printBoard(w.g());
    EXPECT_EQ(w.platform.printerDialogs, 1);
    EXPECT_TRUE(QFile::exists(pdf()));
    EXPECT_TRUE(w.platform.messages.empty());

    // Cancelled dialog: nothing printed, no message.
    QFile::remove(pdf());
    w.platform.printerDialogAccepts = false;
    printBoard(w.g());
    EXPECT_EQ(w.platform.printerDialogs, 2);
    EXPECT_FALSE(QFile::exists(pdf()));
    EXPECT_TRUE(w.platform.messages.empty());

    // A printer that cannot start the document: "Druckerfehler!".
    w.platform.hasDefaultPrinter = true;
    w.platform.printFile = QStringLiteral("kein/verzeichnis/druck.pdf");
    w.canvas.setPenRGB(colour(9));
    w.canvas.setLineWidth(1);
    printBoard(w.g());
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text, QStringLiteral("Druckerfehler!"));
    EXPECT_EQ(w.platform.messages[0].captions, QStringLiteral("OK"));

    // The screen keeps its canvas and drawing state and keeps drawing.
    w.platform.printFile = QStringLiteral("druck.pdf");
    printBoard(w.g());
    EXPECT_EQ(w.canvas.device(), &w.image);
    EXPECT_EQ(w.canvas.penRGB(), colour(9));
    EXPECT_EQ(w.canvas.lineWidth(), 1);
    w.canvas.box(100, 100, 120, 120);
    EXPECT_EQ(w.pixel(100, 110), colour(9));
}
