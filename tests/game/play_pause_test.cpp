// Pause: P and the minimised window cover the board and hold the clock; the time paused is
// not counted in the final time; any key or a click on the board resumes.
#include "session/game.h"
#include "halloffame/parts.h"
#include "app/screen.h"
#include "app/win0.h"
#include "files/gamestate.h"
#include "panels/info.h"
#include "play/playloop.h"
#include "play/render.h"
#include "platform/qt_platform.h"
#include "support/scripted_platform.h"
#include "tests/game/play_helpers.h"
#include "tests/game/window_world.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using window_test::WindowWorld;

using namespace play_test;

namespace {

// Pixels of the board in the colours of givens, entries and notes (black, blue, red).
int readablePixels(const QImage& image) {
    int n = 0;
    for (int y = 15; y < 708; ++y)
        for (int x = 15; x < 708; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == colour(0) || c == colour(4) || c == colour(9)) ++n;
        }
    return n;
}

struct PauseWorld : TestWorld {
    PauseWorld() {
        drawMainScreen(g());
        fillSolvedBoard(g().state.board);
        openCell(g().state.board, 1, 5, 5);
        g().state.board.noteFlag(1, 5, 5, 4) = true;
    }
};

} // namespace

TEST(Pause, CoversTheBoardAndResumesByKeyOrBoardClick) {
    struct Case {
        const char* name;
        std::function<void(ScriptedPlatform&)> pause, resume;
    };
    const Case cases[] = {
        {"P, any key", [](ScriptedPlatform& p) { p.key('P'); },
         [](ScriptedPlatform& p) { p.key('N'); }},
        {"minimised, click on the board",
         [](ScriptedPlatform& p) { p.events.push_back({Event::Kind::WindowMinimised}); },
         [](ScriptedPlatform& p) {
             p.leftClick(700, 740); // the button bar does not resume
             p.rightClick(300, 300);
         }},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        PauseWorld w;
        Game& g = w.g();
        QImage covered;
        bool wasPaused = false;
        // The screen as the resuming event arrives: only the Abbruch click follows it.
        w.platform.onEvent = [&](const Event&) {
            if (w.platform.events.size() == 2 && covered.isNull()) {
                covered = w.image.copy();
                wasPaused = g.state.clock.paused;
            }
        };
        t.pause(w.platform);
        t.resume(w.platform);
        w.platform.leftClick(kAbbruchButton.x(), kAbbruchButton.y());
        ASSERT_NO_THROW(playLoop(g));
        // Board before the pause: digits and the note are readable.
        ASSERT_GT(readablePixels(w.image), 1000);
        EXPECT_TRUE(wasPaused);
        EXPECT_EQ(readablePixels(covered), 0) << "no digit or note readable";
        EXPECT_EQ(covered.pixelColor(30, 30), colour(12));
        bool pauseShown = false;
        for (const auto& text : w.canvas.journal)
            if (text.text == QStringLiteral("Pause") && text.fontPixelHeight >= 100)
                pauseShown = true;
        EXPECT_TRUE(pauseShown);
        EXPECT_FALSE(g.state.clock.paused);
        // The resuming key is no command: N would have restarted the puzzle.
        EXPECT_EQ(g.state.board.noteFlag(1, 5, 5, 4), true);
    }
}

