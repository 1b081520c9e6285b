// The puzzle booklet, menu 13 "Rätsel&heft drucken ...": the dialog `heft` asks for a
// generated level, the number of puzzles and symmetry; the generator makes them off the
// user-interface thread, and the printer gets one puzzle a page as the board printout draws
// it, then the solutions in small print, four a page. The board in play stays untouched.
#pragma once

#include "engine/generate.h"
#include "platform/generating.h"

class QSpinBox;
struct Game;

// How many puzzles a booklet may hold, and the solutions a page of the solutions section.
constexpr int kBookletMaxPuzzles = 20;
constexpr int kBookletSolutionsPerPage = 4;

// What the dialog asks for.
struct BookletChoice {
    GeneratedLevel level = GeneratedLevel::Einsteiger;
    int count = 4;
    bool symmetric = true;
};

// The dialog `heft`: the level in `cmb1`, the number of puzzles in `spn1` (1..20),
// "&Symmetrisch" `chk1`, OK `cmd1` and "Abbrechen" `cmd2`.
class BookletDialog : public LevelChoiceForm {
  public:
    BookletDialog(Game& g, const BookletChoice& choice, QWidget* parent = nullptr);

    BookletChoice choice() const;

    QSpinBox* spn1 = nullptr;
};

// The pages of a booklet of `count` puzzles: one each, then the solutions section.
constexpr int bookletPageCount(int count) {
    return count + (count + kBookletSolutionsPerPage - 1) / kBookletSolutionsPerPage;
}

// Menu 13: the dialog, the printer, the generator with its progress, then the pages. A
// cancel at any step prints nothing; a failed level or printer is said in German.
void printBooklet(Game& g);
