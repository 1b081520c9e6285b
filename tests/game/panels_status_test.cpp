// The statistics and status panels: counts in single-copy form, the verdict table with its
// precedence, the alert, the error count and the hand-over of a solved timed game.
#include "app/screen.h"
#include "session/modal.h"
#include "engine/rules.h"
#include "app/menu.h"
#include "files/resume.h"
#include "panels/info.h"
#include "panels/statistics.h"
#include "support/scripted_platform.h"
#include "support_pure/puzzles.h"

#include <gtest/gtest.h>

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

// The last text drawn at a point, from the canvas journal.
Canvas::TextRecord lastTextAt(const Canvas& canvas, int x, int y) {
    const auto texts = canvas.textsAt(x, y);
    return texts.empty() ? Canvas::TextRecord{QString(), x, y, QColor(), 0} : texts.back();
}

// Every value of the board as a player entry (no givens).
void asEntries(Board& b) {
    b.givenValue.bytes.fill(0);
}

// A second, different solution: every digit relabelled d -> d mod 9 + 1.
BoardArray relabelled(const BoardArray& a) {
    BoardArray out = a;
    for (auto& v : out.bytes)
        if (v != 0) v = static_cast<std::uint8_t>(v % 9 + 1);
    return out;
}

} // namespace

TEST(StatusPanel, VerdictTable) {
    struct Case {
        const char* name;
        void (*build)(Board&);
        const char* text;
        QColor colour;
        int beeps;
    };
    const Case cases[] = {
        {"empty board", [](Board&) {}, "Keine Fehler! ", kBlack, 0},
        {"right entries, incomplete",
         [](Board& b) {
             b = puzzles::solvedBoard();
             asEntries(b);
             b.solutionValue = b.cellValue;
             puzzles::setField(b, 1, 1, 0, false);
         },
         "Keine Fehler! ", kBlack, 0},
        {"solved with the stored solution",
         [](Board& b) {
             b = puzzles::solvedBoard();
             asEntries(b);
             b.solutionValue = b.cellValue;
         },
         "Brett gelöst!!! ", kBlack, 0},
        {"a second solution still counts as solved",
         [](Board& b) {
             b = puzzles::solvedBoard();
             asEntries(b);
             b.solutionValue = relabelled(b.cellValue);
         },
         "Brett gelöst!!! ", kBlack, 0},
        {"a wrong entry",
         [](Board& b) {
             b = puzzles::solvedBoard();
             b.solutionValue = b.cellValue;
             puzzles::setField(b, 1, 1, 0, false);
             puzzles::setField(b, 1, 1, b.solutionValue(0, 1, 1) % 9 + 1, false);
         },
         "Falsche Zahl! ", kRed, 0},
        {"a rule broken only among the givens",
         [](Board& b) {
             puzzles::setField(b, 1, 1, 5, true);
             puzzles::setField(b, 2, 1, 5, true);
         },
         "Falsche Zahl! ", kRed, 1},
        {"notSolvable wins over a solved board",
         [](Board& b) {
             b = puzzles::solvedBoard();
             b.solutionValue = b.cellValue;
             b.status.notSolvable = true;
         },
         "Nicht lösbar!!!", kRed, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestWorld w;
        Game& g = w.g();
        c.build(g.state.board);
        g.state.clock.clockRunning = false;
        updateDigitCounts(g);
        EXPECT_EQ(statusText(g.state.board.status.verdict), QString::fromUtf8(c.text));
        const auto drawn = lastTextAt(w.canvas, 760, 347);
        EXPECT_EQ(drawn.text, QString::fromUtf8(c.text));
        EXPECT_EQ(drawn.colour.rgb(), c.colour.rgb());
        EXPECT_EQ(w.platform.beeps, c.beeps);
    }
}

TEST(StatusPanel, NotSolvableSkipsTheFinishOfATimedGame) {
    TestWorld w;
    Game& g = w.g();
    g.state.board = puzzles::solvedBoard();
    g.state.board.status.notSolvable = true;
    startGameClock(g);
    updateDigitCounts(g);
    EXPECT_TRUE(g.state.clock.clockRunning);
    EXPECT_EQ(g.state.clock.finishTime, "X");
}

TEST(StatusPanel, ASolvedTimedGameFinishesOnce) {
    TestWorld w;
    Game& g = w.g();
    w.platform.onModal = [&g](QWidget*) { endGameDialog(g); };
    g.state.board = puzzles::solvedBoard();
    asEntries(g.state.board);
    g.state.board.solutionValue = g.state.board.cellValue;
    w.platform.time = 10.0;
    startGameClock(g);
    updateClock(g);
    w.platform.time += 65.42;
    updateDigitCounts(g);
    EXPECT_EQ(g.state.board.status.verdict, Verdict::Solved);
    EXPECT_FALSE(g.state.clock.clockRunning);
    EXPECT_FALSE(g.state.clock.finishingGame);
    EXPECT_EQ(g.state.clock.finishTime, "00:01:05.4");
    // A later recount finds the clock stopped and does not finish again.
    const std::size_t labels = w.platform.clockLabels.size();
    updateDigitCounts(g);
    EXPECT_EQ(w.platform.clockLabels.size(), labels);
}

TEST(StatusPanel, AFullBoardThatBreaksARuleFinishesNothing) {
    // Every digit stands 41 times, but two entries of one row are exchanged: the columns
    // break. Whether the stored solution agrees or not, the game is not solved.
    for (const bool solutionAgrees : {false, true}) {
        SCOPED_TRACE(solutionAgrees ? "solution agrees" : "entries differ from the solution");
        TestWorld w;
        Game& g = w.g();
        w.platform.onModal = [&g](QWidget*) { endGameDialog(g); };
        g.state.board = puzzles::solvedBoard();
        asEntries(g.state.board);
        g.state.board.solutionValue = g.state.board.cellValue;
        std::swap(g.state.board.cellValue(0, 1, 1), g.state.board.cellValue(0, 2, 1));
        if (solutionAgrees) g.state.board.solutionValue = g.state.board.cellValue;
        startGameClock(g);
        updateDigitCounts(g);
        EXPECT_TRUE(g.state.board.status.boardComplete);
        EXPECT_EQ(g.state.board.status.verdict, Verdict::WrongNumber);
        EXPECT_TRUE(g.state.clock.clockRunning);
        EXPECT_EQ(g.state.clock.finishTime, "X");
        EXPECT_TRUE(w.platform.modalForms.empty()) << "no hall of fame";
    }
}

TEST(StatusPanel, ErrorCountIsShownWithItsLimit) {
    TestWorld w;
    Game& g = w.g();
    for (int errors : {0, 3, 4}) {
        g.state.board.status.errorCount = static_cast<std::int16_t>(errors);
        updateStatusMessage(g);
        const QString text = lastTextAt(w.canvas, 832, 382).text;
        EXPECT_TRUE(text.startsWith("Fehler:")) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::number(errors) + "/3")) << text.toStdString();
    }
}

