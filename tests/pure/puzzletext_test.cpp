// The puzzle text: both forms read to the same puzzle and the 21-line form written back, and
// every kind of error with its place.
#include "engine/generate.h"
#include "engine/puzzletext.h"
#include "support_pure/puzzles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
const GeneratedPuzzle& generated() {
    static const GeneratedPuzzle p = [] {
        const std::atomic<bool> cancel{false};
        return *generatePuzzle(GeneratedLevel::Einsteiger, true, 3, cancel);
    }();
    return p;
}

// The five-line form: each grid row by row.
std::string gridLines(const BoardArray& values) {
    std::string text;
    for (int g = 0; g <= 4; ++g) {
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                text += values(g, c, r) ? static_cast<char>('0' + values(g, c, r)) : '.';
        text += '\n';
    }
    return text;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}
std::string join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    return text;
}
// The text with the character at line, column (from 1) replaced.
std::string with(std::string text, int line, int column, char ch) {
    std::vector<std::string> lines = linesOf(text);
    lines[line - 1][column - 1] = ch;
    return join(lines);
}

// The field with only the given cells filled, as text in the 21-line form.
std::string fieldWith(const std::vector<std::array<int, 3>>& cells) { // X, Y, digit
    Board b;
    for (auto [X, Y, d] : cells) puzzles::setField(b, X, Y, d, false);
    return writePuzzleText(b.cellValue);
}

PuzzleTextError error(PuzzleTextProblem problem, int line, int column, int grid = -1, int gc = 0,
                      int gr = 0) {
    PuzzleTextError e;
    e.problem = problem;
    e.line = line;
    e.column = column;
    e.grid = grid;
    e.gridColumn = gc;
    e.gridRow = gr;
    return e;
}

// The first rectangle of grid 0 outside its shared box whose two digits may change places
// (two rows of a band, two columns of different stacks), emptied in the solution: two
// completions. Returns its top-left cell as field X, Y.
std::pair<int, int> openRectangle(BoardArray& values) {
    const BoardArray s = generated().solution;
    for (int r1 = 1; r1 <= 6; ++r1)
        for (int r2 = r1 + 1; r2 <= (r1 - 1) / 3 * 3 + 3; ++r2)
            for (int c1 = 1; c1 <= 6; ++c1)
                for (int c2 = (c1 - 1) / 3 * 3 + 4; c2 <= 9; ++c2) {
                    if (s(0, c1, r1) != s(0, c2, r2) || s(0, c2, r1) != s(0, c1, r2)) continue;
                    values = s;
                    for (int c : {c1, c2})
                        for (int r : {r1, r2}) values(0, c, r) = 0;
                    return {c1, r1};
                }
    ADD_FAILURE() << "no rectangle";
    return {0, 0};
}
} // namespace

TEST(PuzzleText, BothFormsReadToThePuzzleAndItIsWrittenBack) {
    const BoardArray& puzzle = generated().givens;
    const std::string field = writePuzzleText(puzzle);
    const std::vector<std::string> lines = linesOf(field);
    ASSERT_EQ(lines.size(), 21u);
    for (const std::string& line : lines) EXPECT_EQ(line.size(), 21u);

    std::string windows; // carriage returns, trailing blanks cut, zeros, blank lines around
    for (std::string line : lines) {
        while (!line.empty() && line.back() == ' ') line.pop_back();
        for (char& ch : line)
            if (ch == '.') ch = '0';
        windows += line + "\r\n";
    }
    const std::string texts[] = {
        field,
        gridLines(puzzle),
        "\xEF\xBB\xBF\n  \n" + windows + "\r\n",
        "\n" + gridLines(puzzle) + "\n\n",
    };
    for (const std::string& text : texts) {
        const PuzzleText read = readPuzzleText(text);
        EXPECT_FALSE(read.error) << text;
        EXPECT_EQ(read.values, puzzle) << text;
    }
}

