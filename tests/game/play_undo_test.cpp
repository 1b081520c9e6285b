// Undo and redo in the play loop, the own-board editor and the menu: every kind of change
// taken back and put again as one step, with both copies of a shared box, the panels and
// the screen; the error count and the clock; and where a history begins.
#include "session/game.h"
#include "app/menu.h"
#include "app/screen.h"
#include "files/resume.h"
#include "play/editor.h"
#include "play/playloop.h"
#include "play/render.h"
#include "panels/info.h"
#include "support/scripted_platform.h"
#include "tests/game/play_helpers.h"
#include "game/boardfile_support.h"

#include <QPushButton>
#include <gtest/gtest.h>

using namespace play_test;

namespace {

constexpr int kCtrl = Event::Ctrl, kShift = Event::Shift;
constexpr QPoint kMarker{900, 770}; // a pointer move outside the board: the loops ignore it

// What a player sees of a moment: the recorded board bytes, the panels' model and the
// pixels of the board and of the statistics panel.
struct Moment {
    BoardImage board;
    int errors;
    Verdict status = Verdict::None;
    QImage screen;
    bool operator==(const Moment& o) const {
        return board == o.board && status == o.status && screen == o.screen;
    }
};

// A solved board with a few open cells (one of them in a shared box), in a drawn window.
// marker() records a Moment when the loop takes it.
struct UndoWorld : PointerWorld {
    UndoWorld() {
        drawMainScreen(g());
        fillSolvedBoard(g().state.board);
        static constexpr int kOpen[][3] = {{0, 1, 1}, {0, 8, 8}, {1, 5, 5}, {4, 9, 9}};
        for (auto [gr, c, r] : kOpen) openCell(g().state.board, gr, c, r);
        showBoard(g());
        platform.onEvent = [this](const Event& e) {
            if (e.kind != Event::Kind::PointerMove || QPoint(e.x, e.y) != kMarker) return;
            Moment m;
            captureBoardImage(g().state.board, m.board);
            m.errors = g().state.board.status.errorCount;
            m.status = g().state.board.status.verdict;
            m.screen = image.copy(15, 15, 693, 693);
            moments.push_back(m);
            panels.push_back(image.copy(732, 222, 300, 78));
        };
    }
    void marker() { platform.move(kMarker.x(), kMarker.y()); }
    std::vector<Moment> moments;
    std::vector<QImage> panels;
};

// Runs `act` between markers, then Ctrl+Z, then a redo key, in the play loop or the
// editor, and checks that the undo gives back the moment before and the redo the moment
// after, screen included.
void expectUndoAndRedo(UndoWorld& w, bool editor, const std::function<void(UndoWorld&)>& act,
                       int redoKey, int redoModifiers) {
    w.marker();
    act(w);
    showBoard(w.g()); // what the case set up beforehand is on the screen too
    w.marker();
    w.platform.key('Z', kCtrl);
    w.marker();
    w.platform.key(redoKey, redoModifiers);
    w.marker();
    w.abbruch();
    ASSERT_NO_THROW(editor ? boardEditor(w.g()) : playLoop(w.g()));
    ASSERT_EQ(w.moments.size(), 4u);
    const Moment &before = w.moments[0], &after = w.moments[1], &undone = w.moments[2],
                 &redone = w.moments[3];
    EXPECT_NE(before.board, after.board) << "the command changed nothing";
    EXPECT_TRUE(undone == before) << "undo";
    EXPECT_TRUE(redone == after) << "redo";
    EXPECT_EQ(w.panels[2], w.panels[0]) << "statistics after undo";
    EXPECT_EQ(w.panels[3], w.panels[1]) << "statistics after redo";
    EXPECT_EQ(undone.errors, after.errors) << "undo keeps the error count";
}

} // namespace

TEST(Undo, EveryKindOfChangeInThePlayLoopAndTheEditor) {
    struct Case {
        const char* name;
        bool editor;
        std::function<void(UndoWorld&)> act;
    };
    const Case cases[] = {
        {"right entry in a shared box", false,
         [](UndoWorld& w) { w.click(0, 8, 8), w.platform.typed('0' + fieldValue(0, 8, 8)); }},
        {"wrong entry", false,
         [](UndoWorld& w) {
             w.click(0, 1, 1), w.platform.typed('0' + fieldValue(0, 1, 1) % 9 + 1);
         }},
        {"deletion", false,
         [](UndoWorld& w) {
             w.g().state.board.cellValue(1, 5, 5) = 3;
             w.rightClick(1, 5, 5);
         }},
        {"note toggle in a shared box", false,
         [](UndoWorld& w) { w.rightClick(0, 8, 8), w.platform.typed('5'); }},
        {"F", false, [](UndoWorld& w) { w.platform.key('F'); }},
        {"C", false,
         [](UndoWorld& w) {
             w.g().state.board.noteFlag(0, 8, 8, 3) = w.g().state.board.noteFlag(2, 2, 2, 3) = true;
             w.platform.key('C');
         }},
        {"M", false,
         [](UndoWorld& w) {
             w.g().state.board.noteFlag(4, 9, 9, 2) = true;
             w.platform.key('M');
         }},
        {"N", false,
         [](UndoWorld& w) {
             w.g().state.board.cellValue(1, 5, 5) = 3;
             w.platform.key('N');
         }},
        {"hidden solve pair", false,
         [](UndoWorld& w) {
             w.platform.key(kSolveFirstLetter);
             w.platform.key(kSolveSecondLetter);
         }},
        {"editor: a given typed in", true,
         [](UndoWorld& w) { w.click(1, 5, 5), w.platform.typed('7'); }},
        {"editor: a given removed", true, [](UndoWorld& w) { w.rightClick(0, 2, 2); }},
        {"editor: X", true, [](UndoWorld& w) { w.platform.key('X'); }},
        {"editor: N", true,
         [](UndoWorld& w) {
             w.g().state.board.cellValue(1, 5, 5) = 3;
             w.platform.key('N');
         }},
    };
    for (const Case& t : cases) {
        for (const auto& [key, modifiers] : {std::pair{'Y', kCtrl}, {'Z', kCtrl | kShift}}) {
            SCOPED_TRACE(testing::Message()
                         << t.name << (key == 'Y' ? ", Ctrl+Y" : ", Ctrl+Shift+Z"));
            UndoWorld w;
            expectUndoAndRedo(w, t.editor, t.act, key, modifiers);
        }
    }
}

