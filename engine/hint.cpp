// The technique ladder (see hint.h): a state of values and candidates over the 369 field
// cells, one finder per technique, tried from the easiest, and the advice of the hint key.
#include "engine/hint.h"

#include "engine/fieldcells.h"
#include "engine/search.h"

#include <algorithm>
#include <bit>
#include <bitset>

namespace {

using fieldcells::kCount;
using unitmasks::kAllDigits;
using unitmasks::kUnitCount;

const fieldcells::Geometry& geo() {
    return fieldcells::geometry();
}
// Board offset of the k-th cell of unit u: the copy in the unit's own grid.
int unitCell(int u, int k) {
    return unitmasks::unitCells()[u][k];
}

HintCell hintCell(int boardIndex) {
    return {boardIndex % 5, boardIndex / 5 % 10, boardIndex / 50};
}
HintUnit hintUnit(int u) {
    const int g = u / 27, k = u % 27;
    if (k < 9) return {g, UnitKind::Row, k + 1};
    if (k < 18) return {g, UnitKind::Column, k - 8};
    const int b = k - 18; // column band * 3 + row band
    return {g, UnitKind::Box, b % 3 * 3 + b / 3 + 1};
}
int unitOf(UnitKind kind, int grid, int k) { // k = 0..8 in the unit numbering of unitmasks
    return grid * 27 + (kind == UnitKind::Row ? 0 : kind == UnitKind::Column ? 9 : 18) + k;
}
std::vector<int> digitsOf(std::uint16_t mask) {
    std::vector<int> digits;
    for (int d = 1; d <= 9; ++d)
        if (mask >> d & 1u) digits.push_back(d);
    return digits;
}

// The field cells each field cell sees (shares a row, column or box with, in either of its
// grids), as a set and as a list.
struct Peers {
    std::array<std::bitset<kCount>, kCount> set;
    std::array<std::vector<std::int16_t>, kCount> list;
};
const Peers& peers() {
    static const Peers table = [] {
        Peers t;
        for (int f = 0; f < kCount; ++f) {
            const fieldcells::FieldCell& fc = geo().cells[f];
            for (int k = 0; k < fc.unitCount; ++k)
                for (std::int16_t m : geo().members[fc.unit[k]])
                    if (m != f) t.set[f].set(static_cast<size_t>(m));
            for (int m = 0; m < kCount; ++m)
                if (t.set[f].test(static_cast<size_t>(m)))
                    t.list[f].push_back(static_cast<std::int16_t>(m));
        }
        return t;
    }();
    return table;
}
bool sees(int a, int b) {
    return peers().set[a].test(static_cast<size_t>(b));
}

// A step found by the ladder: the hint, and what it does to the state.
struct Step {
    Hint hint;
    int placeCell = -1; // field cell a single fills
    int placeDigit = 0;
    std::vector<std::pair<int, std::uint16_t>> remove; // field cell, candidates it loses
};

class Ladder {
  public:
    // False when the board breaks the rule, its shared copies differ, or a cell has no
    // candidate left.
    bool start(const Board& b) {
        value.fill(0);
        used.fill(0);
        for (int f = 0; f < kCount; ++f) {
            const fieldcells::FieldCell& fc = geo().cells[f];
            const int v = b.cellValue.bytes[fc.index];
            const int w = fc.other >= 0 ? b.cellValue.bytes[fc.other] : v;
            if (v > 9 || w > 9 || (v != 0 && w != 0 && v != w)) return false;
            value[f] = static_cast<std::uint8_t>(v != 0 ? v : w);
            const std::uint16_t bit = unitmasks::digitBit(value[f]);
            for (int k = 0; k < fc.unitCount; ++k) {
                if (used[fc.unit[k]] & bit) return false;
                used[fc.unit[k]] |= bit;
            }
        }
        for (int f = 0; f < kCount; ++f) {
            candidates[f] = 0;
            if (value[f] != 0) continue;
            const fieldcells::FieldCell& fc = geo().cells[f];
            std::uint16_t taken = 0;
            for (int k = 0; k < fc.unitCount; ++k) taken |= used[fc.unit[k]];
            candidates[f] = static_cast<std::uint16_t>(kAllDigits & ~taken);
            if (candidates[f] == 0) return false;
        }
        return true;
    }

    // Narrows the candidates to what the player knows: the digits noted in a pencilled cell
    // (either copy of a shared cell), only where they keep the solution's digit, and the
    // eliminations of earlier hints (true consequences of the values), never the solution's.
    void narrow(const Board& b, const BoardArray* solution, const std::vector<Removal>& known) {
        for (int f = 0; f < kCount && solution; ++f) {
            if (value[f] != 0) continue;
            const fieldcells::FieldCell& fc = geo().cells[f];
            std::uint16_t noted = 0;
            for (int index : {static_cast<int>(fc.index), static_cast<int>(fc.other)}) {
                if (index < 0) continue;
                for (int d = 1; d <= 9; ++d)
                    if (b.noteFlag.bytes[static_cast<size_t>(index + kBlockSize * d)])
                        noted |= unitmasks::digitBit(d);
            }
            const std::uint16_t keep = unitmasks::digitBit(solution->bytes[fc.index]);
            if (noted != 0 && (noted & keep) != 0) candidates[f] &= noted;
        }
        for (const Removal& r : known) {
            const HintCell& c = r.cell;
            if (c.grid < 0 || c.grid > 4 || c.column < 1 || c.column > 9 || c.row < 1 || c.row > 9)
                continue;
            const int f = geo().cellOf[static_cast<size_t>(cellIndex(c.grid, c.column, c.row))];
            if (f < 0 || value[f] != 0) continue;
            if (solution && solution->bytes[geo().cells[f].index] == r.digit) continue;
            const auto bit = unitmasks::digitBit(r.digit);
            if ((candidates[f] & ~bit) != 0) candidates[f] &= static_cast<std::uint16_t>(~bit);
        }
    }

