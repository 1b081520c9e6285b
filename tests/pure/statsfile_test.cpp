// The statistics file: recording and its round trip, damaged and newer files, the merge of
// two games writing one after the other, and the streaks of days across months and gaps.
#include "halloffame/statsfile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::vector<unsigned char> bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

std::string text(const std::vector<unsigned char>& image) {
    return {image.begin(), image.end()};
}

constexpr int kKenner = 4 + static_cast<int>(GeneratedLevel::Kenner);

} // namespace

TEST(StatisticsFile, RecordedGamesRoundTripAsText) {
    Statistics s;
    recordStart(s, 0);
    recordStart(s, 0);
    recordStart(s, 0);
    recordSolve(s, 0, false, "00:10:00.5", 0);
    recordSolve(s, 0, true, "00:08:00.0", 0); // timed, but with a hint
    recordSolve(s, 0, false, "", 0);          // untimed
    recordStart(s, kKenner);
    recordSolve(s, kKenner, false, "01:00:00.0", 20261210);
    recordSolve(s, kKenner, false, "", 20261209);
    insertBestTime(s.bestTimes[2], {"Anna\tMüller", "10.12.2026", "01:00:00.0"});
    const LevelResults& leicht = s.levels[0];
    EXPECT_EQ(leicht.started, 3);
    EXPECT_EQ(leicht.solved, 3);
    EXPECT_EQ(leicht.solvedWithoutHint, 2);
    EXPECT_EQ(leicht.timedSolved, 2);
    EXPECT_EQ(leicht.bestTenths, 4800);
    EXPECT_EQ(leicht.totalTenths, 6005 + 4800);
    EXPECT_EQ(s.dailyRuns, (std::vector<DayRun>{{20261209, 20261210}}));

    const std::string file = text(encodeStatistics(s));
    EXPECT_EQ(file.rfind("Quintor-Statistik 1\nStufe\tleicht\t3\t3\t2\t2\t10805\t4800\n", 0), 0u);
    EXPECT_NE(file.find("\nStufe\tkenner\t1\t2\t2\t1\t36000\t36000\n"), std::string::npos);
    EXPECT_NE(file.find("\nTage\t20261209\t20261210\n"), std::string::npos);
    // A tab in a name would split the line: it is written as "?".
    EXPECT_NE(file.find("\nBestzeit\tkenner\t01:00:00.0\t10.12.2026\tAnna?Müller\n"),
              std::string::npos);
    Statistics read;
    ASSERT_EQ(decodeStatistics(bytes(file), read), StatisticsRead::Intact);
    s.bestTimes[2][0].name = "Anna?Müller";
    EXPECT_EQ(read, s);
    EXPECT_EQ(tenthsText(timeTenths("12:34:56.7")), "12:34:56.7");
    EXPECT_EQ(timeTenths("00:60:00.0"), -1);
}

