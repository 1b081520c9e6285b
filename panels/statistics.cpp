// The statistics panel (how often each symbol stands on the board) and the status panel
// (the verdict and the error count). Called by the start screen, board rendering, the
// solver, cell entry and the menu commands; the status update also finishes a solved game.
#include "panels/statistics.h"

#include "session/game.h"
#include "session/look.h"
#include "engine/rules.h"
#include "panels/info.h"

#include <QString>

namespace {

// The vertical line between the row labels and the nine columns.
void drawLabelLine(Game& g) {
    g.canvas.setLineWidth(1);
    g.canvas.setPenColour(Colour::Black);
    g.canvas.line(801, 250, 801, 289);
}

} // namespace

void drawStatisticsPanel(Game& g) {
    const bool digits = g.state.board.options.showDigits;
    drawPanel(g, 732, 222, 300, 78, PanelTexts::tr("STATISTIK:"), 850, 242);
    contentStyle(g, 8);
    g.canvas.text(748, 254, digits ? PanelTexts::tr("Zahlen") : PanelTexts::tr("Ziffer"));
    g.canvas.text(748, 274, PanelTexts::tr("Anzahl"));
    for (int i = 1; i <= 9; ++i) {
        const int cx = 784 + 24 * i;
        if (digits) {
            g.canvas.text(g.draw.largeFontMode ? cx : cx + 8, 254, valueText(true, i));
            g.canvas.text(cx, 274, QStringLiteral(" 0"));
        } else {
            int x = cx + 8;
            if (g.draw.largeFontMode) x = i == 9 ? cx + 4 : cx;
            g.canvas.text(x, 254, valueText(false, i));
        }
    }
    g.canvas.setLineWidth(1);
    g.canvas.setPenColour(Colour::Black);
    g.canvas.line(744, 268, 1020, 268);
    drawLabelLine(g);
    drawDigitCounts(g);
    drawStatusMessage(g);
    drawStatusPanel(g);
}

namespace {

// The board judged; the alert when no entry differs from the solution, yet a digit repeats:
// the givens break the rule.
void judgeWithAlert(Game& g) {
    if (judgeBoard(g.state.board)) g.platform.beep();
}

} // namespace

void settleStatus(Game& g) {
    countDigits(g.state.board);
    judgeWithAlert(g);
}

bool solvedGameToFinish(const Game& g) {
    return g.state.board.status.verdict == Verdict::Solved && g.state.clock.clockRunning;
}

void finishSolvedGame(Game& g) {
    if (!solvedGameToFinish(g)) return;
    g.state.clock.finishingGame = true;
    updateClock(g);
    g.state.clock.clockRunning = false;
    g.state.clock.finishingGame = false;
}

void updateDigitCounts(Game& g) {
    settleStatus(g);
    drawDigitCounts(g);
    drawStatusMessage(g);
    finishSolvedGame(g);
}

void drawDigitCounts(Game& g) {
    const Board& b = g.state.board;
    contentStyle(g, 8);
    for (int i = 1; i <= 9; ++i)
        g.canvas.text(776 + 24 * i, 274,
                      QString::number(b.digitCount[static_cast<size_t>(i)])
                              .rightJustified(3, QLatin1Char(' ')) +
                          QLatin1Char(' '));
    // The first count field covers the line at x 801.
    drawLabelLine(g);
}

void drawStatusPanel(Game& g) {
    drawPanel(g, 732, 323, 300, 78, PanelTexts::tr("STATUSMELDUNG:"), 824, 343);
    drawStatusMessage(g);
}

QString statusText(Verdict verdict) {
    switch (verdict) {
    case Verdict::WrongNumber:
        return PanelTexts::tr("Falsche Zahl! ");
    case Verdict::NotSolvable:
        return PanelTexts::tr("Nicht lösbar!!!");
    case Verdict::NoErrors:
        return PanelTexts::tr("Keine Fehler! ");
    case Verdict::Solved:
        return PanelTexts::tr("Brett gelöst!!! ");
    case Verdict::None:
        break;
    }
    return {};
}

void updateStatusMessage(Game& g) {
    judgeWithAlert(g);
    drawStatusMessage(g);
    finishSolvedGame(g);
}

void drawStatusMessage(Game& g) {
    const Board& b = g.state.board;
    selectFont(g, 20);
    if (!b.status.silentMode) {
        const bool red =
            b.status.verdict == Verdict::WrongNumber || b.status.verdict == Verdict::NotSolvable;
        g.canvas.setPenColour(red ? Colour::Red : Colour::Black);
        g.canvas.setOpaqueText(true);
        g.canvas.setBackColour(Colour::White);
        g.canvas.text(760, 347, statusText(b.status.verdict));
    }

    contentStyle(g, 8);
    // The large-font face has a 14-pixel text cell: two pixels higher keeps the line inside
    // the panel's white box (its bottom outline at y 394).
    g.canvas.text(832, g.draw.largeFontMode ? 380 : 382,
                  PanelTexts::tr("Fehler: %1/3 ").arg(b.status.errorCount));
}
