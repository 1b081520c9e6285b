// The printout reached through the menu: "Brett drucken" prints the board as it stands,
// "Spieldruck" prints a freshly drawn and shuffled puzzle before it is played.
#include "app/menu.h"
#include "app/screen.h"
#include "play/render.h"
#include "print/printout.h"

#include "support/scripted_platform.h"

#include <QFile>
#include <QtMath>
#include <gtest/gtest.h>

namespace {
QString printedText(const ScriptedPlatform& platform, QPoint p) {
    const auto found = platform.printedTextsAt(p.x(), p.y());
    return found.empty() ? QString() : found.back().text;
}
// The test printer's page: 8 x 11 inches without margins, laid out at 300 dpi.
const PrintLayout page = printLayout(8 * kPrintLayoutDpi, 11 * kPrintLayoutDpi);
// Where the value of cell (column, row) of `grid` is printed.
QPoint valueAt(int grid, int column, int row) {
    return QPoint(2 * page.unitX + (column - 1) * page.cellWidth + 7,
                  page.halfCellY + (row - 1) * page.cellHeight + 3) +
           page.textOffset[static_cast<size_t>(grid)];
}
} // namespace

TEST(PrintMenu, BrettDruckenPrintsTheBoardAsItStands) {
    TestWorld w;
    Game& g = w.g();
    g.state.board.givenValue(0, 1, 1) = g.state.board.cellValue(0, 1, 1) = 4;
    g.state.board.cellValue(3, 9, 9) = 6; // an entry
    const Board before = g.state.board;
    w.platform.printedTexts.clear();

    Win_0_MenuEvent(g, 27);

    EXPECT_TRUE(QFile::exists(w.platform.path(w.platform.printFile)));
    EXPECT_TRUE(w.platform.messages.empty());
    EXPECT_EQ(printedText(w.platform, valueAt(0, 1, 1)), QStringLiteral("4"));
    EXPECT_EQ(printedText(w.platform, valueAt(3, 9, 9)), QStringLiteral("6"));
    EXPECT_EQ(printedText(w.platform, page.footer),
              QStringLiteral("Schwierigkeitsgrad:  Leicht mit 1 Zahlen"));
    EXPECT_EQ(g.state.board.cellValue, before.cellValue);
    EXPECT_EQ(g.state.board.givenValue, before.givenValue);
}

TEST(PrintMenu, SpieldruckPrintsAShuffledPuzzleOfTheDifficultyThenPlays) {
    TestWorld w;
    Game& g = w.g();
    w.platform.copyDataFile(QStringLiteral("mittel.qnt"));
    Win_0_MenuEvent(g, 31); // Mittel
    w.platform.printedTexts.clear();
    w.platform.key('A'); // leaves the play loop after the printout

    Win_0_MenuEvent(g, 12);

    ASSERT_TRUE(QFile::exists(w.platform.path(w.platform.printFile)));
    const int givens = countGivens(g.state.board);
    EXPECT_GT(givens, 0);
    EXPECT_EQ(printedText(w.platform, page.footer),
              QStringLiteral("Schwierigkeitsgrad:  Mittel mit %1 Zahlen").arg(givens));
    // Every printed value (the texts between the title and the footer) is a cell of the
    // board, givens only: nothing was played yet.
    int values = -1;
    for (const Canvas::TextRecord& r : w.platform.printedTexts) {
        if (r.text == QStringLiteral("QUINTOR-SUDOKU"))
            values = 0;
        else if (r.text.startsWith(QStringLiteral("Schwierigkeitsgrad")))
            break;
        else if (values >= 0)
            ++values;
    }
    int cells = 0;
    for (int grid = 0; grid < 5; ++grid)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) cells += g.state.board.cellValue(grid, c, r) != 0 ? 1 : 0;
    EXPECT_EQ(values, cells);
    EXPECT_FALSE(g.state.clock.clockRunning);
}

TEST(PrintMenu, APrintoutLeavesNothingOnTheBoardWhenTheViewScaleChanges) {
    // Two windows' canvases record the same board; one of them prints it. Redrawn at
    // another view scale, both boards are the same picture.
    TestWorld printed, plain;
    QImage scaled[2];
    int i = 0;
    for (TestWorld* w : {&printed, &plain}) {
        Game& g = w->g();
        w->canvas.setRecording(true);
        g.canvas.clear(Colour::WindowBackground);
        captureBackgroundStrips(g);
        drawStartScreen(g);
        g.state.board.givenValue(0, 1, 1) = g.state.board.cellValue(0, 1, 1) = 4;
        g.state.board.cellValue(3, 9, 9) = 6;
        drawBoard(g);
        if (w == &printed) {
            printBoard(g);
            ASSERT_TRUE(QFile::exists(w->platform.path(w->platform.printFile)));
        }
        scaled[i] = QImage(qCeil(1052 * 0.75), qCeil(787 * 0.75), QImage::Format_RGB32);
        scaled[i].fill(Qt::black);
        w->canvas.setDevice(&scaled[i]);
        w->canvas.setViewScale(0.75);
        w->canvas.replay();
        ++i;
    }
    EXPECT_TRUE(scaled[0] == scaled[1]) << "the printed page shows on the board";
}
