// A puzzle as plain text, for the clipboard, text files and the command-line tool: read from
// 21 lines of 21 characters (the field as drawn: a digit, "." or "0" for an empty cell, a
// blank outside the grids) or from five lines of 81 characters (grids 0 top left, 1 top
// right, 2 centre, 3 bottom left, 4 bottom right, each row by row), written in the 21-line
// form. A text that is no puzzle gives a typed error with its place, for the caller to put
// into words. Pure C++.
#pragma once

#include "engine/board.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class PuzzleTextProblem : std::uint8_t {
    WrongSize,        // line 0: the text has count lines (neither 21 nor 5); else that line
                      // has count characters (more than 21, or not 81 in the five-line form)
    BadCharacter,     // character at line, column: not a digit, "." or "0" in a cell, or not
                      // a blank outside the grids
    CopiesDiffer,     // five-line form: a shared cell differs in its two grids (the place is
                      // its copy in the later line)
    DigitRepeated,    // the cell's digit stands already in one of its rows, columns or boxes
    NoSolution,       // no completion (the place: a cell no digit fits, when there is one)
    SeveralSolutions, // more than one completion (the place: a cell where two of them differ)
};

struct PuzzleTextError {
    PuzzleTextProblem problem = PuzzleTextProblem::WrongSize;
    int line = 0, column = 0;                   // in the text, counted from 1; 0 when none
    int grid = -1, gridColumn = 0, gridRow = 0; // the cell, grid -1 when none
    int count = 0;                              // WrongSize: lines or characters found
    char character = 0;                         // BadCharacter
    bool operator==(const PuzzleTextError&) const = default;
};

struct PuzzleText {
    BoardArray values; // the puzzle, both copies of every shared cell (empty on an error)
    std::optional<PuzzleTextError> error;
};

// Trailing blanks and carriage returns of a line, blank lines before and after the puzzle
// and a leading byte-order mark are ignored; a short line of the 21-line form counts as
// filled up with blanks.
PuzzleText readPuzzleText(std::string_view text);
// The 21-line form, each line ending in a line feed.
std::string writePuzzleText(const BoardArray& values);
