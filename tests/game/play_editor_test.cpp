// The own-board editor: givens typed in through the palette, removed by right clicks, and
// its keys.
#include "session/game.h"
#include "engine/rules.h"
#include "play/editor.h"
#include "support/scripted_platform.h"
#include "tests/game/play_helpers.h"

#include <gtest/gtest.h>

using namespace play_test;

namespace {

struct EditorWorld : PointerWorld {
    void run() {
        platform.leftClick(kAbbruchButton.x(), kAbbruchButton.y());
        ASSERT_NO_THROW(boardEditor(g()));
        EXPECT_TRUE(platform.events.empty());
        EXPECT_TRUE(g().ui.editorMode); // the menu command clears it afterwards
    }
};

} // namespace

TEST(EditorFlows, GivensComeAndGo) {
    // Each flow starts on an empty board except for one given 4 at grid 0 (8, 8), which is
    // also grid 2 (2, 2), and an entered 6 at grid 1 (5, 5).
    struct Flow {
        const char* name;
        std::function<void(EditorWorld&)> script;
        int given88, value88; // grid 0 (8, 8) afterwards
        int given55, value55; // grid 1 (5, 5) afterwards
    };
    const Flow flows[] = {
        {"replace the given", [](EditorWorld& w) { w.click(0, 8, 8), w.platform.typed('7'); }, 7, 7,
         0, 6},
        {"right click removes the given", [](EditorWorld& w) { w.rightClick(0, 8, 8); }, 0, 0, 0,
         6},
        {"right click in the palette removes the given",
         [](EditorWorld& w) { w.click(0, 8, 8), w.platform.rightClick(700, 100); }, 0, 0, 0, 6},
        {"typed 0 removes the given",
         [](EditorWorld& w) { w.click(0, 8, 8), w.platform.typed('0'); }, 0, 0, 0, 6},
        {"Esc removes the given",
         [](EditorWorld& w) { w.click(0, 8, 8), w.platform.typed(kKeyEsc); }, 0, 0, 0, 6},
        {"right click leaves an entry alone", [](EditorWorld& w) { w.rightClick(1, 5, 5); }, 4, 4,
         0, 6},
        {"an entry becomes a given",
         [](EditorWorld& w) { w.click(1, 5, 5), w.platform.typed('2'); }, 4, 4, 2, 2},
        {"a palette square becomes a given",
         [](EditorWorld& w) {
             w.click(1, 5, 5);
             const QPoint p = squareCentre(1, 5, 5, 9);
             w.platform.leftClick(p.x(), p.y());
         },
         4, 4, 9, 9},
    };
    for (const Flow& f : flows) {
        SCOPED_TRACE(f.name);
        EditorWorld w;
        Board& b = w.g().state.board;
        b.cellValue(0, 8, 8) = b.givenValue(0, 8, 8) = 4;
        b.cellValue(2, 2, 2) = b.givenValue(2, 2, 2) = 4;
        b.cellValue(1, 5, 5) = 6;
        f.script(w);
        w.run();
        EXPECT_EQ(b.givenValue(0, 8, 8), f.given88);
        EXPECT_EQ(b.cellValue(0, 8, 8), f.value88);
        EXPECT_EQ(b.givenValue(2, 2, 2), f.given88); // the shared copy follows
        EXPECT_EQ(b.cellValue(2, 2, 2), f.value88);
        EXPECT_EQ(b.givenValue(1, 5, 5), f.given55);
        EXPECT_EQ(b.cellValue(1, 5, 5), f.value55);
    }
}

TEST(EditorFlows, ChosenValueIsDrawnBlack) {
    EditorWorld w;
    w.g().ui.palette.paletteValue = 0;
    w.click(2, 5, 5);
    w.platform.typed('7');
    w.run();
    const int left = gridLeft(2) + 33 * 4, top = gridTop(2) + 33 * 4;
    const auto texts = w.canvas.textsAt(left + 1 + 4, top - 1);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().text, QStringLiteral("7"));
    EXPECT_EQ(texts.back().colour, QColor(0, 0, 0));
    EXPECT_EQ(w.g().state.givenCount, 1);
}

TEST(EditorKeys, LeavingAndCommands) {
    struct Case {
        bool showDigits;
        std::vector<int> keys;
        size_t left; // events still queued when the editor returned
    };
    const Case cases[] = {
        {true, {'A', kKeyEsc}, 1},
        {false, {'A', kKeyEsc}, 0}, // in letter display A does not leave
        {true, {'F', 'C', kKeyEsc}, 0},
    };
    for (const Case& t : cases) {
        EditorWorld w;
        w.g().state.board.options.showDigits = t.showDigits;
        for (int k : t.keys) w.platform.key(k);
        ASSERT_NO_THROW(boardEditor(w.g()));
        EXPECT_EQ(w.platform.events.size(), t.left);
    }
}

TEST(EditorKeys, RestartShuffleAndHiddenPair) {
    EditorWorld w;
    Board& b = w.g().state.board;
    fillSolvedBoard(b);
    openCell(b, 0, 1, 1);
    b.cellValue(0, 1, 1) = 3; // an entry, not a given: N empties it
    w.platform.key('N');
    w.platform.key(kSolveFirstLetter);
    w.platform.key(kSolveSecondLetter); // the solver fills the one open cell
    w.run();
    EXPECT_EQ(b.cellValue(0, 1, 1), fieldValue(0, 1, 1));
    EXPECT_EQ(b.givenValue(0, 1, 1), 0);
    EXPECT_FALSE(b.status.notSolvable);

    // X shuffles: the board changes and stays a valid solved field with its givens as cells.
    const Board beforeShuffle = b;
    w.platform.key('X');
    w.run();
    EXPECT_NE(b.cellValue, beforeShuffle.cellValue);
    EXPECT_TRUE(isBoardValid(b));
    EXPECT_EQ(b.solutionValue, b.cellValue);
    int givens = 0;
    for (int g = 0; g < 5; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                if (b.givenValue(g, c, r) == 0) continue;
                ++givens;
                EXPECT_EQ(b.cellValue(g, c, r), b.givenValue(g, c, r));
            }
    EXPECT_EQ(givens, 5 * 81 - 1);
}
