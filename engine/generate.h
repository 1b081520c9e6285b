// The puzzle generator: a fresh solution of all 369 cells, givens taken out while the
// puzzle keeps exactly one completion, kept when the technique ladder grades it in the
// wanted level. Used by the generated games (run off the user-interface thread), the
// command-line tool and the generator benchmark. Pure C++.
#pragma once

#include "engine/board.h"
#include "engine/hint.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The generated levels, easiest first, by the hardest technique a puzzle needs.
enum class GeneratedLevel : std::uint8_t {
    Einsteiger,      // singles only
    Fortgeschritten, // locked candidates
    Kenner,          // pairs and triples
    Meister,         // fish, wings and quads
    Grossmeister,    // chains (skyscraper, kite, forcing chain) and colouring
};
constexpr int kGeneratedLevelCount = 5;

// The level's name as the difficulty panel and the tool show it.
struct GeneratedLevelInfo {
    const char* name;
};
inline constexpr std::array<GeneratedLevelInfo, kGeneratedLevelCount> kGeneratedLevels{{
    {"Einsteiger"},
    {"Fortgeschritten"},
    {"Kenner"},
    {"Meister"},
    {"Großmeister"},
}};
constexpr const GeneratedLevelInfo& generatedLevelInfo(GeneratedLevel level) {
    return kGeneratedLevels[static_cast<std::size_t>(level)];
}

// The level a technique belongs to; none for Guess (the ladder cannot finish the board).
std::optional<GeneratedLevel> levelOf(Technique t);
// True when some rung of the ladder belongs to the level, so puzzles of it can be made.
bool levelHasTechniques(GeneratedLevel level);

// Where the puzzle in play came from: a generated level (index into kGeneratedLevels; -1
// for a defined or own board) and, for a puzzle of the day, its date as yyyymmdd (else 0).
// Kept in the game state and in the game-in-progress file.
struct PuzzleOrigin {
    int level = -1;
    int dailyDate = 0;
    bool operator==(const PuzzleOrigin&) const = default;
};
// The name the difficulty panel and the printout show for the puzzle in play: the
// generated level's followed by one blank, or else the defined difficulty's (blanks
// included), UTF-8.
std::string difficultyNameOf(Difficulty difficulty, const PuzzleOrigin& origin);
// The levels whose results the statistics keep: the four defined levels (Difficulty), then
// the generated ones (GeneratedLevel).
constexpr int kResultLevelCount = 4 + kGeneratedLevelCount;

struct GeneratedPuzzle {
    BoardArray givens;   // the puzzle, both copies of every shared cell
    BoardArray solution; // its only completion
    Grade grade;
    GeneratedLevel level = GeneratedLevel::Einsteiger;
    int givenCount = 0; // distinct cells
    int attempts = 0;   // removal passes made before this one was kept
};

// Reported once per removal pass, from the thread that runs the generator.
struct GenerateProgress {
    int attempt = 0;    // counted from 1
    int givenCount = 0; // distinct givens the pass ended with
};
using GenerateProgressFn = std::function<void(const GenerateProgress&)>;

// The puzzle of the day: the same for every player on a calendar day, as it comes from the
// date alone. Its level rises through the week as a newspaper's puzzles do, Monday easiest
// and the weekend hardest; it is always point-symmetric.
struct DailyPuzzle {
    GeneratedLevel level = GeneratedLevel::Einsteiger;
    bool symmetric = true;
    std::uint32_t seed = 0;
};
// The date is yyyymmdd (the Gregorian calendar).
DailyPuzzle dailyPuzzle(int date);
// The day of the week of a yyyymmdd date, 0 Monday .. 6 Sunday.
int weekdayOf(int date);
// The removal passes a game waits for before it gives up on a level (the generator makes a
// puzzle of every level in a few dozen at most).
constexpr int kGenerateAttempts = 2000;

// One puzzle of the level, the same for a seed on every machine; point-symmetric under a
// half turn of the field when symmetric is true. Returns none once cancel reads true
// (looked at between two trial removals), after maxAttempts removal passes (0: no limit),
// and at once for a level that no technique of the ladder belongs to.
std::optional<GeneratedPuzzle> generatePuzzle(GeneratedLevel level, bool symmetric,
                                              std::uint32_t seed, const std::atomic<bool>& cancel,
                                              const GenerateProgressFn& progress = {},
                                              int maxAttempts = 0);