TEST(StatisticsPanel, CountsEachSharedCellOnce) {
    TestWorld w;
    Game& g = w.g();
    drawStatisticsPanel(g);
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(lastTextAt(w.canvas, 776 + 24 * i, 274).text, "  0 ") << i;

    g.state.board = puzzles::solvedBoard();
    updateDigitCounts(g);
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(g.state.board.digitCount[static_cast<size_t>(i)], 41) << i;
        EXPECT_EQ(lastTextAt(w.canvas, 776 + 24 * i, 274).text, " 41 ") << i;
    }
    // The mirrors are restored after counting.
    EXPECT_EQ(g.state.board.cellValue(2, 1, 1), g.state.board.cellValue(0, 7, 7));
}

TEST(StatisticsPanel, LabelsFollowTheDisplay) {
    TestWorld w;
    Game& g = w.g();
    drawStatisticsPanel(g);
    EXPECT_EQ(lastTextAt(w.canvas, 748, 254).text, "Zahlen");
    EXPECT_EQ(lastTextAt(w.canvas, 784 + 24 + 8, 254).text, "1");
    g.state.board.options.showDigits = false;
    drawStatisticsPanel(g);
    EXPECT_EQ(lastTextAt(w.canvas, 748, 254).text, "Ziffer");
    EXPECT_EQ(lastTextAt(w.canvas, 784 + 24 + 8, 254).text, "A");
    EXPECT_EQ(lastTextAt(w.canvas, 784 + 24 * 9 + 8, 254).text, "I");
}

