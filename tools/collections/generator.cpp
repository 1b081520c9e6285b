// The puzzle generator behind the four collection files (see generator.h): solutions,
// symmetric clue removal, a fast copy of the two-rule solver, and the grade.
#include "tools/collections/generator.h"

#include "engine/rules.h"
#include "engine/search.h"
#include "engine/solver.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <numeric>

namespace {

constexpr int kUnits = 5 * 27;
constexpr unsigned kAllDigits = 0x3FE; // bits 1..9

// Units of the five grids: per grid 9 rows, 9 columns, 9 boxes (box b: first column
// 1 + 3 * (b / 3), first row 1 + 3 * (b % 3)).
int rowUnit(int grid, int row) {
    return grid * 27 + row - 1;
}
int columnUnit(int grid, int column) {
    return grid * 27 + 9 + column - 1;
}
int boxUnit(int grid, int column, int row) {
    return grid * 27 + 18 + 3 * ((column - 1) / 3) + (row - 1) / 3;
}

struct Geometry {
    std::vector<int> cells;                          // the 369 field cells
    std::array<std::vector<int>, kFieldCells> units; // units of each field cell (3 or 6)
    std::array<std::array<int, 9>, kUnits> members;  // field cells of each unit
    Geometry() {
        std::array<int, kUnits> filled{};
        for (int g = 0; g <= 4; ++g)
            for (int c = 1; c <= 9; ++c)
                for (int r = 1; r <= 9; ++r) {
                    int f = fieldIndexOf(g, c, r);
                    for (int u : {rowUnit(g, r), columnUnit(g, c), boxUnit(g, c, r)}) {
                        units[f].push_back(u);
                        members[u][filled[u]++] = f;
                    }
                }
        for (int f = 0; f < kFieldCells; ++f)
            if (!units[f].empty()) cells.push_back(f);
    }
};

const Geometry& geometry() {
    static const Geometry instance;
    return instance;
}

// The board state of the fast solver: field values and the digits used in each unit.
struct FastBoard {
    FieldValues values{};
    std::array<unsigned, kUnits> used{};

    explicit FastBoard(const FieldValues& clues) : values(clues) {
        const Geometry& geo = geometry();
        for (int f : geo.cells)
            if (values[f] != 0)
                for (int u : geo.units[f]) used[u] |= 1u << values[f];
    }
    // The digits that a trial would accept: none of the cell's units holds them. The
    // board never breaks the rule (only accepted digits are placed), so this is exactly
    // the engine's trial against the whole board, both grids of a shared cell included.
    unsigned candidates(int f) const {
        unsigned taken = 0;
        for (int u : geometry().units[f]) taken |= used[u];
        return kAllDigits & ~taken;
    }
    void place(int f, int digit) {
        values[f] = static_cast<std::uint8_t>(digit);
        for (int u : geometry().units[f]) used[u] |= 1u << digit;
    }
};

// A copy of the engine's pass: per grid the nine boxes (single candidate, then single
// place per digit), then rows and columns 1..9 alternately. It also notes, for each
// placement, whether the cell still admitted other digits.
class PassSolver {
  public:
    explicit PassSolver(const FieldValues& clues) : board(clues) {}

    int runPassLoop() {
        int passes = 0;
        do {
            progress = false;
            pass();
            ++passes;
        } while (progress && passes < kMaxSolverPasses);
        return passes;
    }
    const FieldValues& values() const { return board.values; }
    int placements = 0;
    int singlePlaceOnly = 0;

  private:
    FastBoard board;
    bool progress = false;