TEST(Pause, TimePausedIsNotCountedInTheFinalTime) {
    for (const bool timed : {true, false}) {
        SCOPED_TRACE(timed ? "timed" : "untimed");
        PauseWorld w;
        Game& g = w.g();
        clearHallOfFame(hallOfFame(g));
        w.platform.onModal = [&g](QWidget* form) {
            if (form->objectName() == QStringLiteral("champ")) {
                form->findChild<QLineEdit*>(QStringLiteral("ed1"))->setText(QStringLiteral("P"));
                form->findChild<QPushButton*>(QStringLiteral("cmd5"))->click();
            } else {
                joinClockTicker(g);
                form->findChild<QPushButton*>(QStringLiteral("cmd3"))->click();
            }
        };
        if (timed) startGameClock(g);
        const double start = g.state.clock.startTime;
        // 70 s played, then 20 minutes paused; the resuming key moves the clock on first.
        w.platform.time += 70.0;
        w.platform.key('P');
        w.platform.key('Q');
        w.platform.onEvent = [&](const Event& e) {
            if (e.kind != Event::Kind::KeyRelease || e.code != 'Q') return;
            joinClockTicker(g); // the fake clock moves on the test's thread alone
            w.platform.time += 1200.0;
        };
        const QPoint cell = cellCentre(1, 5, 5);
        w.platform.leftClick(cell.x(), cell.y());
        w.platform.typed('0' + fieldValue(1, 5, 5)); // the last cell: solved
        w.platform.leftClick(kAbbruchButton.x(), kAbbruchButton.y());
        ASSERT_NO_THROW(playLoop(g));
        joinClockTicker(g);
        EXPECT_EQ(g.state.board.status.verdict, Verdict::Solved);
        if (timed) {
            EXPECT_EQ(g.state.clock.startTime, start + 1200.0);
            EXPECT_EQ(g.state.clock.finishTime, "00:01:10.0");
            EXPECT_EQ(hallOfFame(g).hallOfFameTime[0][1], "00:01:10.0");
        } else {
            EXPECT_EQ(g.state.clock.startTime, start) << "an untimed game keeps its clock as it is";
            EXPECT_TRUE(w.platform.modalForms.empty());
        }
    }
}

TEST(Pause, MinimisingTheWindowPausesTheGame) {
    WindowWorld world;
    Win_0& window = world.window;
    Game& game = world.game;
    drawMainScreen(game);
    fillSolvedBoard(game.state.board);
    window.show();
    auto send = [&window](QEvent::Type type, int key) {
        QKeyEvent e(type, key, Qt::NoModifier);
        QApplication::sendEvent(&window, &e);
    };
    bool paused = false;
    QColor coveredPixel;
    QTimer::singleShot(0, [&] { window.setWindowState(Qt::WindowMinimized); });
    QTimer::singleShot(100, [&] {
        paused = game.state.clock.paused;
        coveredPixel = window.backBuffer().pixelColor(30, 30);
        window.setWindowState(Qt::WindowNoState);
        send(QEvent::KeyPress, Qt::Key_Q); // resumes
        send(QEvent::KeyRelease, Qt::Key_Q);
        send(QEvent::KeyPress, Qt::Key_A); // leaves the game
        send(QEvent::KeyRelease, Qt::Key_A);
    });
    window.runMenuCommand(10);
    EXPECT_TRUE(paused);
    EXPECT_EQ(coveredPixel, colour(12));
    EXPECT_FALSE(game.state.clock.paused);
}

// Leaving the program while paused keeps the time played up to the pause: paused by P, by
// minimising, and by minimising while the value palette is open.
TEST(Pause, QuittingWhilePausedKeepsTheTimeBeforeThePause) {
    const Event minimised{Event::Kind::WindowMinimised, 0, 0, 0};
    struct Case {
        const char* what;
        std::function<void(PauseWorld&)> pause;
    } cases[] = {
        {"P", [](PauseWorld& w) { w.platform.key('P'); }},
        {"minimised", [&](PauseWorld& w) { w.platform.events.push_back(minimised); }},
        {"minimised with the palette open",
         [&](PauseWorld& w) {
             const QPoint cell = cellCentre(1, 5, 5);
             w.platform.leftClick(cell.x(), cell.y());
             w.platform.events.push_back(minimised);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PauseWorld w;
        Game& g = w.g();
        startGameClock(g);
        w.platform.time += 7.4;
        c.pause(w);
        w.platform.closeRequest();
        w.platform.answers = {1}; // "Spiel beenden?" JA
        w.platform.onEvent = [&](const Event& e) {
            if (e.kind != Event::Kind::CloseRequest) return;
            joinClockTicker(g); // the fake clock moves on the test's thread alone
            w.platform.time += 20.0;
        };
        EXPECT_THROW(playLoop(g), QuitRequested);
        joinClockTicker(g);
        const QByteArray bytes = [&] {
            QFile file(w.platform.path(QStringLiteral("spielstand.qnt")));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        SavedGame saved;
        ASSERT_EQ(decodeSavedGame(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                  std::size_t(bytes.size()), saved),
                  SavedGameError::None);
        EXPECT_TRUE(saved.timed);
        EXPECT_NEAR(saved.timePlayed, 7.4, 0.01);
    }
}
