// Soak test of play and editing: 100,000 seeded random events (clicks anywhere, keys,
// palette choices, notes, editor use). Before every event the board must be whole: both
// copies of every shared box agree, every byte holds 0..9, every given stands in cellValue,
// and play has not changed a given.
#include "session/game.h"
#include "session/modal.h"
#include "app/screen.h"
#include "play/editor.h"
#include "play/playloop.h"
#include "support/scripted_platform.h"
#include "tests/game/play_helpers.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <sstream>

using namespace play_test;

namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr long kSoakEvents = 20000; // the sanitizer builds run several times slower
#else
constexpr long kSoakEvents = 100000;
#endif
// Pixels are not what this test checks: after the first events the game draws into no
// device, which keeps the run short while every procedure still runs.
constexpr long kDrawnEvents = 20000;

// Events are made up on demand; a hook inspects the board before each one is handed out.
class SoakPlatform : public ScriptedPlatform {
  public:
    std::function<Event()> generate;
    std::function<void()> beforeEvent;
    Event nextEvent() override {
        if (beforeEvent) beforeEvent();
        if (events.empty()) events.push_back(generate());
        return ScriptedPlatform::nextEvent();
    }
};

struct SoakWorld {
    SoakWorld() : image(1052, 787, QImage::Format_RGB32) {
        image.fill(Qt::black);
        canvas.setDevice(&image);
        game = std::make_unique<Game>(platform, canvas, 20261209);
        fillColourTable(*game);
    }
    QImage image;
    SoakPlatform platform;
    Canvas canvas;
    std::unique_ptr<Game> game;
};

// What is wrong with the board, or an empty text.
std::string boardFault(const Board& b, const BoardArray* givensBefore) {
    std::ostringstream out;
    for (int i = 0; i < kBlockSize; ++i)
        if (b.cellValue.bytes[i] > 9 || b.givenValue.bytes[i] > 9 || b.solutionValue.bytes[i] > 9)
            out << "byte " << i << " out of range; ";
    for (const SharedBox& box : kSharedBoxes)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                const int mc = box.masterColumn + i, mr = box.masterRow + j;
                const int oc = box.mirrorColumn + i, orow = box.mirrorRow + j;
                if (b.cellValue(box.masterGrid, mc, mr) != b.cellValue(box.mirrorGrid, oc, orow) ||
                    b.givenValue(box.masterGrid, mc, mr) != b.givenValue(box.mirrorGrid, oc, orow))
                    out << "copies differ at grid " << box.masterGrid << " (" << mc << "," << mr
                        << "); ";
                for (int v = 1; v <= 9; ++v)
                    if (b.noteFlag(box.masterGrid, mc, mr, v) !=
                        b.noteFlag(box.mirrorGrid, oc, orow, v))
                        out << "notes differ at grid " << box.masterGrid << " (" << mc << "," << mr
                            << ") digit " << v << "; ";
            }
    for (int g = 0; g < 5; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (b.givenValue(g, c, r) != 0 && b.cellValue(g, c, r) != b.givenValue(g, c, r))
                    out << "given not in cellValue at " << g << " (" << c << "," << r << "); ";
    if (givensBefore && !(b.givenValue == *givensBefore)) out << "play changed a given; ";
    return out.str();
}

} // namespace

