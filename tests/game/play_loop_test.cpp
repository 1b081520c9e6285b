// The play loop: pointer mapping, keys, the button bar and cell clicks, and a whole timed
// game that ends in the hall of fame.
#include "session/game.h"
#include "halloffame/parts.h"
#include "play/buttons.h"
#include "play/editor.h"
#include "panels/info.h"
#include "play/events.h"
#include "play/playloop.h"
#include "support/scripted_platform.h"
#include "tests/game/play_helpers.h"
#include "game/boardfile_support.h"
#include "support_pure/puzzles.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace play_test;
using boardfile_test::boardFile;
using boardfile_test::markedBoard;
using boardfile_test::readRaw;
using boardfile_test::writeRaw;

using PlayWorld = OpenCellsWorld;

TEST(PlayMapping, PointerToCellTestsGridsInOrder) {
    struct Case {
        int x, y;
        bool hit;
        int grid, column, row;
    };
    const Case cases[] = {
        {213, 213, true, 0, 7, 7},  // the centre grid's corner belongs to grid 0's shared box
        {213, 411, true, 2, 1, 7},  // the bottom boxes belong to the centre grid
        {312, 100, false, 0, 0, 0}, // between grid 0 (ends at 311) and grid 1 (starts at 411)
        {312, 250, true, 2, 4, 2},  {15, 15, true, 0, 1, 1},   {14, 15, false, 0, 0, 0},
        {311, 311, true, 0, 9, 9},  {411, 15, true, 1, 1, 1},  {509, 509, true, 2, 9, 9},
        {510, 510, true, 4, 4, 4},  {707, 707, true, 4, 9, 9}, {708, 707, false, 0, 0, 0},
        {15, 707, true, 3, 1, 9},
    };
    for (const Case& t : cases) {
        TestWorld w;
        Game& g = w.g();
        g.ui.pointerX = t.x;
        g.ui.pointerY = t.y;
        int column = 0, row = 0;
        const bool hit = mapPointerToCell(g, column, row);
        SCOPED_TRACE(testing::Message() << "(" << t.x << "," << t.y << ")");
        ASSERT_EQ(hit, t.hit);
        if (!hit) continue;
        EXPECT_EQ(g.state.board.activeGrid, t.grid);
        EXPECT_EQ(column, t.column);
        EXPECT_EQ(row, t.row);
    }
}

TEST(PlayMapping, MouseMoveRoundsToNearestPixel) {
    TestWorld w;
    Win_0_MouseMove(w.g(), 0, 0, 212.6f, 99.4f);
    EXPECT_EQ(w.g().ui.pointerX, 213);
    EXPECT_EQ(w.g().ui.pointerY, 99);
}

TEST(PlayButtons, ClickRangesAreInclusiveWithinTheBar) {
    struct Case {
        int x, y, button;
    };
    const Case cases[] = {
        {17, 740, -1},         {18, 740, kLaden},    {140, 740, kLaden},   {141, 740, kSichern},
        {263, 740, kSichern},  {264, 740, kDrucken}, {370, 740, kDrucken}, {371, 740, kNeustart},
        {485, 740, kNeustart}, {486, 740, kHilfe},   {592, 740, kHilfe},   {593, 740, kAbbruch},
        {706, 740, kAbbruch},  {707, 740, -1},       {100, 725, -1},       {100, 726, kLaden},
        {100, 752, kLaden},    {100, 753, -1},
    };
    for (const Case& t : cases)
        EXPECT_EQ(buttonAt(t.x, t.y), t.button) << "(" << t.x << "," << t.y << ")";
}

TEST(PlayButtons, CaptionsWidthsAndHotLetters) {
    // Width 8 * (length - 1) + 18 puts each outline's right edge where the next begins.
    const int widths[6] = {122, 122, 106, 114, 106, 114};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(8 * (static_cast<int>(std::strlen(kButtons[i].caption)) - 1) + 18, widths[i])
            << kButtons[i].caption;

    TestWorld w;
    drawButton(w.g(), 0, 18, 727, QStringLiteral("    _Laden    "));
    // The hot letter: white at the blank (x 60), dark red one pixel up and left.
    bool white = false, red = false;
    for (const auto& t : w.canvas.journal) {
        if (t.text != QStringLiteral("L")) continue;
        if (t.x == 60 && t.y == 747 - 14 && t.colour == colour(15)) white = true;
        if (t.x == 59 && t.y == 747 - 15 && t.colour == QColor(208, 0, 0)) red = true;
    }
    EXPECT_TRUE(white);
    EXPECT_TRUE(red);
    // The black outline runs from x - 1 to x + width.
    EXPECT_EQ(w.pixel(17, 740), colour(0));
    EXPECT_EQ(w.pixel(140, 740), colour(0));
}

