// The complete search over the 369 field cells (see search.h).
//
// A search state holds the value of every field cell, the digits still free in every
// unit and, for every empty cell, its candidates: the digits none of its three (shared
// cell: six) units holds. Placing a digit takes it out of the candidates of every cell of
// those units; a cell left with one candidate is placed at once (single candidate), and
// after that every unit is scanned for a digit with only one place left (single place) or
// none at all (dead end). When nothing more follows, the search guesses in the empty cell
// with the fewest candidates, each of its digits on a copy of the state.
#include "engine/search.h"

#include "engine/fieldcells.h"

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
    Search(int limit, BoardArray* solution) : limit(limit), solution(solution) {}

    // Places every digit the two rules force; false on a dead end.
    bool propagate(State& s) {
        for (;;) {
            if (!placeQueued(s)) return false;
            bool placed = false;
            for (int u = 0; u < unitmasks::kUnitCount; ++u) {
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
            if (!placed) return true;
        }
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

    // Counts the completions of a propagated state; stops once limit is reached. The guess
    // stays in the grid of the previous guess until that grid is full: a wrong guess then
    // shows as a dead end within its own grid, instead of being multiplied by guesses in
    // the other grids before it does.
    void run(State& s, int grid) {
        int best = bestCellIn(s, grid);
        if (best < 0) {
            // A new grid: the one with the fewest candidates left, the most settled one.
            int fewest = 82 * 9;
            for (int g = 0; g <= 4; ++g) {
                int empty = 0;
                for (std::int16_t cell : geo.gridCells[g])
                    empty += std::popcount(s.candidates[cell]);
                if (empty > 0 && empty < fewest) {
                    fewest = empty;
                    grid = g;
                }
            }
            best = bestCellIn(s, grid);
        }
        if (best < 0) { // every cell filled
            if (count++ == 0 && solution) writeSolution(s);
            return;
        }
        // A digit with two places in a unit of the grid splits as well as a cell with two
        // candidates; it is preferred to a cell with more.
        if (std::popcount(s.candidates[best]) > 2) {
            for (int u = grid * 27; u < grid * 27 + 27; ++u) {
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
                    State next = s;
                    queued = 0;
                    if (place(next, cell, bit) && propagate(next)) run(next, grid);
                    if (count >= limit) return;
                    next = s;
                    queued = 0;
                    next.candidates[cell] &= static_cast<std::uint16_t>(~bit);
                    if (std::popcount(next.candidates[cell]) == 1) queue[queued++] = cell;
                    if (propagate(next)) run(next, grid);
                    return;
                }
            }
        }
        for (std::uint16_t c = s.candidates[best]; c != 0 && count < limit; c &= c - 1) {
            State next = s;
            queued = 0;
            if (place(next, best, static_cast<std::uint16_t>(c & -c)) && propagate(next))
                run(next, grid);
        }
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

    int count = 0;

  private:
    // The empty cell of the grid with the fewest candidates, -1 when the grid is full.
    int bestCellIn(const State& s, int grid) const {
        if (grid < 0) return -1;
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
    const int limit;
    BoardArray* const solution;
    // Cells left with one candidate, waiting to be placed. Each entry is pushed by the
    // removal of a candidate from a cell with two, so a cell is queued at most once per
    // state and the queue never holds more than the 369 cells.
    std::array<std::int16_t, kCount> queue{};
    int queued = 0;
};

} // namespace

int countSolutions(const Board& b, int limit, BoardArray* solution) {
    if (limit <= 0) return 0;
    Search search(limit, solution);
    State s;
    if (!search.start(b, s)) return 0;
    search.run(s, -1);
    return search.count;
}
