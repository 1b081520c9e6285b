// The value palette: its place and look, the hover rule, typed characters, notes and the
// screen under it.
#include "session/game.h"
#include "session/modal.h"
#include "play/events.h"
#include "play/palette.h"
#include "play/paletteloop.h"
#include "play/playloop.h"
#include "support/scripted_platform.h"
#include "tests/game/play_helpers.h"

#include <gtest/gtest.h>

using namespace play_test;

namespace {

// Opens the palette on cell (grid, c, r) in value or note mode and runs it on the script.
void openPalette(TestWorld& w, int grid, int c, int r, bool noteMode) {
    Game& g = w.g();
    g.state.board.activeGrid = static_cast<std::int16_t>(grid);
    g.ui.noteMode = noteMode;
    drawValuePalette(g, c, r);
    runValuePalette(g, c, r);
}

} // namespace

TEST(PalettePlace, CornerAndSquaresFollowTheCell) {
    struct Case {
        int grid, c, r, px, py;
    };
    const Case cases[] = {
        {0, 1, 1, 5, 5}, {3, 1, 9, 5, 665}, {4, 9, 9, 665, 665}, {2, 4, 2, 302, 236}};
    for (const Case& t : cases) {
        TestWorld w;
        Game& g = w.g();
        g.state.board.activeGrid = static_cast<std::int16_t>(t.grid);
        g.ui.palette.paletteValue = 5;
        drawValuePalette(g, t.c, t.r);
        EXPECT_EQ(g.ui.palette.paletteX, t.px);
        EXPECT_EQ(g.ui.palette.paletteY, t.py);
        EXPECT_TRUE(g.ui.palette.backgroundSaved);
        EXPECT_EQ(g.ui.palette.savedBackground.size(), QSize(55, 55));
        // Values 1..9 row by row, each at its square's left + 3, top - 1.
        for (int v = 1; v <= 9; ++v) {
            const int sx = t.px + 18 * ((v - 1) % 3), sy = t.py + 18 * ((v - 1) / 3);
            const auto texts = w.canvas.textsAt(sx + 3, sy - 1);
            ASSERT_FALSE(texts.empty()) << v;
            EXPECT_EQ(texts.back().text, QString::number(v));
        }
        // The highlighted square is light grey inside, the others white; outlines black.
        const int grey = t.px + 18 + 2, greyY = t.py + 18 + 2;
        EXPECT_EQ(w.pixel(grey, greyY), QColor(192, 192, 192));
        EXPECT_EQ(w.pixel(t.px + 2, t.py + 16), QColor(255, 255, 255));
        EXPECT_EQ(w.pixel(t.px, t.py + 9), QColor(0, 0, 0));
        EXPECT_EQ(g.ui.helpText, QStringLiteral("Rechte Taste löscht Feld!"));
    }
}

TEST(PalettePlace, LetterOffsetsAndTheIsNarrowerPlace) {
    TestWorld w;
    Game& g = w.g();
    g.state.board.options.showDigits = false;
    g.ui.noteMode = true;
    drawValuePalette(g, 5, 5);
    const int px = g.ui.palette.paletteX, py = g.ui.palette.paletteY;
    EXPECT_EQ(w.canvas.textsAt(px + 2, py - 1).back().text, QStringLiteral("A"));
    EXPECT_EQ(w.canvas.textsAt(px + 36 + 6, py + 36 - 1).back().text, QStringLiteral("I"));
    EXPECT_EQ(g.ui.helpText, QStringLiteral("Bitte Kandidaten notieren!"));
}

TEST(PaletteHover, HighlightFollowsThePointerInsideOnly) {
    TestWorld w;
    Game& g = w.g();
    g.ui.palette.paletteValue = 1;
    drawValuePalette(g, 5, 5);
    g.ui.palette.paletteTracking = true;
    const int px = g.ui.palette.paletteX, py = g.ui.palette.paletteY;
    struct Step {
        int x, y, value;
    };
    const Step steps[] = {
        {px, py, 1},           {px + 17, py + 17, 1}, {px + 18, py, 2},      {px + 53, py, 3},
        {px, py + 18, 4},      {px + 36, py + 53, 9}, {px + 54, py + 20, 9}, {px - 1, py, 9},
        {px + 20, py + 54, 9}, {px + 20, py + 40, 8},
    };
    for (const Step& s : steps) {
        Win_0_MouseMove(g, 0, 0, s.x, s.y);
        EXPECT_EQ(g.ui.palette.paletteValue, s.value) << s.x - px << "," << s.y - py;
    }
    // Redrawing the highlight keeps the one background saved at opening.
    EXPECT_TRUE(g.ui.palette.backgroundSaved);
}

