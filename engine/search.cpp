// The complete search over the 369 field cells (see search.h).
//
// A search state holds the value of every field cell, the digits still free in every
// unit and, for every empty cell, its candidates: the digits none of its three (shared
// cell: six) units holds. Placing a digit takes it out of the candidates of every cell of
// those units; a cell left with one candidate is placed at once (single candidate), and
// after that every unit is scanned for a digit with only one place left (single place) or
// none at all (dead end). When no digit follows, each grid's boxes and lines are checked
// for a digit whose candidates in a box lie in one row or column, or in a line in one
// box: it leaves the rest of that line or box (box-line reduction), and the singles start
// over.
//
// The five grids touch only in the four shared boxes, so the search guesses there first,
// box by box. A grid all of whose shared cells are filled no longer depends on the rest
// of the field: its completions are counted by a search of its own (up to the number
// still needed), its first completion is written into the state, and the count of the
// rest is multiplied by it. A grid's wrong guesses are thus searched once instead of once
// for every partial completion of the other grids, and proving a unique completion costs
// the sum of the five grids' searches rather than their product. A search that has taken
// a couple of hundred guesses also searches each grid alone from the starting state once:
// a grid without a completion of its own ends it with no completion at once, however
// freely the shared boxes could still be filled. Within one grid the
// search guesses in the empty cell with the fewest candidates, or, when that cell has
// more than two, on a digit with two places in a unit.
#include "engine/search.h"

#include "engine/fieldcells.h"

#include <algorithm>
#include <bit>

namespace {

using fieldcells::kCount;
using unitmasks::kAllDigits;

struct State {
    std::array<std::uint8_t, kCount> value;
    std::array<std::uint16_t, kCount> candidates; // 0 for a filled cell
    std::array<std::uint16_t, unitmasks::kUnitCount> used;
};

class Search {
  public:
    explicit Search(BoardArray* solution) : solution(solution) {
        for (int k = 0; k < 4; ++k) {
            const SharedBox& box = kSharedBoxes[k];
            boxUnit[k] = unitmasks::boxUnit(box.masterGrid, box.masterColumn, box.masterRow);
            for (int g = 0; g <= 4; ++g)
                if (g == box.masterGrid || g == box.mirrorGrid) gridBoxes[g] |= 1 << k;
        }
    }

    // Places every digit the two rules force in units firstUnit..lastUnit-1; false on a
    // dead end. The range is the whole field, or one grid whose shared cells are filled.
    bool propagate(State& s, int firstUnit = 0, int lastUnit = unitmasks::kUnitCount) {
        for (;;) {
            if (!placeQueued(s)) return false;
            bool placed = false;
            for (int u = firstUnit; u < lastUnit; ++u) {
                for (;;) {
                    std::uint16_t once = 0, twice = 0;
                    for (std::int16_t cell : geo.members[u]) {
                        const std::uint16_t c = s.candidates[cell];
                        twice |= once & c;
                        once |= c;
                    }
                    if ((once | s.used[u]) != kAllDigits) return false; // a digit has no place
                    const std::uint16_t single = once & ~twice;
                    if (single == 0) break;
                    const std::uint16_t bit = single & -single;
                    for (std::int16_t cell : geo.members[u]) {
                        if (s.candidates[cell] & bit) {
                            if (!place(s, cell, bit)) return false;
                            break;
                        }
                    }
                    if (!placeQueued(s)) return false;
                    placed = true;
                }
            }
            if (placed) continue;
            bool changed = false;
            for (int g = firstUnit / 27; g < lastUnit / 27; ++g)
                if (!lockCandidates(s, g, changed)) return false;
            if (!changed) return true;
        }
    }

