// The hint on screen and the explanation after the solver gives up (see hintview.h). The
// engine gives the advice as data (adviseHint) and counts solutions (countSolutions); this
// file turns them into marks on the board, a sentence in the help line (hinttext.h)
// and message boxes.
#include "play/hintview.h"

#include "session/game.h"
#include "session/look.h"
#include "engine/fieldcells.h"
#include "engine/hint.h"
#include "panels/info.h"
#include "panels/statistics.h"
#include "session/backgroundsearch.h"
#include "play/highlight.h"
#include "play/hinttext.h"
#include "play/render.h"

#include <QFontMetrics>
#include <QStringList>

namespace {

// The hint's marks, laid over the cursor's highlights (Game::overlayMarks): the units the
// step looks at tinted light yellow under the values, the cell it leads to outlined green,
// a wrong entry outlined red.
constexpr QRgb kUnitTint = kClassicColours[colourIndex(Colour::UnitTint)];
constexpr QRgb kTargetOutline = kClassicColours[colourIndex(Colour::TargetOutline)];
constexpr QRgb kWrongOutline = kClassicColours[colourIndex(Colour::WrongOutline)];

void tintUnit(Game& g, const HintUnit& u) {
    for (int k = 0; k < 9; ++k) {
        int column = k + 1, row = u.number;
        if (u.kind == UnitKind::Column) std::swap(column, row);
        if (u.kind == UnitKind::Box) {
            column = (u.number - 1) % 3 * 3 + k % 3 + 1;
            row = (u.number - 1) / 3 * 3 + k / 3 + 1;
        }
        g.draw.overlayMarks
            .tint[static_cast<size_t>(fieldIndex(g.state.board, u.grid, column, row))] = kUnitTint;
    }
}

void outlineHintCell(Game& g, const HintCell& cell, QRgb colour) {
    g.draw.overlayMarks
        .outline[static_cast<size_t>(fieldIndex(g.state.board, cell.grid, cell.column, cell.row))] =
        colour;
}

// The lines of a sentence wrapped to the white box's width.
QStringList wrapped(const QFontMetrics& metrics, const QString& sentence) {
    QStringList lines{QString()};
    for (const QString& word : sentence.split(QLatin1Char(' '))) {
        const QString longer =
            lines.back().isEmpty() ? word : lines.back() + QLatin1Char(' ') + word;
        if (!lines.back().isEmpty() && metrics.horizontalAdvance(longer) > 214)
            lines.append(word);
        else
            lines.back() = longer;
    }
    return lines;
}

// The sentence in the help panel, wrapped over the three lines of its white box: the
// longest of its forms that fits (the last one when none does).
void showSentence(Game& g, const QStringList& forms) {
    if (!g.ui.hint.hintShown) g.ui.hint.helpTextBeforeHint = g.ui.helpText;
    g.ui.hint.hintShown = true;
    g.ui.helpText = QString();
    drawHelpPanel(g); // the empty panel
    selectFont(g, 4);
    const QFontMetrics metrics(g.canvas.font());
    QString sentence = forms.back();
    for (const QString& form : forms) {
        if (wrapped(metrics, form).size() <= 3) {
            sentence = form;
            break;
        }
    }
    const QStringList lines = wrapped(metrics, sentence);
    g.ui.helpText = sentence;
    g.canvas.setOpaqueText(false);
    for (int i = 0; i < lines.size() && i < 3; ++i) g.canvas.text(772, 561 + 14 * i, lines[i]);
    g.canvas.setOpaqueText(true);
    selectFont(g, 8);
}

// The hint sentences speak the chosen language.
HintLanguage hintLanguage(const Game& g) {
    return g.ui.language == Language::English ? HintLanguage::English : HintLanguage::German;
}

// The board of the givens alone, for judging the player's entries.
Board givensOnly(const Board& b) {
    Board givens = b;
    givens.cellValue = b.givenValue;
    return givens;
}

} // namespace

