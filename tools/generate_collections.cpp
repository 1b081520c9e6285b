// Command-line generator of the four collection files (leicht.qnt .. extrem.qnt).
// Run by hand when the collections are to be rebuilt; see usage() for the options.
#include "engine/hint.h"
#include "play/hinttext.h"
#include "engine/search.h"
#include "files/record.h"
#include "tools/collections/generator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: generate_collections DIR     write the four collection files into DIR\n"
                 "       generate_collections --time  median time of one puzzle per level "
                 "(10 seeds)\n");
    return 2;
}

void printPuzzle(int level, int record, const CollectionPuzzle& p, double ms) {
    const SolverWork& w = p.work;
    // The technique ladder's grade beside the generator's own: hardest technique and steps.
    const Grade ladder = gradeBoard(puzzleBoard(p.clues));
    std::printf("%-10s record %d  seed %5u  tries %2d  givens %3d  passes %2d  rounds %2d  "
                "single-place %3d/%3d  grade %6.1f  ladder %s/%d  %8.1f ms\n",
                kDifficultyLevels[level].fileName, record, p.seed, p.tries, w.givens, w.passes,
                w.rounds, w.singlePlaceOnly, w.placements, w.grade,
                techniqueName(ladder.hardest).c_str(), ladder.steps, ms);
}

// Generates one puzzle and checks it with the engine's own solver.
bool makeChecked(int level, std::uint32_t seed, CollectionPuzzle& puzzle, double& ms) {
    auto start = std::chrono::steady_clock::now();
    puzzle = generatePuzzle(level, seed);
    ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const DifficultyLevel& band = kDifficultyLevels[level];
    if (puzzle.work.grade < band.minGrade || puzzle.work.grade >= band.maxGrade) {
        std::fprintf(stderr, "seed %u: grade %.1f outside the band of %s\n", seed,
                     puzzle.work.grade, band.fileName);
        return false;
    }
    if (!engineCompletes(puzzle.clues, puzzle.solution)) {
        std::fprintf(stderr, "seed %u: the engine's solver does not complete the puzzle\n", seed);
        return false;
    }
    // The complete search confirms that the rules' result is the puzzle's only completion.
    BoardArray only{};
    if (countSolutions(puzzleBoard(puzzle.clues), 2, &only) != 1 ||
        only != puzzleBoard(puzzle.solution).cellValue) {
        std::fprintf(stderr, "seed %u: the puzzle has no unique completion\n", seed);
        return false;
    }
    return true;
}

int writeCollections(const std::string& dir) {
    for (int level = 0; level < 4; ++level) {
        std::vector<std::uint8_t> file;
        for (int record = 0; record < kRecordCount; ++record) {
            CollectionPuzzle puzzle;
            double ms = 0;
            if (!makeChecked(level, collectionSeed(level, record), puzzle, ms)) return 1;
            printPuzzle(level, record, puzzle, ms);
            Board board = puzzleBoard(puzzle.clues);
            Random filler(puzzle.seed); // the filler too is reproducible
            BoardRecord bytes = encodeBoardRecord(board, filler);
            file.insert(file.end(), bytes.begin(), bytes.end());
        }
        std::string path = dir + "/" + kDifficultyLevels[level].fileName;
        std::FILE* out = std::fopen(path.c_str(), "wb");
        if (out == nullptr || std::fwrite(file.data(), 1, file.size(), out) != file.size() ||
            std::fclose(out) != 0) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}

int timeLevels() {
    for (int level = 0; level < 4; ++level) {
        std::vector<double> times;
        for (std::uint32_t seed = 1; seed <= 10; ++seed) {
            CollectionPuzzle puzzle;
            double ms = 0;
            makeChecked(level, 90000 + seed, puzzle, ms);
            printPuzzle(level, static_cast<int>(seed), puzzle, ms);
            times.push_back(ms);
        }
        std::sort(times.begin(), times.end());
        std::printf("%-10s median %.1f ms (10 seeds)\n\n", kDifficultyLevels[level].fileName,
                    (times[4] + times[5]) / 2);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) return usage();
    if (std::strcmp(argv[1], "--time") == 0) return timeLevels();
    if (argv[1][0] == '-') return usage();
    return writeCollections(argv[1]);
}