    bool full() const {
        return std::none_of(value.begin(), value.end(), [](std::uint8_t v) { return v == 0; });
    }

    void apply(const Step& step) {
        if (step.placeCell >= 0) {
            const int f = step.placeCell;
            const std::uint16_t bit = unitmasks::digitBit(step.placeDigit);
            value[f] = static_cast<std::uint8_t>(step.placeDigit);
            candidates[f] = 0;
            const fieldcells::FieldCell& fc = geo().cells[f];
            for (int k = 0; k < fc.unitCount; ++k) {
                used[fc.unit[k]] |= bit;
                for (std::int16_t peer : geo().members[fc.unit[k]])
                    candidates[peer] &= static_cast<std::uint16_t>(~bit);
            }
        }
        for (auto [f, bits] : step.remove) candidates[f] &= static_cast<std::uint16_t>(~bits);
    }

    // The easiest single: a naked single, then a hidden single in a box, row, column.
    std::optional<Step> findSingle() const {
        if (auto s = nakedSingle()) return s;
        for (UnitKind kind : {UnitKind::Box, UnitKind::Row, UnitKind::Column})
            if (auto s = hiddenSingle(kind)) return s;
        return std::nullopt;
    }

    // The easiest step, trying the techniques in the ladder's order.
    std::optional<Step> findStep() const {
        if (auto s = findSingle()) return s;
        if (auto s = pointing()) return s;
        if (auto s = claiming()) return s;
        for (int n : {2, 3})
            if (auto s = nakedSubset(n)) return s;
        for (int n : {2, 3})
            if (auto s = hiddenSubset(n)) return s;
        if (auto s = xWing()) return s;
        if (auto s = nakedSubset(4)) return s;
        if (auto s = hiddenSubset(4)) return s;
        if (auto s = swordfish()) return s;
        if (auto s = xyWing()) return s;
        if (auto s = xyzWing()) return s;
        if (auto s = wWing()) return s;
        if (auto s = linkedPairs(Technique::Skyscraper)) return s;
        if (auto s = linkedPairs(Technique::TwoStringKite)) return s;
        if (auto s = colouring()) return s;
        return forcingChain();
    }

  private:
    // The cells of unit u (positions 0..8) holding digit bit as a candidate, as a 9-bit mask.
    std::uint16_t places(int u, std::uint16_t bit) const {
        std::uint16_t mask = 0;
        for (int k = 0; k < 9; ++k)
            if (candidates[geo().members[u][k]] & bit) mask |= static_cast<std::uint16_t>(1u << k);
        return mask;
    }

    Step single(Technique t, int f, int boardIndex, int d, std::vector<HintUnit> units) const {
        Step step;
        step.hint.technique = t;
        step.hint.units = std::move(units);
        step.hint.digits = {d};
        step.hint.cells = {hintCell(boardIndex)};
        step.hint.found = true;
        step.hint.target = hintCell(boardIndex);
        step.hint.targetDigit = d;
        step.placeCell = f;
        step.placeDigit = d;
        return step;
    }

    // Takes bits out of every cell of unit u outside the positions in keep; true when some
    // cell had one of them.
    bool removeFromUnit(Step& step, int u, std::uint16_t keep, std::uint16_t bits) const {
        bool any = false;
        for (int k = 0; k < 9; ++k) {
            const int f = geo().members[u][k];
            if ((keep >> k & 1u) || (candidates[f] & bits) == 0) continue;
            // A shared cell may already be listed through another unit of the step.
            if (std::any_of(step.remove.begin(), step.remove.end(),
                            [f](const auto& r) { return r.first == f; }))
                continue;
            step.remove.push_back({f, static_cast<std::uint16_t>(candidates[f] & bits)});
            for (int d : digitsOf(candidates[f] & bits))
                step.hint.removed.push_back({hintCell(unitCell(u, k)), d});
            any = true;
        }
        return any;
    }

    std::optional<Step> nakedSingle() const {
        for (int f = 0; f < kCount; ++f) {
            const std::uint16_t c = candidates[f];
            if (c == 0 || (c & (c - 1)) != 0) continue;
            const fieldcells::FieldCell& fc = geo().cells[f];
            std::vector<HintUnit> units;
            for (int k = 0; k < fc.unitCount; ++k) units.push_back(hintUnit(fc.unit[k]));
            return single(Technique::NakedSingle, f, fc.index, std::countr_zero(c), units);
        }
        return std::nullopt;
    }

