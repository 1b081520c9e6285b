// The puzzle text codec (see puzzletext.h): the text is split into lines, read into the
// board array in one of the two forms, then checked by the rule and the complete search.
#include "engine/puzzletext.h"

#include "engine/search.h"
#include "engine/unitmasks.h"

#include <array>
#include <vector>

namespace {

// First field column and row (counted from 1) of each grid in the 21 x 21 field.
constexpr std::array<int, 5> kFirstX{1, 13, 7, 1, 13};
constexpr std::array<int, 5> kFirstY{1, 1, 7, 13, 13};

// A cell read from the text, with its place there.
struct Place {
    int grid, column, row, line, textColumn;
};

struct Line {
    std::string_view text;
    int number; // counted from 1
};

// The lines of the text without line ends and trailing blanks; blank lines before the first
// and after the last line with content are dropped.
std::vector<Line> splitLines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<Line> lines;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        lines.push_back({line, ++number});
    }
    std::size_t first = 0, last = lines.size();
    while (first < last && lines[first].text.empty()) ++first;
    while (last > first && lines[last - 1].text.empty()) --last;
    return {lines.begin() + static_cast<std::ptrdiff_t>(first),
            lines.begin() + static_cast<std::ptrdiff_t>(last)};
}

PuzzleTextError errorAt(PuzzleTextProblem problem, const Place& p) {
    PuzzleTextError e;
    e.problem = problem;
    e.line = p.line;
    e.column = p.textColumn;
    e.grid = p.grid;
    e.gridColumn = p.column;
    e.gridRow = p.row;
    return e;
}

// The digit of a cell character, -1 when it is none.
int cellDigit(char ch) {
    if (ch == '.' || ch == '0') return 0;
    if (ch >= '1' && ch <= '9') return ch - '0';
    return -1;
}

void setCell(BoardArray& values, int g, int c, int r, int digit) {
    values(g, c, r) = static_cast<std::uint8_t>(digit);
    int og = 0, oc = 0, orow = 0;
    if (otherCopy(g, c, r, og, oc, orow)) values(og, oc, orow) = static_cast<std::uint8_t>(digit);
}

// The grid of the lowest number that shows field cell (X, Y), -1 outside the grids.
int gridAt(int X, int Y) {
    for (int g = 0; g <= 4; ++g)
        if (X >= kFirstX[g] && X < kFirstX[g] + 9 && Y >= kFirstY[g] && Y < kFirstY[g] + 9)
            return g;
    return -1;
}

std::optional<PuzzleTextError> readField(const std::vector<Line>& lines, BoardArray& values,
                                         std::vector<Place>& places) {
    for (int Y = 1; Y <= kFieldSize; ++Y) {
        const Line& line = lines[Y - 1];
        if (line.text.size() > kFieldSize) {
            PuzzleTextError e;
            e.line = line.number;
            e.count = static_cast<int>(line.text.size());
            return e;
        }
        for (int X = 1; X <= kFieldSize; ++X) {
            const char ch = X <= static_cast<int>(line.text.size()) ? line.text[X - 1] : ' ';
            const int g = gridAt(X, Y);
            const Place place{g, g < 0 ? 0 : X - kFirstX[g] + 1, g < 0 ? 0 : Y - kFirstY[g] + 1,
                              line.number, X};
            const int digit = g < 0 ? (ch == ' ' ? 0 : -1) : cellDigit(ch);
            if (digit < 0) {
                PuzzleTextError e = errorAt(PuzzleTextProblem::BadCharacter, place);
                e.character = ch;
                return e;
            }
            if (g < 0) continue;
            setCell(values, g, place.column, place.row, digit);
            places.push_back(place);
        }
    }
    return std::nullopt;
}

std::optional<PuzzleTextError> readGrids(const std::vector<Line>& lines, BoardArray& values,
                                         std::vector<Place>& places) {
    for (int g = 0; g <= 4; ++g) {
        const Line& line = lines[g];
        if (line.text.size() != 81) {
            PuzzleTextError e;
            e.line = line.number;
            e.count = static_cast<int>(line.text.size());
            return e;
        }
        for (int k = 0; k < 81; ++k) {
            const Place place{g, k % 9 + 1, k / 9 + 1, line.number, k + 1};
            const int digit = cellDigit(line.text[k]);
            if (digit < 0) {
                PuzzleTextError e = errorAt(PuzzleTextProblem::BadCharacter, place);
                e.character = line.text[k];
                return e;
            }
            int og = 0, oc = 0, orow = 0;
            if (otherCopy(g, place.column, place.row, og, oc, orow) && og < g) {
                // The copy in the earlier line has been read: the two must agree.
                if (values(og, oc, orow) != digit)
                    return errorAt(PuzzleTextProblem::CopiesDiffer, place);
                continue;
            }
            setCell(values, g, place.column, place.row, digit);
            places.push_back(place);
        }
    }
    return std::nullopt;
}