TEST(StatisticsFile, DamagedLinesAreLeftOutAndNewerFilesReadNothing) {
    const std::string good = "Quintor-Statistik 1\r\nStufe\tmittel\t4\t2\t1\t1\t900\t900\r\n";
    struct Case {
        const char* what;
        std::string file;
        StatisticsRead expected;
        std::int64_t mittelStarted; // 0: the line was not read
    } cases[] = {
        {"intact with CR LF", good, StatisticsRead::Intact, 4},
        {"a newer version", "Quintor-Statistik 2\nStufe\tmittel\t4\t2\t1\t1\t900\t900\n",
         StatisticsRead::FutureVersion, 0},
        {"no header", "Stufe\tmittel\t4\t2\t1\t1\t900\t900\n", StatisticsRead::Damaged, 0},
        {"empty", "", StatisticsRead::Damaged, 0},
        {"unknown line", good + "Mehr\t1\n", StatisticsRead::Damaged, 4},
        {"unknown level", good + "Stufe\tgott\t1\t1\t1\t1\t9\t9\n", StatisticsRead::Damaged, 4},
        {"second line of a level", good + "Stufe\tmittel\t9\t0\t0\t0\t0\t0\n",
         StatisticsRead::Damaged, 4},
        {"more solved without hint than solved",
         "Quintor-Statistik 1\nStufe\tmittel\t4\t2\t3\t1\t900\t900\n", StatisticsRead::Damaged, 0},
        {"timed without a best time", "Quintor-Statistik 1\nStufe\tmittel\t4\t2\t1\t1\t900\t0\n",
         StatisticsRead::Damaged, 0},
        {"a negative count", "Quintor-Statistik 1\nStufe\tmittel\t-4\t2\t1\t1\t900\t900\n",
         StatisticsRead::Damaged, 0},
        {"a huge count",
         "Quintor-Statistik 1\nStufe\tmittel\t99999999999999999999\t2\t1\t1\t900\t900\n",
         StatisticsRead::Damaged, 0},
        {"no such day", good + "Tage\t20260229\t20260301\n", StatisticsRead::Damaged, 4},
        {"runs that touch", good + "Tage\t20260101\t20260102\nTage\t20260103\t20260103\n",
         StatisticsRead::Damaged, 4},
        {"best time of a defined level", good + "Bestzeit\tleicht\t00:01:00.0\tx\ty\n",
         StatisticsRead::Damaged, 4},
        {"best times out of order",
         good + "Bestzeit\tmeister\t00:02:00.0\td\ta\nBestzeit\tmeister\t00:01:00.0\td\tb\n",
         StatisticsRead::Damaged, 4},
        {"a name that is no UTF-8", good + "Bestzeit\tmeister\t00:02:00.0\td\t\xff\n",
         StatisticsRead::Damaged, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Statistics s;
        s.levels[1].started = 77; // reading empties what was there
        EXPECT_EQ(decodeStatistics(bytes(c.file), s), c.expected);
        EXPECT_EQ(s.levels[1].started, c.mittelStarted);
    }
    // Eleven best times keep the ten best; the order of the lines does not matter beyond that.
    std::string eleven = "Quintor-Statistik 1\n";
    for (int i = 10; i >= 0; --i)
        eleven +=
            "Bestzeit\tmeister\t" + tenthsText(600 * i + 600) + "\td\tn" + std::to_string(i) + "\n";
    Statistics s;
    EXPECT_EQ(decodeStatistics(bytes(eleven), s), StatisticsRead::Damaged);
    ASSERT_EQ(s.bestTimes[3].size(), 10u);
    EXPECT_EQ(s.bestTimes[3].front().name, "n0");
    EXPECT_EQ(s.bestTimes[3].back().name, "n9"); // the worst time falls off
}

TEST(StatisticsFile, TwoGamesWritingOneAfterTheOtherLoseNoResult) {
    // Both games read the same file at start.
    Statistics start;
    recordStart(start, 2);
    recordSolve(start, 2, false, "00:20:00.0", 20261201);
    insertBestTime(start.bestTimes[0], {"Alt", "01.12.2026", "00:05:00.0"});

    Statistics first = start, second = start;
    recordStart(first, 2);
    recordSolve(first, 2, true, "00:15:00.0", 20261202);
    insertBestTime(first.bestTimes[0], {"Eins", "02.12.2026", "00:04:00.0"});
    recordStart(second, 2);
    recordStart(second, 8);
    recordSolve(second, 2, false, "", 20261203);
    insertBestTime(second.bestTimes[0], {"Zwei", "03.12.2026", "00:06:00.0"});

    // The first saves over the file it knew; the second merges with what the first wrote.
    const Statistics afterFirst = mergeStatistics(start, first, start);
    EXPECT_EQ(afterFirst, first);
    const Statistics afterSecond = mergeStatistics(start, second, afterFirst);
    const LevelResults& schwer = afterSecond.levels[2];
    EXPECT_EQ(schwer.started, 3);
    EXPECT_EQ(schwer.solved, 3);
    EXPECT_EQ(schwer.solvedWithoutHint, 2);
    EXPECT_EQ(schwer.timedSolved, 2);
    EXPECT_EQ(schwer.totalTenths, 21000);
    EXPECT_EQ(schwer.bestTenths, 9000);
    EXPECT_EQ(afterSecond.levels[8].started, 1);
    EXPECT_EQ(afterSecond.dailyRuns, (std::vector<DayRun>{{20261201, 20261203}}));
    std::vector<std::string> names;
    for (const HallOfFameEntry& e : afterSecond.bestTimes[0]) names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Eins", "Alt", "Zwei"}));

    // A file that vanished meanwhile (read as the game knew it) gets what the game holds.
    EXPECT_EQ(mergeStatistics(start, second, start), second);
}

TEST(StatisticsFile, StreaksCountDaysInARowAcrossMonthsAndBreakOnAMissedDay) {
    std::vector<DayRun> runs;
    for (const int day : {20261230, 20261231, 20270101, 20270102, 20240228, 20240229, 20240301})
        addDailySolve(runs, day);
    addDailySolve(runs, 20270101); // the same day twice counts once
    addDailySolve(runs, 20270230); // no such day
    EXPECT_EQ(runs, (std::vector<DayRun>{{20240228, 20240301}, {20261230, 20270102}}));
    EXPECT_EQ(longestStreak(runs), 4);
    struct Case {
        int today, expected;
    } cases[] = {
        {20270102, 4}, // solved today
        {20270103, 4}, // today's puzzle still open: the streak stands
        {20270104, 0}, // yesterday was missed
        {20270101, 3}, // a clock set back counts up to its today
        {20240302, 3}, // after the leap day
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today);
        EXPECT_EQ(currentStreak(runs, c.today), c.expected);
    }
    addDailySolve(runs, 20270104); // a missed day leaves two runs
    EXPECT_EQ(currentStreak(runs, 20270104), 1);
    EXPECT_EQ(longestStreak(runs), 4);
    addDailySolve(runs, 20270103); // the gap filled joins them
    EXPECT_EQ(currentStreak(runs, 20270104), 6);
    // Day numbers: one apart on consecutive days, over four centuries of calendar.
    const int start = dayNumber(20000101);
    int previous = 19991231;
    for (int d = start; d < start + 146097; ++d) {
        const int date = dateOfDay(d);
        ASSERT_TRUE(isCalendarDate(date) && date > previous && dayNumber(date) == d) << date;
        previous = date;
    }
    EXPECT_EQ(dateOfDay(start + 146097), 24000101);
    EXPECT_FALSE(isCalendarDate(21000229));
    EXPECT_TRUE(isCalendarDate(20000229));
}