    // Box-line reduction in grid g: a digit whose candidates in a box lie in one of its
    // rows (columns) leaves the rest of that row (column), and a digit whose candidates in
    // a row or column lie in one box leaves the rest of that box. Cells left with a single
    // candidate go into the queue; changed is set when a candidate went. False on a dead
    // end.
    bool lockCandidates(State& s, int g, bool& changed) {
        for (int b = 0; b < 9; ++b) { // box column b / 3, box row b % 3
            const auto& box = geo.members[g * 27 + 18 + b];
            std::array<std::uint16_t, 3> row{}, column{}; // the box's cells by row, by column
            for (int k = 0; k < 9; ++k) {
                row[k % 3] |= s.candidates[box[k]];
                column[k / 3] |= s.candidates[box[k]];
            }
            for (int i = 0; i < 3; ++i) {
                const std::uint16_t inRow = only(row, i), inColumn = only(column, i);
                if (inRow && !eliminate(s, g * 27 + b % 3 * 3 + i, inRow, changed,
                                        [&](int j) { return j / 3 != b / 3; }))
                    return false;
                if (inColumn && !eliminate(s, g * 27 + 9 + b / 3 * 3 + i, inColumn, changed,
                                           [&](int j) { return j / 3 != b % 3; }))
                    return false;
            }
        }
        for (int line = 0; line < 18; ++line) {  // rows 1..9, then columns 1..9
            std::array<std::uint16_t, 3> part{}; // the line's cells by box
            for (int j = 0; j < 9; ++j) part[j / 3] |= s.candidates[geo.members[g * 27 + line][j]];
            const int i = line % 9;
            for (int t = 0; t < 3; ++t) {
                const std::uint16_t inBox = only(part, t);
                if (inBox == 0) continue;
                const bool isRow = line < 9;
                const int b = isRow ? t * 3 + i / 3 : i / 3 * 3 + t;
                if (!eliminate(s, g * 27 + 18 + b, inBox, changed,
                               [&](int k) { return isRow ? k % 3 != i % 3 : k / 3 != i % 3; }))
                    return false;
            }
        }
        return true;
    }

    // The digits of part i that none of the other two parts holds.
    static std::uint16_t only(const std::array<std::uint16_t, 3>& part, int i) {
        return static_cast<std::uint16_t>(part[i] & ~(part[(i + 1) % 3] | part[(i + 2) % 3]));
    }

    // Takes digits out of the cells of unit u whose position passes outside.
    template <typename Outside>
    bool eliminate(State& s, int u, std::uint16_t digits, bool& changed, const Outside& outside) {
        for (int j = 0; j < 9; ++j) {
            if (!outside(j)) continue;
            const std::int16_t cell = geo.members[u][j];
            std::uint16_t& c = s.candidates[cell];
            if ((c & digits) == 0) continue;
            c &= static_cast<std::uint16_t>(~digits);
            changed = true;
            if (c == 0) return false;
            if ((c & (c - 1)) == 0) queue[queued++] = cell;
        }
        return true;
    }

    // Places digit bit in cell and takes it out of the candidates of the cell's units;
    // cells left with a single candidate go into the queue. False on a dead end.
    bool place(State& s, int cell, std::uint16_t bit) {
        const fieldcells::FieldCell& fc = geo.cells[cell];
        s.value[cell] = static_cast<std::uint8_t>(std::countr_zero(bit));
        s.candidates[cell] = 0;
        for (int k = 0; k < fc.unitCount; ++k) {
            const int u = fc.unit[k];
            s.used[u] |= bit;
            for (std::int16_t peer : geo.members[u]) {
                std::uint16_t& c = s.candidates[peer];
                if ((c & bit) == 0) continue;
                c &= static_cast<std::uint16_t>(~bit);
                if (c == 0) return false;
                if ((c & (c - 1)) == 0) queue[queued++] = peer;
            }
        }
        return true;
    }

    // Counts the completions of a propagated state, up to need (at least 1). Grids whose
    // shared cells are all filled are counted alone and filled with their first completion;
    // the guesses go into the shared boxes until none is left empty.
    int run(State& s, int need) {
        if (!guessAllowed()) return 0;
        int factor = 1;
        for (int g = 0; g <= 4; ++g) {
            if (!independent(s, g)) continue;
            State grid = s;
            const int n = runGrid(grid, g, need, &s);
            if (n == 0) return 0;
            factor = static_cast<int>(std::min<long long>(need, 1LL * factor * n));
        }
        const int restNeed = (need + factor - 1) / factor;
        int box = -1, empty = 10;
        for (int k = 0; k < 4; ++k) {
            const int n = 9 - std::popcount(s.used[boxUnit[k]]);
            if (n > 0 && n < empty) {
                box = k;
                empty = n;
            }
        }
        if (box < 0) { // every cell filled
            if (!found && solution) writeSolution(s);
            found = true;
            return factor;
        }
        const int rest = branch(s, boxUnit[box], boxUnit[box] + 1, restNeed,
                                [this](State& next, int n, bool) { return run(next, n); });
        return static_cast<int>(std::min<long long>(need, 1LL * rest * factor));
    }

