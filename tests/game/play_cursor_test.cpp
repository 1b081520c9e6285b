// The cell cursor: its moves over the field, entry at the cursor with the palette's results,
// the highlights drawn under the cells' contents and erased exactly, and the status strip's
// notes when timing stops.
#include "session/game.h"
#include "app/screen.h"
#include "panels/info.h"
#include "play/cursor.h"
#include "play/editor.h"
#include "play/highlight.h"
#include "play/playloop.h"
#include "play/render.h"
#include "support/scripted_platform.h"
#include "tests/game/play_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace play_test;

namespace {

// The open-cells board with the cursor placed by hand.
struct CursorWorld : OpenCellsWorld {
    // The cursor's place on cell (grid, c, r); shown or not.
    void place(int gr, int c, int r, bool shown = true) {
        const int index = fieldIndex(g().state.board, gr, c, r);
        g().ui.cursor.cursorColumn = index % kFieldSize;
        g().ui.cursor.cursorRow = index / kFieldSize;
        g().ui.cursor.cursorShown = shown;
    }
    // Runs the play loop (or the editor) on the script, left with Esc.
    void run(bool editor = false) {
        platform.key(kKeyEsc);
        ASSERT_NO_THROW(editor ? boardEditor(g()) : playLoop(g()));
        EXPECT_TRUE(platform.events.empty());
    }
};

int wrongValue(int grid, int c, int r) {
    return fieldValue(grid, c, r) % 9 + 1;
}

} // namespace

TEST(CursorMoves, ArrowsCrossGridsSkipGapsAndStopAtTheEdge) {
    struct Case {
        int c, r, dc, dr, toC, toR;
    };
    const Case cases[] = {
        {8, 0, 1, 0, 12, 0},   // grid 0's last column to grid 1, over the gap
        {8, 7, 1, 0, 9, 7},    // grid 0 into the centre grid
        {8, 5, 0, 1, 8, 6},    // down into a shared box
        {5, 8, 0, 1, 5, 12},   // grid 0 down to grid 3, over the gap
        {6, 12, -1, 0, 5, 12}, // the centre grid left into grid 3
        {0, 0, -1, 0, 0, 0},   // the field's edges
        {0, 0, 0, -1, 0, 0},    {20, 20, 1, 0, 20, 20},
        {20, 20, 0, 1, 20, 20}, {10, 6, 0, -1, 10, 6}, // only gaps above the centre grid: it stays
        {14, 10, 1, 0, 14, 10},                        // only gaps right of it
    };
    const Board b;
    for (const Case& t : cases) {
        int c = t.c, r = t.r;
        stepCursor(b, c, r, t.dc, t.dr);
        EXPECT_EQ(c, t.toC) << t.c << "," << t.r;
        EXPECT_EQ(r, t.toR) << t.c << "," << t.r;
    }

    // The first arrow shows the cursor where it stands, the next ones move it; Home and End
    // go to the ends of the field row; a click hides it and moves its place.
    CursorWorld w;
    Game& g = w.g();
    w.place(2, 5, 5, false); // field (10, 10)
    w.platform.key(kKeyDown);
    w.run();
    EXPECT_TRUE(g.ui.cursor.cursorShown);
    EXPECT_EQ(g.ui.cursor.cursorRow, 10);
    for (const auto& [key, column] : {std::pair{kKeyHome, 6}, std::pair{kKeyEnd, 14}}) {
        w.platform.key(key);
        w.run();
        EXPECT_EQ(g.ui.cursor.cursorColumn, column);
    }
    w.click(0, 2, 2); // a given: no palette
    w.run();
    EXPECT_FALSE(g.ui.cursor.cursorShown);
    EXPECT_EQ(g.ui.cursor.cursorColumn, 1);
    EXPECT_EQ(g.ui.cursor.cursorRow, 1);
}

