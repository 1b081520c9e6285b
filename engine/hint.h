// The technique ladder: the easiest next step on a board as data (technique, units, digits,
// cells, what it places or removes), and the grade of a board by the steps it needs. Used by the
// hint key of the play loop and the editor, the explanation after the two-rule solver gives up, and
// the collection generator. Pure C++.
//
// The ladder works on the values of cellValue and the candidates they leave (a shared cell
// takes the digits free in both its grids), narrowed by what the player already knows (the
// notes of pencilled cells, the eliminations of earlier hints), and tries, in this order:
//   naked single       a cell with one candidate left
//   hidden single      a digit with one place left in a box, then a row, then a column
//   locked candidates  pointing: a box's places of a digit lie in one row or column, so the
//                      digit leaves the rest of that line; claiming: a line's places of a
//                      digit lie in one box, so it leaves the rest of the box
//   naked pair/triple  two (three) cells of a unit holding only two (three) digits between
//                      them: those digits leave the unit's other cells
//   hidden pair/triple two (three) digits with places in only two (three) cells of a unit:
//                      the cells lose their other candidates
//   X-wing             a digit with two places in each of two rows, in the same two columns
//                      (or with rows and columns exchanged): it leaves the rest of those lines
//   naked/hidden quad  as the pairs and triples, with four cells and four digits
//   swordfish          as the X-wing with three rows and three columns
//   XY-wing            a cell with two candidates xy, one it sees with xz, one with yz: z
//                      leaves every cell that sees both of the last two
//   XYZ-wing           a cell with xyz, one it sees with xz, one with yz: z leaves every
//                      cell that sees all three
//   W-wing             two cells with the same two candidates xy that do not see each other,
//                      and a unit with two places of x, one seen by each: one of the two
//                      cells holds y, so y leaves every cell that sees both
//   skyscraper, kite   two units each with two places of a digit, one end of each seeing
//                      the other's: the digit leaves every cell seeing both far ends (two
//                      parallel lines: skyscraper; a row and a column: two-string kite)
//   simple colouring   the units with two places of a digit link those places, coloured in
//                      turn: a colour that sees itself is false; a cell that sees both
//                      colours loses the digit
//   forcing chain      a candidate that, placed, lets the singles run into a contradiction
//                      (a cell without candidates, a digit without a place in a unit)
// Every unit is a row, column or box of one grid; a shared cell is in the units of both.
#pragma once

#include "engine/board.h"

#include <cstdint>
#include <optional>
#include <vector>

enum class Technique : std::uint8_t {
    NakedSingle,
    HiddenSingleBox,
    HiddenSingleRow,
    HiddenSingleColumn,
    LockedPointing,
    LockedClaiming,
    NakedPair,
    NakedTriple,
    HiddenPair,
    HiddenTriple,
    XWing,
    NakedQuad,
    HiddenQuad,
    Swordfish,
    XYWing,
    XYZWing,
    WWing,
    Skyscraper,
    TwoStringKite,
    SimpleColouring,
    ForcingChain,
    Guess, // only as a grade: the ladder cannot finish the board
};

enum class UnitKind : std::uint8_t { Row, Column, Box };

// A row, column or box of one grid; boxes are numbered 1..9 in reading order.
struct HintUnit {
    int grid = 0;
    UnitKind kind = UnitKind::Row;
    int number = 1;
    bool operator==(const HintUnit&) const = default;
};

// A cell as seen in one grid (a shared cell in the grid of the unit that found it).
struct HintCell {
    int grid = 0, column = 0, row = 0;
    bool operator==(const HintCell&) const = default;
};

struct Removal {
    HintCell cell;
    int digit = 0;
    bool operator==(const Removal&) const = default;
};

// A digit in a cell: a placement of a forcing chain.
struct Placement {
    HintCell cell;
    int digit = 0;
    bool operator==(const Placement&) const = default;
};

