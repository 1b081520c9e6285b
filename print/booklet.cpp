// The puzzle booklet (see booklet.h).
#include "print/booklet.h"

#include "session/game.h"
#include "session/modal.h"
#include "platform/platform.h"
#include "platform/texts.h"
#include "print/printout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

BookletDialog::BookletDialog(Game& g, const BookletChoice& choice, QWidget* parent)
    : LevelChoiceForm([&g] { endGameDialog(g); }, QStringLiteral("heft"),
                      PrintTexts::tr("Rätselheft drucken"), parent) {
    addLevelBox(PrintTexts::tr("S&tufe:"));

    auto* countRow = new QHBoxLayout;
    auto* countLabel = new QLabel(PrintTexts::tr("&Anzahl der Rätsel:"), this);
    spn1 = new QSpinBox(this);
    spn1->setObjectName(QStringLiteral("spn1"));
    spn1->setRange(1, kBookletMaxPuzzles);
    countLabel->setBuddy(spn1);
    countRow->addWidget(countLabel);
    countRow->addWidget(spn1);
    formLayout->addLayout(countRow);

    addSymmetryBox(PrintTexts::tr("&Symmetrisch"));
    addButtons(PrintTexts::tr("OK"), PrintTexts::tr("Abbrechen"));

    cmb1->setCurrentIndex(static_cast<int>(choice.level));
    spn1->setValue(choice.count);
    chk1->setChecked(choice.symmetric);
    finish();
}

BookletChoice BookletDialog::choice() const {
    BookletChoice c;
    c.level = level();
    c.count = std::clamp(spn1->value(), 1, kBookletMaxPuzzles);
    c.symmetric = chk1->isChecked();
    return c;
}

namespace {

// The puzzles of the booklet, made one after another off the user-interface thread. Empty
// when cancelled or when one of them did not come within kGenerateAttempts passes (said).
std::vector<GeneratedPuzzle> generateBooklet(Game& g, const BookletChoice& choice) {
    std::vector<std::uint32_t> seeds;
    for (int i = 0; i < choice.count; ++i) seeds.push_back(newPuzzleSeed(g.random));
    const QString name = generatedLevelText(static_cast<int>(choice.level));
    return generatePuzzles(
        g.platform, PrintTexts::tr("Rätselheft drucken"), choice.level, choice.symmetric, seeds,
        name,
        [&](int made, int) {
            return PrintTexts::tr("Rätsel %1 von %2 der Stufe „%3“ entsteht …")
                .arg(std::min(made + 1, choice.count))
                .arg(choice.count)
                .arg(name);
        },
        QLatin1Char('\n') + PrintTexts::tr("Es wurde nichts gedruckt."));
}

} // namespace

void printBooklet(Game& g) {
    BookletChoice initial;
    if (g.state.origin.level >= 0 && g.state.origin.level < kGeneratedLevelCount)
        initial.level = static_cast<GeneratedLevel>(g.state.origin.level);
    initial.symmetric = g.state.board.options.symmetricPuzzle;
    BookletDialog heft(g, initial, g.platform.mainWindow());
    runGameDialog(g, &heft, QPoint(380, 250));
    if (!heft.confirmed()) return;
    const BookletChoice choice = heft.choice();

    QPrinter printer(QPrinter::HighResolution);
    // Offered as a file of its own beside the board printout's, not in its place.
    printer.setOutputFileName(
        QFileInfo(printDialogFile()).dir().filePath(QStringLiteral("Quintor-Rätselheft.pdf")));
    // Cancelling the printer-selection dialog prints nothing and needs no message.
    if (!selectPrinter(g, printer)) return;
    printer.setDocName(PrintTexts::tr("Rätselheft"));

    const std::vector<GeneratedPuzzle> puzzles = generateBooklet(g, choice);
    if (puzzles.empty()) return;

    const QString level = generatedLevelText(static_cast<int>(choice.level));
    const bool digits = g.state.board.options.showDigits;
    const int count = static_cast<int>(puzzles.size());
    const bool printed = printPages(
        g, printer, bookletPageCount(count),
        [&](Canvas& page, QPainter& painter, int index, const PrintLayout& layout) {
            if (index < count) {
                const GeneratedPuzzle& p = puzzles[static_cast<std::size_t>(index)];
                drawPrintedBoard(
                    page, layout, p.givens, digits, QStringLiteral("QUINTOR-SUDOKU"),
                    PrintTexts::tr("Schwierigkeitsgrad: %1 mit %2 Zahlen, Rätsel %3 von %4")
                        .arg(level)
                        .arg(p.givenCount)
                        .arg(index + 1)
                        .arg(count));
                return;
            }
            // The solutions section: the page cut into quarters, each a board at half size.
            const int first = (index - count) * kBookletSolutionsPerPage;
            const int width = layout.unitX * 86, height = layout.unitY * 70;
            for (int k = 0; k < kBookletSolutionsPerPage && first + k < count; ++k) {
                const int number = first + k;
                painter.save();
                painter.translate(k % 2 * width / 2, k / 2 * height / 2);
                painter.scale(0.5, 0.5);
                drawPrintedBoard(page, layout, puzzles[static_cast<std::size_t>(number)].solution,
                                 digits, PrintTexts::tr("LÖSUNG %1").arg(number + 1),
                                 PrintTexts::tr("Schwierigkeitsgrad: %1, Rätsel %2 von %3")
                                     .arg(level)
                                     .arg(number + 1)
                                     .arg(count));
                painter.restore();
            }
        });
    if (!printed)
        g.platform.messageBox(PrintTexts::tr("Druckerfehler!"), PrintTexts::tr("OK"), 1,
                              MessageIcon::None);
}
