// Tests of the printed page: the board is printed into a PDF file at 600 dpi (printable
// area 4800 x 6600 pixels), which is rasterized with pdftoppm and probed.
#include "print/printout.h"

#include "support/scripted_platform.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// Renders the page rectangle (x, y, w, h) of a 600 dpi PDF page as a grey image,
// one image pixel per printer pixel.
QImage renderPart(const QString& pdf, int x, int y, int w, int h) {
    const QString out = pdf + QStringLiteral(".part");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("600"), QStringLiteral("-gray"),
             QStringLiteral("-singlefile"), QStringLiteral("-x"), QString::number(x),
             QStringLiteral("-y"), QString::number(y), QStringLiteral("-W"), QString::number(w),
             QStringLiteral("-H"), QString::number(h), pdf, out});
    p.waitForFinished(60000);
    QImage image(out + QStringLiteral(".pgm"));
    QFile::remove(out + QStringLiteral(".pgm"));
    return image;
}

bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// Share of dark pixels in the image rectangle.
double darkShare(const QImage& image, QRect r) {
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) count += dark(image, x, y) ? 1 : 0;
    return double(count) / (r.width() * r.height());
}

class PrintPage : public testing::Test {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            GTEST_SKIP() << "pdftoppm is not installed";
        w.g().canvas.journal.clear();
    }
    QString pdf() const { return w.platform.path(w.platform.printFile); }
    // Texts the printout drew, in printer pixels.
    QString textAt(int x, int y) const {
        const auto found = w.canvas.textsAt(x, y);
        return found.empty() ? QString() : found.back().text;
    }
    TestWorld w;
};

} // namespace

TEST_F(PrintPage, EmptyBoardHasTitleGridsHatchingAndFooterWithoutValues) {
    printBoard(w.g());
    ASSERT_TRUE(QFile::exists(pdf()));
    EXPECT_TRUE(w.platform.messages.empty());
    EXPECT_EQ(w.platform.printerDialogs, 0);

    EXPECT_EQ(textAt(29 * 55, 94), QStringLiteral("QUINTOR-SUDOKU"));
    EXPECT_EQ(textAt(55, 6439), QStringLiteral("Schwierigkeitsgrad:  Leicht mit 0 Zahlen"));
    EXPECT_EQ(w.canvas.journal.size(), 2u); // no values

    // The title: ink in its line, none above it.
    const QImage top = renderPart(pdf(), 0, 0, 4800, 470);
    ASSERT_FALSE(top.isNull());
    EXPECT_GT(darkShare(top, QRect(29 * 55, 94, 1500, 200)), 0.05);
    EXPECT_EQ(darkShare(top, QRect(0, 0, 4800, 60)), 0.0);

    // Grid 0, top-left: box lines 5 pixels wide, cell lines 2 pixels, blank cells.
    const QImage grid0 = renderPart(pdf(), 0, 400, 2200, 2700);
    const int left = 55, topY = 470 - 400;
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(dark(grid0, left + k, topY + 500)) << k;
    EXPECT_FALSE(dark(grid0, left + 6, topY + 500));
    EXPECT_TRUE(dark(grid0, left + 220, topY + 500));
    EXPECT_TRUE(dark(grid0, left + 221, topY + 500));
    EXPECT_FALSE(dark(grid0, left + 223, topY + 500));
    EXPECT_TRUE(dark(grid0, left + 3 * 220 + 4, topY + 500)); // box line
    EXPECT_FALSE(dark(grid0, left + 3 * 220 + 6, topY + 500));
    const QRect plainCell(left + 20, topY + 20, 180, 240); // column 1, row 1
    EXPECT_EQ(darkShare(grid0, plainCell), 0.0);
    // Column 7, row 7 lies in the shared box: hatched, but not solid.
    const QRect sharedCell(left + 6 * 220 + 20, topY + 6 * 282 + 20, 180, 240);
    EXPECT_GT(darkShare(grid0, sharedCell), 0.05);
    EXPECT_LT(darkShare(grid0, sharedCell), 0.6);

    // The footer line carries ink.
    const QImage foot = renderPart(pdf(), 0, 6400, 4800, 200);
    EXPECT_GT(darkShare(foot, QRect(55, 39, 1500, 80)), 0.02);
}

TEST_F(PrintPage, EntriesAndGivensPrintAlikeAndTheFooterCountsGivens) {
    Board& b = w.g().board;
    b.givenValue(0, 1, 1) = b.cellValue(0, 1, 1) = 5; // a given
    b.cellValue(2, 9, 9) = 9;                         // a player's entry
    b.cellValue(4, 1, 1) = 9;                         // its shared copy
    b.noteFlag(1, 5, 5, 3) = true;                    // notes are not printed
    const Board before = b;
    w.g().difficulty = Difficulty::Schwer;

    printBoard(w.g());

    EXPECT_EQ(textAt(2 * 55 + 7, 141 + 4 * 94 + 3), QStringLiteral("5"));
    EXPECT_EQ(textAt(2 * 55 + 8 * 220 + 24 * 55 + 7, 141 + 8 * 282 + 22 * 94 + 3),
              QStringLiteral("9"));
    EXPECT_EQ(textAt(2 * 55 + 48 * 55 + 7, 141 + 40 * 94 + 3), QStringLiteral("9"));
    EXPECT_EQ(textAt(55, 6439), QStringLiteral("Schwierigkeitsgrad: Schwer mit 1 Zahlen"));
    EXPECT_EQ(w.canvas.journal.size(), 5u);

    // Ink in the printed cells, none in an empty neighbour.
    const QImage grid0 = renderPart(pdf(), 55, 470, 660, 282);
    EXPECT_GT(darkShare(grid0, QRect(20, 20, 180, 240)), 0.02);
    EXPECT_EQ(darkShare(grid0, QRect(240, 20, 180, 240)), 0.0);

    EXPECT_EQ(b.cellValue, before.cellValue);
    EXPECT_EQ(b.givenValue, before.givenValue);
    EXPECT_EQ(b.noteFlag, before.noteFlag);
}

TEST_F(PrintPage, LetterModePrintsLettersWithTheirShifts) {
    Board& b = w.g().board;
    b.showDigits = false;
    b.cellValue(1, 1, 1) = 9;
    b.cellValue(1, 2, 1) = 1;
    printBoard(w.g());
    const int x = 2 * 55 + 48 * 55, y = 141 + 4 * 94 + 3;
    EXPECT_EQ(textAt(x + 11, y), QStringLiteral("I"));
    EXPECT_EQ(textAt(x + 220 + 4, y), QStringLiteral("A"));
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