TEST(Undo, BrettLoeschenInTheMenuIsTakenBackInTheNextGame) {
    UndoWorld w;
    Game& g = w.g();
    const Board before = g.state.board;
    Win_0_MenuEvent(g, 26);
    ASSERT_EQ(g.state.board.cellValue, BoardArray{});
    w.platform.key('Z', kCtrl);
    w.abbruch();
    Win_0_MenuEvent(g, 10);
    EXPECT_EQ(g.state.board.cellValue, before.cellValue);
    EXPECT_EQ(g.state.board.givenValue, before.givenValue);
}

TEST(Undo, NeverLowersTheErrorCountNorRestartsTheClock) {
    UndoWorld w;
    Game& g = w.g();
    g.state.board.status.errorCount = 2;
    startGameClock(g);
    w.click(0, 1, 1);
    w.platform.typed('0' + fieldValue(0, 1, 1) % 9 + 1); // the third wrong entry
    w.platform.key('Z', kCtrl);
    w.marker();
    w.platform.key('Y', kCtrl);
    w.marker();
    w.abbruch();
    ASSERT_NO_THROW(playLoop(g));
    ASSERT_EQ(w.moments.size(), 2u);
    EXPECT_EQ(w.moments[0].errors, 3);
    EXPECT_EQ(w.moments[0].board[cellIndex(0, 1, 1)], 0) << "the entry was taken back";
    EXPECT_EQ(w.moments[1].errors, 3);
    EXPECT_NE(w.moments[1].board[cellIndex(0, 1, 1)], 0) << "and put again";
    EXPECT_FALSE(g.state.clock.clockRunning);
}

TEST(Undo, ANewBoardBeginsANewHistory) {
    // An entry, then the new board, then Ctrl+Z between two markers: nothing changes.
    struct Case {
        const char* name;
        std::function<void(UndoWorld&)> run;
    };
    auto undoBetweenMarkers = [](UndoWorld& w) {
        w.marker();
        w.platform.key('Z', kCtrl);
        w.marker();
    };
    const Case cases[] = {
        {"Neues Spiel",
         [&](UndoWorld& w) {
             w.platform.copyDataFile(QStringLiteral("leicht.qnt"));
             undoBetweenMarkers(w);
             w.platform.key(kKeyEsc);
             Win_0_MenuEvent(w.g(), 8);
             joinClockTicker(w.g());
         }},
        {"L in the play loop",
         [&](UndoWorld& w) {
             w.platform.onModal = [](QWidget* form) {
                 form->findChild<QPushButton*>(QStringLiteral("cmd1"))->click();
             };
             w.platform.key('L');
             undoBetweenMarkers(w);
             w.abbruch();
             playLoop(w.g());
             EXPECT_EQ(w.g().state.board.cellValue(1, 2, 3), 5) << "slot 1 was loaded";
         }},
        {"leaving the editor",
         [&](UndoWorld& w) {
             w.abbruch();
             Win_0_MenuEvent(w.g(), 11);
             undoBetweenMarkers(w);
             w.abbruch();
             playLoop(w.g());
         }},
        {"JA to \"Letztes Spiel fortsetzen?\" at start",
         [&](UndoWorld& w) {
             keepGameInProgress(w.g());
             clearBoardModel(w.g().state.board); // the board of a program just started
             w.platform.answers = {1};
             undoBetweenMarkers(w);
             w.platform.key(kKeyEsc);
             Win_0_MenuEvent(w.g(), menuNumber(MenuId::ResumeGame));
             EXPECT_TRUE(w.platform.fileExists(QStringLiteral("spielstand.qnt")));
         }},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        UndoWorld w;
        boardfile_test::writeRaw(
            w.platform, QStringLiteral("brett.qnt"),
            boardfile_test::boardFile({boardfile_test::markedBoard(5), Board{}, Board{}, Board{}}));
        w.click(0, 8, 8);
        w.platform.typed('0' + fieldValue(0, 8, 8));
        w.abbruch();
        ASSERT_NO_THROW(playLoop(w.g()));
        ASSERT_TRUE(w.g().state.history.canUndo());
        ASSERT_NO_THROW(t.run(w));
        ASSERT_EQ(w.moments.size(), 2u);
        EXPECT_EQ(w.moments[1].board, w.moments[0].board);
        EXPECT_FALSE(w.g().state.history.canUndo());
    }
}