    // The starting state of a board; false when the board has no completion at all.
    bool start(const Board& b, State& s) {
        s.value.fill(0);
        s.used.fill(0);
        for (int cell = 0; cell < kCount; ++cell) {
            const fieldcells::FieldCell& fc = geo.cells[cell];
            const int v = b.cellValue.bytes[fc.index];
            const int w = fc.other >= 0 ? b.cellValue.bytes[fc.other] : v;
            if (v > 9 || w > 9 || (v != 0 && w != 0 && v != w)) return false;
            s.value[cell] = static_cast<std::uint8_t>(v != 0 ? v : w);
            const std::uint16_t bit = unitmasks::digitBit(s.value[cell]);
            for (int k = 0; k < fc.unitCount; ++k) {
                if (s.used[fc.unit[k]] & bit) return false; // a repeated digit
                s.used[fc.unit[k]] |= bit;
            }
        }
        queued = 0;
        for (int cell = 0; cell < kCount; ++cell) {
            std::uint16_t& c = s.candidates[cell];
            c = 0;
            if (s.value[cell] != 0) continue;
            const fieldcells::FieldCell& fc = geo.cells[cell];
            std::uint16_t taken = 0;
            for (int k = 0; k < fc.unitCount; ++k) taken |= s.used[fc.unit[k]];
            c = static_cast<std::uint16_t>(kAllDigits & ~taken);
            if (c == 0) return false;
            if ((c & (c - 1)) == 0) queue[queued++] = static_cast<std::int16_t>(cell);
        }
        return propagate(s);
    }

    // The completions of the starting state s, up to need.
    int countFrom(const State& s, int need) {
        root = &s;
        State start = s;
        return run(start, need);
    }

  private:
    // True unless some grid, searched on its own from the propagated state, has no
    // completion: then the board has none either. The guesses of the whole-field search go
    // into the shared boxes, and a grid is searched on its own only once they are filled;
    // a grid that contradicts itself away from its shared box would be found out again
    // for every filling of that box. A grid search settles it at once; it runs once the
    // search has taken kGridCheckAfter guesses, so boards settled sooner do not pay for it.
    bool everyGridCompletes(const State& s) {
        for (int g = 0; g <= 4; ++g) {
            if (bestCellIn(s, g) < 0) continue; // filled
            State grid = s;
            ++checking;
            const int n = runGrid(grid, g, 1, nullptr);
            --checking;
            if (n == 0) return false;
        }
        return true;
    }

    // Counts a guess; false once the grid check has shown that the board has no
    // completion, and every search still running then returns 0.
    bool guessAllowed() {
        if (++guesses == kGridCheckAfter && !everyGridCompletes(*root)) impossible = true;
        return !impossible;
    }

    // True when grid g still has empty cells but none of them lies in a shared box.
    bool independent(const State& s, int g) const {
        for (int k = 0; k < 4; ++k)
            if ((gridBoxes[g] >> k & 1) && s.used[boxUnit[k]] != kAllDigits) return false;
        for (int u = g * 27; u < g * 27 + 9; ++u) // the rows of g
            if (s.used[u] != kAllDigits) return true;
        return false;
    }

    // Counts the completions of grid g alone (its shared cells filled), up to need, in a
    // propagated state; the first one goes into the cells and units of g in target.
    int runGrid(State& s, int g, int need, State* target) {
        if (impossible) return 0;
        if (checking == 0 && !guessAllowed()) return 0;
        const int best = bestCellIn(s, g);
        if (best < 0) {
            if (target) {
                for (std::int16_t cell : geo.gridCells[g]) {
                    target->value[cell] = s.value[cell];
                    target->candidates[cell] = 0;
                }
                for (int u = g * 27; u < g * 27 + 27; ++u) target->used[u] = kAllDigits;
            }
            return 1;
        }
        const int firstUnit = g * 27, lastUnit = firstUnit + 27;
        // A digit with two places in a unit splits as well as a cell with two candidates;
        // it is preferred to a cell with more.
        if (std::popcount(s.candidates[best]) > 2)
            return branch(s, firstUnit, lastUnit, need, [&](State& next, int n, bool first) {
                return runGrid(next, g, n, first ? target : nullptr);
            });
        int total = 0;
        for (std::uint16_t c = s.candidates[best]; c != 0 && total < need; c &= c - 1) {
            State next = s;
            queued = 0;
            if (place(next, best, static_cast<std::uint16_t>(c & -c)) &&
                propagate(next, firstUnit, lastUnit)) {
                total += runGrid(next, g, need - total, total == 0 ? target : nullptr);
            }
        }
        return total;
    }

