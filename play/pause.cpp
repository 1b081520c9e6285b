// Pause: the cover over the board, the wait for the player, and the clock held meanwhile.
#include "play/pause.h"

#include "play/events.h"
#include "session/game.h"
#include "session/look.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>

namespace {

// The board: the whole field of the five grids.
constexpr int kBoardLeft = kFieldLeft, kBoardTop = kFieldTop, kBoardRight = kFieldRight,
              kBoardBottom = kFieldBottom;

bool onBoard(int x, int y) {
    return x >= kBoardLeft && x <= kBoardRight && y >= kBoardTop && y <= kBoardBottom;
}

void drawPauseCover(Game& g) {
    Canvas& c = g.canvas;
    c.fillRect(kBoardLeft, kBoardTop, kBoardRight, kBoardBottom, Colour::WindowBackground);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(120);
    font.setBold(true);
    const QString text = QStringLiteral("Pause");
    const QFontMetrics metrics(font);
    const int x = (kBoardLeft + kBoardRight - metrics.horizontalAdvance(text)) / 2;
    const int y = (kBoardTop + kBoardBottom - metrics.height()) / 2;
    const int font0 = g.draw.currentFont;
    c.setFont(font);
    c.setOpaqueText(false);
    c.setPenColour(Colour::DarkGrey);
    c.text(x, y, text);
    selectFont(g, font0);
    c.setOpaqueText(true);
    c.setPenColour(Colour::Black);
}

void waitForResume(Game& g) {
    for (;;) {
        const Event e = takeEvent(g);
        if (e.kind == Event::Kind::KeyRelease) return;
        if ((e.kind == Event::Kind::LeftPress || e.kind == Event::Kind::RightPress) &&
            onBoard(g.ui.pointerX, g.ui.pointerY))
            return;
    }
}

} // namespace

bool pauseEvent(Game& g, const Event& e) {
    const bool pauseKey =
        e.kind == Event::Kind::KeyRelease && e.code == 'P' && !e.ctrl() && !e.alt();
    if (!pauseKey && e.kind != Event::Kind::WindowMinimised) return false;
    pauseGame(g);
    return true;
}

void pauseGame(Game& g) {
    ClockState& clock = g.state.clock;
    const double pausedAt = g.platform.now();
    {
        // What the game keeps while paused counts the time only up to here.
        std::lock_guard<std::mutex> lock(clock.mutex);
        clock.pausedAt = pausedAt;
    }
    clock.paused = true; // the ticker leaves the label as it stands
    const QImage board = g.canvas.capture(kBoardLeft, kBoardTop, kBoardRight, kBoardBottom);
    drawPauseCover(g);
    waitForResume(g);
    g.canvas.paste(board, kBoardLeft, kBoardTop);
    if (clock.clockRunning) {
        // Time played is always now - startTime: the paused time is skipped over.
        std::lock_guard<std::mutex> lock(clock.mutex);
        clock.startTime += g.platform.now() - pausedAt;
    }
    clock.paused = false;
}

std::span<const KeyHelp> pauseKeyHelp() {
    static const KeyHelp help[] = {
        {QT_TRANSLATE_NOOP("PlayTexts", "P"),
         QT_TRANSLATE_NOOP("PlayTexts",
                           "Pause (auch beim Verkleinern des Fensters); weiter mit jeder Taste"),
         false,
         {'P'},
         {nullptr, QT_TRANSLATE_NOOP("PanelTexts", "Pause")}},
    };
    return help;
}