TEST(PlayButtons, EdgeClicksPressOrMissAbbruch) {
    // A click that misses every button leaves the loop running; the Esc behind it ends it.
    struct Case {
        int x, y;
        bool leaves;
    };
    const Case cases[] = {{706, 740, true}, {707, 740, false}, {650, 725, false},
                          {650, 726, true}, {650, 752, true},  {650, 753, false}};
    for (const Case& t : cases) {
        PlayWorld w;
        w.platform.leftClick(t.x, t.y);
        w.platform.key(kKeyEsc);
        ASSERT_NO_THROW(playLoop(w.g()));
        EXPECT_EQ(w.platform.events.size(), t.leaves ? 1u : 0u) << "(" << t.x << "," << t.y << ")";
        EXPECT_FALSE(w.g().state.clock.clockRunning);
    }
}

TEST(PlayButtons, KeysAndButtonsActInThePlayLoopAndTheEditor) {
    // brett.qnt holds a board marked 5 in slot 0; the board on screen has an entry 6 at
    // grid 1 (5, 5). Every script ends with the Abbruch button.
    enum class Effect { Loaded, Saved, Printed, Help, Restarted };
    struct Case {
        const char* name;
        std::function<void(ScriptedPlatform&)> input;
        Effect effect;
    };
    auto key = [](int k) { return [k](ScriptedPlatform& p) { p.key(k); }; };
    auto button = [](int index) {
        return [index](ScriptedPlatform& p) { p.leftClick(kButtons[index].x + 10, 740); };
    };
    const Case cases[] = {
        {"key L", key('L'), Effect::Loaded},
        {"key S", key('S'), Effect::Saved},
        {"key D", key('D'), Effect::Printed},
        {"key H", key('H'), Effect::Help},
        {"Laden", button(kLaden), Effect::Loaded},
        {"Sichern", button(kSichern), Effect::Saved},
        {"Drucken", button(kDrucken), Effect::Printed},
        {"Hilfe", button(kHilfe), Effect::Help},
        {"Neustart", button(kNeustart), Effect::Restarted},
    };
    for (const bool editor : {false, true})
        for (const Case& t : cases) {
            SCOPED_TRACE(testing::Message() << (editor ? "editor, " : "play loop, ") << t.name);
            PlayWorld w;
            Game& g = w.g();
            w.platform.copyDataFile(QStringLiteral("Quintor.hlp"));
            writeRaw(w.platform, QStringLiteral("brett.qnt"),
                     boardFile({markedBoard(5), Board{}, Board{}, Board{}}));
            const QByteArray fileBefore = readRaw(w.platform, QStringLiteral("brett.qnt"));
            g.state.board.cellValue(1, 5, 5) = 6;
            w.platform.onModal = [](QWidget* form) {
                form->findChild<QPushButton*>(QStringLiteral("cmd1"))->click(); // slot 1, OK
            };
            t.input(w.platform);
            w.abbruch();
            ASSERT_NO_THROW(editor ? boardEditor(g) : playLoop(g));
            EXPECT_TRUE(w.platform.events.empty());

            const bool loaded = g.state.board.cellValue(1, 2, 3) == 5;
            const bool saved = readRaw(w.platform, QStringLiteral("brett.qnt")) != fileBefore;
            const bool printed = QFile::exists(w.platform.path(w.platform.printFile));
            const bool help = g.ui.help.classicHelpWindow != nullptr;
            const bool restarted = g.state.board.cellValue(1, 5, 5) == 0 && !loaded;
            EXPECT_EQ(loaded, t.effect == Effect::Loaded);
            EXPECT_EQ(saved, t.effect == Effect::Saved);
            EXPECT_EQ(printed, t.effect == Effect::Printed);
            EXPECT_EQ(help, t.effect == Effect::Help);
            EXPECT_EQ(restarted, t.effect == Effect::Restarted);
            delete g.ui.help.classicHelpWindow.data();
        }
}

