// How far the technique ladder gets on puzzles thinned out by the complete search: for each
// seed a random solution loses givens in random order while the search keeps it unique,
// then gradeBoard grades it. Prints the share of puzzles by the hardest rung they need, the
// share finished, and the grading time per hardest rung (median and 95th percentile, in
// processor time).
// With --check every step of the hints is also checked against the solution.
//   ladder_survey [COUNT [FIRST_SEED]] [--check]
#include "engine/hint.h"
#include "play/hinttext.h"
#include "tools/collections/generator.h"

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

namespace {

// Walks the hints as a player who takes every step; false when a step contradicts the solution.
bool stepsAreTrue(Board b, const BoardArray& solution) {
    std::vector<Removal> known;
    for (int n = 0; n < 5000; ++n) {
        const std::optional<Hint> hint = nextHint(b, &solution, known);
        if (!hint) return true;
        for (const Removal& r : hint->removed)
            if (solution(r.cell.grid, r.cell.column, r.cell.row) == r.digit) return false;
        if (hint->found &&
            solution(hint->target.grid, hint->target.column, hint->target.row) != hint->targetDigit)
            return false;
        if (!hint->removed.empty()) {
            known.insert(known.end(), hint->removed.begin(), hint->removed.end());
            continue;
        }
        const HintCell& c = hint->target;
        b.cellValue(c.grid, c.column, c.row) = static_cast<std::uint8_t>(hint->targetDigit);
        int og, oc, orow;
        if (otherCopy(c.grid, c.column, c.row, og, oc, orow))
            b.cellValue(og, oc, orow) = static_cast<std::uint8_t>(hint->targetDigit);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int count = 1000;
    std::uint32_t first = 1;
    bool check = false;
    std::vector<const char*> numbers;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0)
            check = true;
        else
            numbers.push_back(argv[i]);
    }
    if (numbers.size() > 0) count = std::atoi(numbers[0]);
    if (numbers.size() > 1) first = static_cast<std::uint32_t>(std::atol(numbers[1]));

    std::map<Technique, std::vector<double>> times; // milliseconds per hardest rung
    int solved = 0, falseSteps = 0;
    std::vector<double> all;
    for (int i = 0; i < count; ++i) {
        Random random(first + static_cast<std::uint32_t>(i));
        const FieldValues solution = makeSolution(random);
        const Board puzzle = puzzleBoard(thinOutBySearch(solution, random));
        // Processor time of this process: the machine may be shared.
        const std::clock_t start = std::clock();
        const Grade grade = gradeBoard(puzzle);
        const double ms = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        times[grade.solved ? grade.hardest : Technique::Guess].push_back(ms);
        all.push_back(ms);
        if (grade.solved) ++solved;
        if (check && !stepsAreTrue(puzzle, puzzleBoard(solution).cellValue)) {
            ++falseSteps;
            std::printf("seed %u: a step contradicts the solution\n",
                        first + static_cast<std::uint32_t>(i));
        }
    }
    const auto quantile = [](std::vector<double> v, double q) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : v[static_cast<size_t>(q * static_cast<double>(v.size() - 1))];
    };
    std::printf("%d puzzles, seeds %u..%u\n", count, first,
                first + static_cast<std::uint32_t>(count) - 1);
    std::printf("%-22s %6s %7s %10s %10s\n", "hardest rung", "count", "share", "median ms",
                "p95 ms");
    for (const auto& [t, v] : times)
        std::printf("%-22s %6zu %6.1f%% %10.2f %10.2f\n", techniqueName(t).c_str(), v.size(),
                    100.0 * static_cast<double>(v.size()) / count, quantile(v, 0.5),
                    quantile(v, 0.95));
    std::printf("finished by the ladder: %d of %d (%.1f%%)\n", solved, count,
                100.0 * solved / count);
    std::printf("gradeBoard over all: median %.2f ms, p95 %.2f ms, max %.2f ms\n",
                quantile(all, 0.5), quantile(all, 0.95), quantile(all, 1.0));
    if (check) std::printf("puzzles with a false step: %d\n", falseSteps);
    return falseSteps == 0 ? 0 : 1;
}
