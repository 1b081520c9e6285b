// The puzzle generator (see generate.h).
//
// A removal pass starts from a full solution and visits the givens in a random order (in
// symmetric mode the pairs a half turn of the field maps onto each other, the centre cell
// alone). A given stays out when the puzzle without it is still finished by the ladder
// with techniques of the wanted level or easier; a puzzle the ladder finishes has exactly
// one completion, because every step of the ladder holds in every completion. So the pass
// never needs the complete search to keep the puzzle unique, and it ends with a puzzle from
// which no further given can go without leaving the level: most often one that needs the
// level's own techniques. The pass is kept when the ladder grades it in the level (and the
// complete search confirms one completion); otherwise another pass follows, on the same
// solution a few times, then on a fresh one.
//
// Most trials are decided cheaply: the puzzle is first propagated with singles and then
// locked candidates on bit masks; only when these leave cells open and the level allows
// more is the propagated board handed to gradeBoard, so the ladder starts where the
// singles stopped.
#include "engine/generate.h"

#include "engine/fieldcells.h"
#include "engine/random.h"
#include "engine/search.h"

#include <algorithm>
#include <bit>
#include <vector>

std::optional<GeneratedLevel> levelOf(Technique t) {
    switch (t) {
    case Technique::NakedSingle:
    case Technique::HiddenSingleBox:
    case Technique::HiddenSingleRow:
    case Technique::HiddenSingleColumn:
        return GeneratedLevel::Einsteiger;
    case Technique::LockedPointing:
    case Technique::LockedClaiming:
        return GeneratedLevel::Fortgeschritten;
    case Technique::NakedPair:
    case Technique::NakedTriple:
    case Technique::HiddenPair:
    case Technique::HiddenTriple:
        return GeneratedLevel::Kenner;
    case Technique::NakedQuad:
    case Technique::HiddenQuad:
    case Technique::XWing:
    case Technique::Swordfish:
    case Technique::XYWing:
    case Technique::XYZWing:
    case Technique::WWing:
        return GeneratedLevel::Meister;
    case Technique::Skyscraper:
    case Technique::TwoStringKite:
    case Technique::SimpleColouring:
    case Technique::ForcingChain:
        return GeneratedLevel::Grossmeister;
    case Technique::Guess:
        return std::nullopt;
    default:
        // A rung added to the ladder and not named above: it comes after the fish, so it
        // counts among the hardest until it is placed here.
        return GeneratedLevel::Grossmeister;
    }
}

bool levelHasTechniques(GeneratedLevel level) {
    for (int t = 0; t < static_cast<int>(Technique::Guess); ++t)
        if (levelOf(static_cast<Technique>(t)) == level) return true;
    return false;
}