    // Splits on the first digit with two places in units firstUnit..lastUnit-1 (else on
    // the cell of those units with the fewest candidates) and adds up what count returns
    // for each propagated branch, up to need; count learns whether nothing was found
    // before. A single unit is a shared box, which couples grids: its branches are
    // propagated over the whole field. Otherwise the units are one grid's, and so is the
    // propagation.
    template <typename Count>
    int branch(State& s, int firstUnit, int lastUnit, int need, const Count& count) {
        const bool sharedBox = lastUnit - firstUnit == 1;
        const int pFirst = sharedBox ? 0 : firstUnit;
        const int pLast = sharedBox ? unitmasks::kUnitCount : lastUnit;
        for (int u = firstUnit; u < lastUnit; ++u) {
            std::uint16_t once = 0, twice = 0, more = 0;
            for (std::int16_t cell : geo.members[u]) {
                const std::uint16_t c = s.candidates[cell];
                more |= twice & c;
                twice |= once & c;
                once |= c;
            }
            const std::uint16_t two = twice & ~more;
            if (two == 0) continue;
            const std::uint16_t bit = two & -two;
            for (std::int16_t cell : geo.members[u]) {
                if ((s.candidates[cell] & bit) == 0) continue;
                // First the digit here, then (if still needed) everything but it here.
                int total = 0;
                State next = s;
                queued = 0;
                if (place(next, cell, bit) && propagate(next, pFirst, pLast))
                    total += count(next, need, true);
                if (total >= need) return total;
                next = s;
                queued = 0;
                next.candidates[cell] &= static_cast<std::uint16_t>(~bit);
                if (std::popcount(next.candidates[cell]) == 1) queue[queued++] = cell;
                if (propagate(next, pFirst, pLast)) total += count(next, need - total, total == 0);
                return total;
            }
        }
        // No digit with two places: the cell with the fewest candidates.
        int best = -1, fewest = 10;
        for (int u = firstUnit; u < lastUnit; ++u) {
            for (std::int16_t cell : geo.members[u]) {
                const int n = std::popcount(s.candidates[cell]);
                if (n > 0 && n < fewest) {
                    best = cell;
                    fewest = n;
                }
            }
        }
        int total = 0;
        for (std::uint16_t c = s.candidates[best]; c != 0 && total < need; c &= c - 1) {
            State next = s;
            queued = 0;
            if (place(next, best, static_cast<std::uint16_t>(c & -c)) &&
                propagate(next, pFirst, pLast))
                total += count(next, need - total, total == 0);
        }
        return total;
    }

    // The empty cell of the grid with the fewest candidates, -1 when the grid is full.
    int bestCellIn(const State& s, int grid) const {
        int best = -1, fewest = 10;
        for (std::int16_t cell : geo.gridCells[grid]) {
            const std::uint16_t c = s.candidates[cell];
            if (c == 0) continue;
            const int n = std::popcount(c);
            if (n < fewest) {
                best = cell;
                fewest = n;
                if (n == 2) break;
            }
        }
        return best;
    }

    bool placeQueued(State& s) {
        while (queued > 0) {
            const int cell = queue[--queued];
            const std::uint16_t c = s.candidates[cell];
            if (c == 0) continue; // placed meanwhile
            if (!place(s, cell, c)) return false;
        }
        return true;
    }

    void writeSolution(const State& s) {
        solution->bytes.fill(0);
        for (int cell = 0; cell < kCount; ++cell) {
            const fieldcells::FieldCell& fc = geo.cells[cell];
            solution->bytes[fc.index] = s.value[cell];
            if (fc.other >= 0) solution->bytes[fc.other] = s.value[cell];
        }
    }

    const fieldcells::Geometry& geo = fieldcells::geometry();
    BoardArray* const solution;
    // The box unit of each shared box, and the shared boxes (bits 0..3) of each grid.
    std::array<int, 4> boxUnit{};
    std::array<int, 5> gridBoxes{};
    bool found = false; // a completion of the whole field has been met
    static constexpr long kGridCheckAfter = 200;
    const State* root = nullptr; // the propagated starting state
    long guesses = 0;            // calls of run and runGrid so far
    int checking = 0;            // inside the grid check: its own guesses are not counted
    bool impossible = false;     // the grid check found a grid without completion
    // Cells left with one candidate, waiting to be placed. Each entry is pushed by the
    // removal of a candidate from a cell with two, so a cell is queued at most once per
    // state and the queue never holds more than the 369 cells.
    std::array<std::int16_t, kCount> queue{};
    int queued = 0;
};

} // namespace

int countSolutions(const Board& b, int limit, BoardArray* solution) {
    if (limit <= 0) return 0;
    Search search(solution);
    State s;
    if (!search.start(b, s)) return 0;
    return search.countFrom(s, limit);
}