    std::optional<Step> hiddenSingle(UnitKind kind) const {
        const Technique t = kind == UnitKind::Box   ? Technique::HiddenSingleBox
                            : kind == UnitKind::Row ? Technique::HiddenSingleRow
                                                    : Technique::HiddenSingleColumn;
        for (int g = 0; g <= 4; ++g) {
            for (int k = 0; k < 9; ++k) {
                const int u = unitOf(kind, g, k);
                for (int d = 1; d <= 9; ++d) {
                    const std::uint16_t at = places(u, unitmasks::digitBit(d));
                    if (std::popcount(at) != 1) continue;
                    const int position = std::countr_zero(at);
                    return single(t, geo().members[u][position], unitCell(u, position), d,
                                  {hintUnit(u)});
                }
            }
        }
        return std::nullopt;
    }

    // A box's places of a digit all in one row or column of its grid.
    std::optional<Step> pointing() const {
        for (int g = 0; g <= 4; ++g) {
            for (int k = 0; k < 9; ++k) {
                const int box = unitOf(UnitKind::Box, g, k);
                for (int d = 1; d <= 9; ++d) {
                    const std::uint16_t bit = unitmasks::digitBit(d);
                    const std::uint16_t at = places(box, bit);
                    if (std::popcount(at) < 2) continue;
                    for (UnitKind line : {UnitKind::Row, UnitKind::Column}) {
                        int lineUnit = -1;
                        bool oneLine = true;
                        for (int p = 0; p < 9; ++p) {
                            if ((at >> p & 1u) == 0) continue;
                            const int index = unitCell(box, p);
                            const int u = line == UnitKind::Row
                                              ? unitmasks::rowUnit(g, index / 50)
                                              : unitmasks::columnUnit(g, index / 5 % 10);
                            if (lineUnit >= 0 && u != lineUnit) oneLine = false;
                            lineUnit = u;
                        }
                        if (!oneLine) continue;
                        Step step =
                            pattern(Technique::LockedPointing, {box, lineUnit}, bit, box, at);
                        if (removeFromUnit(step, lineUnit, inUnit(lineUnit, box), bit)) return step;
                    }
                }
            }
        }
        return std::nullopt;
    }

    // A row's or column's places of a digit all in one box of its grid.
    std::optional<Step> claiming() const {
        for (int g = 0; g <= 4; ++g) {
            for (UnitKind kind : {UnitKind::Row, UnitKind::Column}) {
                for (int k = 0; k < 9; ++k) {
                    const int line = unitOf(kind, g, k);
                    for (int d = 1; d <= 9; ++d) {
                        const std::uint16_t bit = unitmasks::digitBit(d);
                        const std::uint16_t at = places(line, bit);
                        if (std::popcount(at) < 2) continue;
                        int box = -1;
                        bool oneBox = true;
                        for (int p = 0; p < 9; ++p) {
                            if ((at >> p & 1u) == 0) continue;
                            const int index = unitCell(line, p);
                            const int u = unitmasks::boxUnit(g, index / 5 % 10, index / 50);
                            if (box >= 0 && u != box) oneBox = false;
                            box = u;
                        }
                        if (!oneBox) continue;
                        Step step = pattern(Technique::LockedClaiming, {line, box}, bit, line, at);
                        if (removeFromUnit(step, box, inUnit(box, line), bit)) return step;
                    }
                }
            }
        }
        return std::nullopt;
    }

    // n cells of a unit whose candidates together are n digits.
    std::optional<Step> nakedSubset(int n) const {
        for (int u = 0; u < kUnitCount; ++u) {
            std::vector<int> open; // positions with 2..n candidates
            for (int k = 0; k < 9; ++k) {
                const int count = std::popcount(candidates[geo().members[u][k]]);
                if (count >= 2 && count <= n) open.push_back(k);
            }
            std::optional<Step> found;
            forEachChoice(static_cast<int>(open.size()), n, [&](const std::vector<int>& pick) {
                std::uint16_t digits = 0, at = 0;
                for (int i : pick) {
                    digits |= candidates[geo().members[u][open[i]]];
                    at |= static_cast<std::uint16_t>(1u << open[i]);
                }
                if (std::popcount(digits) != n) return false;
                Step step = pattern(n == 2   ? Technique::NakedPair
                                    : n == 3 ? Technique::NakedTriple
                                             : Technique::NakedQuad,
                                    {u}, digits, u, at);
                if (!removeFromUnit(step, u, at, digits)) return false;
                found = std::move(step);
                return true;
            });
            if (found) return found;
        }
        return std::nullopt;
    }

