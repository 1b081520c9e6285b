// The level-choice form and the generator run the generate command and the booklet share
// (see generating.h).
#include "platform/generating.h"

#include "engine/random.h"
#include "platform/forms.h"
#include "platform/platform.h"
#include "platform/texts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <optional>

LevelChoiceForm::LevelChoiceForm(std::function<void()> ended, const QString& objectName,
                                 const QString& title, QWidget* parent)
    : QDialog(parent), ended_(std::move(ended)) {
    setUpForm(*this, objectName, title, parent);
    formLayout = new QVBoxLayout(this);
}

void LevelChoiceForm::addLevelBox(const QString& label) {
    auto* levelRow = new QHBoxLayout;
    auto* levelLabel = new QLabel(label, this);
    cmb1 = new QComboBox(this);
    cmb1->setObjectName(QStringLiteral("cmb1"));
    for (int level = 0; level < kGeneratedLevelCount; ++level)
        cmb1->addItem(generatedLevelText(level));
    levelLabel->setBuddy(cmb1);
    levelRow->addWidget(levelLabel);
    levelRow->addWidget(cmb1, 1);
    formLayout->addLayout(levelRow);
}

void LevelChoiceForm::addSymmetryBox(const QString& caption) {
    chk1 = new QCheckBox(caption, this);
    chk1->setObjectName(QStringLiteral("chk1"));
    formLayout->addWidget(chk1);
}

void LevelChoiceForm::addButtons(const QString& okCaption, const QString& cancelCaption) {
    const OkCancelButtons row = addOkCancelRow(
        *this, *formLayout, okCaption, cancelCaption, [this] { cmd1_Click(); },
        [this] { cmd2_Click(); });
    cmd1 = row.ok;
    cmd2 = row.cancel;
    cmd1->setDefault(true);
}

void LevelChoiceForm::finish() {
    fixFormSize(*this, 260);
    cmb1->setFocus();
}

GeneratedLevel LevelChoiceForm::level() const {
    return static_cast<GeneratedLevel>(
        std::clamp(cmb1->currentIndex(), 0, kGeneratedLevelCount - 1));
}

void LevelChoiceForm::cmd1_Click() {
    confirmed_ = true;
    ended_();
    close();
}

void LevelChoiceForm::cmd2_Click() {
    confirmed_ = false;
    ended_();
    close();
}

void LevelChoiceForm::closeEvent(QCloseEvent* event) {
    // The close box ends the wait like Abbrechen; OK has already set its answer.
    ended_();
    event->accept();
}

std::uint32_t newPuzzleSeed(Random& random) {
    return static_cast<std::uint32_t>(random.RANDOM(65536)) << 16 |
           static_cast<std::uint32_t>(random.RANDOM(65536));
}

std::vector<GeneratedPuzzle>
generatePuzzles(Platform& platform, const QString& title, GeneratedLevel level, bool symmetric,
                const std::vector<std::uint32_t>& seeds, const QString& levelName,
                const GenerateProgressText& progressText, const QString& consequence) {
    std::atomic<bool> cancel{false};
    std::atomic<bool> failed{false};
    std::atomic<int> made{0};
    std::atomic<int> attempt{0};
    std::vector<GeneratedPuzzle> puzzles;
    platform.runCancellable(
        title,
        [&] {
            for (const std::uint32_t seed : seeds) {
                attempt = 0;
                std::optional<GeneratedPuzzle> puzzle = generatePuzzle(
                    level, symmetric, seed, cancel,
                    [&attempt](const GenerateProgress& p) { attempt = p.attempt; },
                    kGenerateAttempts);
                if (!puzzle) {
                    failed = !cancel;
                    return;
                }
                puzzles.push_back(std::move(*puzzle));
                made = static_cast<int>(puzzles.size());
            }
        },
        cancel, [&] { return progressText(made.load(), attempt.load()); });
    if (puzzles.size() == seeds.size()) return puzzles;
    const QString why =
        failed ? PlayTexts::tr("In %1 Versuchen ist kein Rätsel der Stufe „%2“ entstanden.")
                     .arg(kGenerateAttempts)
                     .arg(levelName)
               : PlayTexts::tr("Das Erzeugen wurde abgebrochen.");
    platform.messageBox(why + consequence, QStringLiteral("OK"), 1, MessageIcon::Information);
    return {};
}