// The first cell, in the order of the text, whose digit stands already in one of its units.
std::optional<PuzzleTextError> repeatedDigit(const BoardArray& values,
                                             const std::vector<Place>& places) {
    std::array<std::uint16_t, unitmasks::kUnitCount> used{};
    const auto& links = unitmasks::cellLinks();
    for (const Place& p : places) {
        const int index = cellIndex(p.grid, p.column, p.row);
        const std::uint16_t bit = unitmasks::digitBit(values.bytes[index]);
        for (std::uint8_t u : links[index].unit) {
            if (used[u] & bit) return errorAt(PuzzleTextProblem::DigitRepeated, p);
        }
        for (std::uint8_t u : links[index].unit) used[u] |= bit;
    }
    return std::nullopt;
}

// The first empty cell, in the order of the text, that no digit fits.
std::optional<Place> deadCell(const BoardArray& values, const std::vector<Place>& places) {
    Board b;
    b.cellValue = values;
    unitmasks::Masks masks;
    unitmasks::buildMasks(b, masks);
    const auto& links = unitmasks::cellLinks();
    for (const Place& p : places) {
        const int index = cellIndex(p.grid, p.column, p.row);
        if (values.bytes[index] == 0 && unitmasks::freeInBothGrids(masks, links[index]) == 0)
            return p;
    }
    return std::nullopt;
}

// A cell where two completions differ: with the empty cells (in the order of the text) set
// to the first completion one after another, the completions are several up to some cell
// and one from it on, so another completion differs from the first there. A binary search
// finds that cell in a few searches.
Place differingCell(const Board& b, const BoardArray& first, const std::vector<Place>& places) {
    std::vector<Place> empty;
    for (const Place& p : places)
        if (b.cellValue(p.grid, p.column, p.row) == 0) empty.push_back(p);
    const auto fixed = [&](std::size_t n) {
        Board t = b;
        for (std::size_t i = 0; i < n; ++i) {
            const Place& p = empty[i];
            setCell(t.cellValue, p.grid, p.column, p.row, first(p.grid, p.column, p.row));
        }
        return t;
    };
    std::size_t several = 0, one = empty.size(); // several with 'several' fixed, one with 'one'
    while (one - several > 1) {
        const std::size_t middle = (several + one) / 2;
        if (countSolutions(fixed(middle), 2) > 1)
            several = middle;
        else
            one = middle;
    }
    return empty[several];
}

} // namespace

PuzzleText readPuzzleText(std::string_view text) {
    PuzzleText result;
    const std::vector<Line> lines = splitLines(text);
    std::vector<Place> places;
    std::optional<PuzzleTextError> error;
    if (lines.size() == kFieldSize) {
        error = readField(lines, result.values, places);
    } else if (lines.size() == 5) {
        error = readGrids(lines, result.values, places);
    } else {
        error = PuzzleTextError{};
        error->count = static_cast<int>(lines.size());
    }
    if (!error) error = repeatedDigit(result.values, places);
    if (!error) {
        Board b;
        b.cellValue = result.values;
        BoardArray first;
        const int n = countSolutions(b, 2, &first);
        if (n == 0) {
            const std::optional<Place> dead = deadCell(result.values, places);
            error = dead ? errorAt(PuzzleTextProblem::NoSolution, *dead) : PuzzleTextError{};
            error->problem = PuzzleTextProblem::NoSolution;
        } else if (n > 1) {
            error = errorAt(PuzzleTextProblem::SeveralSolutions, differingCell(b, first, places));
        }
    }
    if (error) {
        result.values = {};
        result.error = error;
    }
    return result;
}

std::string writePuzzleText(const BoardArray& values) {
    std::string text;
    text.reserve((kFieldSize + 1) * kFieldSize);
    for (int Y = 1; Y <= kFieldSize; ++Y) {
        for (int X = 1; X <= kFieldSize; ++X) {
            const int g = gridAt(X, Y);
            if (g < 0) {
                text += ' ';
                continue;
            }
            const int v = values(g, X - kFirstX[g] + 1, Y - kFirstY[g] + 1);
            text += v >= 1 && v <= 9 ? static_cast<char>('0' + v) : '.';
        }
        text += '\n';
    }
    return text;
}