    // n digits of a unit whose places together are n cells.
    std::optional<Step> hiddenSubset(int n) const {
        for (int u = 0; u < kUnitCount; ++u) {
            std::vector<int> open; // digits with 2..n places
            for (int d = 1; d <= 9; ++d) {
                const int count = std::popcount(places(u, unitmasks::digitBit(d)));
                if (count >= 2 && count <= n) open.push_back(d);
            }
            std::optional<Step> found;
            forEachChoice(static_cast<int>(open.size()), n, [&](const std::vector<int>& pick) {
                std::uint16_t digits = 0, at = 0;
                for (int i : pick) {
                    digits |= unitmasks::digitBit(open[i]);
                    at |= places(u, unitmasks::digitBit(open[i]));
                }
                if (std::popcount(at) != n) return false;
                Step step = pattern(n == 2   ? Technique::HiddenPair
                                    : n == 3 ? Technique::HiddenTriple
                                             : Technique::HiddenQuad,
                                    {u}, digits, u, at);
                for (int k = 0; k < 9; ++k) {
                    const int f = geo().members[u][k];
                    const std::uint16_t other = candidates[f] & static_cast<std::uint16_t>(~digits);
                    if ((at >> k & 1u) == 0 || other == 0) continue;
                    step.remove.push_back({f, other});
                    for (int d : digitsOf(other))
                        step.hint.removed.push_back({hintCell(unitCell(u, k)), d});
                }
                if (step.remove.empty()) return false;
                found = std::move(step);
                return true;
            });
            if (found) return found;
        }
        return std::nullopt;
    }

    // A digit with two places in each of two rows of a grid, in the same two columns (then
    // with rows and columns exchanged).
    std::optional<Step> xWing() const {
        for (int g = 0; g <= 4; ++g) {
            for (UnitKind base : {UnitKind::Row, UnitKind::Column}) {
                const UnitKind cover = base == UnitKind::Row ? UnitKind::Column : UnitKind::Row;
                for (int d = 1; d <= 9; ++d) {
                    const std::uint16_t bit = unitmasks::digitBit(d);
                    for (int a = 0; a < 9; ++a) {
                        const int first = unitOf(base, g, a);
                        const std::uint16_t at = places(first, bit);
                        if (std::popcount(at) != 2) continue;
                        for (int b = a + 1; b < 9; ++b) {
                            const int second = unitOf(base, g, b);
                            if (places(second, bit) != at) continue;
                            // The positions in a row are its columns, in a column its rows.
                            const int p = std::countr_zero(at), q = 15 - std::countl_zero(at);
                            const int lineP = unitOf(cover, g, p), lineQ = unitOf(cover, g, q);
                            Step step = pattern(Technique::XWing, {first, second}, bit, first, at);
                            for (int k = 0; k < 9; ++k)
                                if (at >> k & 1u)
                                    step.hint.cells.push_back(hintCell(unitCell(second, k)));
                            step.hint.units.push_back(hintUnit(lineP));
                            step.hint.units.push_back(hintUnit(lineQ));
                            // In a cover line, the base lines sit at positions a and b.
                            const auto keep = static_cast<std::uint16_t>(1u << a | 1u << b);
                            const bool p1 = removeFromUnit(step, lineP, keep, bit);
                            const bool p2 = removeFromUnit(step, lineQ, keep, bit);
                            if (p1 || p2) return step;
                        }
                    }
                }
            }
        }
        return std::nullopt;
    }

    // Three rows of a grid whose places of a digit lie in three columns together (then with
    // rows and columns exchanged): the digit leaves the rest of those columns.
    std::optional<Step> swordfish() const {
        for (int g = 0; g <= 4; ++g) {
            for (UnitKind base : {UnitKind::Row, UnitKind::Column}) {
                const UnitKind cover = base == UnitKind::Row ? UnitKind::Column : UnitKind::Row;
                for (int d = 1; d <= 9; ++d) {
                    const std::uint16_t bit = unitmasks::digitBit(d);
                    std::vector<int> lines; // positions 0..8 of base lines with 2..3 places
                    for (int a = 0; a < 9; ++a) {
                        const int count = std::popcount(places(unitOf(base, g, a), bit));
                        if (count >= 2 && count <= 3) lines.push_back(a);
                    }
                    std::optional<Step> found;
                    forEachChoice(
                        static_cast<int>(lines.size()), 3, [&](const std::vector<int>& pick) {
                            std::uint16_t at = 0, keep = 0;
                            for (int i : pick) {
                                at |= places(unitOf(base, g, lines[i]), bit);
                                keep |= static_cast<std::uint16_t>(1u << lines[i]);
                            }
                            if (std::popcount(at) != 3) return false;
                            Step step;
                            step.hint.technique = Technique::Swordfish;
                            step.hint.digits = {d};
                            for (int i : pick) {
                                const int u = unitOf(base, g, lines[i]);
                                step.hint.units.push_back(hintUnit(u));
                                const std::uint16_t here = places(u, bit);
                                for (int k = 0; k < 9; ++k)
                                    if (here >> k & 1u)
                                        step.hint.cells.push_back(hintCell(unitCell(u, k)));
                            }
                            bool any = false;
                            for (int k = 0; k < 9; ++k) {
                                if ((at >> k & 1u) == 0) continue;
                                const int line = unitOf(cover, g, k);
                                step.hint.units.push_back(hintUnit(line));
                                any = removeFromUnit(step, line, keep, bit) || any;
                            }
                            if (!any) return false;
                            found = std::move(step);
                            return true;
                        });
                    if (found) return found;
                }
            }
        }
        return std::nullopt;
    }

