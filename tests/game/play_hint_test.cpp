// The hint key T: the question in a timed game, the sentence in the help panel, a wrong entry
// reported first, the editor, and that the hint fills no cell.
#include "session/game.h"
#include "app/screen.h"
#include "engine/fieldcells.h"
#include "engine/random.h"
#include "engine/search.h"
#include "panels/info.h"
#include "play/editor.h"
#include "play/highlight.h"
#include "play/hintview.h"
#include "play/playloop.h"
#include "play/render.h"
#include "support/scripted_platform.h"
#include "tests/game/play_helpers.h"
#include "tests/game/thinned_puzzle.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QRegularExpression>
#include <algorithm>
#include <set>

using namespace play_test;

namespace {
// The sentence drawn into the help panel: its lines joined again.
QString helpSentence(const Canvas& canvas) {
    QStringList lines;
    for (const auto& record : canvas.journal)
        if (record.x == 772 && record.y >= 559 && record.y < 603) lines.append(record.text);
    return lines.join(QLatin1Char(' '));
}

// Enters the value in both copies of a cell, as the palette does.
void enter(Board& b, const HintCell& cell, int v) {
    b.cellValue(cell.grid, cell.column, cell.row) = static_cast<std::uint8_t>(v);
    int og, oc, orow;
    if (otherCopy(cell.grid, cell.column, cell.row, og, oc, orow))
        b.cellValue(og, oc, orow) = static_cast<std::uint8_t>(v);
}

// Presses T until the hint has no step left, entering every placement it names; returns the
// sentences shown. Fails when a sentence does not fit the panel's three lines, when a step
// that fills a cell does not name its digit and cell, or when a step comes twice.
std::vector<QString> playHints(TestWorld& w, const ThinnedPuzzle& p, int limit) {
    Game& g = w.g();
    std::vector<QString> sentences;
    std::set<std::string> seen;
    for (int n = 0; n < limit; ++n) {
        showHint(g);
        const QString sentence = g.ui.helpText;
        sentences.push_back(sentence);
        selectFont(g, 4);
        const QFontMetrics metrics(g.canvas.font());
        selectFont(g, 8);
        int lines = 1, width = 0;
        for (const QString& word : sentence.split(QLatin1Char(' '))) {
            const int advance = metrics.horizontalAdvance(word);
            const int space = metrics.horizontalAdvance(QLatin1Char(' '));
            if (width > 0 && width + space + advance > 214) {
                ++lines;
                width = advance;
            } else {
                width += (width > 0 ? space : 0) + advance;
            }
        }
        EXPECT_LE(lines, 3) << sentence.toStdString();
        EXPECT_TRUE(seen.insert(sentence.toStdString()).second)
            << "repeated: " << sentence.toStdString();
        const bool elimination = sentence.contains(QStringLiteral(" – "));
        if (g.draw.overlayMarks.outline == CellMarks{}.outline) {
            if (elimination) continue; // nothing filled yet: the next T goes on from it
            break;                     // no step left
        }
        for (const fieldcells::FieldCell& cell : fieldcells::geometry().cells) {
            const int gr = cell.index % 5, c = cell.index / 5 % 10, r = cell.index / 50;
            if (g.draw.overlayMarks
                    .outline[static_cast<size_t>(fieldIndex(g.state.board, gr, c, r))] == 0)
                continue;
            const int v = p.solution(gr, c, r);
            // A shared cell may be named in either grid.
            const bool english = g.ui.language == Language::English;
            const QString digit =
                g.state.board.options.showDigits ? QString::number(v) : QString(QChar('@' + v));
            const auto names = [&](int ng, int nc, int nr) {
                return sentence.contains(
                           (english ? QStringLiteral("grid %1") : QStringLiteral("Gitter %1"))
                               .arg(ng + 1)) &&
                       sentence.contains(
                           (english ? QStringLiteral("the %1") : QStringLiteral("die %1"))
                               .arg(digit)) &&
                       sentence.contains(
                           (english ? QStringLiteral("row %1") : QStringLiteral("Zeile %1"))
                               .arg(nr)) &&
                       sentence.contains(
                           (english ? QStringLiteral("column %1") : QStringLiteral("Spalte %1"))
                               .arg(nc));
            };
            int og, oc, orow;
            const bool named =
                names(gr, c, r) || (otherCopy(gr, c, r, og, oc, orow) && names(og, oc, orow));
            EXPECT_TRUE(named || elimination) << "names no placement: " << sentence.toStdString();
            if (named) enter(g.state.board, {gr, c, r}, v);
        }
    }
    return sentences;
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
        fillSolvedBoard(g.state.board);
        openCell(g.state.board, 0, 1, 1);
        openCell(g.state.board, 1, 5, 5);
        if (c.wrongDigit)
            g.state.board.cellValue(1, 5, 5) = static_cast<std::uint8_t>(c.wrongDigit);
        g.state.clock.clockRunning = c.timed;
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
        EXPECT_EQ(g.state.board.cellValue(0, 1, 1), 0); // the hint never fills the cell
        EXPECT_EQ(g.state.board.cellValue(1, 5, 5), c.wrongDigit);
        EXPECT_FALSE(g.ui.hint.hintShown); // the key A took the marks off again
    }
}

