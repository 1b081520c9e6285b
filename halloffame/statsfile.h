// The results of the player's games and their file codec ("Statistik.txt"): per level the
// games started, solved, solved without a hint, and the timed solves with their best and
// total time; the days with a solved puzzle of the day; the best times of the generated
// levels. Pure code: no Qt, no files; halloffame/statistics.cpp reads, merges and writes.
//
// The file is UTF-8 text, one record a line, fields separated by a tab:
//   Quintor-Statistik 1
//   Stufe     <level> <started> <solved> <without hint> <timed> <total time> <best time>
//   Tage      <first yyyymmdd> <last yyyymmdd>          (a run of days, one after the other)
//   Bestzeit  <generated level> <hh:mm:ss.s> <date> <name>
// Times of the Stufe lines are in tenths of a second (0: no timed solve). Levels are named
// by fixed words (kResultLevelKeys), not by their captions.
#pragma once

#include "engine/generate.h"
#include "halloffame/table.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kStatisticsVersion = 1;
constexpr int kBestTimeRanks = 10;
// The longest time the clock shows, in tenths of a second (99:59:59.9).
constexpr std::int64_t kLongestTenths = 100LL * 3600 * 10 - 1;

// The file's words for the results levels: the defined levels, then the generated ones.
inline constexpr std::array<const char*, kResultLevelCount> kResultLevelKeys{
    "leicht",          "mittel", "schwer",  "extrem",      "einsteiger",
    "fortgeschritten", "kenner", "meister", "grossmeister"};

struct LevelResults {
    std::int64_t started = 0;
    std::int64_t solved = 0;
    std::int64_t solvedWithoutHint = 0;
    std::int64_t timedSolved = 0;
    std::int64_t totalTenths = 0; // the timed solves' times added up
    std::int64_t bestTenths = 0;  // the best timed solve; 0 while there is none
    bool operator==(const LevelResults&) const = default;
};

// Consecutive calendar days, both ends included, as yyyymmdd.
struct DayRun {
    int first = 0, last = 0;
    bool operator==(const DayRun&) const = default;
};

using BestTimeList = std::vector<HallOfFameEntry>; // best first, at most kBestTimeRanks

struct Statistics {
    std::array<LevelResults, kResultLevelCount> levels{};
    // Days with a solved puzzle of the day: sorted, apart by at least one day without.
    std::vector<DayRun> dailyRuns;
    std::array<BestTimeList, kGeneratedLevelCount> bestTimes;
    bool operator==(const Statistics&) const = default;
};

// What the running game knows of the results, and of the file (halloffame/statistics.cpp).
struct StatisticsState {
    Statistics stats;              // the results as shown, this game's included
    Statistics onFile;             // the file as this game last read or wrote it, for the merge
    bool readOnly = false;         // the file is a newer game's: it is left alone
    bool lockProblemShown = false; // said once per run that the lock's name is taken
    bool failureShown = false;     // a failed write was reported and none succeeded since
};

enum class StatisticsRead {
    Intact,
    Damaged,       // some lines could not be read (or no statistics file at all); the rest is
    FutureVersion, // written by a newer game; nothing read
};

std::vector<unsigned char> encodeStatistics(const Statistics& stats);
// Reads a file image; what is readable lands in `stats` (emptied first).
StatisticsRead decodeStatistics(const std::vector<unsigned char>& bytes, Statistics& stats);

// Three-way merge, as the hall of fame merges: the file as it is now (`file`) gets what
// this game added (`mine` less `known`, the file as the game last read or wrote it).
// Counts and times are added, best times the smaller, days joined, best-time lists merged.
Statistics mergeStatistics(const Statistics& known, const Statistics& mine, const Statistics& file);

// A game of the level started / solved. `finishTime` is the clock's final time text
// (hh:mm:ss.s) of a timed game, empty for an untimed one; `dailyDate` (yyyymmdd) the
// puzzle-of-the-day date of the game, 0 for another puzzle.
void recordStart(Statistics& stats, int level);
void recordSolve(Statistics& stats, int level, bool hintUsed, const std::string& finishTime,
                 int dailyDate);

// The rank (1..kBestTimeRanks) a time takes in a list, below all equal times; 0 for none.
int bestTimeRank(const BestTimeList& list, const std::string& time);
// Puts an entry on its rank; the entry that falls off rank 10 is dropped.
void insertBestTime(BestTimeList& list, const HallOfFameEntry& entry);

// Days in a row with a solved puzzle of the day that end today, or yesterday while today's
// is still open; 0 when neither day has one. `today` as yyyymmdd.
int currentStreak(const std::vector<DayRun>& runs, int today);
int longestStreak(const std::vector<DayRun>& runs);
void addDailySolve(std::vector<DayRun>& runs, int date);

// Calendar helpers: a real date yyyymmdd (years 1000..9999), and the day number of one
// (consecutive days give consecutive numbers) and back.
bool isCalendarDate(int date);
int dayNumber(int date);
int dateOfDay(int day);

// A clock time text hh:mm:ss.s in tenths of a second (-1 when it is none), and back.
std::int64_t timeTenths(const std::string& time);
std::string tenthsText(std::int64_t tenths);