    // Takes digit bit out of field cell f for a step on cells.
    void removeDigit(Step& step, int f, std::uint16_t bit) const {
        if ((candidates[f] & bit) == 0) return;
        auto entry = std::find_if(step.remove.begin(), step.remove.end(),
                                  [f](const auto& r) { return r.first == f; });
        if (entry == step.remove.end())
            step.remove.push_back({f, bit});
        else if (entry->second & bit)
            return;
        else
            entry->second |= bit;
        step.hint.removed.push_back({hintCell(geo().cells[f].index), std::countr_zero(bit)});
    }
    // A step on cells: its technique, digit(s) and pattern cells (field cells).
    Step cellPattern(Technique t, std::uint16_t digits, std::initializer_list<int> cells) const {
        Step step;
        step.hint.technique = t;
        step.hint.digits = digitsOf(digits);
        for (int f : cells) step.hint.cells.push_back(hintCell(geo().cells[f].index));
        return step;
    }
    // Removes bit from every cell that sees all of the pattern cells.
    bool removeSeenByAll(Step& step, std::uint16_t bit, std::initializer_list<int> pattern) const {
        const int first = *pattern.begin();
        for (std::int16_t t : peers().list[first]) {
            if ((candidates[t] & bit) == 0) continue;
            if (std::find(pattern.begin(), pattern.end(), t) != pattern.end()) continue;
            if (std::all_of(pattern.begin(), pattern.end(), [t](int p) { return sees(p, t); }))
                removeDigit(step, t, bit);
        }
        return !step.remove.empty();
    }

    // A pivot with xy, a pincer it sees with xz and one with yz: z leaves the cells that see
    // both pincers (one of them holds z).
    std::optional<Step> xyWing() const {
        for (int f = 0; f < kCount; ++f) {
            const std::uint16_t xy = candidates[f];
            if (std::popcount(xy) != 2) continue;
            for (std::int16_t a : peers().list[f]) {
                const std::uint16_t ca = candidates[a];
                if (std::popcount(ca) != 2 || std::popcount(static_cast<unsigned>(ca & xy)) != 1)
                    continue;
                const std::uint16_t z = ca & static_cast<std::uint16_t>(~xy);
                const std::uint16_t wanted = (xy & static_cast<std::uint16_t>(~ca)) | z;
                for (std::int16_t b : peers().list[f]) {
                    if (b <= a || candidates[b] != wanted) continue;
                    Step step = cellPattern(Technique::XYWing, z, {f, a, b});
                    if (removeSeenByAll(step, z, {a, b})) return step;
                }
            }
        }
        return std::nullopt;
    }

    // A pivot with xyz and two pincers it sees with xz and yz: z leaves the cells that see
    // all three.
    std::optional<Step> xyzWing() const {
        for (int f = 0; f < kCount; ++f) {
            const std::uint16_t xyz = candidates[f];
            if (std::popcount(xyz) != 3) continue;
            for (std::int16_t a : peers().list[f]) {
                const std::uint16_t ca = candidates[a];
                if (std::popcount(ca) != 2 || (ca & ~xyz) != 0) continue;
                for (std::int16_t b : peers().list[f]) {
                    const std::uint16_t cb = candidates[b];
                    if (b <= a || std::popcount(cb) != 2 || (cb & ~xyz) != 0 || cb == ca) continue;
                    const auto z = static_cast<std::uint16_t>(ca & cb);
                    Step step = cellPattern(Technique::XYZWing, z, {f, a, b});
                    if (removeSeenByAll(step, z, {f, a, b})) return step;
                }
            }
        }
        return std::nullopt;
    }

    // The units in which a digit has exactly two places: (unit, first, second field cell).
    struct Link {
        int unit, a, b;
        int positionA, positionB; // the places of a and b in the unit
    };
    std::vector<Link> strongLinks(std::uint16_t bit) const {
        std::vector<Link> links;
        for (int u = 0; u < kUnitCount; ++u) {
            const std::uint16_t at = places(u, bit);
            if (std::popcount(at) != 2) continue;
            const int first = std::countr_zero(at), second = 15 - std::countl_zero(at);
            links.push_back({u, geo().members[u][first], geo().members[u][second], first, second});
        }
        return links;
    }

    // Two cells with the same two candidates xy that do not see each other, and a unit in
    // which x has two places, one seen by each cell: x stands in one of those places, so
    // the cell seeing it holds y; y leaves the cells that see both. The pattern is the two
    // cells, then the two places; digits y, x; the unit of the places.
    std::optional<Step> wWing() const {
        std::vector<int> pairs;
        for (int f = 0; f < kCount; ++f)
            if (std::popcount(candidates[f]) == 2) pairs.push_back(f);
        std::array<std::vector<Link>, 10> links; // by digit, made when first needed
        std::array<bool, 10> linked{};
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            const int a = pairs[i];
            for (std::size_t j = i + 1; j < pairs.size(); ++j) {
                const int b = pairs[j];
                if (candidates[b] != candidates[a] || sees(a, b)) continue;
                for (int x : digitsOf(candidates[a])) {
                    const std::uint16_t xBit = unitmasks::digitBit(x);
                    const auto yBit = static_cast<std::uint16_t>(candidates[a] & ~xBit);
                    if (!linked[x]) {
                        links[x] = strongLinks(xBit);
                        linked[x] = true;
                    }
                    for (const Link& l : links[x]) {
                        for (auto [p, q] : {std::pair{l.a, l.b}, std::pair{l.b, l.a}}) {
                            if (!sees(a, p) || !sees(b, q)) continue;
                            Step step = cellPattern(Technique::WWing, yBit, {a, b});
                            step.hint.digits.push_back(x);
                            step.hint.cells.push_back(hintCell(unitCell(l.unit, l.positionA)));
                            step.hint.cells.push_back(hintCell(unitCell(l.unit, l.positionB)));
                            if (p == l.b) std::swap(step.hint.cells[2], step.hint.cells[3]);
                            step.hint.units = {hintUnit(l.unit)};
                            if (removeSeenByAll(step, yBit, {a, b})) return step;
                        }
                    }
                }
            }
        }
        return std::nullopt;
    }