// Where the singles of a forcing chain break down.
enum class ContradictionKind : std::uint8_t {
    None,
    CellWithoutCandidate, // cell has no candidate left (digit: the one it was to take, or 0)
    DigitTwiceInUnit,     // digit would stand twice in unit
    DigitWithoutPlace,    // digit has no place left in unit
};
struct Contradiction {
    ContradictionKind kind = ContradictionKind::None;
    HintCell cell;
    HintUnit unit;
    int digit = 0;
};

struct Hint {
    Technique technique = Technique::NakedSingle;
    // The unit(s) the step reads: for a fish its base lines, then its cover lines; for a
    // skyscraper or kite its two lines, for a W-wing the unit of its link; none for the
    // other steps on cells (XY- and XYZ-wing, chains, colouring), whose pattern is in cells.
    // A W-wing's cells are its two pair cells, then the link's two places; its digits the
    // one it removes, then the linking one.
    std::vector<HintUnit> units;
    std::vector<int> digits;      // the digit(s) of the step
    std::vector<HintCell> cells;  // the cells of the pattern (for a single: the cell itself)
    std::vector<Removal> removed; // the candidates the step removes (none for a single)
    // The cell the step fills: the cell of a single, or for an elimination the single that
    // its removals make at once (found = false when the next step is no single).
    bool found = false;
    HintCell target;
    int targetDigit = 0;
    // A forcing chain: the placements the singles make from the tried candidate (it first),
    // in the order they follow, and where they break down.
    std::vector<Placement> chain;
    Contradiction contradiction;
};

// The easiest step on the board; none when the board is full, breaks the rule, has a cell
// without candidates, or the ladder finds nothing. The ladder starts from the candidates the
// values leave, narrowed where the player has pencilled a cell to the digits noted there
// and by the eliminations in known; a note or an elimination is trusted only when it keeps
// the digit of solution in its cell, so with no solution (nullptr) the notes are not read.
std::optional<Hint> nextHint(const Board& b, const BoardArray* solution,
                             const std::vector<Removal>& known);
// The same, with the solution found by the complete search when it is unique.
std::optional<Hint> nextHint(const Board& b);

// Eliminations shown by earlier hints and the board they were found on: they stay true while
// the givens are the same and every value of that board still stands.
struct HintMemory {
    std::vector<Removal> removed;
    BoardArray values{}, givens{};
    // Forgets the eliminations when the board is no longer one they hold on.
    void check(const Board& b);
    void add(const Board& b, const Hint& hint);
};

// The board graded by the ladder: the hardest technique it needs and the steps it takes;
// solved false (hardest Guess) when the ladder cannot complete it.
struct Grade {
    Technique hardest = Technique::NakedSingle;
    int steps = 0;
    bool solved = false;
};
Grade gradeBoard(const Board& b);

// What the hint key shows for a board, as data (the sentences are the view's):
//   WrongEntry        the givens have one solution and entry wrong (the player's first entry
//                     that differs from it, in grid order) holds wrongDigit
//   NoSolution        the board as it stands has no solution
//   Complete          every cell is filled
//   Step              the ladder's next step, in step
//   SeveralSolutions  the ladder has no step and the board has more than one solution
//   OnlyTrial         the ladder has no step on a board with one solution: only trying helps
enum class HintOutcome : std::uint8_t {
    Step,
    WrongEntry,
    NoSolution,
    Complete,
    SeveralSolutions,
    OnlyTrial
};
struct HintAdvice {
    HintOutcome outcome = HintOutcome::Step;
    Hint step;
    HintCell wrong;
    int wrongDigit = 0;
};
// The advice for board b, going on from the eliminations in known (HintMemory::removed).
// Runs the complete search up to twice and the ladder once.
HintAdvice adviseHint(const Board& b, const std::vector<Removal>& known);

// The player's entries (values that are not givens) that differ from solution, counted on
// the master copies; the first of them, grid by grid, in first when there is one.
int countWrongEntries(const Board& b, const BoardArray& solution, HintCell* first = nullptr);
