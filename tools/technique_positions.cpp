// Finds, for each rung of the technique ladder above the singles and locked candidates, a
// board where that rung is the easiest step the ladder sees from the values alone, and
// prints it as the pure tests pin it: the 21-line form and the step's removals. Puzzles
// are thinned out by the complete search from a seeded solution and walked step by step
// as a player who takes every hint; after each placement the board of values is one
// position. Among the positions of a rung the one with the fewest removals is kept.
// A hidden quad is the easiest step only in a unit with no value at all (else the cells
// outside it are a naked subset of at most four cells with the same removals), so with
// --empty-unit each puzzle starts with one random row, column or box of a grid cleared.
//   technique_positions [COUNT [FIRST_SEED]] [--empty-unit]
#include "engine/hint.h"
#include "engine/puzzletext.h"
#include "play/hinttext.h"
#include "tools/collections/generator.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

struct Found {
    std::uint32_t seed = 0;
    Board board;
    Hint hint;
};

// A random unit of a grid cleared first, then the rest thinned out as the search allows.
FieldValues thinOutAroundEmptyUnit(const FieldValues& solution, Random& random) {
    const int grid = random.RANDOM(5), kind = random.RANDOM(3), k = random.RANDOM(9);
    FieldValues clues = solution;
    for (int i = 0; i < 9; ++i) {
        const int column = kind == 0 ? i + 1 : kind == 1 ? k + 1 : k % 3 * 3 + i % 3 + 1;
        const int row = kind == 0 ? k + 1 : kind == 1 ? i + 1 : k / 3 * 3 + i / 3 + 1;
        clues[fieldIndexOf(grid, column, row)] = 0;
    }
    std::vector<int> order = fieldCells();
    for (int i = static_cast<int>(order.size()) - 1; i > 0; --i)
        std::swap(order[i], order[random.RANDOM(i + 1)]);
    for (int f : order) {
        if (clues[f] == 0) continue;
        clues[f] = 0;
        if (!hasUniqueSolution(clues)) clues[f] = solution[f];
    }
    return clues;
}

void place(Board& b, const HintCell& c, int digit) {
    b.cellValue(c.grid, c.column, c.row) = static_cast<std::uint8_t>(digit);
    int og, oc, orow;
    if (otherCopy(c.grid, c.column, c.row, og, oc, orow))
        b.cellValue(og, oc, orow) = static_cast<std::uint8_t>(digit);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<const char*> numbers;
    bool emptyUnit = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--empty-unit") == 0)
            emptyUnit = true;
        else
            numbers.push_back(argv[i]);
    }
    const int count = numbers.size() > 0 ? std::atoi(numbers[0]) : 200;
    const auto first = static_cast<std::uint32_t>(numbers.size() > 1 ? std::atol(numbers[1]) : 1);
    std::map<Technique, Found> found;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t seed = first + static_cast<std::uint32_t>(i);
        Random random(seed);
        const FieldValues solution = makeSolution(random);
        Board b = puzzleBoard(emptyUnit ? thinOutAroundEmptyUnit(solution, random)
                                        : thinOutBySearch(solution, random));
        const BoardArray sol = puzzleBoard(solution).cellValue;
        std::vector<Removal> known;
        bool fresh = true; // the values changed since the last look from the values alone
        for (int n = 0; n < 5000; ++n) {
            if (fresh) {
                fresh = false;
                const std::optional<Hint> seen = nextHint(b, nullptr, {});
                if (seen && seen->technique > Technique::LockedClaiming) {
                    auto at = found.find(seen->technique);
                    if (at == found.end() || seen->removed.size() < at->second.hint.removed.size())
                        found[seen->technique] = {seed, b, *seen};
                }
            }
            const std::optional<Hint> hint = nextHint(b, &sol, known);
            if (!hint) break;
            if (!hint->removed.empty()) {
                known.insert(known.end(), hint->removed.begin(), hint->removed.end());
                continue;
            }
            place(b, hint->target, hint->targetDigit);
            fresh = true;
        }
    }
    // The enumerators as the test table names them, in the order of Technique.
    static const char* const kNames[] = {"NakedSingle",     "HiddenSingleBox",
                                         "HiddenSingleRow", "HiddenSingleColumn",
                                         "LockedPointing",  "LockedClaiming",
                                         "NakedPair",       "NakedTriple",
                                         "HiddenPair",      "HiddenTriple",
                                         "XWing",           "NakedQuad",
                                         "HiddenQuad",      "Swordfish",
                                         "XYWing",          "XYZWing",
                                         "WWing",           "Skyscraper",
                                         "TwoStringKite",   "SimpleColouring",
                                         "ForcingChain",    "Guess"};
    for (const auto& [t, f] : found) {
        std::printf("    // seed %u: %s\n", f.seed, hintText(f.hint).c_str());
        // The 21-line form without the blanks at the ends of its lines.
        std::string text = writePuzzleText(f.board.cellValue);
        for (std::size_t at; (at = text.find(" \n")) != std::string::npos;) text.erase(at, 1);
        std::printf("    {Technique::%s, R\"(\n%s)\",\n     {", kNames[static_cast<int>(t)],
                    text.c_str());
        for (std::size_t i = 0; i < f.hint.removed.size(); ++i) {
            const Removal& r = f.hint.removed[i];
            std::printf("%s{{%d, %d, %d}, %d}", i > 0 ? ", " : "", r.cell.grid, r.cell.column,
                        r.cell.row, r.digit);
        }
        if (f.hint.found)
            std::printf("},\n     Placement{{%d, %d, %d}, %d}},\n", f.hint.target.grid,
                        f.hint.target.column, f.hint.target.row, f.hint.targetDigit);
        else
            std::printf("},\n     std::nullopt},\n");
    }
    for (int t = static_cast<int>(Technique::NakedPair); t < static_cast<int>(Technique::Guess);
         ++t)
        if (!found.count(static_cast<Technique>(t)))
            std::printf("// not found: %s\n", techniqueName(static_cast<Technique>(t)).c_str());
    return 0;
}