TEST(PlayKeys, LeavingByKeys) {
    struct Case {
        bool showDigits;
        std::vector<int> keys; // the loop must leave at the first one that ends the game
        size_t left;           // events still queued when the loop returned
    };
    const Case cases[] = {
        {true, {'A', kKeyEsc}, 1}, {false, {'A', kKeyEsc}, 0}, // A is no command in letter display
        {true, {kKeyEsc, 'A'}, 1}, {false, {kKeyEsc, 'A'}, 1}, {true, {'Q', 'B', 'A'}, 0},
    };
    for (const Case& t : cases) {
        PlayWorld w;
        w.g().state.board.options.showDigits = t.showDigits;
        w.g().state.clock.clockRunning = false;
        for (int k : t.keys) w.platform.key(k);
        ASSERT_NO_THROW(playLoop(w.g()));
        EXPECT_EQ(w.platform.events.size(), t.left);
        EXPECT_EQ(w.platform.sleeps.back(), 200);
    }
}

TEST(PlayKeys, EscThatClosedThePaletteDoesNotEndTheGame) {
    PlayWorld w;
    Board& b = w.g().state.board;
    b.cellValue(0, 1, 1) = 4; // an entry that Esc empties
    w.click(0, 1, 1);
    w.platform.typed(kKeyEsc);
    w.platform.key(kKeyEsc); // the release of the same key
    w.platform.key(kKeyEsc); // a release whose press the game never saw: still swallowed
    w.abbruch();
    ASSERT_NO_THROW(playLoop(w.g()));
    EXPECT_TRUE(w.platform.events.empty());
    EXPECT_EQ(b.cellValue(0, 1, 1), 0);
    EXPECT_EQ(w.g().ui.palette.paletteValue, 0);
}

TEST(PlayKeys, PaletteLettersAndCtrlAltKeysAreNoCommands) {
    // In letter display "d", "f", "c", "h" typed into the palette enter 4, 6, 3, 8; their
    // releases do not also print, set or clear every note, or open the manual.
    for (const char letter : {'d', 'f', 'c', 'h'}) {
        PlayWorld w;
        Board& b = w.g().state.board;
        b.options.showDigits = false;
        b.noteFlag(0, 8, 8, 2) = true;
        w.click(0, 1, 1);
        w.platform.typed(letter);
        w.platform.key(letter - 'a' + 'A');
        w.abbruch();
        ASSERT_NO_THROW(playLoop(w.g()));
        EXPECT_EQ(b.cellValue(0, 1, 1), letter - 'a' + 1) << letter;
        EXPECT_TRUE(b.noteFlag(0, 8, 8, 2)) << letter;
        EXPECT_FALSE(b.noteFlag(1, 5, 5, 1)) << letter;
        EXPECT_TRUE(w.platform.helpWindows.empty()) << letter;
        EXPECT_FALSE(QFile::exists(w.platform.path(w.platform.printFile))) << letter;
    }
    // A key held with Ctrl or Alt is no command, in the play loop and in the editor: the
    // entry survives Ctrl+N, Alt+F sets no note, Ctrl+X shuffles nothing, Ctrl+A stays.
    for (const bool editor : {false, true}) {
        PlayWorld w;
        Board& b = w.g().state.board;
        b.cellValue(1, 5, 5) = 3;
        const BoardArray givens = b.givenValue;
        w.platform.key('N', Event::Ctrl);
        w.platform.key('F', Event::Alt);
        w.platform.key('X', Event::Ctrl);
        w.platform.key('A', Event::Ctrl);
        w.platform.key('A');
        ASSERT_NO_THROW(editor ? boardEditor(w.g()) : playLoop(w.g()));
        EXPECT_TRUE(w.platform.events.empty());
        EXPECT_EQ(b.cellValue(1, 5, 5), 3) << editor;
        EXPECT_FALSE(b.noteFlag(0, 1, 1, 1)) << editor;
        EXPECT_EQ(b.givenValue, givens) << editor;
    }
}

TEST(PlayKeys, NoteCommandsAndRestart) {
    PlayWorld w;
    Board& b = w.g().state.board;
    b.cellValue(1, 5, 5) = 3;
    w.platform.key('F');
    w.platform.key('A');
    ASSERT_NO_THROW(playLoop(w.g()));
    EXPECT_TRUE(b.noteFlag(0, 1, 1, 5));

    w.platform.key('C');
    w.platform.key('N');
    w.platform.key('A');
    ASSERT_NO_THROW(playLoop(w.g()));
    EXPECT_FALSE(b.noteFlag(0, 1, 1, 5));
    EXPECT_EQ(b.cellValue(1, 5, 5), 0);                   // restart emptied the entry
    EXPECT_EQ(b.cellValue(1, 1, 1), fieldValue(1, 1, 1)); // givens stay

    w.g().state.clock.clockRunning = false;
    w.platform.key('M');
    w.platform.key('A');
    ASSERT_NO_THROW(playLoop(w.g()));
    EXPECT_TRUE(b.options.showCandidates);
    EXPECT_FALSE(w.g().state.clock.clockRunning);
}