    // Two lines each with two places of a digit, an end of one seeing an end of the other:
    // one of the two far ends holds the digit, so the cells seeing both lose it. Parallel
    // lines make a skyscraper, a row and a column a two-string kite.
    std::optional<Step> linkedPairs(Technique t) const {
        for (int d = 1; d <= 9; ++d) {
            const std::uint16_t bit = unitmasks::digitBit(d);
            const std::vector<Link> links = strongLinks(bit);
            for (std::size_t i = 0; i < links.size(); ++i) {
                const UnitKind ki = hintUnit(links[i].unit).kind;
                if (ki == UnitKind::Box) continue;
                for (std::size_t j = i + 1; j < links.size(); ++j) {
                    const UnitKind kj = hintUnit(links[j].unit).kind;
                    if (kj == UnitKind::Box) continue;
                    if ((ki == kj) != (t == Technique::Skyscraper)) continue;
                    const Link& l = links[i];
                    const Link& m = links[j];
                    if (l.a == m.a || l.a == m.b || l.b == m.a || l.b == m.b) continue;
                    for (auto [near1, far1] : {std::pair{l.a, l.b}, std::pair{l.b, l.a}}) {
                        for (auto [near2, far2] : {std::pair{m.a, m.b}, std::pair{m.b, m.a}}) {
                            if (!sees(near1, near2)) continue;
                            Step step = cellPattern(t, bit, {far1, near1, near2, far2});
                            step.hint.units = {hintUnit(l.unit), hintUnit(m.unit)};
                            if (removeSeenByAll(step, bit, {far1, far2})) return step;
                        }
                    }
                }
            }
        }
        return std::nullopt;
    }

    // The places linked by the units with two places of a digit, coloured in turn in each
    // linked group: two cells of one colour that see each other make that colour false;
    // a cell outside the group that sees both colours loses the digit.
    std::optional<Step> colouring() const {
        for (int d = 1; d <= 9; ++d) {
            const std::uint16_t bit = unitmasks::digitBit(d);
            const std::vector<Link> links = strongLinks(bit);
            std::array<std::vector<int>, kCount> next;
            for (const Link& l : links) {
                next[l.a].push_back(l.b);
                next[l.b].push_back(l.a);
            }
            std::array<std::int8_t, kCount> colour;
            colour.fill(-1);
            for (int start = 0; start < kCount; ++start) {
                if (next[start].empty() || colour[start] >= 0) continue;
                std::vector<int> group{start};
                colour[start] = 0;
                for (std::size_t k = 0; k < group.size(); ++k)
                    for (int n : next[group[k]])
                        if (colour[n] < 0) {
                            colour[n] = static_cast<std::int8_t>(1 - colour[group[k]]);
                            group.push_back(n);
                        }
                const auto patternOf = [&](Step& step) {
                    step.hint.technique = Technique::SimpleColouring;
                    step.hint.digits = {d};
                    for (int f : group) step.hint.cells.push_back(hintCell(geo().cells[f].index));
                };
                for (int c = 0; c <= 1; ++c) {
                    bool clash = false;
                    for (std::size_t x = 0; x < group.size() && !clash; ++x)
                        for (std::size_t y = x + 1; y < group.size() && !clash; ++y)
                            clash = colour[group[x]] == c && colour[group[y]] == c &&
                                    sees(group[x], group[y]);
                    if (!clash) continue;
                    Step step;
                    patternOf(step);
                    for (int f : group)
                        if (colour[f] == c) removeDigit(step, f, bit);
                    return step;
                }
                Step step;
                patternOf(step);
                for (int t = 0; t < kCount; ++t) {
                    if ((candidates[t] & bit) == 0 || colour[t] >= 0) continue;
                    bool seen[2] = {false, false};
                    for (int f : group)
                        if (sees(f, t)) seen[colour[f]] = true;
                    if (seen[0] && seen[1]) removeDigit(step, t, bit);
                }
                if (!step.remove.empty()) return step;
            }
        }
        return std::nullopt;
    }