namespace {

using fieldcells::kCount;
using unitmasks::kAllDigits;
using unitmasks::kUnitCount;
using Values = std::array<std::uint8_t, kCount>;

const fieldcells::Geometry& geo() {
    return fieldcells::geometry();
}

// The number of digits in a candidate mask (or places in a unit's position mask).
constexpr std::array<std::uint8_t, 1024> kBitCount = [] {
    std::array<std::uint8_t, 1024> table{};
    for (int m = 1; m < 1024; ++m) table[m] = static_cast<std::uint8_t>(table[m >> 1] + (m & 1));
    return table;
}();
int bitCount(std::uint16_t mask) {
    return kBitCount[mask & 1023];
}
bool isSingleBit(std::uint16_t mask) {
    return mask != 0 && (mask & (mask - 1)) == 0;
}

// The field cell a half turn of the field maps each field cell onto: grid 0 and 4, 1 and 3
// change places, the centre grid stays, and (column, row) becomes (10 - column, 10 - row).
const std::array<std::int16_t, kCount>& halfTurn() {
    static const std::array<std::int16_t, kCount> table = [] {
        static constexpr std::array<int, 5> turnedGrid{4, 3, 2, 1, 0};
        std::array<std::int16_t, kCount> t{};
        for (int f = 0; f < kCount; ++f) {
            const int index = geo().cells[f].index;
            const int g = index % 5, c = index / 5 % 10, r = index / 50;
            t[f] = geo().cellOf[cellIndex(turnedGrid[g], 10 - c, 10 - r)];
        }
        return t;
    }();
    return table;
}

// A box and one of its grid's rows or columns through it: the three cells they share, the
// rest of the box and the rest of the line.
struct Crossing {
    std::array<std::int16_t, 3> both;
    std::array<std::int16_t, 6> boxRest, lineRest;
};
const std::vector<Crossing>& crossings() {
    static const std::vector<Crossing> table = [] {
        std::vector<Crossing> list;
        for (int g = 0; g <= 4; ++g) {
            for (int b = 0; b < 9; ++b) {
                const auto& box = geo().members[g * 27 + 18 + b];
                for (int line = 0; line < 18; ++line) {
                    const auto& cells = geo().members[g * 27 + line];
                    const auto inLine = [&](std::int16_t f) {
                        return std::find(cells.begin(), cells.end(), f) != cells.end();
                    };
                    // Only a line through the box shares three cells with it; the others
                    // would overfill the six places of the box's rest.
                    if (std::count_if(box.begin(), box.end(), inLine) != 3) continue;
                    Crossing x{};
                    int nb = 0, nbox = 0, nline = 0;
                    for (std::int16_t f : box) {
                        if (inLine(f))
                            x.both[nb++] = f;
                        else
                            x.boxRest[nbox++] = f;
                    }
                    for (std::int16_t f : cells)
                        if (std::find(x.both.begin(), x.both.end(), f) == x.both.end())
                            x.lineRest[nline++] = f;
                    list.push_back(x);
                }
            }
        }
        return list;
    }();
    return table;
}

// Values and candidates of the field cells under singles and locked candidates; every
// board it is given is part of a known solution, so it never meets a contradiction.
class Propagation {
  public:
    explicit Propagation(const Values& clues) : geometry(geo()), value(clues) {
        used.fill(0);
        for (int f = 0; f < kCount; ++f) {
            const fieldcells::FieldCell& fc = geometry.cells[f];
            for (int k = 0; k < fc.unitCount; ++k)
                used[fc.unit[k]] |= unitmasks::digitBit(value[f]);
        }
        for (int f = 0; f < kCount; ++f) {
            candidates[f] = 0;
            if (value[f] != 0) continue;
            const fieldcells::FieldCell& fc = geometry.cells[f];
            std::uint16_t taken = 0;
            for (int k = 0; k < fc.unitCount; ++k) taken |= used[fc.unit[k]];
            candidates[f] = static_cast<std::uint16_t>(kAllDigits & ~taken);
            if (candidates[f] == 0) dead = true;
            if (isSingleBit(candidates[f])) queue[queued++] = static_cast<std::int16_t>(f);
        }
    }

    // Naked and hidden singles, then up to the rung asked for locked candidates and naked
    // and hidden pairs and triples, until nothing follows; true when every cell is filled.
    enum class Rung { Singles, Locked, Subsets };
    bool solve(Rung rung) {
        while (!dead) {
            if (singles()) continue;
            if (rung >= Rung::Locked && lockedCandidates()) continue;
            if (rung >= Rung::Subsets && subsets()) continue;
            break;
        }
        return !dead && open() == 0;
    }

    int open() const {
        int n = 0;
        for (std::uint8_t v : value) n += v == 0;
        return n;
    }

    Board board() const {
        Board b;
        for (int f = 0; f < kCount; ++f) {
            const fieldcells::FieldCell& fc = geometry.cells[f];
            b.cellValue.bytes[fc.index] = value[f];
            if (fc.other >= 0) b.cellValue.bytes[fc.other] = value[f];
        }
        return b;
    }

  private:
    void place(int f, std::uint16_t bit) {
        value[f] = static_cast<std::uint8_t>(std::countr_zero(bit));
        candidates[f] = 0;
        const fieldcells::FieldCell& fc = geometry.cells[f];
        for (int k = 0; k < fc.unitCount; ++k) {
            used[fc.unit[k]] |= bit;
            for (std::int16_t peer : geometry.members[fc.unit[k]]) remove(peer, bit);
        }
    }

    // Takes digits out of a cell's candidates; a cell left with one goes into the queue.
    void remove(int f, std::uint16_t digits) {
        std::uint16_t& c = candidates[f];
        if ((c & digits) == 0) return;
        c &= static_cast<std::uint16_t>(~digits);
        if (c == 0)
            dead = true;
        else if (isSingleBit(c))
            queue[queued++] = static_cast<std::int16_t>(f);
    }

