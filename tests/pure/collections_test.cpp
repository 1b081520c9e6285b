// The shipped collection files and the generator that made them: record format, symmetry,
// solvability by the two rules (also after shuffles) and the grade order of the files.
#include "engine/rules.h"
#include "engine/shuffle.h"
#include "engine/solver.h"
#include "files/record.h"
#include "tools/collections/generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> readCollection(int level) {
    // Appended piece by piece: g++ 12 at -O2 warns falsely (-Warray-bounds) on a chain of
    // string concatenations that starts from a literal.
    std::string path = QUINTOR_DATA_DIR;
    path += '/';
    path += kDifficultyLevels[level].fileName;
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// True when a clue stands at a cell exactly when one stands at its half-turn image.
bool isPointSymmetric(const Board& b) {
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if ((b.givenValue(g, c, r) != 0) != (b.givenValue(4 - g, 10 - c, 10 - r) != 0))
                    return false;
    return true;
}

bool sharedCopiesAgree(const Board& b) {
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                int og, oc, orow;
                if (otherCopy(g, c, r, og, oc, orow) &&
                    (b.cellValue(g, c, r) != b.cellValue(og, oc, orow) ||
                     b.givenValue(g, c, r) != b.givenValue(og, oc, orow)))
                    return false;
            }
    return true;
}

// Every record of every shipped file, decoded, with the file's level.
struct ShippedPuzzle {
    int level, record;
    BoardRecord bytes;
    Board board;
};
const std::vector<ShippedPuzzle>& shippedPuzzles() {
    static const std::vector<ShippedPuzzle> puzzles = [] {
        std::vector<ShippedPuzzle> all;
        for (int level = 0; level < 4; ++level) {
            std::vector<std::uint8_t> file = readCollection(level);
            if (file.size() != static_cast<std::size_t>(kBoardFileSize)) continue;
            for (int record = 0; record < kRecordCount; ++record) {
                ShippedPuzzle p{level, record, {}, {}};
                std::copy_n(file.begin() + record * kRecordSize, kRecordSize, p.bytes.begin());
                decodeBoardRecord(p.bytes.data(), p.board);
                all.push_back(p);
            }
        }
        return all;
    }();
    return puzzles;
}

} // namespace

TEST(Collections, EachFileHoldsFourRecords) {
    for (int level = 0; level < 4; ++level)
        EXPECT_EQ(readCollection(level).size(), static_cast<std::size_t>(kBoardFileSize))
            << kDifficultyLevels[level].fileName;
    EXPECT_EQ(shippedPuzzles().size(), 16u);
}

TEST(Collections, RecordsHoldOnlyCluesInBothValueBlocks) {
    for (const ShippedPuzzle& p : shippedPuzzles()) {
        SCOPED_TRACE(std::string(kDifficultyLevels[p.level].fileName) + " record " +
                     std::to_string(p.record));
        EXPECT_EQ(checkBoardRecord(p.bytes.data()), RecordError::None);
        // cellValue and givenValue are the same image, index-0 bytes included (all 0).
        EXPECT_TRUE(std::equal(p.bytes.begin(), p.bytes.begin() + 500, p.bytes.begin() + 500));
        for (int g = 0; g <= 4; ++g)
            for (int k = 0; k <= 9; ++k) {
                EXPECT_EQ(p.board.givenValue(g, 0, k), 0);
                EXPECT_EQ(p.board.givenValue(g, k, 0), 0);
            }
        EXPECT_TRUE(std::all_of(p.bytes.begin() + 1000, p.bytes.begin() + 6000, [](std::uint8_t v) {
            return v == 0;
        })) << "no notes";
        EXPECT_TRUE(std::all_of(p.bytes.begin() + 6000, p.bytes.end(), [](std::uint8_t v) {
            return v >= 1 && v <= 9;
        })) << "filler 1..9";
        EXPECT_TRUE(sharedCopiesAgree(p.board));
        EXPECT_TRUE(isPointSymmetric(p.board));
        EXPECT_TRUE(isBoardValid(p.board));
    }
}

TEST(Collections, TheEnginesSolverCompletesEveryRecord) {
    for (const ShippedPuzzle& p : shippedPuzzles()) {
        SCOPED_TRACE(std::string(kDifficultyLevels[p.level].fileName) + " record " +
                     std::to_string(p.record));
        Board b = p.board;
        const int passes =
            runPassLoop(b, [&b](int c, int r, int v) { modelDrawCellValue(b, c, r, v); });
        EXPECT_LE(passes, kMaxSolverPasses);
        EXPECT_TRUE(isBoardComplete(b));
        EXPECT_TRUE(isBoardValid(b));
        // The chain of dependent placements is at most 15 long, so the solver finishes
        // within 15 passes in every orientation a shuffle can give the puzzle.
        EXPECT_TRUE(completesInEveryOrder(clueValues(p.board)));
    }
}

TEST(Collections, ShuffledRecordsStaySolvable) {
    for (const ShippedPuzzle& p : shippedPuzzles()) {
        for (std::uint32_t seed : {11u, 12u}) {
            Board b = p.board;
            b.options.symmetricPuzzle = seed % 2 == 0; // the free path too
            Random random(seed * 100 + p.level * 10 + p.record);
            shuffleBoard(b, random);
            EXPECT_FALSE(b.status.notSolvable) << kDifficultyLevels[p.level].fileName << " record "
                                               << p.record << " seed " << seed;
        }
    }
}

