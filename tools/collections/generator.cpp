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

// The 369 cells numbered 0..368 in field order, with their units and the units' members
// in these numbers: the inner loops of measureRounds run on small fixed arrays.
struct DenseGeometry {
    std::array<int, 369> field{};
    std::array<std::uint8_t, 369> unitCount{};
    std::array<std::array<std::uint8_t, 6>, 369> units{};
    std::array<std::array<std::uint16_t, 9>, kUnits> members{};
    std::array<int, kFieldCells> dense{}; // the number of each field cell
    // The other cells that share a unit with a cell, each once (32 at most, for a cell of a
    // shared box).
    std::array<std::uint8_t, 369> peerCount{};
    std::array<std::array<std::uint16_t, 32>, 369> peers{};
    DenseGeometry() {
        const Geometry& geo = geometry();
        for (int i = 0; i < 369; ++i) {
            field[i] = geo.cells[i];
            dense[field[i]] = i;
            for (int u : geo.units[field[i]])
                units[i][unitCount[i]++] = static_cast<std::uint8_t>(u);
        }
        for (int u = 0; u < kUnits; ++u)
            for (int k = 0; k < 9; ++k)
                members[u][k] = static_cast<std::uint16_t>(dense[geo.members[u][k]]);
        for (int i = 0; i < 369; ++i)
            for (int k = 0; k < unitCount[i]; ++k)
                for (int j : members[units[i][k]])
                    if (j != i && std::find(peers[i].begin(), peers[i].begin() + peerCount[i], j) ==
                                      peers[i].begin() + peerCount[i])
                        peers[i][peerCount[i]++] = static_cast<std::uint16_t>(j);
    }
};