TEST(GameSoak, RandomPlayAndEditingKeepTheBoardWhole) {
    SoakWorld w;
    Game& g = *w.game;
    Board& b = g.state.board;
    std::mt19937 rng(4242);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };

    fillSolvedBoard(b);
    for (int g0 = 0; g0 < 5; ++g0)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (pick(2) == 0) openCell(b, g0, c, r);
    syncSharedBoxes(b);

    long handedOut = 0;
    int sessionLeft = 0; // events until the session is ended
    int leaving = 0;     // steps of the leaving sequence handed out
    BoardArray givensAtStart;
    std::string firstFault;
    long faults = 0;
    long palettes = 0, sessions = 0, editorSessions = 0;

    std::deque<std::string> recent; // the last events handed out, for the fault report
    w.platform.beforeEvent = [&] {
        const bool playing = !g.ui.editorMode;
        const std::string fault = boardFault(b, playing ? &givensAtStart : nullptr);
        if (!fault.empty() && faults++ == 0) {
            firstFault = "after event " + std::to_string(handedOut) + ": " + fault;
            for (const std::string& e : recent) firstFault += "\n  " + e;
        }
        if (g.ui.palette.paletteTracking) ++palettes;
    };
    auto makeEvent = [&]() -> Event {
        ++handedOut;
        if (--sessionLeft <= 0) {
            // A right click closes an open palette (and does nothing elsewhere), then Abbruch.
            if (leaving++ % 2 == 0) return {Event::Kind::RightPress, 0, 750, 100};
            return {Event::Kind::LeftPress, 0, 600 + pick(107), 726 + pick(27)};
        }
        const int roll = pick(100);
        if (roll < 30) { // a press on the board or near it
            return {Event::Kind::LeftPress, 0, pick(730), pick(726)};
        }
        if (roll < 40) return {Event::Kind::RightPress, 0, pick(730), pick(730)};
        if (roll < 52) { // pointer moves, mostly near the palette when one is open
            if (g.ui.palette.paletteTracking)
                return {Event::Kind::PointerMove, 0, g.ui.palette.paletteX - 5 + pick(64),
                        g.ui.palette.paletteY - 5 + pick(64)};
            return {Event::Kind::PointerMove, 0, pick(1052), pick(787)};
        }
        if (roll < 60 && g.ui.palette.paletteTracking) // a click inside the open palette
            return {Event::Kind::LeftPress, 0, g.ui.palette.paletteX + pick(54),
                    g.ui.palette.paletteY + pick(54)};
        if (roll < 80) {
            static const char typed[] = "01234567890123456789abcdefghi`ABCxyz ";
            if (pick(20) == 0) return {Event::Kind::Char, kKeyEsc, 0, 0};
            return {Event::Kind::Char, typed[pick(sizeof typed - 1)], 0, 0};
        }
        if (roll < 95) {
            // Keys: the cheap ones often, the whole-board redraws and the solver rarely.
            static const int keys[] = {'J', 'K', 'Q', 'B', '5', 'A', 'A', kKeyEsc, 'J', 'K', 'E'};
            static const int rare[] = {'F', 'C', 'N', 'X'};
            if (pick(10) == 0) return {Event::Kind::KeyRelease, rare[pick(4)], 0, 0};
            if (pick(100) == 0) return {Event::Kind::KeyRelease, 'M', 0, 0};
            return {Event::Kind::KeyRelease, keys[pick(11)], 0, 0};
        }
        // The button bar: Neustart, misses just outside it, and Abbruch.
        static const QPoint bar[] = {{400, 740}, {707, 740}, {650, 725}, {650, 753}, {706, 752}};
        const QPoint p = bar[pick(5)];
        return {Event::Kind::LeftPress, 0, p.x(), p.y()};
    };

    w.platform.generate = [&]() -> Event {
        const Event e = makeEvent();
        recent.push_back((g.ui.editorMode ? "editor " : "play ") + std::to_string(int(e.kind)) +
                         " " + std::to_string(e.code) + " (" + std::to_string(e.x) + "," +
                         std::to_string(e.y) + ")" +
                         (g.ui.palette.paletteTracking ? " palette" : ""));
        if (recent.size() > 8) recent.pop_front();
        return e;
    };

    while (handedOut < kSoakEvents) {
        ++sessions;
        sessionLeft = 50 + pick(2000);
        leaving = 0;
        b.options.showDigits = pick(3) != 0;
        b.options.showCandidates = pick(8) == 0;
        if (handedOut >= kDrawnEvents) w.canvas.setDevice(nullptr);
        if (pick(4) == 0) {
            ++editorSessions;
            ASSERT_NO_THROW(boardEditor(g)) << "after event " << handedOut;
            g.ui.editorMode = false;
        } else {
            givensAtStart = b.givenValue;
            ASSERT_NO_THROW(playLoop(g)) << "after event " << handedOut;
        }
        w.platform.events.clear();
        givensAtStart = b.givenValue;
        clearEscapeConsumed(g);
        g.state.clock.clockRunning = false;
    }
    w.platform.beforeEvent(); // the board after the last event

    RecordProperty("events", static_cast<int>(handedOut));
    RecordProperty("sessions", static_cast<int>(sessions));
    std::printf("soak: %ld events, %ld sessions (%ld in the editor), %ld events into open "
                "palettes, %ld faults\n",
                handedOut, sessions, editorSessions, palettes, faults);
    EXPECT_EQ(faults, 0) << firstFault;
}