TEST(PlayKeys, HiddenPairNeedsTheFirstLetterFirst) {
    // Without the armed first letter the second does nothing.
    struct Case {
        std::vector<int> keys;
        bool solved;
    };
    const Case cases[] = {
        {{kSolveSecondLetter}, false},
        {{kSolveSecondLetter, kSolveFirstLetter}, false},
        {{kSolveFirstLetter, 'Q', kSolveSecondLetter}, true},
        {{kSolveFirstLetter, kSolveSecondLetter, kSolveSecondLetter}, true},
    };
    for (const Case& t : cases) {
        PlayWorld w;
        for (int k : t.keys) w.platform.key(k);
        w.abbruch();
        ASSERT_NO_THROW(playLoop(w.g()));
        EXPECT_EQ(w.g().ui.solveMemory, t.keys.back() == kSolveFirstLetter ? kSolveFirstLetter : 0);
        EXPECT_EQ(w.g().state.board.cellValue(0, 1, 1), t.solved ? fieldValue(0, 1, 1) : 0);
    }
}

TEST(PlayKeys, HiddenPairAfterADeadEndSolvesFromTheGivens) {
    // A wrong entry leaves some cell without a fitting digit: the hidden pair restarts from
    // the givens and the board ends solved, not "Nicht lösbar!!!".
    PlayWorld w;
    Board& b = w.g().state.board;
    Random random(5);
    b = puzzles::thinOut(puzzles::shuffledSolvedBoard(random), random, true, 120);
    int emptyColumn = 0, wrongColumn = 0;
    for (int c = 1; c <= 9 && wrongColumn == 0; ++c) {
        if (b.cellValue(0, c, 1) != 0) continue;
        if (emptyColumn == 0)
            emptyColumn = c;
        else
            wrongColumn = c;
    }
    ASSERT_NE(wrongColumn, 0);
    b.cellValue(0, wrongColumn, 1) = b.solutionValue(0, emptyColumn, 1);
    w.platform.key(kSolveFirstLetter);
    w.platform.key(kSolveSecondLetter);
    w.abbruch();
    ASSERT_NO_THROW(playLoop(w.g()));
    EXPECT_EQ(b.cellValue, b.solutionValue);
    EXPECT_FALSE(b.status.notSolvable);
    EXPECT_EQ(b.status.verdict, Verdict::Solved);
}

TEST(PlayCells, ClicksOnGivensEntriesAndEmptyCells) {
    PlayWorld w;
    Board& b = w.g().state.board;
    // A given ignores both buttons: the typed digit after it opens nothing.
    w.click(0, 2, 2);
    w.platform.typed('5');
    w.rightClick(0, 2, 2);
    // An entry: a right click empties it at once.
    b.cellValue(1, 5, 5) = 2;
    w.rightClick(1, 5, 5);
    // An empty cell: left click and a typed digit enter it.
    w.click(2, 5, 5);
    w.platform.typed('0' + fieldValue(2, 5, 5));
    w.abbruch();
    ASSERT_NO_THROW(playLoop(w.g()));
    EXPECT_TRUE(w.platform.events.empty());
    EXPECT_EQ(b.cellValue(0, 2, 2), fieldValue(0, 2, 2));
    EXPECT_EQ(b.givenValue(0, 2, 2), fieldValue(0, 2, 2));
    EXPECT_EQ(b.cellValue(1, 5, 5), 0);
    EXPECT_EQ(b.cellValue(2, 5, 5), fieldValue(2, 5, 5));
    EXPECT_EQ(b.givenValue(2, 5, 5), 0);
}

TEST(PlayCells, DoubleClickEntersThePreviouslyHighlightedValue) {
    // The second press of a double click lands inside the palette without a move: it enters
    // the value the last palette left highlighted, not the one under the pointer (5).
    PlayWorld w;
    Board& b = w.g().state.board;
    w.g().ui.palette.paletteValue = 3;
    w.click(0, 1, 1);
    const QPoint p = cellCentre(0, 1, 1);
    w.platform.events.push_back({Event::Kind::LeftPress, 0, p.x(), p.y()});
    w.abbruch();
    ASSERT_NO_THROW(playLoop(w.g()));
    EXPECT_EQ(b.cellValue(0, 1, 1), 3);
    EXPECT_EQ(w.g().ui.palette.paletteValue, 3);
}