TEST(DifficultyPanel, CountsSharedGivensOnceAndNamesTheLevel) {
    TestWorld w;
    Game& g = w.g();
    drawDifficultyPanel(g);
    EXPECT_EQ(lastTextAt(w.canvas, 950, 455).text, "  0 ");
    EXPECT_EQ(lastTextAt(w.canvas, 816, 468).text, " Leicht   ");

    // Givens only in the four shared boxes: 36 field cells, 72 array cells.
    Board b = puzzles::solvedBoard();
    g.state.board = Board();
    for (const SharedBox& box : kSharedBoxes)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                const int c = box.masterColumn + i, r = box.masterRow + j;
                const int mc = box.mirrorColumn + i, mr = box.mirrorRow + j;
                const auto v = b.cellValue(box.masterGrid, c, r);
                g.state.board.cellValue(box.masterGrid, c, r) =
                    g.state.board.givenValue(box.masterGrid, c, r) = v;
                g.state.board.cellValue(box.mirrorGrid, mc, mr) =
                    g.state.board.givenValue(box.mirrorGrid, mc, mr) = v;
            }
    g.state.difficulty = Difficulty::Extrem;
    updateDifficultyPanel(g);
    EXPECT_EQ(g.state.givenCount, 36);
    EXPECT_EQ(lastTextAt(w.canvas, 950, 455).text, " 36 ");
    EXPECT_EQ(lastTextAt(w.canvas, 816, 468).text, "Extrem   ");
    EXPECT_EQ(g.state.board.givenValue(2, 1, 1), g.state.board.givenValue(0, 7, 7));
}

TEST(PanelTitles, RedrawnPanelsLookAsDrawnOnceAndAResumedGameKeepsItsLetters) {
    // A panel drawn again (the help panel with every hint) keeps the look of its title: the
    // embossed text is not laid over its own antialiased edges until it turns bold.
    TestWorld w;
    Game& g = w.g();
    g.canvas.clear(Colour::WindowBackground);
    captureBackgroundStrips(g);
    drawStartScreen(g);
    const QRect titles[] = {QRect(762, 537, 235, 22), QRect(732, 222, 301, 22)};
    const QImage once[] = {w.image.copy(titles[0]), w.image.copy(titles[1])};
    for (int i = 0; i < 6; ++i) {
        drawHelpPanel(g);
        drawStatisticsPanel(g);
    }
    EXPECT_TRUE(w.image.copy(titles[0]) == once[0]) << "HILFEFENSTER:";
    EXPECT_TRUE(w.image.copy(titles[1]) == once[1]) << "STATISTIK:";

    // A game in letter display, left and resumed after a restart: the statistics header
    // names the letters, as the board shows them.
    g.state.board.givenValue(0, 1, 1) = g.state.board.cellValue(0, 1, 1) = 5;
    g.state.board.cellValue(0, 2, 1) = 3;
    g.state.board.options.showDigits = false;
    keepGameInProgress(g);
    releaseGameInProgress(g); // the program ends
    Game next(w.platform, w.canvas);
    drawStartScreen(next);
    w.platform.answers = {1}; // "&JA"
    w.platform.key(kKeyEsc);  // leaves the resumed game
    resumeGame(next);
    ASSERT_FALSE(next.state.board.options.showDigits);
    EXPECT_EQ(lastTextAt(w.canvas, 748, 254).text, QStringLiteral("Ziffer"));
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(lastTextAt(w.canvas, 784 + 24 * i + 8, 254).text, QString(QChar('@' + i)));
}