    // The naked singles in the queue, then one sweep of hidden singles; true when something
    // was placed.
    bool singles() {
        bool placed = false;
        while (queued > 0 && !dead) {
            const int f = queue[--queued];
            if (candidates[f] == 0) continue; // placed meanwhile
            place(f, candidates[f]);
            placed = true;
        }
        for (int u = 0; u < kUnitCount && !dead; ++u) {
            std::uint16_t once = 0, twice = 0;
            for (std::int16_t f : geometry.members[u]) {
                twice |= once & candidates[f];
                once |= candidates[f];
            }
            if ((once | used[u]) != kAllDigits) dead = true; // a digit without a place
            for (std::uint16_t single = once & ~twice; single != 0; single &= single - 1) {
                const auto bit = static_cast<std::uint16_t>(single & -single);
                for (std::int16_t f : geometry.members[u]) {
                    if (candidates[f] & bit) {
                        place(f, bit);
                        placed = true;
                        break;
                    }
                }
            }
        }
        return placed;
    }

    // Pointing and claiming over every box and line that cross; true when a candidate went.
    bool lockedCandidates() {
        bool changed = false;
        for (const Crossing& x : crossings()) {
            std::uint16_t both = 0, boxRest = 0, lineRest = 0;
            for (std::int16_t f : x.both) both |= candidates[f];
            for (int k = 0; k < 6; ++k) {
                boxRest |= candidates[x.boxRest[k]];
                lineRest |= candidates[x.lineRest[k]];
            }
            const auto pointing = static_cast<std::uint16_t>(both & ~boxRest & lineRest);
            const auto claiming = static_cast<std::uint16_t>(both & ~lineRest & boxRest);
            for (int k = 0; k < 6; ++k) {
                if (pointing) remove(x.lineRest[k], pointing);
                if (claiming) remove(x.boxRest[k], claiming);
            }
            changed |= (pointing | claiming) != 0;
        }
        return changed;
    }

    // Naked pairs and triples, then hidden ones, in every unit; true when a candidate went.
    bool subsets() {
        bool changed = false;
        for (int u = 0; u < kUnitCount; ++u) {
            const auto& cells = geometry.members[u];
            // Naked: n cells holding n digits between them lose them from the unit's others.
            for (int n = 2; n <= 3; ++n) {
                std::array<int, 9> open{};
                int count = 0;
                for (int k = 0; k < 9; ++k) {
                    const int size = bitCount(candidates[cells[k]]);
                    if (size >= 2 && size <= n) open[count++] = k;
                }
                forEachChoice(count, n, [&](const std::array<int, 3>& pick) {
                    std::uint16_t digits = 0, at = 0;
                    for (int i = 0; i < n; ++i) {
                        digits |= candidates[cells[open[pick[i]]]];
                        at |= static_cast<std::uint16_t>(1u << open[pick[i]]);
                    }
                    if (bitCount(digits) != n) return;
                    for (int k = 0; k < 9; ++k) {
                        if ((at >> k & 1u) || (candidates[cells[k]] & digits) == 0) continue;
                        remove(cells[k], digits);
                        changed = true;
                    }
                });
            }
            // Hidden: n digits with places in n cells between them; those cells lose the rest.
            std::array<std::uint16_t, 10> places{};
            for (int k = 0; k < 9; ++k)
                for (std::uint16_t c = candidates[cells[k]]; c != 0; c &= c - 1)
                    places[std::countr_zero(c)] |= static_cast<std::uint16_t>(1u << k);
            for (int n = 2; n <= 3; ++n) {
                std::array<int, 9> open{};
                int count = 0;
                for (int d = 1; d <= 9; ++d) {
                    const int size = bitCount(places[d]);
                    if (size >= 2 && size <= n) open[count++] = d;
                }
                forEachChoice(count, n, [&](const std::array<int, 3>& pick) {
                    std::uint16_t digits = 0, at = 0;
                    for (int i = 0; i < n; ++i) {
                        digits |= unitmasks::digitBit(open[pick[i]]);
                        at |= places[open[pick[i]]];
                    }
                    if (bitCount(at) != n) return;
                    for (int k = 0; k < 9; ++k) {
                        const auto other =
                            static_cast<std::uint16_t>(candidates[cells[k]] & ~digits);
                        if ((at >> k & 1u) == 0 || other == 0) continue;
                        remove(cells[k], other);
                        changed = true;
                    }
                });
            }
        }
        return changed;
    }

    // Calls visit with every choice of n (2 or 3) of the indices 0..size-1.
    template <typename Visit> static void forEachChoice(int size, int n, const Visit& visit) {
        std::array<int, 3> pick{};
        for (pick[0] = 0; pick[0] < size; ++pick[0])
            for (pick[1] = pick[0] + 1; pick[1] < size; ++pick[1]) {
                if (n == 2) {
                    visit(pick);
                    continue;
                }
                for (pick[2] = pick[1] + 1; pick[2] < size; ++pick[2]) visit(pick);
            }
    }