TEST(PuzzleText, EachErrorNamesItsPlace) {
    const std::string field = writePuzzleText(generated().givens);
    const std::string grids = gridLines(generated().givens);
    std::vector<std::string> short20 = linesOf(field), long3 = linesOf(field),
                             gridsShort = linesOf(grids);
    short20.pop_back();
    long3[2] += "7";
    gridsShort[3].pop_back();
    // Grid 2's cell (1, 1) is grid 0's (7, 7): a different digit in the third line.
    const int shared = generated().solution(2, 1, 1);
    BoardArray rectangle;
    const auto [rx, ry] = openRectangle(rectangle);

    struct Case {
        const char* name;
        std::string text;
        PuzzleTextError expected;
    };
    PuzzleTextError lines20 = error(PuzzleTextProblem::WrongSize, 0, 0);
    lines20.count = 20;
    PuzzleTextError line3 = error(PuzzleTextProblem::WrongSize, 3, 0);
    line3.count = 22;
    PuzzleTextError grid4 = error(PuzzleTextProblem::WrongSize, 4, 0);
    grid4.count = 80;
    PuzzleTextError letter = error(PuzzleTextProblem::BadCharacter, 2, 5, 0, 5, 2);
    letter.character = 'x';
    PuzzleTextError outside = error(PuzzleTextProblem::BadCharacter, 1, 11);
    outside.character = '5';
    PuzzleTextError gridLetter = error(PuzzleTextProblem::BadCharacter, 5, 12, 4, 3, 2);
    gridLetter.character = '-';
    const Case cases[] = {
        {"20 lines", join(short20), lines20},
        {"a line of 22", join(long3), line3},
        {"a grid line of 80", join(gridsShort), grid4},
        {"a letter in a cell", with(field, 2, 5, 'x'), letter},
        {"a digit outside the grids", with(field, 1, 11, '5'), outside},
        {"a dash in grid 4", with(grids, 5, 12, '-'), gridLetter},
        {"shared copies differ", with(grids, 3, 1, static_cast<char>('0' + shared % 9 + 1)),
         error(PuzzleTextProblem::CopiesDiffer, 3, 1, 2, 1, 1)},
        {"a digit twice in a centre row", fieldWith({{7, 11, 5}, {15, 11, 5}}),
         error(PuzzleTextProblem::DigitRepeated, 11, 15, 2, 9, 5)},
        // Field cell (8, 8) is grid 0's (8, 8) and grid 2's (2, 2); (14, 8) lies in grid 2's
        // row 2 as well, and is first of all grid 1's (2, 8).
        {"a digit twice through a shared box", fieldWith({{8, 8, 4}, {14, 8, 4}}),
         error(PuzzleTextProblem::DigitRepeated, 8, 14, 1, 2, 8)},
        // Field cell (7, 9): grid 0's row 9 holds 1..6, grid 2's column 1 holds 7..9.
        {"no completion",
         fieldWith({{1, 9, 1},
                    {2, 9, 2},
                    {3, 9, 3},
                    {4, 9, 4},
                    {5, 9, 5},
                    {6, 9, 6},
                    {7, 10, 7},
                    {7, 11, 8},
                    {7, 12, 9}}),
         error(PuzzleTextProblem::NoSolution, 9, 7, 0, 7, 9)},
        {"two completions", writePuzzleText(rectangle),
         error(PuzzleTextProblem::SeveralSolutions, ry, rx, 0, rx, ry)},
    };
    for (const Case& c : cases) {
        const PuzzleText read = readPuzzleText(c.text);
        ASSERT_TRUE(read.error) << c.name;
        EXPECT_EQ(*read.error, c.expected)
            << c.name << ": problem " << static_cast<int>(read.error->problem) << " line "
            << read.error->line << " column " << read.error->column;
        EXPECT_EQ(read.values, BoardArray{}) << c.name;
    }
}