    // Places a digit in a copy of the state and follows the singles; false when they run
    // into a cell without candidates or a digit without a place in a unit. When they hold,
    // every digit they placed is marked in holds: placed alone, it leads to a part of the
    // same placements, so it holds too.
    //
    // With a hint, the placements are written to its chain as they are made and the point
    // where the singles break down to its contradiction (the ladder traces only the one
    // candidate it names, so the search itself stays lean).
    bool singlesHold(int f, int d, std::array<std::uint16_t, kCount>& holds,
                     Hint* trace = nullptr) const {
        Ladder trial = *this;
        std::vector<std::pair<int, int>> queue{{f, d}};
        std::bitset<kUnitCount> dirty;
        const auto fail = [trace](ContradictionKind kind, int cell, int unit, int digit) {
            if (trace) {
                trace->contradiction.kind = kind;
                if (cell >= 0) trace->contradiction.cell = hintCell(geo().cells[cell].index);
                if (unit >= 0) trace->contradiction.unit = hintUnit(unit);
                trace->contradiction.digit = digit;
            }
            return false;
        };
        for (;;) {
            while (!queue.empty()) {
                const auto [cell, digit] = queue.back();
                queue.pop_back();
                const std::uint16_t bit = unitmasks::digitBit(digit);
                if (trial.value[cell] != 0) {
                    if (trial.value[cell] != digit)
                        return fail(ContradictionKind::CellWithoutCandidate, cell, -1, digit);
                    continue;
                }
                if ((trial.candidates[cell] & bit) == 0)
                    return fail(ContradictionKind::CellWithoutCandidate, cell, -1, digit);
                trial.value[cell] = static_cast<std::uint8_t>(digit);
                trial.candidates[cell] = 0;
                if (trace) trace->chain.push_back({hintCell(geo().cells[cell].index), digit});
                const fieldcells::FieldCell& fc = geo().cells[cell];
                for (int k = 0; k < fc.unitCount; ++k) {
                    if (trial.used[fc.unit[k]] & bit)
                        return fail(ContradictionKind::DigitTwiceInUnit, -1, fc.unit[k], digit);
                    trial.used[fc.unit[k]] |= bit;
                    dirty.set(fc.unit[k]);
                }
                for (std::int16_t p : peers().list[cell]) {
                    std::uint16_t& c = trial.candidates[p];
                    if ((c & bit) == 0) continue;
                    c &= static_cast<std::uint16_t>(~bit);
                    if (c == 0) return fail(ContradictionKind::CellWithoutCandidate, p, -1, 0);
                    const fieldcells::FieldCell& pc = geo().cells[p];
                    for (int k = 0; k < pc.unitCount; ++k) dirty.set(pc.unit[k]);
                    if ((c & (c - 1)) == 0) queue.push_back({p, std::countr_zero(c)});
                }
            }
            if (dirty.none()) break;
            for (int u = 0; u < kUnitCount; ++u) {
                if (!dirty.test(static_cast<size_t>(u))) continue;
                dirty.reset(static_cast<size_t>(u));
                const std::uint16_t open = kAllDigits & static_cast<std::uint16_t>(~trial.used[u]);
                for (int digit = 1; digit <= 9; ++digit) {
                    const std::uint16_t bit = unitmasks::digitBit(digit);
                    if ((open & bit) == 0) continue;
                    int count = 0, last = -1;
                    for (std::int16_t m : geo().members[u])
                        if (trial.candidates[m] & bit) {
                            ++count;
                            last = m;
                        }
                    if (count == 0) return fail(ContradictionKind::DigitWithoutPlace, -1, u, digit);
                    if (count == 1) queue.push_back({last, digit});
                }
            }
            if (queue.empty()) break;
        }
        for (int cell = 0; cell < kCount; ++cell)
            if (value[cell] == 0 && trial.value[cell] != 0)
                holds[cell] |= unitmasks::digitBit(trial.value[cell]);
        return true;
    }

    // A candidate whose placement lets the singles run into a contradiction: it goes. Cells
    // with fewer candidates are tried first.
    std::optional<Step> forcingChain() const {
        std::array<std::uint16_t, kCount> holds{};
        for (int n = 2; n <= 9; ++n) {
            for (int f = 0; f < kCount; ++f) {
                if (std::popcount(candidates[f]) != n) continue;
                for (int d : digitsOf(candidates[f])) {
                    if ((holds[f] & unitmasks::digitBit(d)) || singlesHold(f, d, holds)) continue;
                    const std::uint16_t bit = unitmasks::digitBit(d);
                    Step step = cellPattern(Technique::ForcingChain, bit, {f});
                    removeDigit(step, f, bit);
                    std::array<std::uint16_t, kCount> unused{};
                    singlesHold(f, d, unused, &step.hint); // once more, traced
                    return step;
                }
            }
        }
        return std::nullopt;
    }

    // A step of a pattern: its units, digits and the cells at the positions of unit u.
    Step pattern(Technique t, std::vector<int> units, std::uint16_t digits, int u,
                 std::uint16_t at) const {
        Step step;
        step.hint.technique = t;
        for (int v : units) step.hint.units.push_back(hintUnit(v));
        step.hint.digits = digitsOf(digits);
        for (int k = 0; k < 9; ++k)
            if (at >> k & 1u) step.hint.cells.push_back(hintCell(unitCell(u, k)));
        return step;
    }

