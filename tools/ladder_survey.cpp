// How far the technique ladder gets on puzzles thinned out by the complete search: for each
// seed a random solution loses givens in random order while the search keeps it unique,
// then gradeBoard grades it. Prints the share of puzzles by the hardest rung they need, the
// share finished, and the grading time per hardest rung (median and 95th percentile, in
// processor time).
// With --check every step of the hints is also checked against the solution.
// With --records DIR the puzzles are instead the records of the four collection files in
// DIR, each as stored and in COUNT shuffles (the game's own, seeded 1, 2, ...).
//   ladder_survey [COUNT [FIRST_SEED]] [--check] [--records DIR]
#include "engine/hint.h"
#include "engine/search.h"
#include "engine/shuffle.h"
#include "files/record.h"
#include "play/hinttext.h"
#include "tools/collections/generator.h"

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
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

// The records of the collection files in dir, in file order; none of a missing file.
std::vector<Board> storedRecords(const std::string& dir) {
    std::vector<Board> boards;
    for (const DifficultyLevel& level : kDifficultyLevels) {
        std::ifstream in(dir + "/" + level.fileName, std::ios::binary);
        const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in),
                                             std::istreambuf_iterator<char>()};
        if (file.size() != static_cast<std::size_t>(kBoardFileSize)) continue;
        for (int record = 0; record < kRecordCount; ++record) {
            Board b;
            decodeBoardRecord(file.data() + record * kRecordSize, b);
            boards.push_back(b);
        }
    }
    return boards;
}

} // namespace

int main(int argc, char** argv) {
    int count = 1000;
    std::uint32_t first = 1;
    bool check = false;
    const char* records = nullptr;
    std::vector<const char*> numbers;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0)
            check = true;
        else if (std::strcmp(argv[i], "--records") == 0 && i + 1 < argc)
            records = argv[++i];
        else
            numbers.push_back(argv[i]);
    }
    if (numbers.size() > 0) count = std::atoi(numbers[0]);
    if (numbers.size() > 1) first = static_cast<std::uint32_t>(std::atol(numbers[1]));

    std::map<Technique, std::vector<double>> times; // milliseconds per hardest rung
    int total = 0, solved = 0, falseSteps = 0;
    std::vector<double> all;
    const auto survey = [&](const Board& puzzle, const BoardArray& solution, const char* what,
                            std::uint32_t number) {
        ++total;
        // Processor time of this process: the machine may be shared.
        const std::clock_t start = std::clock();
        const Grade grade = gradeBoard(puzzle);
        const double ms = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        times[grade.solved ? grade.hardest : Technique::Guess].push_back(ms);
        all.push_back(ms);
        if (grade.solved) ++solved;
        if (check && !stepsAreTrue(puzzle, solution)) {
            ++falseSteps;
            std::printf("%s %u: a step contradicts the solution\n", what, number);
        }
    };
    if (records) {
        const std::vector<Board> stored = storedRecords(records);
        for (std::size_t r = 0; r < stored.size(); ++r) {
            for (int shuffle = 0; shuffle <= count; ++shuffle) {
                Board puzzle = stored[r];
                if (shuffle > 0) {
                    Random random(static_cast<std::uint32_t>(shuffle));
                    shuffleBoard(puzzle, random);
                }
                BoardArray solution{};
                if (countSolutions(puzzle, 2, &solution) != 1)
                    std::printf("record %zu, shuffle %d: not one solution\n", r, shuffle);
                survey(puzzle, solution, "record", static_cast<std::uint32_t>(r));
            }
        }
        std::printf("%zu stored records, each as stored and in %d shuffles\n", stored.size(),
                    count);
    } else {
        for (int i = 0; i < count; ++i) {
            const std::uint32_t seed = first + static_cast<std::uint32_t>(i);
            Random random(seed);
            const FieldValues solution = makeSolution(random);
            survey(puzzleBoard(thinOutBySearch(solution, random)), puzzleBoard(solution).cellValue,
                   "seed", seed);
        }
        std::printf("%d puzzles, seeds %u..%u\n", count, first,
                    first + static_cast<std::uint32_t>(count) - 1);
    }
    const auto quantile = [](std::vector<double> v, double q) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : v[static_cast<size_t>(q * static_cast<double>(v.size() - 1))];
    };
    std::printf("%-22s %6s %7s %10s %10s\n", "hardest rung", "count", "share", "median ms",
                "p95 ms");
    // Rungs of one name (the hidden singles, the two kinds of locked candidates) in one line.
    for (auto at = times.begin(); at != times.end();) {
        const std::string name = techniqueName(at->first);
        std::vector<double> v;
        for (; at != times.end() && techniqueName(at->first) == name; ++at)
            v.insert(v.end(), at->second.begin(), at->second.end());
        std::printf("%-22s %6zu %6.1f%% %10.2f %10.2f\n", name.c_str(), v.size(),
                    100.0 * static_cast<double>(v.size()) / total, quantile(v, 0.5),
                    quantile(v, 0.95));
    }
    std::printf("finished by the ladder: %d of %d (%.1f%%)\n", solved, total,
                100.0 * solved / total);
    std::printf("gradeBoard over all: median %.2f ms, p95 %.2f ms, max %.2f ms\n",
                quantile(all, 0.5), quantile(all, 0.95), quantile(all, 1.0));
    if (check) std::printf("puzzles with a false step: %d\n", falseSteps);
    return falseSteps == 0 ? 0 : 1;
}