void showHint(Game& g) {
    if (g.state.clock.clockRunning) {
        if (g.platform.messageBox(PlayTexts::tr("Ein Tipp beendet die Zeitmessung. Trotzdem?"),
                                  PlayTexts::tr("&JA|&NEIN"), 2, MessageIcon::Question) != 1)
            return;
        g.state.clock.clockRunning = false; // as the M key stops it
    }
    g.state.hintUsed = true; // the game is no longer solved without a hint
    Board& b = g.state.board;
    g.draw.overlayMarks = CellMarks{}; // an older hint's marks go first
    g.ui.hint.hintMemory.check(b);
    // The searches and the ladder run off the user-interface thread, on copies of what
    // they read.
    HintAdvice advice;
    {
        const Board board = b;
        const std::vector<Removal> known = g.ui.hint.hintMemory.removed;
        g.platform.runInBackground([&] { advice = adviseHint(board, known); });
    }
    const Hint& hint = advice.step;
    if (advice.outcome == HintOutcome::WrongEntry) {
        outlineHintCell(g, advice.wrong, kWrongOutline);
    } else if (advice.outcome == HintOutcome::Step) {
        // The next T goes on from this step's eliminations, noted or not.
        if (!hint.removed.empty()) g.ui.hint.hintMemory.add(b, hint);
        for (const HintUnit& u : hint.units) tintUnit(g, u);
        // Wings, chains and colouring read cells, not units: their cells are tinted.
        if (hint.units.empty())
            for (const HintCell& c : hint.cells)
                g.draw.overlayMarks
                    .tint[static_cast<size_t>(fieldIndex(g.state.board, c.grid, c.column, c.row))] =
                    kUnitTint;
        if (hint.found) outlineHintCell(g, hint.target, kTargetOutline);
    }
    refreshHighlight(g);
    QStringList forms;
    for (const std::string& form : adviceTexts(advice, b.options.showDigits, hintLanguage(g)))
        forms.append(QString::fromStdString(form));
    showSentence(g, forms);
}

void clearHint(Game& g, const Event& e) {
    if (!g.ui.hint.hintShown) return;
    if (e.kind != Event::Kind::KeyRelease && e.kind != Event::Kind::LeftPress &&
        e.kind != Event::Kind::RightPress && e.kind != Event::Kind::Menu)
        return;
    g.ui.hint.hintShown = false;
    g.ui.helpText = g.ui.hint.helpTextBeforeHint;
    g.draw.overlayMarks = CellMarks{};
    refreshHighlight(g);
    drawHelpPanel(g);
}

void explainSolveFailure(Game& g, const Board& before) {
    Board& b = g.state.board;
    BoardArray solution{};
    const int count = countSolutionsInBackground(g, before, 2, &solution);
    if (count >= 2) {
        g.platform.messageBox(PlayTexts::tr("Das Brett hat mehr als eine Lösung."),
                              QStringLiteral("&OK"), 1, MessageIcon::None);
        return;
    }
    if (count == 0) {
        BoardArray givensSolution{};
        const int givens = countSolutionsInBackground(g, givensOnly(before), 2, &givensSolution);
        QString text = PlayTexts::tr("Das Brett hat keine Lösung.");
        if (givens == 1) {
            const int wrong = countWrongEntries(before, givensSolution);
            if (wrong == 1)
                text =
                    PlayTexts::tr("Das Brett hat keine Lösung: einer Ihrer Einträge ist falsch.");
            else if (wrong > 1)
                text = PlayTexts::tr("Das Brett hat keine Lösung: %1 Ihrer Einträge sind falsch.")
                           .arg(wrong);
        } else if (givens > 1) {
            text = PlayTexts::tr("Das Brett hat mit Ihren Einträgen keine Lösung.");
        }
        g.platform.messageBox(text, QStringLiteral("&OK"), 1, MessageIcon::None);
        return;
    }
    // One completion of the board as it stood: when the givens have only this one, it is
    // the solution the entries are judged by, and the board is solvable after all.
    if (adoptUniqueSolution(g)) updateStatusMessage(g);
    const Grade grade = gradeBoard(before);
    const QString technique = QString::fromStdString(
        techniqueName(grade.solved ? grade.hardest : Technique::Guess, hintLanguage(g)));
    const int answer = g.platform.messageBox(
        PlayTexts::tr("Das Brett hat genau eine Lösung, doch sie braucht stärkere Schritte als "
                      "die zwei Regeln: %1.")
            .arg(technique),
        PlayTexts::tr("&Lösung zeigen|&Nein"), 2, MessageIcon::None);
    if (answer != 1) return;
    // The cells are filled as entries, judged against the solution just found.
    b.solutionValue = solution;
    for (int grid = 0; grid <= 4; ++grid) {
        b.activeGrid = static_cast<std::int16_t>(grid);
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (b.cellValue(grid, c, r) == 0) {
                    enterCellValue(g, c, r, solution(grid, c, r));
                }
    }
    updateDigitCounts(g);
}
