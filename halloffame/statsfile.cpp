// The codec of "Statistik.txt", the merge of two games' results and the recording of one
// game; used by halloffame/statistics.cpp, the tests and the fuzz target.
#include "halloffame/statsfile.h"

#include <algorithm>
#include <charconv>

static_assert(kGeneratedLevelCount == 5, "kResultLevelKeys names the five generated levels");

namespace {

const std::string kHeader = "Quintor-Statistik ";
// Counts beyond this are no counts of games played by hand (and cannot overflow a sum).
constexpr std::int64_t kLargestCount = 1'000'000'000'000LL;

std::vector<std::string> splitLines(const std::vector<unsigned char>& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (const unsigned char b : bytes) {
        if (b == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line += static_cast<char>(b);
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (const char ch : line) {
        if (ch == '\t')
            fields.emplace_back();
        else
            fields.back() += ch;
    }
    return fields;
}

// A whole number of decimal digits only, at most kLargestCount.
bool readCount(const std::string& text, std::int64_t& value) {
    if (text.empty() || text.size() > 13) return false;
    for (const char ch : text)
        if (ch < '0' || ch > '9') return false;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value <= kLargestCount;
}

bool readDate(const std::string& text, int& date) {
    std::int64_t value = 0;
    if (text.size() != 8 || !readCount(text, value)) return false;
    date = static_cast<int>(value);
    return isCalendarDate(date);
}

int levelOfKey(const std::string& key) {
    for (int level = 0; level < kResultLevelCount; ++level)
        if (key == kResultLevelKeys[static_cast<std::size_t>(level)]) return level;
    return -1;
}

// A name or date as the file holds it: valid UTF-8 without tabs or line breaks, cut to
// kHallOfFameFieldLength bytes at a character's start.
std::string fieldText(const std::string& text, bool& damaged) {
    std::string clean = cleanUtf8(text, damaged);
    if (clean.size() > kHallOfFameFieldLength) {
        damaged = true;
        std::size_t end = kHallOfFameFieldLength;
        while (end > 0 && (static_cast<unsigned char>(clean[end]) & 0xC0) == 0x80) --end;
        clean.resize(end);
    }
    return clean;
}

bool consistent(const LevelResults& r) {
    if (r.solvedWithoutHint > r.solved || r.timedSolved > r.solved) return false;
    if (r.timedSolved == 0) return r.totalTenths == 0 && r.bestTenths == 0;
    return r.bestTenths > 0 && r.bestTenths <= kLongestTenths && r.bestTenths <= r.totalTenths &&
           r.totalTenths <= r.timedSolved * kLongestTenths;
}

void addRun(std::vector<DayRun>& runs, DayRun run) {
    int first = dayNumber(run.first), last = dayNumber(run.last);
    std::vector<DayRun> kept;
    for (const DayRun& r : runs) {
        const int a = dayNumber(r.first), b = dayNumber(r.last);
        if (b + 1 < first || a > last + 1) {
            kept.push_back(r);
            continue;
        }
        first = std::min(first, a); // touching or overlapping: one run
        last = std::max(last, b);
    }
    kept.push_back({dateOfDay(first), dateOfDay(last)});
    std::sort(kept.begin(), kept.end(),
              [](const DayRun& x, const DayRun& y) { return x.first < y.first; });
    runs = std::move(kept);
}

void line(std::vector<unsigned char>& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out.push_back('\t');
        out.insert(out.end(), fields[i].begin(), fields[i].end());
    }
    out.push_back('\n');
}

} // namespace

bool isCalendarDate(int date) {
    const int year = date / 10000, month = date / 100 % 100, day = date % 100;
    if (year < 1000 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    static constexpr int length[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= length[month - 1] + (month == 2 && leap ? 1 : 0);
}

// Days since 1 March of year 0 in the proleptic Gregorian calendar (a year counted from
// March puts the leap day at its end).
int dayNumber(int date) {
    int year = date / 10000;
    const int month = date / 100 % 100, day = date % 100;
    if (month <= 2) --year;
    const int era = year / 400, yearOfEra = year % 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
}

int dateOfDay(int day) {
    const int era = day / 146097, dayOfEra = day % 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int shifted = (5 * dayOfYear + 2) / 153;
    const int dayOfMonth = dayOfYear - (153 * shifted + 2) / 5 + 1;
    const int month = shifted < 10 ? shifted + 3 : shifted - 9;
    const int year = era * 400 + yearOfEra + (month <= 2 ? 1 : 0);
    return year * 10000 + month * 100 + dayOfMonth;
}

std::int64_t timeTenths(const std::string& time) {
    if (!isTimeText(time)) return -1;
    const auto digits = [&time](int at) { return (time[at] - '0') * 10 + (time[at + 1] - '0'); };
    const int minutes = digits(3), seconds = digits(6);
    if (minutes > 59 || seconds > 59) return -1;
    return ((digits(0) * 60LL + minutes) * 60 + seconds) * 10 + (time[9] - '0');
}

std::string tenthsText(std::int64_t tenths) {
    tenths = std::clamp<std::int64_t>(tenths, 0, kLongestTenths);
    const auto two = [](std::int64_t v) {
        return std::string{static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
    };
    const std::int64_t seconds = tenths / 10;
    return two(seconds / 3600) + ":" + two(seconds / 60 % 60) + ":" + two(seconds % 60) + "." +
           static_cast<char>('0' + tenths % 10);
}

void addDailySolve(std::vector<DayRun>& runs, int date) {
    if (isCalendarDate(date)) addRun(runs, {date, date});
}

int currentStreak(const std::vector<DayRun>& runs, int today) {
    if (!isCalendarDate(today)) return 0;
    const int day = dayNumber(today);
    for (const DayRun& r : runs) {
        const int first = dayNumber(r.first), last = dayNumber(r.last);
        // A run reaching past today (a clock set back) counts up to today.
        if (first <= day && last >= day - 1) return std::min(last, day) - first + 1;
    }
    return 0;
}

int longestStreak(const std::vector<DayRun>& runs) {
    int longest = 0;
    for (const DayRun& r : runs)
        longest = std::max(longest, dayNumber(r.last) - dayNumber(r.first) + 1);
    return longest;
}

int bestTimeRank(const BestTimeList& list, const std::string& time) {
    if (timeTenths(time) < 0) return 0;
    int rank = 1;
    for (const HallOfFameEntry& e : list) {
        if (timeIsBetter(time, e.time)) break;
        ++rank;
    }
    return rank <= kBestTimeRanks ? rank : 0;
}

void insertBestTime(BestTimeList& list, const HallOfFameEntry& entry) {
    const int rank = bestTimeRank(list, entry.time);
    if (rank == 0) return;
    list.insert(list.begin() + (rank - 1), entry);
    if (list.size() > kBestTimeRanks) list.resize(kBestTimeRanks);
}

void recordStart(Statistics& stats, int level) {
    if (level < 0 || level >= kResultLevelCount) return;
    ++stats.levels[static_cast<std::size_t>(level)].started;
}

void recordSolve(Statistics& stats, int level, bool hintUsed, const std::string& finishTime,
                 int dailyDate) {
    if (level < 0 || level >= kResultLevelCount) return;
    LevelResults& r = stats.levels[static_cast<std::size_t>(level)];
    ++r.solved;
    if (!hintUsed) ++r.solvedWithoutHint;
    const std::int64_t tenths = timeTenths(finishTime);
    if (tenths > 0) {
        ++r.timedSolved;
        r.totalTenths += tenths;
        r.bestTenths = r.bestTenths == 0 ? tenths : std::min(r.bestTenths, tenths);
    }
    if (dailyDate != 0) addDailySolve(stats.dailyRuns, dailyDate);
}

std::vector<unsigned char> encodeStatistics(const Statistics& stats) {
    std::vector<unsigned char> out;
    line(out, {kHeader + std::to_string(kStatisticsVersion)});
    for (int level = 0; level < kResultLevelCount; ++level) {
        const LevelResults& r = stats.levels[static_cast<std::size_t>(level)];
        line(out, {"Stufe", kResultLevelKeys[static_cast<std::size_t>(level)],
                   std::to_string(r.started), std::to_string(r.solved),
                   std::to_string(r.solvedWithoutHint), std::to_string(r.timedSolved),
                   std::to_string(r.totalTenths), std::to_string(r.bestTenths)});
    }
    for (const DayRun& run : stats.dailyRuns)
        line(out, {"Tage", std::to_string(run.first), std::to_string(run.last)});
    for (int level = 0; level < kGeneratedLevelCount; ++level)
        for (const HallOfFameEntry& e : stats.bestTimes[static_cast<std::size_t>(level)]) {
            bool cut = false;
            line(out, {"Bestzeit", kResultLevelKeys[static_cast<std::size_t>(4 + level)], e.time,
                       fieldText(e.date, cut), fieldText(e.name, cut)});
        }
    return out;
}

StatisticsRead decodeStatistics(const std::vector<unsigned char>& bytes, Statistics& stats) {
    stats = {};
    const std::vector<std::string> lines = splitLines(bytes);
    if (lines.empty() || lines[0].rfind(kHeader, 0) != 0) return StatisticsRead::Damaged;
    std::int64_t version = 0;
    if (!readCount(lines[0].substr(kHeader.size()), version) || version == 0)
        return StatisticsRead::Damaged;
    if (version > kStatisticsVersion) return StatisticsRead::FutureVersion;

    bool damaged = false;
    std::array<bool, kResultLevelCount> seen{};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> f = splitFields(lines[i]);
        if (f[0] == "Stufe" && f.size() == 8) {
            const int level = levelOfKey(f[1]);
            LevelResults r;
            if (level >= 0 && !seen[static_cast<std::size_t>(level)] &&
                readCount(f[2], r.started) && readCount(f[3], r.solved) &&
                readCount(f[4], r.solvedWithoutHint) && readCount(f[5], r.timedSolved) &&
                readCount(f[6], r.totalTenths) && readCount(f[7], r.bestTenths) && consistent(r)) {
                seen[static_cast<std::size_t>(level)] = true;
                stats.levels[static_cast<std::size_t>(level)] = r;
                continue;
            }
        } else if (f[0] == "Tage" && f.size() == 3) {
            DayRun run;
            if (readDate(f[1], run.first) && readDate(f[2], run.last) && run.first <= run.last) {
                // Runs that touch or overlap are one run; the file should not hold such.
                const std::size_t before = stats.dailyRuns.size();
                addRun(stats.dailyRuns, run);
                if (stats.dailyRuns.size() != before + 1) damaged = true;
                continue;
            }
        } else if (f[0] == "Bestzeit" && f.size() == 5) {
            const int level = levelOfKey(f[1]) - 4;
            if (level >= 0 && timeTenths(f[2]) > 0) {
                BestTimeList& list = stats.bestTimes[static_cast<std::size_t>(level)];
                const HallOfFameEntry e{fieldText(f[4], damaged), fieldText(f[3], damaged), f[2]};
                if (!list.empty() && timeIsBetter(e.time, list.back().time)) damaged = true;
                const std::size_t before = list.size();
                insertBestTime(list, e);
                if (list.size() == before) damaged = true; // an eleventh entry
                continue;
            }
        } else if (lines[i].empty()) {
            continue;
        }
        damaged = true;
    }
    return damaged ? StatisticsRead::Damaged : StatisticsRead::Intact;
}

Statistics mergeStatistics(const Statistics& known, const Statistics& mine,
                           const Statistics& file) {
    Statistics merged;
    for (std::size_t level = 0; level < kResultLevelCount; ++level) {
        const LevelResults &k = known.levels[level], &m = mine.levels[level],
                           &f = file.levels[level];
        LevelResults& r = merged.levels[level];
        const auto add = [](std::int64_t fileValue, std::int64_t mineValue,
                            std::int64_t knownValue) {
            return std::clamp<std::int64_t>(fileValue + mineValue - knownValue, 0, kLargestCount);
        };
        r.started = add(f.started, m.started, k.started);
        r.solved = add(f.solved, m.solved, k.solved);
        r.solvedWithoutHint =
            std::min(r.solved, add(f.solvedWithoutHint, m.solvedWithoutHint, k.solvedWithoutHint));
        r.timedSolved = std::min(r.solved, add(f.timedSolved, m.timedSolved, k.timedSolved));
        r.totalTenths = add(f.totalTenths, m.totalTenths, k.totalTenths);
        for (const std::int64_t best : {f.bestTenths, m.bestTenths})
            if (best > 0) r.bestTenths = r.bestTenths == 0 ? best : std::min(r.bestTenths, best);
        if (!consistent(r)) { // a file replaced by a much smaller one: keep the larger side
            r = f.solved >= m.solved ? f : m;
        }
    }
    merged.dailyRuns = file.dailyRuns;
    for (const DayRun& run : mine.dailyRuns) addRun(merged.dailyRuns, run);
    for (std::size_t level = 0; level < kGeneratedLevelCount; ++level)
        merged.bestTimes[level] =
            mergeRankList(known.bestTimes[level], mine.bestTimes[level], file.bestTimes[level]);
    return merged;
}