TEST(CursorEntry, KeysGiveThePalettesResults) {
    // Each case is played once through the palette (mouse) and once at the cursor (keys);
    // the board, the notes, the error count, the counts and the verdict must agree.
    struct Case {
        const char* name;
        bool letters, editor;
        int grid, c, r;
        std::function<void(CursorWorld&)> prepare, byPalette, byKeys;
    };
    const auto none = [](CursorWorld&) {};
    const Case cases[] = {
        {"right digit", false, false, 2, 5, 5, none,
         [](CursorWorld& w) { w.click(2, 5, 5), w.platform.typed('0' + fieldValue(2, 5, 5)); },
         [](CursorWorld& w) { w.platform.key('0' + fieldValue(2, 5, 5)); }},
        {"wrong digit on a shared cell", false, false, 0, 8, 8, none,
         [](CursorWorld& w) { w.click(0, 8, 8), w.platform.typed('0' + wrongValue(0, 8, 8)); },
         [](CursorWorld& w) { w.platform.key('0' + wrongValue(0, 8, 8)); }},
        {"Delete empties an entry", false, false, 1, 5, 5,
         [](CursorWorld& w) { w.g().state.board.cellValue(1, 5, 5) = 3; },
         [](CursorWorld& w) { w.rightClick(1, 5, 5); },
         [](CursorWorld& w) { w.platform.key(kKeyDelete); }},
        {"a given stays", false, false, 0, 2, 2, none,
         [](CursorWorld& w) { w.click(0, 2, 2), w.rightClick(0, 2, 2); },
         [](CursorWorld& w) { w.platform.key('5'), w.platform.key(kKeyBackspace); }},
        {"Ctrl+digit toggles a note of a shared cell", false, false, 0, 8, 8, none,
         [](CursorWorld& w) {
             w.rightClick(0, 8, 8), w.platform.typed('5');
             w.rightClick(0, 8, 8), w.platform.typed('7');
             w.rightClick(0, 8, 8), w.platform.typed('5');
         },
         [](CursorWorld& w) {
             for (int k : {'5', '7', '5'}) w.platform.key(k, Event::Ctrl);
         }},
        {"letter display: the digit and the letter enter at the cursor", true, false, 4, 9, 9, none,
         [](CursorWorld& w) {
             w.click(4, 9, 9), w.platform.typed('a' + fieldValue(4, 9, 9) - 1);
             w.platform.key('A' + fieldValue(4, 9, 9) - 1); // its release: no command
         },
         [](CursorWorld& w) {
             w.platform.key('0' + fieldValue(4, 9, 9));
             w.platform.key('A' + fieldValue(4, 9, 9) - 1); // a value, not a command
         }},
        {"editor: a digit becomes a given", false, true, 0, 8, 8, none,
         [](CursorWorld& w) { w.click(0, 8, 8), w.platform.typed('7'); },
         [](CursorWorld& w) { w.platform.key('7'); }},
        {"editor: 0 removes a given", false, true, 0, 2, 2, none,
         [](CursorWorld& w) { w.rightClick(0, 2, 2); },
         [](CursorWorld& w) { w.platform.key('0'); }},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        CursorWorld byPalette, byKeys;
        for (CursorWorld* w : {&byPalette, &byKeys}) {
            w->g().state.board.options.showDigits = !t.letters;
            t.prepare(*w);
        }
        t.byPalette(byPalette);
        byPalette.run(t.editor);
        byKeys.place(t.grid, t.c, t.r);
        t.byKeys(byKeys);
        byKeys.run(t.editor);
        const Board &a = byPalette.g().state.board, &b = byKeys.g().state.board;
        EXPECT_EQ(a.cellValue, b.cellValue);
        EXPECT_EQ(a.givenValue, b.givenValue);
        EXPECT_EQ(a.noteFlag, b.noteFlag);
        EXPECT_EQ(a.status.errorCount, b.status.errorCount);
        EXPECT_EQ(a.digitCount, b.digitCount);
        EXPECT_EQ(a.status.verdict, b.status.verdict);
        EXPECT_TRUE(byKeys.platform.helpWindows.empty());
    }
}

TEST(CursorHighlight, TintsUnderTheContentsAndErasedExactly) {
    CursorWorld w;
    Game& g = w.g();
    Board& b = g.state.board;
    for (auto [gr, c, r] : CursorWorld::kOpen)
        for (int v = 1; v <= 9; ++v) b.noteFlag(gr, c, r, v) = true;
    syncSharedNotes(g);
    w.run();
    const QRect board(0, 0, 720, 720);
    const QImage before = w.image.copy(board);

    // The cursor on grid 0 (7, 7), which is also the centre grid's (1, 1).
    w.place(0, 7, 7, false);
    w.platform.key(kKeyRight);
    w.run();
    const int value = fieldValue(0, 7, 7);
    const QColor house = QColor::fromRgb(kHouseTint), same = QColor::fromRgb(kSameValueTint);
    // Probes just inside a cell's top-left corner, where no glyph reaches.
    const auto corner = [&](int gr, int c, int r) {
        return w.pixel(gridLeft(gr) + 33 * (c - 1) + 3, gridTop(gr) + 33 * (r - 1) + 3);
    };
    EXPECT_EQ(w.pixel(215, 215), QColor::fromRgb(kCursorOutline));
    EXPECT_EQ(corner(0, 1, 7), fieldValue(0, 1, 7) == value ? same : house); // grid 0's row
    EXPECT_EQ(corner(2, 1, 5), fieldValue(2, 1, 5) == value ? same : house); // centre column
    EXPECT_EQ(corner(2, 3, 3), fieldValue(2, 3, 3) == value ? same : house); // shared box
    int sameSeen = 0, plain = 0;
    for (int c = 1; c <= 9; ++c) {
        const QColor seen = corner(4, c, 5);
        if (fieldValue(4, c, 5) == value)
            sameSeen += seen == same;
        else
            plain += seen == QColor(255, 255, 255);
    }
    EXPECT_EQ(sameSeen, 1); // grid 4's row 5 holds the value once
    EXPECT_EQ(plain, 8);
    EXPECT_EQ(w.pixel(213, 230), before.pixelColor(213, 230)); // the shared box's outline
    EXPECT_EQ(w.pixel(114, 229), before.pixelColor(114, 229)); // a box line in the row

    // A move and a click on a given hide it all again: the board is as it was, pixel for pixel.
    w.platform.key(kKeyDown);
    w.click(3, 2, 2);
    w.run();
    EXPECT_FALSE(g.ui.cursor.cursorShown);
    EXPECT_TRUE(w.image.copy(board) == before);
}

