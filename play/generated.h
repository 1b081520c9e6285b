// Generated puzzles: menu 9 "&Rätsel erzeugen ..." asks in the dialog `erz` for the level,
// symmetry or the puzzle of the day and runs the generator off the user-interface thread
// with its progress and a cancel button; the menu handler then starts the puzzle as a
// timed game.
#pragma once

#include "engine/generate.h"
#include "platform/generating.h"

#include <QString>

#include <optional>

class QCheckBox;
class QLabel;
struct Game;

// What the dialog asks for.
struct GenerateChoice {
    GeneratedLevel level = GeneratedLevel::Einsteiger;
    bool symmetric = true;
    bool daily = false; // the puzzle of the day: the date decides level and symmetry
    bool operator==(const GenerateChoice&) const = default;
};

// The dialog `erz`: the level in `cmb1`, "&Symmetrisch" `chk1`, "Rätsel des &Tages" `chk2`
// with the day's level in `lbl1`, OK `cmd1` and "Abbrechen" `cmd2`.
class GenerateDialog : public LevelChoiceForm {
  public:
    // date: today as yyyymmdd, for the puzzle of the day.
    GenerateDialog(Game& g, const GenerateChoice& choice, int date, QWidget* parent = nullptr);

    void chk2_Click(); // the puzzle of the day on or off

    GenerateChoice choice() const;

    QCheckBox* chk2 = nullptr;
    QLabel* lbl1 = nullptr;

  private:
    int date_;
    GenerateChoice ownChoice_; // level and symmetry chosen while the day's are shown
};

// A generated puzzle and where it came from.
struct GeneratedStart {
    GeneratedPuzzle puzzle;
    PuzzleOrigin origin;
};

// Menu 9: the dialog, then the generator with its progress. None when the dialog or the
// run is cancelled or the level gives no puzzle within kGenerateAttempts passes (the latter
// two said in German); the board is untouched meanwhile.
std::optional<GeneratedStart> askForGeneratedPuzzle(Game& g);

// German weekday and date of a yyyymmdd date, as "Donnerstag, 10.12.2026".
QString dayText(int date);
