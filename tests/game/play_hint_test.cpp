// The hint key T: the question in a timed game, the sentence in the help panel, a wrong entry
// reported first, the editor, and that the hint fills no cell.
#include "app/game.h"
#include "panels/info.h"
#include "play/editor.h"
#include "play/hintview.h"
#include "play/playloop.h"
#include "play/render.h"
#include "support/scripted_platform.h"
#include "tests/game/play_helpers.h"

#include <gtest/gtest.h>

using namespace play_test;

namespace {
// The sentence drawn into the help panel: its lines joined again.
QString helpSentence(const Canvas& canvas) {
    QStringList lines;
    for (const auto& record : canvas.journal)
        if (record.x == 772 && record.y >= 559 && record.y < 603) lines.append(record.text);
    return lines.join(QLatin1Char(' '));
}
} // namespace

TEST(HintKey, ShowsTheNextStepOrTheWrongEntryAndFillsNothing) {
    struct Case {
        const char* name;
        bool timed, editor;
        int answer;     // to "Ein Tipp beendet die Zeitmessung. Trotzdem?" (0: not asked)
        int wrongDigit; // a wrong entry of the player at grid 1, column 5, row 5 (0: none)
        QString sentence;
    };
    const int single = fieldValue(0, 1, 1);
    const QString nakedSingle =
        QStringLiteral("Tipp: In Gitter 1 passt in Zeile 1, Spalte 1 nur noch die %1.").arg(single);
    const int wrong = fieldValue(1, 5, 5) % 9 + 1;
    const Case cases[] = {
        {"untimed", false, false, 0, 0, nakedSingle},
        {"timed, NEIN", true, false, 2, 0, QString()},
        {"timed, JA", true, false, 1, 0, nakedSingle},
        {"wrong entry first", false, false, 0, wrong,
         QStringLiteral("Tipp: Die %1 in Gitter 2, Zeile 5, Spalte 5 ist falsch.").arg(wrong)},
        {"editor", false, true, 0, 0, nakedSingle},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestWorld w;
        Game& g = w.g();
        fillSolvedBoard(g.board);
        openCell(g.board, 0, 1, 1);
        openCell(g.board, 1, 5, 5);
        if (c.wrongDigit) g.board.cellValue(1, 5, 5) = static_cast<std::uint8_t>(c.wrongDigit);
        g.clock.clockRunning = c.timed;
        if (c.answer) w.platform.answers.push_back(c.answer);
        w.platform.key('T');
        w.platform.key('A');
        if (c.editor)
            boardEditor(g);
        else
            playLoop(g);
        joinClockTicker(g);
        ASSERT_EQ(w.platform.messages.size(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(w.platform.messages[0].text,
                      QStringLiteral("Ein Tipp beendet die Zeitmessung. Trotzdem?"));
            EXPECT_EQ(w.platform.messages[0].captions, QStringLiteral("&JA|&NEIN"));
        }
        EXPECT_EQ(helpSentence(w.canvas), c.sentence);
        EXPECT_EQ(g.board.cellValue(0, 1, 1), 0); // the hint never fills the cell
        EXPECT_EQ(g.board.cellValue(1, 5, 5), c.wrongDigit);
        EXPECT_FALSE(g.hintShown); // the key A took the marks off again
    }
}

// The hint's marks go through the cell marks: the cell it leads to outlined green, its unit
// tinted under the values; the next key takes both off again and the cells are white.
TEST(HintKey, MarksComeAndGoThroughTheCellMarks) {
    TestWorld w;
    Game& g = w.g();
    fillSolvedBoard(g.board);
    openCell(g.board, 0, 1, 1);
    drawBoard(g);
    const QColor white(255, 255, 255);
    ASSERT_EQ(w.pixel(17, 27), white);  // inside the target cell (grid 1, column 1, row 1)
    ASSERT_EQ(w.pixel(149, 46), white); // a corner of column 5 in the same row
    showHint(g);
    EXPECT_TRUE(g.hintShown);
    EXPECT_EQ(w.pixel(17, 27), QColor(0, 150, 0));
    EXPECT_EQ(w.pixel(149, 46), QColor(255, 240, 176));
    Event release;
    release.kind = Event::Kind::KeyRelease;
    clearHint(g, release);
    EXPECT_FALSE(g.hintShown);
    EXPECT_EQ(g.cellMarks, CellMarks{});
    EXPECT_EQ(w.pixel(17, 27), white);
    EXPECT_EQ(w.pixel(149, 46), white);
}