    void placeAt(int f, int digit) {
        if (std::popcount(board.candidates(f)) > 1) ++singlePlaceOnly;
        ++placements;
        board.place(f, digit);
        progress = true;
    }
    // Single place of each digit among the given nine cells, in the given order.
    void singlePlace(const std::array<int, 9>& cells) {
        for (int d = 1; d <= 9; ++d) {
            int fits = 0, where = 0;
            for (int f : cells)
                if (board.values[f] == 0 && (board.candidates(f) >> d & 1u)) {
                    ++fits;
                    where = f;
                }
            if (fits == 1) placeAt(where, d);
        }
    }
    void pass() {
        for (int g = 0; g <= 4; ++g) {
            for (int fc = 1; fc <= 7; fc += 3)
                for (int fr = 1; fr <= 7; fr += 3) {
                    std::array<int, 9> box{};
                    int k = 0;
                    for (int c = fc; c < fc + 3; ++c)
                        for (int r = fr; r < fr + 3; ++r) box[k++] = fieldIndexOf(g, c, r);
                    for (int f : box) {
                        if (board.values[f] != 0) continue;
                        unsigned fit = board.candidates(f);
                        if (std::popcount(fit) == 1) placeAt(f, std::countr_zero(fit));
                    }
                    singlePlace(box);
                }
            for (int k = 1; k <= 9; ++k) {
                std::array<int, 9> row{}, column{};
                for (int i = 1; i <= 9; ++i) {
                    row[i - 1] = fieldIndexOf(g, i, k);
                    column[i - 1] = fieldIndexOf(g, k, i);
                }
                singlePlace(row);
                singlePlace(column);
            }
        }
    }
};

bool allFilled(const FieldValues& values) {
    for (int f : geometry().cells)
        if (values[f] == 0) return false;
    return true;
}

// Placement rounds: every placement that either rule finds on the board as it stands is
// made at once, until nothing is found. Stops early after maxRounds rounds.
struct Rounds {
    int rounds = 0;
    bool completed = false;
};
Rounds measureRounds(const FieldValues& clues, int maxRounds) {
    const Geometry& geo = geometry();
    FastBoard board(clues);
    Rounds result;
    for (;;) {
        std::array<std::uint8_t, kFieldCells> found{};
        int count = 0;
        auto note = [&](int f, int d) {
            if (found[f] == 0) ++count;
            found[f] = static_cast<std::uint8_t>(d);
        };
        std::array<unsigned, kFieldCells> fit{}; // candidates of the empty cells, 0 elsewhere
        for (int f : geo.cells) {
            if (board.values[f] != 0) continue;
            fit[f] = board.candidates(f);
            if (std::popcount(fit[f]) == 1) note(f, std::countr_zero(fit[f]));
        }
        for (int u = 0; u < kUnits; ++u) {
            // Digits that fit at least once and those that fit twice or more in the unit.
            unsigned once = 0, twice = 0;
            for (int f : geo.members[u]) {
                twice |= once & fit[f];
                once |= fit[f];
            }
            unsigned single = once & ~twice;
            if (single == 0) continue;
            for (int f : geo.members[u])
                if (fit[f] & single) note(f, std::countr_zero(fit[f] & single));
        }
        if (count == 0) break;
        for (int f : geo.cells)
            if (found[f] != 0) board.place(f, found[f]);
        if (++result.rounds >= maxRounds) break;
    }
    result.completed = allFilled(board.values);
    return result;
}

} // namespace

const std::vector<int>& fieldCells() {
    return geometry().cells;
}

FieldValues makeSolution(Random& random) {
    const Geometry& geo = geometry();
    for (;;) {
        FastBoard board(FieldValues{});
        // Depth-first search with an explicit stack: at each level the empty cell with the
        // fewest candidates, its candidates in a random order.
        struct Level {
            int cell;
            std::array<int, 9> digits;
            int count, next;
        };
        std::vector<Level> stack;
        long steps = 0;
        bool failed = false;
        for (;;) {
            int best = -1, bestCount = 10;
            for (int f : geo.cells) {
                if (board.values[f] != 0) continue;
                int n = std::popcount(board.candidates(f));
                if (n < bestCount) {
                    best = f;
                    bestCount = n;
                    if (n <= 1) break;
                }
            }
            if (best < 0) return board.values; // every cell filled
            Level level{best, {}, 0, 0};
            unsigned fit = board.candidates(best);
            for (int d = 1; d <= 9; ++d)
                if (fit >> d & 1u) level.digits[level.count++] = d;
            for (int i = level.count - 1; i > 0; --i)
                std::swap(level.digits[i], level.digits[random.RANDOM(i + 1)]);
            stack.push_back(level);
            // Advance: take the next digit of the top level, backtracking while exhausted.
            for (;;) {
                if (stack.empty() || ++steps > 200000) {
                    failed = true;
                    break;
                }
                Level& top = stack.back();
                if (board.values[top.cell] != 0) {
                    // Undo the digit tried here before: rebuild the unit masks.
                    board.values[top.cell] = 0;
                    board = FastBoard(board.values);
                }
                if (top.next < top.count) {
                    board.place(top.cell, top.digits[top.next++]);
                    break;
                }
                stack.pop_back();
            }
            if (failed) break;
        }
        // A search that wandered too long starts over with fresh random choices.
    }
}