    const fieldcells::Geometry& geometry;
    Values value;
    std::array<std::uint16_t, kCount> candidates;
    std::array<std::uint16_t, kUnitCount> used;
    bool dead = false;
    // Cells left with one candidate, waiting to be placed: each is pushed once, when it
    // comes down to one, so the queue never holds more than the 369 cells.
    std::array<std::int16_t, kCount> queue;
    int queued = 0;
};

// A random full solution: the centre grid first, by a randomised depth-first search that
// fills the cell with the fewest candidates next; then each corner grid around the shared
// box it already holds (a grid with one box filled always has a completion). A search that
// wanders too long starts over, so the result depends on the random draws alone.
class SolutionFill {
  public:
    explicit SolutionFill(Random& random) : random(random) {}

    Values make() {
        for (;;) {
            value.fill(0);
            used.fill(0);
            budget = 20000;
            bool ok = true;
            for (int g : {2, 0, 1, 3, 4}) ok = ok && fill(geometry.gridCells[g]);
            if (ok) return value;
        }
    }

  private:
    std::uint16_t freeDigits(int f) const {
        const fieldcells::FieldCell& fc = geometry.cells[f];
        std::uint16_t taken = 0;
        for (int k = 0; k < fc.unitCount; ++k) taken |= used[fc.unit[k]];
        return static_cast<std::uint16_t>(kAllDigits & ~taken);
    }
    void set(int f, int digit, bool on) {
        const fieldcells::FieldCell& fc = geometry.cells[f];
        const std::uint16_t bit = unitmasks::digitBit(digit);
        value[f] = static_cast<std::uint8_t>(on ? digit : 0);
        for (int k = 0; k < fc.unitCount; ++k) {
            if (on)
                used[fc.unit[k]] |= bit;
            else
                used[fc.unit[k]] &= static_cast<std::uint16_t>(~bit);
        }
    }

    bool fill(const std::array<std::int16_t, 81>& cells) {
        if (--budget < 0) return false;
        int best = -1, fewest = 10;
        for (std::int16_t f : cells) {
            if (value[f] != 0) continue;
            const int n = bitCount(freeDigits(f));
            if (n < fewest) {
                best = f;
                fewest = n;
                if (n <= 1) break;
            }
        }
        if (best < 0) return true;
        std::array<int, 9> digits{};
        int count = 0;
        for (std::uint16_t c = freeDigits(best); c != 0; c &= c - 1)
            digits[count++] = std::countr_zero(c);
        for (int i = count - 1; i > 0; --i) std::swap(digits[i], digits[random.RANDOM(i + 1)]);
        for (int i = 0; i < count; ++i) {
            set(best, digits[i], true);
            if (fill(cells)) return true;
            set(best, digits[i], false);
            if (budget < 0) return false;
        }
        return false;
    }

    Random& random;
    const fieldcells::Geometry& geometry = geo();
    Values value{};
    std::array<std::uint16_t, kUnitCount> used{};
    long budget = 0;
};

Board boardOf(const Values& values) {
    return Propagation(values).board();
}

// The level the ladder finishes the puzzle in when that is the given level or easier; none
// when the puzzle needs more. Singles, locked candidates and subsets are tried on the bit
// masks first; the ladder grades only what they leave, from the values they placed, and
// only when it has one completion.
std::optional<GeneratedLevel> levelUpTo(const Values& clues, GeneratedLevel level) {
    using Rung = Propagation::Rung;
    Propagation p(clues);
    if (p.solve(Rung::Singles)) return GeneratedLevel::Einsteiger;
    if (level == GeneratedLevel::Einsteiger) return std::nullopt;
    if (p.solve(Rung::Locked)) return GeneratedLevel::Fortgeschritten;
    if (level == GeneratedLevel::Fortgeschritten) return std::nullopt;
    if (p.solve(Rung::Subsets)) return GeneratedLevel::Kenner;
    if (level == GeneratedLevel::Kenner) return std::nullopt;
    // Most puzzles the subsets leave have several completions; the search tells so in a
    // small part of the time the ladder takes to fail on them.
    const Board propagated = p.board();
    if (countSolutions(propagated, 2) != 1) return std::nullopt;
    const Grade grade = gradeBoard(propagated);
    const std::optional<GeneratedLevel> needed = levelOf(grade.hardest);
    if (!grade.solved || !needed || *needed > level) return std::nullopt;
    return std::max(*needed, GeneratedLevel::Kenner); // locked candidates did not finish it
}

// The groups of field cells that go out together: symmetric pairs, or single cells.
std::vector<std::vector<std::int16_t>> removalGroups(bool symmetric) {
    std::vector<std::vector<std::int16_t>> groups;
    for (int f = 0; f < kCount; ++f) {
        const int turned = halfTurn()[f];
        if (!symmetric)
            groups.push_back({static_cast<std::int16_t>(f)});
        else if (turned == f)
            groups.push_back({static_cast<std::int16_t>(f)});
        else if (turned > f)
            groups.push_back({static_cast<std::int16_t>(f), static_cast<std::int16_t>(turned)});
    }
    return groups;
}

constexpr int kPassesPerSolution = 4;

} // namespace

