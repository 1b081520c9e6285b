// The difficulty, help-window and clock panels, and the game clock with its ticker thread.
// Called by the start screen, the menu commands, the play loop and the status panel.
#include "panels/info.h"

#include "session/game.h"
#include "engine/generate.h"
#include "session/look.h"
#include "halloffame/halloffame.h"

#include <QFontMetrics>
#include <QString>

#include <chrono>
#include <cmath>
#include <mutex>
#include <thread>

namespace {

constexpr const char* kStoppedText = " 99:99:99";
constexpr const char* kStartText = " 00:00:00";

// The last two characters of "0" followed by the number: hours above 99 keep two digits.
QString twoDigits(long long n) {
    return (QStringLiteral("0") + QString::number(n)).right(2);
}

// Splits the time since startTime into hours, minutes and left-over seconds and notes
// the second of this refresh. The caller holds the clock mutex.
void computeElapsed(ClockState& c, double now) {
    double elapsed = now - c.startTime;
    if (elapsed < 0) elapsed = 0;
    c.elapsedHours = static_cast<int>(static_cast<long long>(elapsed) / 3600);
    elapsed -= 3600.0 * c.elapsedHours;
    c.elapsedMinutes = static_cast<int>(static_cast<long long>(elapsed) / 60);
    elapsed -= 60.0 * c.elapsedMinutes;
    c.elapsedSeconds = elapsed;
    c.lastTick = std::floor(now);
}

// The givens of the board, each shared cell counted once (its master copy).
int distinctGivens(const Board& b) {
    int count = 0;
    for (int grid = 0; grid <= 4; ++grid)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (b.givenValue(grid, c, r) != 0) ++count;
    for (const SharedBox& box : kSharedBoxes)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                if (b.givenValue(box.mirrorGrid, box.mirrorColumn + i, box.mirrorRow + j) != 0)
                    --count;
    return count;
}

// The difficulty panel's count of givens and the level's name, as the board stands.
void drawDifficultyValues(Game& g) {
    const int count = distinctGivens(g.state.board);
    contentStyle(g, 8);
    QString countText = QString::number(count).rightJustified(3, QLatin1Char(' ')) + ' ';
    if (g.draw.largeFontMode) countText += QStringLiteral("  ");
    g.canvas.text(950, 455, countText);

    const QString name = difficultyText(g.state.difficulty, g.state.origin);
    const bool generated = g.state.origin.level >= 0;
    Canvas& canvas = g.canvas;
    // A generated level's name is longer than the defined ones, whose blanks cover only
    // each other: the line is cleared before and after it.
    if (generated || g.draw.generatedNameShown) canvas.fillRect(769, 469, 988, 505, Colour::White);
    g.draw.generatedNameShown = generated;
    contentStyle(g, 20);
    if (!generated) {
        canvas.text(816, 468, name + QStringLiteral("  "));
    } else {
        // In the panel's font when it fits beside the panel's left text, else smaller.
        const QString shown = name.trimmed();
        if (QFontMetrics(canvas.font()).horizontalAdvance(shown) > 986 - 790) {
            contentStyle(g, 18);
            canvas.text(790, 477, shown);
        } else {
            canvas.text(790, 468, shown);
        }
    }
    contentStyle(g, 8);
}

} // namespace

void contentStyle(Game& g, int font) {
    selectFont(g, font);
    g.canvas.setOpaqueText(true);
    g.canvas.setPenColour(Colour::Black);
    g.canvas.setBackColour(Colour::White);
}

QString runningClockText(int hours, int minutes, double seconds) {
    const auto wholeSeconds = static_cast<long long>(std::floor(seconds));
    return QStringLiteral(" ") + twoDigits(hours) + QStringLiteral(":") + twoDigits(minutes) +
           QStringLiteral(":") + twoDigits(wholeSeconds);
}

std::string finalClockText(int hours, int minutes, double seconds) {
    // Round to the tenth first (halves upward), then let the rounding carry into the
    // minutes and hours, so 4 min 59.96 s reads 00:05:00.0 and never 00:04:60.0.
    long long tenths = std::llround(seconds * 10.0);
    if (tenths < 0) tenths = 0;
    long long total =
        (static_cast<long long>(hours) * 3600 + static_cast<long long>(minutes) * 60) * 10 + tenths;
    const long long h = total / 36000;
    total -= h * 36000;
    const long long m = total / 600;
    total -= m * 600;
    const QString secondsText = (QStringLiteral("0") + QString::number(total / 10) +
                                 QStringLiteral(".") + QString::number(total % 10))
                                    .right(4);
    return (twoDigits(h) + QStringLiteral(":") + twoDigits(m) + QStringLiteral(":") + secondsText)
        .toStdString();
}

void drawDifficultyPanel(Game& g) {
    drawPanel(g, 762, 425, 234, 88, PanelTexts::tr("SCHWIERIGKEITSGRAD:"), 800, 445);
    contentStyle(g, 8);
    // In the fixed face the count ends the label at x 950, where updateDifficultyPanel
    // writes it; the large-font face is proportional, so there only the update writes it.
    QString label = PanelTexts::tr("Vorgegebene Zahlen: ");
    if (!g.draw.largeFontMode)
        label += QString::number(g.state.givenCount).rightJustified(3, QLatin1Char(' '));
    g.canvas.text(790, 455, label);
    drawDifficultyValues(g);
}

