// The puzzle generator behind the four collection files: random full five-grid solutions,
// point-symmetric clue removal under the two-rule solver, and the difficulty grade.
// Used by tools/generate_collections.cpp, the collection tests and the generator benchmark.
//
// How a puzzle is made:
//  1. makeSolution fills the 369 cells by a randomised backtracking search.
//  2. removeClues takes out clue pairs that a half turn of the field maps onto each other,
//     so the pattern is point-symmetric: the shuffle of a new game keeps such a pattern
//     symmetric (it moves cells in mirrored pairs), and the player sees a tidy board.
//     A pair stays out only while completesInEveryOrder holds, which is stricter than the
//     game's own test (15 passes in the stored orientation): a new game shuffles the
//     puzzle, and the solver must still finish it in every orientation the shuffle makes.
//  3. For the hardest level, reduceClues searches on for fewer givens.
//  4. analysePuzzle grades the result; a level keeps drawing candidates until one grades
//     inside its band, so every record of a harder file grades above every easier one.
// Seeds: record k (0..3) of level L (0 leicht .. 3 extrem) is made from seed
// 1000 * (L + 1) + k + 1, that is 1001..1004, 2001..2004, 3001..3004 and 4001..4004;
// the filler bytes of the record come from the same seed, so the files are rebuilt byte
// for byte by `generate_collections data`.
#pragma once

#include "engine/board.h"
#include "engine/random.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Field coordinates: X (column) and Y (row) run 1..21; the array also holds the unused
// index 0 and the margin, so a field cell is simply X + 22 * Y.
constexpr int kFieldSpan = 22;
constexpr int kFieldCells = kFieldSpan * kFieldSpan;
constexpr int fieldIndex(int x, int y) {
    return x + kFieldSpan * y;
}
// Each grid's first column and row, from the engine's grid origins (1-based here).
inline constexpr std::array<int, 5> kGridFirstX{1 + gridFieldColumn(0), 1 + gridFieldColumn(1),
                                                1 + gridFieldColumn(2), 1 + gridFieldColumn(3),
                                                1 + gridFieldColumn(4)};
inline constexpr std::array<int, 5> kGridFirstY{1 + gridFieldRow(0), 1 + gridFieldRow(1),
                                                1 + gridFieldRow(2), 1 + gridFieldRow(3),
                                                1 + gridFieldRow(4)};
constexpr int fieldIndexOf(int grid, int column, int row) {
    return fieldIndex(kGridFirstX[grid] + column - 1, kGridFirstY[grid] + row - 1);
}
// The cell that a half turn of the field maps a cell onto: (X, Y) -> (22 - X, 22 - Y).
constexpr int halfTurnOf(int field) {
    return fieldIndex(kFieldSpan - field % kFieldSpan, kFieldSpan - field / kFieldSpan);
}

// A digit (0 = empty) per field cell; outside the 369 cells of the five grids always 0.
using FieldValues = std::array<std::uint8_t, kFieldCells>;

// The 369 cells of the field, in increasing field index.
const std::vector<int>& fieldCells();

// A random complete solution of the five grids, made by a backtracking search that
// always fills the cell with the fewest remaining digits, trying digits in random order.
FieldValues makeSolution(Random& random);
// True when every one of the 369 cells holds a digit and no unit of any grid repeats one.
bool isCompleteSolution(const FieldValues& values);

// The board model of a puzzle: the clues in cellValue and givenValue (both copies of each
// shared box), every other byte 0, no notes.
Board puzzleBoard(const FieldValues& clues);
FieldValues clueValues(const Board& board);

// What the two rules do with a puzzle, measured while the engine's pass order is followed.
struct SolverWork {
    bool completed = false; // every cell filled within the 15 passes
    int passes = 0;         // passes run, as the engine's pass loop counts them
    int givens = 0;         // distinct clue cells (369 at most)
    int placements = 0;     // digits the solver placed
    // Placements whose cell still admitted more than one digit when it was filled: only
    // the single-place rule could find them.
    int singlePlaceOnly = 0;
    // Placement rounds when every placement that is possible at once is made at once:
    // the longest chain of placements that each depend on an earlier one.
    int rounds = 0;
    double grade = 0;
};
// Runs a fast copy of the engine's solver (same rules, same order, same pass limit) on
// the clues and measures its work. The grade is computed by puzzleGrade.
SolverWork analysePuzzle(const FieldValues& clues);
// True when the two rules complete the clues within 15 passes (the fast copy).
bool completesWithinPassLimit(const FieldValues& clues);
// True when the placement rounds complete the clues in at most 15 rounds. After each pass
// of the solver the board holds at least what the same number of rounds places (what a
// round finds stays findable until it is placed, and a pass visits every cell, box, row
// and column), so such a puzzle is completed within 15 passes in whatever order the
// solver meets the cells: also after any shuffle (flips, turns, exchanges, relabelling).
bool completesInEveryOrder(const FieldValues& clues);
// True when the engine's own pass loop completes the board of the clues within 15 passes
// and reaches the given solution.
bool engineCompletes(const FieldValues& clues, const FieldValues& solution);

// The difficulty grade, larger is harder:
//   grade = (369 - givens) / 3                 cells the player must find
//         + 3 * rounds                          longest chain of dependent placements
//         + 30 * singlePlaceOnly / placements   share of placements in cells that still
//                                               admit several digits: the player must
//                                               scan a whole box, row or column for them
// Typical values: about 75 at 190 givens, 100 at 150, 135 at 118, 154 at 88..93.
double puzzleGrade(const SolverWork& work);

// A point-symmetric removal plan: each orbit of the half turn is one cell pair (the centre
// cell (11, 11) is its own orbit). Both copies of a shared cell are one field cell, so they
// always go together.
std::vector<std::vector<int>> symmetricOrbits();

// Removes clue pairs from a full solution in random order while completesInEveryOrder
// holds; stops when the givens would fall below minGivens.
FieldValues removeClues(const FieldValues& solution, Random& random, int minGivens);

// Searches for a puzzle with fewer givens for the same solution: each step puts one to three
// removed pairs back and removes again every pair it can among them and the given pairs
// that share a unit with them; a step that does not add givens is kept.
// Returns the puzzle with the fewest givens met (of those, the highest grade).
FieldValues reduceClues(const FieldValues& solution, const FieldValues& clues, Random& random,
                        int steps);

// True when the clues have exactly one completion (the engine's complete search).
bool hasUniqueSolution(const FieldValues& clues);
// Removes single clues from a full solution in random order while the completion stays
// unique: a puzzle from which no further clue can go, far beyond what the two rules solve.
FieldValues thinOutBySearch(const FieldValues& solution, Random& random);

// The four collections, from easy to hard, and the grade band each record must fall in.
struct DifficultyLevel {
    const char* fileName;
    int minGivens;   // the removal stops here (0: remove while the rules allow)
    int reduceSteps; // steps of reduceClues after the removal (0: none)
    double minGrade; // inclusive
    double maxGrade; // exclusive
};
extern const std::array<DifficultyLevel, 4> kDifficultyLevels;

struct CollectionPuzzle {
    FieldValues solution{};
    FieldValues clues{};
    SolverWork work;
    std::uint32_t seed = 0;
    int tries = 0; // candidate puzzles made before one fell into the level's band
};
// One puzzle of a level, reproducible from the seed: candidates are made from a Random
// seeded with it until one grades inside the level's band (at most 100; then the nearest).
CollectionPuzzle generatePuzzle(int level, std::uint32_t seed);
// The documented seed of record k (0..3) of level (0..3).
std::uint32_t collectionSeed(int level, int record);