TEST(PaletteTyping, CharactersByDisplayMode) {
    struct Case {
        bool showDigits;
        int typed;
        bool accepted;
        int value;
    };
    const Case cases[] = {
        {true, '7', true, 7},      {true, '0', true, 0},  {true, 'c', false, 0},
        {true, kKeyEsc, true, 0},  {false, 'c', true, 3}, {false, 'C', false, 0},
        {false, '3', false, 0},    {false, 'i', true, 9}, {false, '`', true, 0},
        {false, kKeyEsc, true, 0}, {true, 'x', false, 0},
    };
    for (const Case& t : cases) {
        TestWorld w;
        Game& g = w.g();
        g.state.board.options.showDigits = t.showDigits;
        g.state.board.cellValue(1, 2, 3) = 5;
        g.ui.palette.paletteValue = 5;
        w.platform.typed(t.typed);
        w.platform.rightClick(5, 5); // closes the palette if the character was ignored
        ASSERT_NO_THROW(openPalette(w, 1, 2, 3, false));
        SCOPED_TRACE(testing::Message() << t.showDigits << " " << t.typed);
        EXPECT_EQ(w.platform.events.size(), t.accepted ? 2u : 0u);
        EXPECT_EQ(g.state.board.cellValue(1, 2, 3), t.value);
        if (t.accepted) {
            EXPECT_EQ(g.ui.palette.paletteValue, t.value);
        }
        EXPECT_EQ(g.ui.palette.paletteCleared, !t.accepted);
        EXPECT_EQ(escapeConsumed(g), t.typed == kKeyEsc);
        EXPECT_FALSE(g.ui.palette.paletteTracking);
        EXPECT_FALSE(g.ui.palette.backgroundSaved);
        EXPECT_EQ(g.ui.helpText, QStringLiteral("Bitte ein Feld anklicken! "));
    }
}

TEST(PaletteClicks, InsideChoosesOutsideIsIgnored) {
    TestWorld w;
    Game& g = w.g();
    const QPoint six = squareCentre(3, 4, 4, 6);
    w.platform.leftClick(600, 100); // outside: ignored, the palette stays open
    w.platform.move(six.x(), six.y());
    w.platform.events.push_back({Event::Kind::LeftPress, 0, six.x(), six.y()});
    ASSERT_NO_THROW(openPalette(w, 3, 4, 4, false));
    EXPECT_TRUE(w.platform.events.empty());
    EXPECT_EQ(g.state.board.cellValue(3, 4, 4), 6);
    EXPECT_EQ(g.ui.palette.paletteValue, 6);

    // The next palette opens with 6 highlighted; a click inside on that square enters it.
    w.platform.leftClick(six.x() + 33, six.y());
    ASSERT_NO_THROW(openPalette(w, 3, 5, 4, false));
    EXPECT_EQ(g.state.board.cellValue(3, 5, 4), 6);
}

TEST(PaletteNotes, ToggleAndClear) {
    TestWorld w;
    Game& g = w.g();
    Board& b = g.state.board;
    const int before = g.ui.palette.paletteValue = 2;
    for (int typed : {int('5'), int('5'), int('5'), int('0'), kKeyEsc}) {
        w.platform.typed(typed);
        ASSERT_NO_THROW(openPalette(w, 4, 9, 9, true));
    }
    EXPECT_TRUE(b.noteFlag(4, 9, 9, 5));  // on, off, on
    EXPECT_FALSE(b.noteFlag(4, 9, 9, 0)); // "0" changes no note
    EXPECT_EQ(g.ui.palette.paletteValue,
              before); // typed numbers do not move the highlight in notes
    EXPECT_EQ(b.cellValue(4, 9, 9), 0);

    w.platform.typed('1');
    ASSERT_NO_THROW(openPalette(w, 4, 9, 9, true));
    w.platform.rightClick(300, 300);
    ASSERT_NO_THROW(openPalette(w, 4, 9, 9, true));
    EXPECT_TRUE(g.ui.palette.paletteCleared);
    for (int v = 1; v <= 9; ++v) EXPECT_FALSE(b.noteFlag(4, 9, 9, v)) << v;
}

TEST(PaletteScreen, BackgroundIsRestoredAroundTheCell) {
    TestWorld w;
    // A recognisable picture under the palette.
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x) w.image.setPixelColor(x, y, QColor(x * 2, y * 2, 77));
    const QImage before = w.image.copy();
    w.platform.rightClick(500, 500);
    ASSERT_NO_THROW(openPalette(w, 0, 2, 2, false));
    // The cell (48..80) may be redrawn; every other pixel of the palette area is as before.
    for (int y = 38; y <= 92; ++y)
        for (int x = 38; x <= 92; ++x) {
            if (x >= 48 && x <= 81 && y >= 48 && y <= 81) continue;
            ASSERT_EQ(w.image.pixel(x, y), before.pixel(x, y)) << x << "," << y;
        }
}