bool isCompleteSolution(const FieldValues& values) {
    const Geometry& geo = geometry();
    for (int u = 0; u < kUnits; ++u) {
        unsigned seen = 0;
        for (int f : geo.members[u]) {
            int v = values[f];
            if (v < 1 || v > 9 || (seen >> v & 1u)) return false;
            seen |= 1u << v;
        }
    }
    return true;
}

Board puzzleBoard(const FieldValues& clues) {
    Board board;
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                std::uint8_t v = clues[fieldIndexOf(g, c, r)];
                board.cellValue(g, c, r) = v;
                board.givenValue(g, c, r) = v;
            }
    return board;
}

FieldValues clueValues(const Board& board) {
    FieldValues clues{};
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) clues[fieldIndexOf(g, c, r)] = board.givenValue(g, c, r);
    return clues;
}

bool completesWithinPassLimit(const FieldValues& clues) {
    PassSolver solver(clues);
    solver.runPassLoop();
    return allFilled(solver.values());
}

bool completesInEveryOrder(const FieldValues& clues) {
    return measureRounds(clues, kMaxSolverPasses).completed;
}

SolverWork analysePuzzle(const FieldValues& clues) {
    SolverWork work;
    for (int f : fieldCells()) work.givens += clues[f] != 0;
    PassSolver solver(clues);
    work.passes = solver.runPassLoop();
    work.completed = allFilled(solver.values());
    work.placements = solver.placements;
    work.singlePlaceOnly = solver.singlePlaceOnly;
    work.rounds = measureRounds(clues, kFieldCells).rounds;
    work.grade = puzzleGrade(work);
    return work;
}

bool engineCompletes(const FieldValues& clues, const FieldValues& solution) {
    Board board = puzzleBoard(clues);
    runPassLoop(board, [&board](int, int, int) { board.solverProgress = true; });
    if (!isBoardComplete(board) || !isBoardValid(board)) return false;
    return clueValues([&board] {
               Board solved = board;
               solved.givenValue = solved.cellValue;
               return solved;
           }()) == solution;
}

double puzzleGrade(const SolverWork& work) {
    double share = work.placements > 0 ? double(work.singlePlaceOnly) / work.placements : 0;
    return (369 - work.givens) / 3.0 + 3.0 * work.rounds + 30.0 * share;
}

std::vector<std::vector<int>> symmetricOrbits() {
    std::vector<std::vector<int>> orbits;
    for (int f : fieldCells()) {
        int g = halfTurnOf(f);
        if (f < g)
            orbits.push_back({f, g});
        else if (f == g)
            orbits.push_back({f});
    }
    return orbits;
}

FieldValues removeClues(const FieldValues& solution, Random& random, int minGivens) {
    std::vector<std::vector<int>> orbits = symmetricOrbits();
    for (int i = static_cast<int>(orbits.size()) - 1; i > 0; --i)
        std::swap(orbits[i], orbits[random.RANDOM(i + 1)]);
    FieldValues clues = solution;
    int givens = static_cast<int>(fieldCells().size());
    for (const std::vector<int>& orbit : orbits) {
        int size = static_cast<int>(orbit.size());
        if (givens - size < minGivens) continue;
        for (int f : orbit) clues[f] = 0;
        if (completesInEveryOrder(clues)) {
            givens -= size;
        } else {
            for (int f : orbit) clues[f] = solution[f];
        }
    }
    return clues;
}