TEST(Collections, GradesGrowFromFileToFile) {
    std::array<double, 4> lowest{1e9, 1e9, 1e9, 1e9}, highest{-1, -1, -1, -1};
    std::array<int, 4> fewestGivens{999, 999, 999, 999}, mostGivens{0, 0, 0, 0};
    for (const ShippedPuzzle& p : shippedPuzzles()) {
        SolverWork work = analysePuzzle(clueValues(p.board));
        EXPECT_TRUE(work.completed);
        EXPECT_GE(work.grade, kDifficultyLevels[p.level].minGrade);
        EXPECT_LT(work.grade, kDifficultyLevels[p.level].maxGrade);
        lowest[p.level] = std::min(lowest[p.level], work.grade);
        highest[p.level] = std::max(highest[p.level], work.grade);
        fewestGivens[p.level] = std::min(fewestGivens[p.level], work.givens);
        mostGivens[p.level] = std::max(mostGivens[p.level], work.givens);
    }
    for (int level = 1; level < 4; ++level) {
        EXPECT_LT(highest[level - 1], lowest[level]) << kDifficultyLevels[level].fileName;
        EXPECT_GT(fewestGivens[level - 1], mostGivens[level]) << kDifficultyLevels[level].fileName;
    }
}

TEST(Generator, SolutionsAreCompleteFiveGridSudokus) {
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        Random random(seed);
        FieldValues solution = makeSolution(random);
        EXPECT_TRUE(isCompleteSolution(solution));
        Board b = puzzleBoard(solution);
        EXPECT_TRUE(isBoardValid(b));
        EXPECT_TRUE(isBoardComplete(b));
        EXPECT_TRUE(sharedCopiesAgree(b));
    }
    Random a(5), b(5), c(6);
    FieldValues first = makeSolution(a);
    EXPECT_EQ(first, makeSolution(b));
    EXPECT_NE(first, makeSolution(c));
}

TEST(Generator, PuzzlesAreReproducibleSymmetricAndInTheirBand) {
    struct Case {
        int level;
        std::uint32_t seed;
    } cases[] = {{0, 7}, {1, 8}, {2, 9}, {2, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.level) + " seed " + std::to_string(c.seed));
        CollectionPuzzle puzzle = generatePuzzle(c.level, c.seed);
        EXPECT_EQ(generatePuzzle(c.level, c.seed).clues, puzzle.clues);
        for (int f : fieldCells())
            if (puzzle.clues[f] != 0) {
                ASSERT_EQ(puzzle.clues[f], puzzle.solution[f]);
            }
        Board b = puzzleBoard(puzzle.clues);
        EXPECT_TRUE(isPointSymmetric(b));
        EXPECT_GE(puzzle.work.grade, kDifficultyLevels[c.level].minGrade);
        EXPECT_LT(puzzle.work.grade, kDifficultyLevels[c.level].maxGrade);
        EXPECT_GE(puzzle.work.givens, kDifficultyLevels[c.level].minGivens);
        EXPECT_TRUE(engineCompletes(puzzle.clues, puzzle.solution));
    }
}

TEST(Generator, RemovalStopsOnlyWhereEveryFurtherPairIsNeeded) {
    Random random(21);
    FieldValues solution = makeSolution(random);
    FieldValues clues = removeClues(solution, random, 0);
    ASSERT_TRUE(completesInEveryOrder(clues));
    int needed = 0;
    for (const std::vector<int>& orbit : symmetricOrbits()) {
        if (clues[orbit[0]] == 0) continue;
        FieldValues fewer = clues;
        for (int f : orbit) fewer[f] = 0;
        EXPECT_FALSE(completesInEveryOrder(fewer));
        ++needed;
    }
    EXPECT_GT(needed, 0);

    // The search for fewer givens never adds any and keeps the puzzle solvable.
    FieldValues reduced = reduceClues(solution, clues, random, 20);
    EXPECT_TRUE(completesInEveryOrder(reduced));
    EXPECT_LE(analysePuzzle(reduced).givens, analysePuzzle(clues).givens);
    EXPECT_TRUE(isPointSymmetric(puzzleBoard(reduced)));
}

TEST(Generator, FastSolverCopyAgreesWithTheEngine) {
    // A minimal puzzle, and the same with one more pair taken out (no longer completed
    // in general): the fast copy and the engine must agree on passes and outcome.
    Random random(33);
    FieldValues solution = makeSolution(random);
    FieldValues clues = removeClues(solution, random, 0);
    std::vector<FieldValues> boards{clues};
    for (const std::vector<int>& orbit : symmetricOrbits()) {
        if (clues[orbit[0]] == 0) continue;
        FieldValues fewer = clues;
        for (int f : orbit) fewer[f] = 0;
        boards.push_back(fewer);
        if (boards.size() == 4) break;
    }
    for (const FieldValues& values : boards) {
        SolverWork work = analysePuzzle(values);
        Board b = puzzleBoard(values);
        const int passes = runPassLoop(b, [&b](int, int, int) { b.status.solverProgress = true; });
        EXPECT_EQ(work.passes, passes);
        EXPECT_EQ(work.completed, isBoardComplete(b));
        EXPECT_EQ(completesWithinPassLimit(values), isBoardComplete(b));
        EXPECT_EQ(
            work.placements, 369 - work.givens - [&b] {
                clearSharedMirrors(b);
                int empty = 0;
                for (int g = 0; g <= 4; ++g)
                    for (int c = 1; c <= 9; ++c)
                        for (int r = 1; r <= 9; ++r) empty += b.cellValue(g, c, r) == 0;
                syncSharedBoxes(b);
                return empty - 36; // the cleared mirror cells
            }());
    }
}
