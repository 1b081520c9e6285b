// The board model: five overlapping 9x9 grids, their shared boxes and the model flags.
// Every other subsystem reads and writes the board through this struct; it is pure C++.
#pragma once

#include "engine/layout.h"

#include <array>
#include <cstdint>
#include <string>

// Byte offset of element (grid g, column c, row r) inside a 500-byte board block.
// The grid index runs fastest, then column, then row: this is also the board file's byte order.
constexpr int cellIndex(int grid, int column, int row) {
    return grid + 5 * column + 50 * row;
}
// Byte offset of note element (g, c, r, digit d) inside a 5000-byte note block.
constexpr int noteIndex(int grid, int column, int row, int digit) {
    return cellIndex(grid, column, row) + 500 * digit;
}

constexpr int kBlockSize = 500;
constexpr int kNoteBlockSize = 5000;

// A board array indexed (grid 0..4, column 0..9, row 0..9); index 0 of column and row is unused.
struct BoardArray {
    std::array<std::uint8_t, kBlockSize> bytes{};
    std::uint8_t& operator()(int g, int c, int r) { return bytes[cellIndex(g, c, r)]; }
    std::uint8_t operator()(int g, int c, int r) const { return bytes[cellIndex(g, c, r)]; }
    bool operator==(const BoardArray&) const = default;
};

// Notes indexed (grid, column, row, digit 0..9).
template <typename T> struct NoteArray {
    std::array<T, kNoteBlockSize> bytes{};
    T& operator()(int g, int c, int r, int d) { return bytes[noteIndex(g, c, r, d)]; }
    T operator()(int g, int c, int r, int d) const { return bytes[noteIndex(g, c, r, d)]; }
    bool operator==(const NoteArray&) const = default;
};

// The four difficulty levels, each with its puzzle collection file and its name as the
// difficulty panel and the printout show it (blanks included).
enum class Difficulty : std::uint8_t { Leicht, Mittel, Schwer, Extrem };
struct DifficultyInfo {
    const char* collectionFile;
    const char* difficultyName;
};
inline constexpr std::array<DifficultyInfo, 4> kDifficultyInfo{{
    {"leicht.qnt", " Leicht "},
    {"mittel.qnt", " Mittel "},
    {"schwer.qnt", "Schwer "},
    {"extrem.qnt", "Extrem "},
}};
constexpr int difficultyIndex(Difficulty d) {
    return static_cast<int>(d);
}
constexpr const DifficultyInfo& difficultyInfo(Difficulty d) {
    return kDifficultyInfo[static_cast<size_t>(d)];
}

// The status verdict on the board, decided by the status update; the status panel shows
// it as text (None: none). A new, empty board has no errors.
enum class Verdict { None, WrongNumber, NotSolvable, NoErrors, Solved };

// The display options of the board: digits or letters, symmetric puzzles, automatic
// candidates. The menu commands set them; a saved game carries them.
struct BoardOptions {
    bool showDigits = true;
    bool symmetricPuzzle = true;
    bool showCandidates = false;
    bool operator==(const BoardOptions&) const = default;
};

// What the rules, the solver and the status update find out about the board. The pixel
// geometry (gridLeft, gridTop, cellWidth, cellHeight) is constant: engine/layout.h.
struct BoardStatus {
    bool solverProgress = false;
    bool silentMode = false;
    bool notSolvable = false;
    std::int16_t errorCount = 0;
    Verdict verdict = Verdict::NoErrors;
    bool boardComplete = false;
    bool operator==(const BoardStatus&) const = default;
};

struct Board {
    BoardArray cellValue;     // digit shown in the cell, 0 = empty (givens and entries alike)
    BoardArray givenValue;    // clue digit, 0 = not a given
    BoardArray solutionValue; // the silent solver's result for the current puzzle
    BoardArray savedValue;    // working copy for the solver and the rotation
    NoteArray<bool> noteFlag; // pencilled candidate notes
    NoteArray<std::uint8_t> noteBytes; // image of noteFlag for board files

    std::array<std::uint8_t, 10> digitCount{};
    std::array<std::uint8_t, 10> unitCount{};
    std::array<std::uint8_t, 10> digitPermutation{};
    std::array<bool, 10> digitUnused{};
    std::int16_t activeGrid = 0;

    BoardOptions options; // set by the menu (and restored with a game)
    BoardStatus status;   // set by the rules, the solver and the status update
    bool operator==(const Board&) const = default;
};

// A shared box: master copy in the lower-numbered grid, mirror in the other.
struct SharedBox {
    int masterGrid, masterColumn, masterRow; // first column / row of the box in the master grid
    int mirrorGrid, mirrorColumn, mirrorRow;
};
inline constexpr std::array<SharedBox, 4> kSharedBoxes{{
    {0, 7, 7, 2, 1, 1}, // top-left
    {1, 1, 7, 2, 7, 1}, // top-right
    {2, 1, 7, 3, 7, 1}, // bottom-left
    {2, 7, 7, 4, 1, 1}, // bottom-right
}};

// The other copy of a shared cell: returns false for a cell that lies in no shared box.
bool otherCopy(int grid, int column, int row, int& otherGrid, int& otherColumn, int& otherRow);

void syncSharedBoxes(Board& b);
void clearSharedMirrors(Board& b);
bool isBoardComplete(Board& b);
void restartPuzzle(Board& b);
// Menu "B&rett löschen": notSolvable off, every value and given 0, no notes. The caller
// redraws (drawBoard).
void clearBoardModel(Board& b);
// Set every noteFlag element to the given value.
void setAllNotes(Board& b, bool value);