// Built once at start: the round counter's inner loops use it without a guard.
const DenseGeometry kDense;

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
        const int i = kDense.dense[f];
        unsigned taken = 0;
        for (int k = 0; k < kDense.unitCount[i]; ++k) taken |= used[kDense.units[i][k]];
        return kAllDigits & ~taken;
    }
    void place(int f, int digit) {
        values[f] = static_cast<std::uint8_t>(digit);
        const int i = kDense.dense[f];
        for (int k = 0; k < kDense.unitCount[i]; ++k) used[kDense.units[i][k]] |= 1u << digit;
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
    // Single place of each digit among the given nine cells, in the given order. The cells'
    // candidates are taken once: placing digit d only takes d from the others, and the
    // digits after it are all that is still looked at.
    void singlePlace(const std::array<int, 9>& cells) {
        std::array<unsigned, 9> fit{};
        for (int k = 0; k < 9; ++k)
            if (board.values[cells[k]] == 0) fit[k] = board.candidates(cells[k]);
        for (int d = 1; d <= 9; ++d) {
            int fits = 0, where = 0;
            for (int k = 0; k < 9; ++k)
                if (fit[k] >> d & 1u) {
                    ++fits;
                    where = k;
                }
            if (fits == 1) {
                placeAt(cells[where], d);
                fit[where] = 0;
            }
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

int givenCount(const FieldValues& values) {
    int givens = 0;
    for (int f : geometry().cells) givens += values[f] != 0;
    return givens;
}

bool allFilled(const FieldValues& values) {
    for (int f : geometry().cells)
        if (values[f] == 0) return false;
    return true;
}

bool oneDigit(unsigned mask) {
    return mask != 0 && (mask & (mask - 1)) == 0;
}

// Placement rounds: every placement that either rule finds on the board as it stands is
// made at once, until nothing is found. Stops early after maxRounds rounds.
//
// The generator asks this tens of thousands of times per hardest puzzle, nearly always for a
// trial that lacks one clue pair of the last, so the work is cut twice. A counter is set up once
// per trial and copied, and the pair is taken out of the copy (clearClue). And the rounds are
// worked by propagation instead of scanning the board each round: each unit counts the places
// left for each digit, and a placement takes its digit from the candidates of the cells that see
// it. A cell left with one candidate, or a unit left with one place for a digit, is looked at in
// the next round; nothing else can be found there, as what a round finds, it places. The clues
// come from one solution, so two findings never disagree.
struct Rounds {
    int rounds = 0;
    bool completed = false;
};
class RoundCounter {
  public:
    explicit RoundCounter(const FieldValues& clues) {
        const DenseGeometry& geo = kDense;
        for (int i = 0; i < 369; ++i)
            if (const int v = clues[geo.field[i]]; v != 0) {
                value[i] = static_cast<std::uint8_t>(v);
                for (int k = 0; k < geo.unitCount[i]; ++k) used[geo.units[i][k]] |= 1u << v;
            }
        for (int i = 0; i < 369; ++i)
            if (value[i] == 0) {
                ++empty;
                fit[i] = freeDigits(i);
                addPlaces(i, fit[i]);
            }
    }

    // Empties a clue cell (a field index), as if the trial had never held it.
    void clearClue(int field) {
        const DenseGeometry& geo = kDense;
        const int i = geo.dense[field];
        const int d = value[i];
        if (d == 0) return;
        const unsigned bit = 1u << d;
        value[i] = 0;
        ++empty;
        for (int k = 0; k < geo.unitCount[i]; ++k) used[geo.units[i][k]] &= ~bit;
        fit[i] = freeDigits(i);
        addPlaces(i, fit[i]);
        // The digit comes back to the empty cells that see this one and no other copy of it.
        for (int k = 0; k < geo.unitCount[i]; ++k)
            for (int j : geo.members[geo.units[i][k]])
                if (value[j] == 0 && (fit[j] & bit) == 0 && (freeDigits(j) & bit) != 0) {
                    fit[j] |= bit;
                    addPlaces(j, bit);
                }
    }

    Rounds run(int maxRounds) {
        const DenseGeometry& geo = kDense;
        Rounds result;
        // The first round looks everywhere, later ones where the last round changed things.
        for (int i = 0; i < 369; ++i)
            if (value[i] == 0) lookAtCell(i);
        for (int u = 0; u < kUnits; ++u) lookAtUnit(u, kAllDigits & ~used[u]);
        while (empty > 0) {
            int found = 0;
            auto note = [&](int i, int d) {
                if (foundDigit[i] == 0) foundCells[found++] = static_cast<std::uint16_t>(i);
                foundDigit[i] = static_cast<std::uint8_t>(d);
            };
            for (int n = 0; n < cellsToLook; ++n) {
                const int i = cellList[n];
                cellFlag[i] = false;
                if (value[i] == 0 && oneDigit(fit[i])) note(i, std::countr_zero(fit[i]));
            }
            for (int n = 0; n < unitsToLook; ++n) {
                const int u = unitList[n];
                unsigned digits = lookDigits[u] & ~used[u];
                lookDigits[u] = 0;
                for (; digits != 0; digits &= digits - 1) {
                    const int d = std::countr_zero(digits);
                    if (places[u][d] != 1) continue;
                    for (int i : geo.members[u])
                        if ((fit[i] >> d & 1u) != 0) note(i, d);
                }
            }
            cellsToLook = unitsToLook = 0;
            if (found == 0) break;
            for (int n = 0; n < found; ++n) {
                const int i = foundCells[n];
                place(i, foundDigit[i]);
                foundDigit[i] = 0;
            }
            if (++result.rounds >= maxRounds) break;
        }
        result.completed = empty == 0;
        return result;
    }

  private:
    std::array<std::uint8_t, 369> value{};
    std::array<unsigned, 369> fit{}; // candidates of the empty cells, 0 elsewhere
    std::array<unsigned, kUnits> used{};
    std::array<std::array<std::uint8_t, 10>, kUnits> places{}; // empty cells admitting a digit
    int empty = 0;
    // What the next round looks at: cells left with one candidate, and per unit the digits
    // left with one place.
    std::array<bool, 369> cellFlag{};
    std::array<std::uint16_t, 369> cellList{};
    int cellsToLook = 0;
    std::array<unsigned, kUnits> lookDigits{};
    std::array<std::uint8_t, kUnits> unitList{};
    int unitsToLook = 0;
    std::array<std::uint8_t, 369> foundDigit{};
    std::array<std::uint16_t, 369> foundCells{};

    unsigned freeDigits(int i) const {
        const DenseGeometry& geo = kDense;
        unsigned taken = 0;
        for (int k = 0; k < geo.unitCount[i]; ++k) taken |= used[geo.units[i][k]];
        return kAllDigits & ~taken;
    }
    void addPlaces(int i, unsigned digits) {
        const DenseGeometry& geo = kDense;
        for (int k = 0; k < geo.unitCount[i]; ++k)
            for (unsigned m = digits; m != 0; m &= m - 1)
                ++places[geo.units[i][k]][std::countr_zero(m)];
    }
    void lookAtCell(int i) {
        if (cellFlag[i]) return;
        cellFlag[i] = true;
        cellList[cellsToLook++] = static_cast<std::uint16_t>(i);
    }
    void lookAtUnit(int u, unsigned digits) {
        if (digits == 0) return;
        if (lookDigits[u] == 0) unitList[unitsToLook++] = static_cast<std::uint8_t>(u);
        lookDigits[u] |= digits;
    }
    void place(int i, int d) {
        const DenseGeometry& geo = kDense;
        const unsigned bit = 1u << d;
        const unsigned others = fit[i] & ~bit;
        value[i] = static_cast<std::uint8_t>(d);
        fit[i] = 0;
        --empty;
        for (int k = 0; k < geo.unitCount[i]; ++k) {
            const int u = geo.units[i][k];
            used[u] |= bit;
            for (unsigned m = others; m != 0; m &= m - 1)
                if (--places[u][std::countr_zero(m)] == 1) lookAtUnit(u, m & -m);
        }
        // The digit leaves the candidates of every empty cell that sees this one.
        for (int p = 0; p < geo.peerCount[i]; ++p) {
            const int j = geo.peers[i][p];
            if ((fit[j] & bit) == 0) continue;
            fit[j] &= ~bit;
            if (oneDigit(fit[j])) lookAtCell(j);
            for (int q = 0; q < geo.unitCount[j]; ++q)
                if (--places[geo.units[j][q]][d] == 1) lookAtUnit(geo.units[j][q], bit);
        }
    }
};

Rounds measureRounds(const FieldValues& clues, int maxRounds) {
    RoundCounter counter(clues);
    return counter.run(maxRounds);
}

// Whether the clues without the given cells still complete within the pass limit, for a
// counter set up on the clues.
bool completesWithout(const RoundCounter& counter, const std::vector<int>& cells) {
    RoundCounter trial = counter;
    for (int f : cells) trial.clearClue(f);
    return trial.run(kMaxSolverPasses).completed;
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
    work.givens = givenCount(clues);
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
    runPassLoop(board, [&board](int, int, int) { board.status.solverProgress = true; });
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
    // The pairs near each pair: those with a cell in a unit of one of its cells. A pair put
    // back mostly helps the rounds find the cells around it, so a step tries to take out
    // only the pairs near the ones it put back; the others rarely go and would cost twice
    // the time.
    std::vector<int> orbitOf(kFieldCells, -1);
    for (int o = 0; o < static_cast<int>(orbits.size()); ++o)
        for (int f : orbits[o]) orbitOf[f] = o;
    std::vector<std::vector<bool>> near(orbits.size(), std::vector<bool>(orbits.size(), false));
    for (int o = 0; o < static_cast<int>(orbits.size()); ++o)
        for (int f : orbits[o]) {
            const int i = kDense.dense[f];
            for (int p = 0; p < kDense.peerCount[i]; ++p)
                near[o][orbitOf[kDense.field[kDense.peers[i][p]]]] = true;
        }
    FieldValues current = clues;
    int currentGivens = givenCount(current);
    FieldValues best = current;
    SolverWork bestWork = analysePuzzle(current);
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
        // ... then try to take out every given pair near them, those just added last.
        for (int i = static_cast<int>(given.size()) - 1; i > 0; --i)
            std::swap(given[i], given[random.RANDOM(i + 1)]);
        std::erase_if(given, [&](int g) {
            return std::none_of(added.begin(), added.end(), [&](int a) { return near[a][g]; });
        });
        given.insert(given.end(), added.begin(), added.end());
        RoundCounter counter(trial);
        for (int i : given)
            if (completesWithout(counter, orbits[i])) {
                for (int f : orbits[i]) trial[f] = 0;
                counter = RoundCounter(trial);
            }
        const int givens = givenCount(trial);
        if (givens > currentGivens) continue;
        current = trial;
        currentGivens = givens;
        // Only a trial that can be a new best is graded.
        if (givens > bestWork.givens || trial == best) continue;
        SolverWork work = analysePuzzle(trial);
        if (work.givens < bestWork.givens || work.grade > bestWork.grade) {
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

CollectionPuzzle generatePuzzle(int level, std::uint32_t seed) {
    const DifficultyLevel& band = kDifficultyLevels[level];
    Random random(seed);
    CollectionPuzzle best;
    for (int tries = 1;; ++tries) {
        CollectionPuzzle candidate;
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
        auto miss = [&band](const CollectionPuzzle& p) {
            return std::max(band.minGrade - p.work.grade, p.work.grade - band.maxGrade);
        };
        if (tries == 1 || miss(candidate) < miss(best)) best = candidate;
        if (tries >= 100) return best;
    }
}
