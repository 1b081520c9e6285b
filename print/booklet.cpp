// The puzzle booklet (see booklet.h).
#include "print/booklet.h"

#include "session/game.h"
#include "platform/texts.h"
#include "print/printout.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <vector>

BookletDialog::BookletDialog(Game& g, const BookletChoice& choice, QWidget* parent)
    : QDialog(parent), g(g) {
    setObjectName(QStringLiteral("heft"));
    setWindowTitle(PrintTexts::tr("Rätselheft drucken"));
    if (parent) setWindowIcon(parent->windowIcon());

    auto* layout = new QVBoxLayout(this);
    auto* levelRow = new QHBoxLayout;
    auto* levelLabel = new QLabel(PrintTexts::tr("S&tufe:"), this);
    cmb1 = new QComboBox(this);
    cmb1->setObjectName(QStringLiteral("cmb1"));
    for (int level = 0; level < kGeneratedLevelCount; ++level)
        cmb1->addItem(generatedLevelText(level));
    levelLabel->setBuddy(cmb1);
    levelRow->addWidget(levelLabel);
    levelRow->addWidget(cmb1, 1);
    layout->addLayout(levelRow);

    auto* countRow = new QHBoxLayout;
    auto* countLabel = new QLabel(PrintTexts::tr("&Anzahl der Rätsel:"), this);
    spn1 = new QSpinBox(this);
    spn1->setObjectName(QStringLiteral("spn1"));
    spn1->setRange(1, kBookletMaxPuzzles);
    countLabel->setBuddy(spn1);
    countRow->addWidget(countLabel);
    countRow->addWidget(spn1);
    layout->addLayout(countRow);

    chk1 = new QCheckBox(PrintTexts::tr("&Symmetrisch"), this);
    chk1->setObjectName(QStringLiteral("chk1"));
    layout->addWidget(chk1);

    auto* buttons = new QHBoxLayout;
    cmd1 = new QPushButton(PrintTexts::tr("OK"), this);
    cmd1->setObjectName(QStringLiteral("cmd1"));
    cmd1->setDefault(true);
    cmd2 = new QPushButton(PrintTexts::tr("Abbrechen"), this);
    cmd2->setObjectName(QStringLiteral("cmd2"));
    connect(cmd1, &QPushButton::clicked, this, [this] { cmd1_Click(); });
    connect(cmd2, &QPushButton::clicked, this, [this] { cmd2_Click(); });
    buttons->addWidget(cmd1);
    buttons->addWidget(cmd2);
    layout->addLayout(buttons);

    cmb1->setCurrentIndex(static_cast<int>(choice.level));
    spn1->setValue(choice.count);
    chk1->setChecked(choice.symmetric);
    setFixedSize(sizeHint().expandedTo(QSize(260, 0)));
    cmb1->setFocus();
}

BookletChoice BookletDialog::choice() const {
    BookletChoice c;
    c.level =
        static_cast<GeneratedLevel>(std::clamp(cmb1->currentIndex(), 0, kGeneratedLevelCount - 1));
    c.count = std::clamp(spn1->value(), 1, kBookletMaxPuzzles);
    c.symmetric = chk1->isChecked();
    return c;
}

void BookletDialog::cmd1_Click() {
    confirmed_ = true;
    g.ui.dialogDone = true;
    close();
}

void BookletDialog::cmd2_Click() {
    confirmed_ = false;
    g.ui.dialogDone = true;
    close();
}

void BookletDialog::closeEvent(QCloseEvent* event) {
    // The close box ends the wait like Abbrechen; OK has already set its answer.
    g.ui.dialogDone = true;
    event->accept();
}

namespace {

// The puzzles of the booklet, made one after another off the user-interface thread. Empty
// when cancelled or when one of them did not come within kGenerateAttempts passes (said).
std::vector<GeneratedPuzzle> generateBooklet(Game& g, const BookletChoice& choice) {
    std::vector<std::uint32_t> seeds;
    for (int i = 0; i < choice.count; ++i)
        seeds.push_back(static_cast<std::uint32_t>(g.random.RANDOM(65536)) << 16 |
                        static_cast<std::uint32_t>(g.random.RANDOM(65536)));

    std::atomic<bool> cancel{false};
    std::atomic<bool> failed{false};
    std::atomic<int> made{0};
    std::vector<GeneratedPuzzle> puzzles;
    const QString name = generatedLevelText(static_cast<int>(choice.level));
    g.platform.runCancellable(
        PrintTexts::tr("Rätselheft drucken"),
        [&] {
            for (const std::uint32_t seed : seeds) {
                std::optional<GeneratedPuzzle> puzzle = generatePuzzle(
                    choice.level, choice.symmetric, seed, cancel, {}, kGenerateAttempts);
                if (!puzzle) {
                    failed = !cancel;
                    return;
                }
                puzzles.push_back(std::move(*puzzle));
                made = static_cast<int>(puzzles.size());
            }
        },
        cancel,
        [&] {
            return PrintTexts::tr("Rätsel %1 von %2 der Stufe „%3“ entsteht …")
                .arg(std::min(made.load() + 1, choice.count))
                .arg(choice.count)
                .arg(name);
        });
    if (puzzles.size() == static_cast<std::size_t>(choice.count)) return puzzles;
    const QString why =
        failed ? PrintTexts::tr("In %1 Versuchen ist kein Rätsel der Stufe „%2“ entstanden.")
                     .arg(kGenerateAttempts)
                     .arg(name)
               : PrintTexts::tr("Das Erzeugen wurde abgebrochen.");
    g.platform.messageBox(why + QLatin1Char('\n') + PrintTexts::tr("Es wurde nichts gedruckt."),
                          PrintTexts::tr("OK"), 1, MessageIcon::Information);
    return {};
}

} // namespace

void printBooklet(Game& g) {
    BookletChoice initial;
    if (g.state.origin.level >= 0 && g.state.origin.level < kGeneratedLevelCount)
        initial.level = static_cast<GeneratedLevel>(g.state.origin.level);
    initial.symmetric = g.state.board.symmetricPuzzle;
    BookletDialog heft(g, initial, g.platform.mainWindow());
    g.ui.dialogDone = false;
    g.platform.runModal(&heft, QPoint(380, 250), [&g] { return g.ui.dialogDone; });
    if (!heft.confirmed()) return;
    const BookletChoice choice = heft.choice();

    QPrinter printer(QPrinter::HighResolution);
    // Cancelling the printer-selection dialog prints nothing and needs no message.
    if (!selectPrinter(g, printer)) return;
    printer.setDocName(PrintTexts::tr("Rätselheft"));

    const std::vector<GeneratedPuzzle> puzzles = generateBooklet(g, choice);
    if (puzzles.empty()) return;

    const QString level = generatedLevelText(static_cast<int>(choice.level));
    const bool digits = g.state.board.showDigits;
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
