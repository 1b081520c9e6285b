// The puzzle generator: reproducible by seed, every puzzle unique, symmetric when asked and
// graded in its level, and a cancelled run stops.
#include "engine/generate.h"
#include "play/hinttext.h"
#include "engine/rules.h"
#include "engine/search.h"
#include "support_pure/puzzles.h"

#include <gtest/gtest.h>

namespace {
Board boardOf(const BoardArray& values) {
    Board b;
    b.cellValue = b.givenValue = values;
    return b;
}
} // namespace

TEST(Generate, ASeedGivesTheSamePuzzle) {
    const std::atomic<bool> cancel{false};
    const auto first = generatePuzzle(GeneratedLevel::Kenner, true, 11, cancel);
    const auto again = generatePuzzle(GeneratedLevel::Kenner, true, 11, cancel);
    const auto other = generatePuzzle(GeneratedLevel::Kenner, true, 12, cancel);
    ASSERT_TRUE(first && again && other);
    EXPECT_EQ(first->givens, again->givens);
    EXPECT_EQ(first->solution, again->solution);
    EXPECT_NE(first->solution, other->solution);
}

TEST(Generate, PuzzlesAreUniqueSymmetricWhenAskedAndInTheirLevel) {
    struct Case {
        GeneratedLevel level;
        bool symmetric;
        std::uint32_t seed;
    };
    const Case cases[] = {
        {GeneratedLevel::Einsteiger, true, 1},      {GeneratedLevel::Einsteiger, false, 2},
        {GeneratedLevel::Fortgeschritten, true, 3}, {GeneratedLevel::Fortgeschritten, false, 4},
        {GeneratedLevel::Kenner, true, 5},          {GeneratedLevel::Kenner, false, 6},
        {GeneratedLevel::Meister, true, 5},         {GeneratedLevel::Meister, false, 20},
        {GeneratedLevel::Grossmeister, true, 7},    {GeneratedLevel::Grossmeister, false, 8},
    };
    const std::atomic<bool> cancel{false};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(generatedLevelInfo(c.level).name) +
                     (c.symmetric ? " symmetric" : " free") + " seed " + std::to_string(c.seed));
        const std::optional<GeneratedPuzzle> p =
            generatePuzzle(c.level, c.symmetric, c.seed, cancel);
        ASSERT_TRUE(p);
        const Board puzzle = boardOf(p->givens);
        Board solved = boardOf(p->solution);
        EXPECT_TRUE(isBoardValid(solved));
        EXPECT_TRUE(isBoardComplete(solved));
        BoardArray completion;
        EXPECT_EQ(countSolutions(puzzle, 2, &completion), 1);
        EXPECT_EQ(completion, p->solution);

        int givens = 0, asymmetric = 0;
        for (auto [X, Y] : puzzles::fieldCells()) {
            const int v = puzzles::fieldValue(puzzle, X, Y);
            givens += v != 0;
            if (v != 0) {
                EXPECT_EQ(v, puzzles::fieldValue(solved, X, Y));
            }
            asymmetric += (v == 0) != (puzzles::fieldValue(puzzle, 22 - X, 22 - Y) == 0);
        }
        Board synced = puzzle;
        syncSharedBoxes(synced);
        EXPECT_EQ(synced.cellValue, puzzle.cellValue) << "shared copies differ";
        EXPECT_EQ(givens, p->givenCount);
        if (c.symmetric) {
            EXPECT_EQ(asymmetric, 0);
        }

        const Grade grade = gradeBoard(puzzle);
        EXPECT_TRUE(grade.solved);
        EXPECT_EQ(levelOf(grade.hardest), c.level) << techniqueName(grade.hardest);
        EXPECT_EQ(p->level, c.level);
    }
}

TEST(Generate, CancellationStopsIt) {
    // Set before the start: nothing is made. Set by the progress report of the first pass
    // (as the game's cancel button would be meanwhile): the run ends after that pass.
    const std::atomic<bool> cancelled{true};
    int reports = 0;
    EXPECT_FALSE(generatePuzzle(GeneratedLevel::Kenner, true, 1, cancelled,
                                [&](const GenerateProgress&) { ++reports; }));
    EXPECT_EQ(reports, 0);

    std::atomic<bool> cancel{false};
    GenerateProgress last;
    EXPECT_FALSE(
        generatePuzzle(GeneratedLevel::Einsteiger, true, 1, cancel, [&](const GenerateProgress& p) {
            ++reports;
            last = p;
            cancel = true;
        }));
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(last.attempt, 1);
    EXPECT_GT(last.givenCount, 0);
}

TEST(Generate, ThePuzzleOfTheDayComesFromTheDateAndRisesThroughTheWeek) {
    // Known weekdays, leap days and turns of a century included.
    const std::pair<int, int> weekdays[] = {{19700101, 3}, {20000229, 1}, {20240101, 0},
                                            {20261210, 3}, {21000228, 6}, {21000301, 0},
                                            {16000301, 2}};
    for (auto [date, weekday] : weekdays) EXPECT_EQ(weekdayOf(date), weekday) << date;

    // Monday 7 to Sunday 13 December 2026: easiest first, never easier the next day.
    int previous = -1;
    for (int date = 20261207; date <= 20261213; ++date) {
        const DailyPuzzle day = dailyPuzzle(date);
        EXPECT_GE(static_cast<int>(day.level), previous) << date;
        previous = static_cast<int>(day.level);
        EXPECT_TRUE(day.symmetric);
        EXPECT_NE(day.seed, dailyPuzzle(date + 7).seed) << "the same weekday of the next week";
    }
    EXPECT_EQ(dailyPuzzle(20261207).level, GeneratedLevel::Einsteiger);
    EXPECT_EQ(dailyPuzzle(20261213).level, GeneratedLevel::Grossmeister);
    // Every player gets this seed for that day, with every build: a change would give them
    // another puzzle of the day than players of an older version.
    EXPECT_EQ(dailyPuzzle(20261210).seed, 2621308388u);
}