void updateDifficultyPanel(Game& g) {
    Board& b = g.state.board;
    // The mirror copies of the shared boxes follow their masters (the editor's givens).
    syncSharedBoxes(b);
    g.state.givenCount = distinctGivens(b);
    drawDifficultyValues(g);
}

void drawHelpPanel(Game& g) {
    drawPanel(g, 762, 537, 234, 72, PanelTexts::tr("HILFEFENSTER:"), 826, 557);
    showHelpText(g);
}

void showHelpText(Game& g) {
    contentStyle(g, 8);
    g.canvas.text(776, 576, translated<PanelTexts>(g.ui.helpText));
}

void showTimingNote(Game& g, const char* note) {
    g.state.timingNote = QString::fromUtf8(note);
    showStripText(g, StripField::Note, g.state.timingNote);
}

void showStripText(Game& g, StripField field, const QString& text) {
    QString& shown = field == StripField::Keys ? g.ui.stripKeys : g.ui.stripNote;
    if (shown == text) return;
    shown = text;
    const int x = field == StripField::Keys ? kStripKeysX : kStripNoteX;
    const int right = field == StripField::Keys ? kStripNoteX - 6 : kStripRight;
    Canvas& c = g.canvas;
    // The strip's inside between its frame lines, then the text embossed like the caption.
    c.fillRect(x - 1, 767, right, 783, Colour::WindowBackground);
    const int font = g.draw.currentFont;
    if (!text.isEmpty())
        drawEmbossedText(g, 16, Colour::Black, x, 782,
                         field == StripField::Keys ? text : translated<PanelTexts>(text));
    selectFont(g, font);
    c.setOpaqueText(true);
    c.setPenColour(Colour::Black);
    c.setBackColour(Colour::White);
}

void drawClockPanel(Game& g) {
    // The white box reaches from (768, 656) to (989, 695) around the clock label.
    drawPanel(g, 762, 634, 234, 68, PanelTexts::tr("ZEITMESSUNG:"), 827, 652);
}

void startGameClock(Game& g) {
    ClockState& c = g.state.clock;
    c.finishingGame = false;
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        c.startTime = g.platform.now();
        c.finishTime = std::string(1, 'X');
    }
    c.clockRunning = true;
}

void updateClock(Game& g) {
    ClockState& c = g.state.clock;
    QString text = QString::fromLatin1(kStartText);
    if (!c.clockRunning) {
        std::lock_guard<std::mutex> lock(c.mutex);
        g.platform.setClockLabel(QString::fromLatin1(kStoppedText));
        return;
    }
    std::unique_lock<std::mutex> lock(c.mutex);
    const double now = g.platform.now();
    if (std::floor(now) != c.lastTick) {
        computeElapsed(c, now);
        text = runningClockText(c.elapsedHours, c.elapsedMinutes, c.elapsedSeconds);
    }
    if (c.finishingGame) {
        const std::string final =
            finalClockText(c.elapsedHours, c.elapsedMinutes, c.elapsedSeconds);
        g.platform.setClockLabel(QString::fromStdString(final));
        c.finishTime = final;
        c.clockRunning = false;
        // The hall of fame may ask for the player's name; the ticker must not wait on us
        // meanwhile, and it leaves the final time alone while finishingGame is set.
        lock.unlock();
        enterHallOfFame(g);
        lock.lock();
        text = QString::fromLatin1(kStoppedText);
    }
    g.platform.setClockLabel(text);
}

void clockTicker(Game& g) {
    ClockState& c = g.state.clock;
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (!c.paletteBusy && !c.paused) {
            std::lock_guard<std::mutex> lock(c.mutex);
            const double now = g.platform.now();
            if (std::floor(now) != c.lastTick) {
                computeElapsed(c, now);
                // Checked under the mutex that updateClock holds while it writes the
                // label, so a late tick never overwrites the final or the stopped text.
                if (!c.finishingGame && c.clockRunning && !c.tickerStop)
                    g.platform.setClockLabel(
                        runningClockText(c.elapsedHours, c.elapsedMinutes, c.elapsedSeconds));
            }
        }
        if (!c.clockRunning || c.tickerStop) return;
    }
}

void startClockTicker(Game& g) {
    ClockState& c = g.state.clock;
    // A ticker from an earlier game may not have seen clockRunning go false yet (a new
    // game can set it again within its 50 ms): stop it explicitly before starting anew.
    joinClockTicker(g);
    c.tickerStop = false;
    c.ticker = std::thread(clockTicker, std::ref(g));
}

void joinClockTicker(Game& g) {
    ClockState& c = g.state.clock;
    if (!c.ticker.joinable()) return;
    c.tickerStop = true;
    c.ticker.join();
    c.tickerStop = false;
}