// The hint's marks go through the cell marks: the cell it leads to outlined green, its unit
// tinted under the values; the next key takes both off again and the cells are white.
TEST(HintKey, MarksComeAndGoThroughTheCellMarks) {
    TestWorld w;
    Game& g = w.g();
    fillSolvedBoard(g.state.board);
    openCell(g.state.board, 0, 1, 1);
    drawBoard(g);
    const QColor white(255, 255, 255);
    ASSERT_EQ(w.pixel(17, 27), white);  // inside the target cell (grid 1, column 1, row 1)
    ASSERT_EQ(w.pixel(149, 46), white); // a corner of column 5 in the same row
    showHint(g);
    EXPECT_TRUE(g.ui.hint.hintShown);
    EXPECT_EQ(w.pixel(17, 27), QColor(0, 150, 0));
    EXPECT_EQ(w.pixel(149, 46), QColor(255, 240, 176));
    Event release;
    release.kind = Event::Kind::KeyRelease;
    clearHint(g, release);
    EXPECT_FALSE(g.ui.hint.hintShown);
    EXPECT_EQ(g.draw.cellMarks, CellMarks{});
    EXPECT_EQ(w.pixel(17, 27), white);
    EXPECT_EQ(w.pixel(149, 46), white);
}

// T by T through a puzzle that needs more than singles: every sentence fits the panel and
// names the digit and cell of each placement, no step comes twice, and the hints finish the
// board. On a board with two solutions the hint says so once the steps run out; the notes
// of the player are where the next hint starts, except a note that drops the solution's digit.
TEST(HintKey, FinishesBoardsFromNotesAndStepsWithoutRepeating) {
    {
        SCOPED_TRACE("unique puzzles");
        for (std::uint32_t seed : {7u, 8u, 9u}) {
            SCOPED_TRACE(seed);
            TestWorld w;
            const ThinnedPuzzle p = thinnedPuzzle(seed);
            w.g().state.board = p.board;
            const std::vector<QString> sentences = playHints(w, p, 1000);
            EXPECT_TRUE(std::any_of(sentences.begin(), sentences.end(), [](const QString& s) {
                return s.contains(QStringLiteral(" – "));
            })) << "the puzzle needs no elimination";
            EXPECT_EQ(sentences.back().toStdString(), "Tipp: Das Brett ist fertig.");
        }
    }
    {
        // The English sentences fit as the German ones do, with digits and with letters, and
        // hold no German word.
        SCOPED_TRACE("English");
        for (const bool letters : {false, true}) {
            SCOPED_TRACE(letters);
            TestWorld w;
            const ThinnedPuzzle p = thinnedPuzzle(letters ? 8u : 7u);
            w.g().ui.language = Language::English;
            w.g().state.board = p.board;
            w.g().state.board.options.showDigits = !letters;
            const std::vector<QString> sentences = playHints(w, p, 1000);
            EXPECT_EQ(sentences.back().toStdString(), "Hint: The board is complete.");
            const QRegularExpression german(
                QStringLiteral("Tipp|Gitter|Zeile|Spalte|Kasten| die | und | in Feld|ä|ö|ü"));
            for (const QString& s : sentences) EXPECT_FALSE(s.contains(german)) << s.toStdString();
        }
    }
    {
        SCOPED_TRACE("two solutions");
        TestWorld w;
        ThinnedPuzzle p;
        fillSolvedBoard(p.board);
        p.solution = p.board.cellValue;
        w.g().state.board = p.board;
        Board& b = w.g().state.board;
        // Grid 1 keeps only its shared box: its other cells can be completed in many ways.
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (c <= 6 || r <= 6) openCell(b, 0, c, r);
        ASSERT_GE(countSolutions(b, 2), 2);
        const std::vector<QString> sentences = playHints(w, p, 400);
        EXPECT_EQ(sentences.back().toStdString(), "Tipp: Das Brett hat mehr als eine Lösung.");
    }
    {
        SCOPED_TRACE("notes");
        Board puzzle = thinnedPuzzle(7).board;
        BoardArray solution{};
        ASSERT_EQ(countSolutions(puzzle, 2, &solution), 1);
        // Play the singles until the first elimination.
        std::optional<Hint> first = nextHint(puzzle, &solution, {});
        while (first && first->removed.empty()) {
            enter(puzzle, first->target, first->targetDigit);
            first = nextHint(puzzle, &solution, {});
        }
        ASSERT_TRUE(first.has_value());
        const auto sentenceOn = [](const Board& b) {
            TestWorld w;
            w.g().state.board = b;
            showHint(w.g());
            return w.g().ui.helpText;
        };
        const QString plain = sentenceOn(puzzle);
        // The player has pencilled the step's eliminations: the hint goes on past it.
        Board noted = puzzle;
        for (const Removal& r : first->removed)
            for (int d = 1; d <= 9; ++d)
                noted.noteFlag(r.cell.grid, r.cell.column, r.cell.row, d) = d != r.digit;
        EXPECT_NE(sentenceOn(noted), plain);
        // A note that drops the solution's digit is not trusted: the hint stays the same.
        Board wrongNote = puzzle;
        const Removal& r = first->removed.front();
        for (int d = 1; d <= 9; ++d)
            wrongNote.noteFlag(r.cell.grid, r.cell.column, r.cell.row, d) = d == r.digit;
        EXPECT_EQ(sentenceOn(wrongNote), plain);
    }
}
