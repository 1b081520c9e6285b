// The game clock: label texts, updateClock through start, running and finish, and the
// ticker thread with the palette and finishing flags.
#include "panels/info.h"
#include "session/modal.h"
#include "platform/qt_platform.h"
#include "support/scripted_platform.h"

#include <QCoreApplication>
#include <QLabel>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

TEST(ClockTexts, RunningAndFinalTexts) {
    struct Case {
        int hours, minutes;
        double seconds;
        const char* running;
        const char* final;
    };
    const Case cases[] = {
        {0, 0, 0.0, " 00:00:00", "00:00:00.0"},    {1, 2, 3.4, " 01:02:03", "01:02:03.4"},
        {0, 0, 7.25, " 00:00:07", "00:00:07.3"},   // halves round up
        {0, 0, 12.5, " 00:00:12", "00:00:12.5"},   // already one decimal
        {0, 0, 59.94, " 00:00:59", "00:00:59.9"},  // rounds down, no carry
        {0, 4, 59.96, " 00:04:59", "00:05:00.0"},  // the tenth carries into the minutes
        {0, 59, 59.95, " 00:59:59", "01:00:00.0"}, // ... and on into the hours
        {123, 7, 8.0, " 23:07:08", "23:07:08.0"},  // hours keep their last two digits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.final);
        EXPECT_EQ(runningClockText(c.hours, c.minutes, c.seconds), QString::fromLatin1(c.running));
        EXPECT_EQ(finalClockText(c.hours, c.minutes, c.seconds), c.final);
    }
}

namespace {
// Closes every form the hall of fame opens, so a finished game runs through.
void closeForms(TestWorld& w) {
    w.platform.onModal = [&w](QWidget*) { endGameDialog(w.g()); };
}
} // namespace

TEST(UpdateClock, StoppedStartRunningAndFinal) {
    TestWorld w;
    closeForms(w);
    Game& g = w.g();

    updateClock(g);
    EXPECT_EQ(w.platform.clockLabel(), " 99:99:99");

    w.platform.time = 5000.3;
    startGameClock(g);
    EXPECT_EQ(g.state.clock.finishTime, "X");
    updateClock(g);
    EXPECT_EQ(w.platform.clockLabel(), " 00:00:00");

    w.platform.time += 3723.4; // 1 h 2 min 3.4 s
    updateClock(g);
    EXPECT_EQ(w.platform.clockLabel(), " 01:02:03");

    // Finishing within the same second uses the values of that refresh.
    g.state.clock.finishingGame = true;
    updateClock(g);
    g.state.clock.finishingGame = false;
    EXPECT_FALSE(g.state.clock.clockRunning);
    EXPECT_EQ(g.state.clock.finishTime, "01:02:03.4");
    const auto& labels = w.platform.clockLabels;
    ASSERT_GE(labels.size(), 2u);
    EXPECT_EQ(labels[labels.size() - 2], "01:02:03.4");
    EXPECT_EQ(labels.back(), " 99:99:99");
}

TEST(UpdateClock, FinalTimeCarriesTheRoundedTenth) {
    TestWorld w;
    closeForms(w);
    Game& g = w.g();
    w.platform.time = 100.0;
    startGameClock(g);
    updateClock(g);
    w.platform.time += 299.96; // 4 min 59.96 s
    g.state.clock.finishingGame = true;
    updateClock(g);
    g.state.clock.finishingGame = false;
    EXPECT_EQ(g.state.clock.finishTime, "00:05:00.0");
}

namespace {
// The ticker reads the clock from its own thread: a fake clock that is safe to share.
class SharedClockPlatform : public ScriptedPlatform {
  public:
    std::atomic<double> clock{1000.25};
    double now() override { return clock.load(); }
};

struct TickerWorld {
    QImage image{1052, 787, QImage::Format_RGB32};
    SharedClockPlatform platform;
    Canvas canvas{&image};
    Game game{platform, canvas};
};

// Waits (up to two seconds of real time) until the label reads text.
bool waitForLabel(SharedClockPlatform& p, const QString& text) {
    for (int i = 0; i < 200; ++i) {
        if (p.clockLabel() == text) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}
} // namespace

TEST(ClockTicker, PaletteAndFinishingKeepTheLabelAndStopEndsIt) {
    TickerWorld w;
    Game& g = w.game;
    startGameClock(g);
    updateClock(g);
    ASSERT_EQ(w.platform.clockLabel(), " 00:00:00");
    startClockTicker(g);

    // While the palette is drawn the label stays as it is ...
    g.state.clock.paletteBusy = true;
    w.platform.clock = 1002.5;
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    EXPECT_EQ(w.platform.clockLabel(), " 00:00:00");
    // ... and catches up at the next tick after it closes.
    g.state.clock.paletteBusy = false;
    EXPECT_TRUE(waitForLabel(w.platform, " 00:00:02"));

    // The final time is not overwritten while the game finishes.
    g.state.clock.finishingGame = true;
    w.platform.clock = 1004.5;
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    EXPECT_EQ(w.platform.clockLabel(), " 00:00:02");
    g.state.clock.finishingGame = false;
    w.platform.clock = 1005.5;
    EXPECT_TRUE(waitForLabel(w.platform, " 00:00:05"));

    // Stopping the clock ends the ticker, and no running text follows the stop.
    g.state.clock.clockRunning = false;
    updateClock(g);
    joinClockTicker(g);
    EXPECT_FALSE(g.state.clock.ticker.joinable());
    w.platform.clock = 1010.5;
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    EXPECT_EQ(w.platform.clockLabel(), " 99:99:99");
}

TEST(ClockTicker, ANewTickerReplacesOneThatMissedTheStop) {
    TickerWorld w;
    Game& g = w.game;
    startGameClock(g);
    startClockTicker(g);
    // A new game starts before the old ticker saw the clock stop: the old one is ended,
    // not waited for forever, and only one ticker runs.
    g.state.clock.clockRunning = false;
    startGameClock(g);
    startClockTicker(g);
    EXPECT_TRUE(g.state.clock.ticker.joinable());
    w.platform.clock = w.platform.clock + 3.0;
    EXPECT_TRUE(waitForLabel(w.platform, " 00:00:03"));
    g.state.clock.clockRunning = false;
    joinClockTicker(g);
    EXPECT_FALSE(g.state.clock.ticker.joinable());
}

TEST(ClockLabel, ALateTickerTextNeverOverwritesANewerOne) {
    QtPlatform platform;
    QLabel label;
    platform.setClockLabelWidget(&label);
    // The ticker's text is still queued when the game finishes on the user-interface thread.
    std::thread ticker([&platform] { platform.setClockLabel(QStringLiteral(" 00:01:05")); });
    ticker.join();
    platform.setClockLabel(QStringLiteral("00:01:05.4"));
    QCoreApplication::processEvents();
    EXPECT_EQ(label.text(), QStringLiteral("00:01:05.4"));
}