TEST(PlayCells, NoteOnASharedCellShowsInBothCopies) {
    PlayWorld w;
    Board& b = w.g().state.board;
    // Grid 0 (8, 8) is the same field cell as grid 2 (2, 2).
    w.rightClick(0, 8, 8);
    w.platform.typed('5');
    w.rightClick(0, 8, 8);
    w.platform.typed('7');
    w.abbruch();
    ASSERT_NO_THROW(playLoop(w.g()));
    for (int v = 1; v <= 9; ++v) {
        EXPECT_EQ(b.noteFlag(0, 8, 8, v), v == 5 || v == 7) << v;
        EXPECT_EQ(b.noteFlag(2, 2, 2, v), v == 5 || v == 7) << v;
    }
    // The notes are drawn: a black note "5" inside the cell on screen.
    const int left = gridLeft(0) + 33 * 7, top = gridTop(0) + 33 * 7;
    bool drawn = false;
    for (const auto& t : w.canvas.journal)
        if (t.text == QStringLiteral("5") && t.x == left + 10 + 2 && t.y == top + 10) drawn = true;
    EXPECT_TRUE(drawn);

    // A right click in the note palette removes all nine notes of both copies.
    w.rightClick(0, 8, 8);
    w.platform.rightClick(100, 100);
    w.abbruch();
    ASSERT_NO_THROW(playLoop(w.g()));
    for (int v = 1; v <= 9; ++v) {
        EXPECT_FALSE(b.noteFlag(0, 8, 8, v));
        EXPECT_FALSE(b.noteFlag(2, 2, 2, v));
    }
}

TEST(PlayGame, TimedGameEndsInTheHallOfFame) {
    PlayWorld w;
    Game& g = w.g();
    clearHallOfFame(hallOfFame(g));
    g.state.difficulty = Difficulty::Mittel;
    g.state.clock.clockRunning = true;
    g.state.clock.startTime = w.platform.time;
    g.state.clock.finishTime = "X";
    // The whole game took 1 h 2 min 3.4 s (no scripted wait runs before the finish).
    w.platform.time += 3723.4;
    w.platform.onModal = [&g](QWidget* form) {
        if (form->objectName() == QStringLiteral("champ")) {
            form->findChild<QLineEdit*>(QStringLiteral("ed1"))->setText(QStringLiteral("Tester"));
            form->findChild<QPushButton*>(QStringLiteral("cmd5"))->click();
        } else if (form->objectName() == QStringLiteral("ruhm")) {
            // The clock has stopped: let its ticker end before the script's waits move the
            // fake time on.
            joinClockTicker(g);
            form->findChild<QPushButton*>(QStringLiteral("cmd3"))->click();
        }
    };
    // Clicks for some cells and typed digits for the others; one wrong entry first.
    w.click(0, 1, 1);
    w.platform.typed('0' + fieldValue(0, 1, 1) % 9 + 1);
    w.click(0, 1, 1);
    w.platform.typed('0' + fieldValue(0, 1, 1));
    w.click(0, 8, 8);
    const QPoint square = squareCentre(0, 8, 8, fieldValue(0, 8, 8));
    w.platform.move(square.x(), square.y());
    w.platform.leftClick(square.x(), square.y());
    w.click(1, 5, 5);
    w.platform.typed('0' + fieldValue(1, 5, 5));
    w.click(2, 5, 5);
    w.platform.typed('0' + fieldValue(2, 5, 5));
    w.click(4, 9, 9);
    w.platform.typed('0' + fieldValue(4, 9, 9));
    w.abbruch();

    ASSERT_NO_THROW(playLoop(g));
    EXPECT_TRUE(w.platform.events.empty());
    EXPECT_EQ(g.state.board.status.verdict, Verdict::Solved);
    EXPECT_EQ(g.state.board.status.errorCount, 1);
    EXPECT_EQ(g.state.clock.finishTime, "01:02:03.4");
    EXPECT_FALSE(g.state.clock.clockRunning);
    EXPECT_EQ(hallOfFame(g).hallOfFameName[1][1], "Tester");
    EXPECT_EQ(hallOfFame(g).hallOfFameTime[1][1], "01:02:03.4");
    EXPECT_TRUE(w.platform.fileExists(QStringLiteral("Champions.Rhm")));
    ASSERT_EQ(w.platform.modalForms.size(), 2u);
    EXPECT_EQ(w.platform.modalForms[0], QStringLiteral("champ"));
    EXPECT_EQ(w.platform.modalForms[1], QStringLiteral("ruhm"));
    // The final time was shown on the label before the clock went back to " 99:99:99".
    EXPECT_NE(std::find(w.platform.clockLabels.begin(), w.platform.clockLabels.end(),
                        QStringLiteral("01:02:03.4")),
              w.platform.clockLabels.end());
}