std::optional<GeneratedPuzzle> generatePuzzle(GeneratedLevel level, bool symmetric,
                                              std::uint32_t seed, const std::atomic<bool>& cancel,
                                              const GenerateProgressFn& progress, int maxAttempts) {
    if (!levelHasTechniques(level)) return std::nullopt; // no puzzle could ever be kept
    Random random(seed);
    SolutionFill filler(random);
    std::vector<std::vector<std::int16_t>> groups = removalGroups(symmetric);
    Values solution{};
    for (int attempt = 1; maxAttempts <= 0 || attempt <= maxAttempts; ++attempt) {
        if ((attempt - 1) % kPassesPerSolution == 0) solution = filler.make();
        for (int i = static_cast<int>(groups.size()) - 1; i > 0; --i)
            std::swap(groups[i], groups[random.RANDOM(i + 1)]);
        // Removals are kept while the puzzle stays within the level; once it needs the
        // level itself, only while it stays in the level.
        Values clues = solution;
        bool inLevel = false;
        for (const auto& group : groups) {
            if (cancel.load(std::memory_order_relaxed)) return std::nullopt;
            for (std::int16_t f : group) clues[f] = 0;
            const std::optional<GeneratedLevel> needed = levelUpTo(clues, level);
            if (needed && (!inLevel || *needed == level)) {
                inLevel = *needed == level;
            } else {
                for (std::int16_t f : group) clues[f] = solution[f];
            }
        }
        int givenCount = 0;
        for (std::uint8_t v : clues) givenCount += v != 0;
        if (progress) progress({attempt, givenCount});
        if (cancel.load(std::memory_order_relaxed)) return std::nullopt;

        const Board puzzle = boardOf(clues);
        const Grade grade = gradeBoard(puzzle);
        if (!grade.solved || levelOf(grade.hardest) != level) continue;
        if (countSolutions(puzzle, 2) != 1) continue; // the ladder and the search disagree
        GeneratedPuzzle result;
        result.givens = puzzle.cellValue;
        result.solution = boardOf(solution).cellValue;
        result.grade = grade;
        result.level = level;
        result.givenCount = givenCount;
        result.attempts = attempt;
        return result;
    }
    return std::nullopt;
}

int weekdayOf(int date) {
    // Days since 1 March of year 0 by the civil-from-days reckoning: the year starts in
    // March, so the leap day is its last.
    int y = date / 10000;
    const int m = date / 100 % 100, d = date % 100;
    if (m <= 2) --y;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const long long days = static_cast<long long>(era) * 146097 + dayOfEra - 719468; // 1970-01-01
    // 1 January 1970 was a Thursday (3 counted from Monday).
    return static_cast<int>(((days + 3) % 7 + 7) % 7);
}

DailyPuzzle dailyPuzzle(int date) {
    // Monday to Sunday.
    static constexpr std::array<GeneratedLevel, 7> kWeek{
        GeneratedLevel::Einsteiger,      GeneratedLevel::Fortgeschritten,
        GeneratedLevel::Fortgeschritten, GeneratedLevel::Kenner,
        GeneratedLevel::Kenner,          GeneratedLevel::Meister,
        GeneratedLevel::Grossmeister,
    };
    DailyPuzzle day;
    day.level = kWeek[static_cast<std::size_t>(weekdayOf(date))];
    day.symmetric = true;
    // The date mixed into all 32 bits (the finaliser of MurmurHash3), so that neighbouring
    // days get unrelated seeds.
    std::uint32_t h = static_cast<std::uint32_t>(date) ^ 0x51554E54u;
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    day.seed = h;
    return day;
}

std::string difficultyNameOf(Difficulty difficulty, const PuzzleOrigin& origin) {
    if (origin.level >= 0 && origin.level < kGeneratedLevelCount)
        return std::string(kGeneratedLevels[static_cast<std::size_t>(origin.level)].name) + ' ';
    return difficultyInfo(difficulty).difficultyName;
}