TEST(CursorClock, StatusStripSaysWhyTimingStops) {
    struct Case {
        const char* name;
        bool timed, candidates;
        std::function<void(CursorWorld&)> script;
        const char* note;
    };
    const Case cases[] = {
        {"third wrong entry at the cursor", true, false,
         [](CursorWorld& w) { w.place(2, 5, 5), w.platform.key('0' + wrongValue(2, 5, 5)); },
         kTimingThirdError},
        {"third wrong entry in the palette", true, false,
         [](CursorWorld& w) { w.click(2, 5, 5), w.platform.typed('0' + wrongValue(2, 5, 5)); },
         kTimingThirdError},
        {"M", true, false, [](CursorWorld& w) { w.platform.key('M'); }, kTimingKeyM},
        {"a resumed game", false, false, [](CursorWorld&) {}, kUntimedResumed},
        {"a new game with the candidates shown", true, true, [](CursorWorld&) {},
         kUntimedCandidates},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        CursorWorld w;
        Game& g = w.g();
        g.state.board.status.errorCount = 2;
        g.state.board.options.showCandidates = t.candidates;
        if (t.timed) startGameClock(g);
        t.script(w);
        w.run();
        EXPECT_FALSE(g.state.clock.clockRunning);
        // The note stands in the status strip; the help line keeps its defined texts.
        EXPECT_EQ(g.ui.stripNote, QString::fromUtf8(t.note));
        EXPECT_FALSE(g.ui.helpText.startsWith(QStringLiteral("Zeit")));
        EXPECT_FALSE(g.ui.helpText.startsWith(QStringLiteral("Ohne")));
    }
}

namespace {

// Contrast ratio of two colours by their relative luminance (1:1 up to 21:1).
double contrast(QColor a, QColor b) {
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

TEST(CursorHighlight, CursorAndTintsStandOutAndWrongEntriesStayRed) {
    const QColor white(255, 255, 255), black(0, 0, 0), wrong(255, 0, 0), entry(0, 0, 188);
    const QColor house = QColor::fromRgb(kHouseTint), same = QColor::fromRgb(kSameValueTint);
    const QColor cursor = QColor::fromRgb(kCursorOutline);
    // The outline on every ground a cursor cell can have, and beside the black cell lines.
    for (const QColor& ground : {white, house, same})
        EXPECT_GE(contrast(cursor, ground), 3.0) << ground.name().toStdString();
    EXPECT_GE(contrast(cursor, black), 3.0);
    // The houses clearly tinted, the cells of the same value more strongly.
    EXPECT_GE(contrast(house, white), 1.25);
    EXPECT_GE(contrast(same, white), contrast(house, white) + 0.15);
    // Entries keep reading on the tints: red wrong ones, blue right ones.
    EXPECT_GE(contrast(wrong, house), 3.0);
    EXPECT_GE(contrast(wrong, same), 2.5);
    EXPECT_GE(contrast(entry, same), 7.0);
}

TEST(CursorHighlight, ALongSessionKeepsTheRecordingBoundedByThePicture) {
    // The window's canvas records what still shows, to draw it again at another scale. Values,
    // notes and tints drawn again and again with the cursor must not pile up in it.
    TestWorld w;
    Game& g = w.g();
    w.canvas.setRecording(true);
    g.canvas.clear(Colour::WindowBackground);
    captureBackgroundStrips(g);
    drawStartScreen(g);
    Board& b = g.state.board;
    fillSolvedBoard(b);
    for (int grid = 0; grid < 5; ++grid)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if ((c + 2 * r + grid) % 3 == 0) {
                    openCell(b, grid, c, r);
                    for (int v = 1; v <= 9; v += 2) b.noteFlag(grid, c, r, v) = true;
                }
    syncSharedNotes(g);
    drawBoard(g);
    const size_t start = w.canvas.recordedCalls();
    const int keys[] = {kKeyRight, kKeyDown, kKeyLeft, kKeyUp};
    for (int move = 0; move < 3000; ++move) {
        cursorEvent(g, Event{Event::Kind::KeyRelease, keys[(move / 12) % 4], 0, 0});
        if (move % 50 == 49)
            cursorEvent(g, Event{Event::Kind::KeyRelease, '1' + (move / 50) % 9, 0, 0});
    }
    EXPECT_LT(w.canvas.recordedCalls(), 2 * start + 4096) << "recorded calls grew from " << start;
}