FieldValues reduceClues(const FieldValues& solution, const FieldValues& clues, Random& random,
                        int steps) {
    const std::vector<std::vector<int>> orbits = symmetricOrbits();
    FieldValues current = clues;
    SolverWork currentWork = analysePuzzle(current);
    FieldValues best = current;
    SolverWork bestWork = currentWork;
    for (int step = 0; step < steps; ++step) {
        FieldValues trial = current;
        std::vector<int> given, removed;
        for (int i = 0; i < static_cast<int>(orbits.size()); ++i)
            (trial[orbits[i][0]] != 0 ? given : removed).push_back(i);
        if (removed.empty()) break;
        // Put back one to three removed pairs ...
        std::vector<int> added;
        const int putBack = 1 + random.RANDOM(3);
        for (int k = 0; k < putBack && !removed.empty(); ++k) {
            int pick = random.RANDOM(static_cast<int>(removed.size()));
            added.push_back(removed[pick]);
            removed.erase(removed.begin() + pick);
            for (int f : orbits[added.back()]) trial[f] = solution[f];
        }
        // ... then try to take out every given pair, the two just added last.
        for (int i = static_cast<int>(given.size()) - 1; i > 0; --i)
            std::swap(given[i], given[random.RANDOM(i + 1)]);
        given.insert(given.end(), added.begin(), added.end());
        for (int i : given) {
            for (int f : orbits[i]) trial[f] = 0;
            if (!completesInEveryOrder(trial))
                for (int f : orbits[i]) trial[f] = solution[f];
        }
        SolverWork work = analysePuzzle(trial);
        if (work.givens > currentWork.givens) continue;
        current = trial;
        currentWork = work;
        if (work.givens < bestWork.givens ||
            (work.givens == bestWork.givens && work.grade > bestWork.grade)) {
            best = current;
            bestWork = work;
        }
    }
    return best;
}

bool hasUniqueSolution(const FieldValues& clues) {
    return countSolutions(puzzleBoard(clues), 2) == 1;
}

FieldValues thinOutBySearch(const FieldValues& solution, Random& random) {
    std::vector<int> order = fieldCells();
    for (int i = static_cast<int>(order.size()) - 1; i > 0; --i)
        std::swap(order[i], order[random.RANDOM(i + 1)]);
    FieldValues clues = solution;
    for (int f : order) {
        clues[f] = 0;
        if (!hasUniqueSolution(clues)) clues[f] = solution[f];
    }
    return clues;
}

// Leicht and Mittel stop removing at a number of givens; Schwer removes while the rules
// allow; Extrem then searches for fewer givens. The bands keep the files in grade order,
// with a gap between neighbours.
const std::array<DifficultyLevel, 4> kDifficultyLevels{{
    {"leicht.qnt", 190, 0, 0, 85},
    {"mittel.qnt", 150, 0, 90, 115},
    {"schwer.qnt", 118, 0, 120, 142},
    {"extrem.qnt", 0, 1500, 148, 1000},
}};

std::uint32_t collectionSeed(int level, int record) {
    return static_cast<std::uint32_t>(1000 * (level + 1) + record + 1);
}

GeneratedPuzzle generatePuzzle(int level, std::uint32_t seed) {
    const DifficultyLevel& band = kDifficultyLevels[level];
    Random random(seed);
    GeneratedPuzzle best;
    for (int tries = 1;; ++tries) {
        GeneratedPuzzle candidate;
        candidate.seed = seed;
        candidate.tries = tries;
        candidate.solution = makeSolution(random);
        candidate.clues = removeClues(candidate.solution, random, band.minGivens);
        if (band.reduceSteps > 0)
            candidate.clues =
                reduceClues(candidate.solution, candidate.clues, random, band.reduceSteps);
        candidate.work = analysePuzzle(candidate.clues);
        if (candidate.work.grade >= band.minGrade && candidate.work.grade < band.maxGrade)
            return candidate;
        // Out of the band: keep the nearest miss in case no candidate ever fits.
        auto miss = [&band](const GeneratedPuzzle& p) {
            return std::max(band.minGrade - p.work.grade, p.work.grade - band.maxGrade);
        };
        if (tries == 1 || miss(candidate) < miss(best)) best = candidate;
        if (tries >= 100) return best;
    }
}