    // The positions of unit u whose cells also lie in unit v.
    std::uint16_t inUnit(int u, int v) const {
        std::uint16_t mask = 0;
        for (int k = 0; k < 9; ++k)
            if (std::find(geo().members[v].begin(), geo().members[v].end(), geo().members[u][k]) !=
                geo().members[v].end())
                mask |= static_cast<std::uint16_t>(1u << k);
        return mask;
    }

    // Calls visit with every choice of n of the indices 0..size-1 in increasing order, until
    // visit returns true.
    template <typename Visit> static void forEachChoice(int size, int n, Visit visit) {
        if (size < n) return;
        std::vector<int> pick(n);
        for (int i = 0; i < n; ++i) pick[i] = i;
        for (;;) {
            if (visit(pick)) return;
            int i = n - 1;
            while (i >= 0 && pick[i] == size - n + i) --i;
            if (i < 0) return;
            ++pick[i];
            for (int j = i + 1; j < n; ++j) pick[j] = pick[j - 1] + 1;
        }
    }

    std::array<std::uint8_t, kCount> value{};
    std::array<std::uint16_t, kCount> candidates{};
    std::array<std::uint16_t, kUnitCount> used{};
};

} // namespace

std::optional<Hint> nextHint(const Board& b, const BoardArray* solution,
                             const std::vector<Removal>& known) {
    Ladder ladder;
    if (!ladder.start(b)) return std::nullopt;
    ladder.narrow(b, solution, known);
    const std::optional<Step> step = ladder.findStep();
    if (!step) return std::nullopt;
    Hint hint = step->hint;
    if (hint.found) return hint;
    // An elimination names the cell it fills only when a single follows at once: the ladder
    // takes singles first, so such a single is made by this step's removals.
    Ladder after = ladder;
    after.apply(*step);
    if (const std::optional<Step> single = after.findSingle()) {
        hint.found = true;
        hint.target = single->hint.target;
        hint.targetDigit = single->hint.targetDigit;
    }
    return hint;
}

std::optional<Hint> nextHint(const Board& b) {
    // The search is needed only to judge notes.
    if (std::none_of(b.noteFlag.bytes.begin(), b.noteFlag.bytes.end(), [](bool n) { return n; }))
        return nextHint(b, nullptr, {});
    BoardArray solution{};
    const bool unique = countSolutions(b, 2, &solution) == 1;
    return nextHint(b, unique ? &solution : nullptr, {});
}

void HintMemory::check(const Board& b) {
    bool holds = b.givenValue == givens;
    for (int i = 0; i < kBlockSize && holds; ++i)
        if (values.bytes[i] != 0 && b.cellValue.bytes[i] != values.bytes[i]) holds = false;
    if (!holds) {
        removed.clear();
        values = b.cellValue;
        givens = b.givenValue;
    }
}

void HintMemory::add(const Board& b, const Hint& hint) {
    check(b);
    values = b.cellValue;
    removed.insert(removed.end(), hint.removed.begin(), hint.removed.end());
}

Grade gradeBoard(const Board& b) {
    Grade grade;
    Ladder ladder;
    if (!ladder.start(b)) {
        grade.hardest = Technique::Guess;
        return grade;
    }
    while (!ladder.full()) {
        const std::optional<Step> step = ladder.findStep();
        if (!step) {
            grade.hardest = Technique::Guess;
            return grade;
        }
        grade.hardest = std::max(grade.hardest, step->hint.technique);
        ++grade.steps;
        ladder.apply(*step);
    }
    grade.solved = true;
    return grade;
}

int countWrongEntries(const Board& b, const BoardArray& solution, HintCell* first) {
    int wrong = 0;
    for (const fieldcells::FieldCell& cell : geo().cells) {
        const int v = b.cellValue.bytes[cell.index];
        if (v == 0 || b.givenValue.bytes[cell.index] != 0 || v == solution.bytes[cell.index])
            continue;
        if (wrong++ == 0 && first) *first = hintCell(cell.index);
    }
    return wrong;
}

HintAdvice adviseHint(const Board& b, const std::vector<Removal>& known) {
    HintAdvice advice;
    // Entries are judged against the one solution of the givens; the notes too. On a board
    // without one, the ladder reads the values and the eliminations shown before only.
    Board givens = b;
    givens.cellValue = b.givenValue;
    BoardArray solution{};
    const bool givensUnique = countSolutions(givens, 2, &solution) == 1;
    if (givensUnique && countWrongEntries(b, solution, &advice.wrong) > 0) {
        advice.outcome = HintOutcome::WrongEntry;
        advice.wrongDigit = b.cellValue(advice.wrong.grid, advice.wrong.column, advice.wrong.row);
        return advice;
    }
    const int count = givensUnique ? 1 : countSolutions(b, 2, &solution);
    Board counted = b; // isBoardComplete recounts the digits of the board it is given
    if (count == 0 || isBoardComplete(counted)) {
        advice.outcome = count == 0 ? HintOutcome::NoSolution : HintOutcome::Complete;
        return advice;
    }
    const std::optional<Hint> hint = nextHint(b, count == 1 ? &solution : nullptr, known);
    if (!hint) {
        advice.outcome = count >= 2 ? HintOutcome::SeveralSolutions : HintOutcome::OnlyTrial;
        return advice;
    }
    advice.step = *hint;
    return advice;
}
