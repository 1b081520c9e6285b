// What the generate command (menu 9) and the puzzle booklet (menu 13) share: the form that
// asks for a generated level and symmetry, the seed of a new puzzle, and the generator run
// off the user-interface thread beside its progress window with a cancel button.
#pragma once

#include "engine/generate.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class Platform;
class QCheckBox;
class QComboBox;
class QPushButton;
class QVBoxLayout;
class Random;

// A dialog that asks for a generated level in `cmb1` and symmetry in "&Symmetrisch" `chk1`,
// with OK `cmd1` and "Abbrechen" `cmd2`. The generate dialog and the booklet dialog build
// it with their own controls around these, in the order of their tab chain.
class LevelChoiceForm : public QDialog {
  public:
    void cmd1_Click(); // OK: the choice stands, the dialog closes
    void cmd2_Click(); // Abbrechen (also Esc and the close box)

    bool confirmed() const { return confirmed_; }
    // The level chosen in cmb1.
    GeneratedLevel level() const;

    QComboBox* cmb1 = nullptr;
    QCheckBox* chk1 = nullptr;
    QPushButton* cmd1 = nullptr;
    QPushButton* cmd2 = nullptr;

  protected:
    // ended is called however the form closes; the modal wait ends on it.
    LevelChoiceForm(std::function<void()> ended, const QString& objectName, const QString& title,
                    QWidget* parent);

    // The row of the level box cmb1 with its label, the levels by their translated names.
    void addLevelBox(const QString& label);
    void addSymmetryBox(const QString& caption);
    // The row of OK (the default button) and cancel.
    void addButtons(const QString& okCaption, const QString& cancelCaption);
    // The form's fixed size, the focus on cmb1.
    void finish();

    void reject() override { cmd2_Click(); }
    void closeEvent(QCloseEvent* event) override;

    QVBoxLayout* formLayout = nullptr;

  private:
    std::function<void()> ended_;
    bool confirmed_ = false;
};

// The seed of a new generated puzzle, two draws of the game's random generator.
std::uint32_t newPuzzleSeed(Random& random);

// What the progress window shows: the puzzles finished so far and the removal pass of the
// one under way (as the generator reports it, 0 before its first).
using GenerateProgressText = std::function<QString(int made, int attempt)>;

// One puzzle of level for each seed, made one after another off the user-interface thread
// beside the progress window `title`. All of them; or none after a message that says why
// (cancelled, or one of them did not come within kGenerateAttempts passes; levelName names
// the level) followed by `consequence`.
std::vector<GeneratedPuzzle>
generatePuzzles(Platform& platform, const QString& title, GeneratedLevel level, bool symmetric,
                const std::vector<std::uint32_t>& seeds, const QString& levelName,
                const GenerateProgressText& progressText, const QString& consequence);
