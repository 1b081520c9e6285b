// The hall-of-fame tables and the "Champions.Rhm" codec: file layout, Windows-1252,
// damaged files and the order of times.
#include "halloffame/table.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

std::vector<std::string> linesOf(const std::vector<unsigned char>& bytes) {
    std::vector<std::string> lines;
    std::string text(bytes.begin(), bytes.end());
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

// A file of 120 lines with the given lines in front and empty ranks after them.
std::string fileWith(const std::vector<std::string>& first, const char* lineEnd = "\r\n") {
    std::vector<std::string> lines = first;
    while (lines.size() < kHallOfFameLines) {
        const std::size_t field = lines.size() % 3;
        lines.push_back(field == 2 ? "9" : "");
    }
    std::string text;
    for (const std::string& line : lines) text += line + lineEnd;
    return text;
}

HallOfFame emptyTable() {
    HallOfFame table;
    clearHallOfFame(table);
    return table;
}

// Occupied ranks come first, every occupied time is a time text, empty ranks are clean.
void expectWellFormed(const HallOfFame& table) {
    for (int d = 0; d < 4; ++d) {
        bool seenEmpty = false;
        for (int rank = 1; rank <= kHallOfFameRanks; ++rank) {
            const std::string& time = table.hallOfFameTime[d][rank];
            if (isEmptyTime(time)) {
                seenEmpty = true;
                EXPECT_EQ(time, emptyTime);
                EXPECT_EQ(table.hallOfFameName[d][rank], "");
                EXPECT_EQ(table.hallOfFameDate[d][rank], "");
            } else {
                EXPECT_FALSE(seenEmpty) << "occupied rank " << rank << " below an empty one";
                EXPECT_TRUE(isTimeText(time)) << time;
                EXPECT_LE(table.hallOfFameName[d][rank].size(), 2 * kHallOfFameFieldLength);
            }
        }
    }
}

} // namespace

TEST(HallOfFameTable, EmptyTablesWriteFortyEmptyTriples) {
    const std::vector<std::string> lines = linesOf(encodeHallOfFame(emptyTable()));
    ASSERT_EQ(lines.size(), 120u);
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], i % 3 == 2 ? "9" : "");
}

TEST(HallOfFameTable, RanksAreStoredByDifficultyThenRank) {
    HallOfFame table = emptyTable();
    table.hallOfFameName[2][1] = "Anna";
    table.hallOfFameDate[2][1] = "09.12.2026";
    table.hallOfFameTime[2][1] = "00:12:34.5";
    table.hallOfFameName[3][10] = "Zoe";
    table.hallOfFameDate[3][10] = "01.01.2027";
    table.hallOfFameTime[3][10] = "01:00:00.0";
    const std::vector<std::string> lines = linesOf(encodeHallOfFame(table));
    ASSERT_EQ(lines.size(), 120u);
    // Line numbers counted from 1: difficulty d, rank r start at 30 d + 3 (r - 1) + 1.
    EXPECT_EQ(lines[60], "Anna");
    EXPECT_EQ(lines[61], "09.12.2026");
    EXPECT_EQ(lines[62], "00:12:34.5");
    EXPECT_EQ(lines[117], "Zoe");
    EXPECT_EQ(lines[119], "01:00:00.0");
}

TEST(HallOfFameTable, NamesTravelInWindows1252) {
    struct Case {
        std::string name;     // UTF-8 in the table
        std::string fileLine; // bytes in the file
        std::string readBack; // UTF-8 after loading
    };
    const Case cases[] = {
        {"Jörg Müßig", "J\xF6rg M\xFC\xDFig", "Jörg Müßig"},
        {"ÄÖÜ äöü ß", "\xC4\xD6\xDC \xE4\xF6\xFC \xDF", "ÄÖÜ äöü ß"},
        {"€ „Zitat“ – Œuvre", "\x80 \x84Zitat\x93 \x96 \x8Cuvre", "€ „Zitat“ – Œuvre"},
        {"Łukasz 日本", "?ukasz ??", "?ukasz ??"},          // outside the code page
        {"Emoji 😀", "Emoji ?", "Emoji ?"},                  // four-byte UTF-8
        {"Zwei\r\nZeilen", "Zwei??Zeilen", "Zwei??Zeilen"}, // a line break cannot be held
        {"Tab\tNUL", "Tab?NUL", "Tab?NUL"},
        {std::string("bad\xC3(utf8"), "bad?(utf8", "bad?(utf8"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        HallOfFame table = emptyTable();
        table.hallOfFameName[1][1] = c.name;
        table.hallOfFameDate[1][1] = "09.12.2026";
        table.hallOfFameTime[1][1] = "00:10:00.0";
        const std::vector<unsigned char> bytes = encodeHallOfFame(table);
        const std::vector<std::string> lines = linesOf(bytes);
        ASSERT_EQ(lines.size(), 120u) << c.name;
        EXPECT_EQ(lines[30], c.fileLine) << c.name;
        HallOfFame back;
        EXPECT_TRUE(decodeHallOfFame(bytes, back)) << c.name;
        EXPECT_EQ(back.hallOfFameName[1][1], c.readBack) << c.name;
        EXPECT_EQ(back.hallOfFameTime[1][1], "00:10:00.0");
    }
}

TEST(HallOfFameTable, DamagedFilesLoadWhatIsUsable) {
    const std::string longName(1000, 'x');
    std::string withoutLastLineBreak = fileWith({"A", "d", "00:00:01.0"});
    withoutLastLineBreak.resize(withoutLastLineBreak.size() - 2);
    struct Case {
        const char* what;
        std::string file;
        bool intact;
        std::vector<std::string> names; // of difficulty 0, ranks 1.. that stay occupied
        std::vector<std::string> times;
    };
    const Case cases[] = {
        {"a sound file",
         fileWith({"A", "d", "00:00:01.0", "B", "d", "00:00:02.0"}),
         true,
         {"A", "B"},
         {"00:00:01.0", "00:00:02.0"}},
        {"LF line ends", fileWith({"A", "d", "00:00:01.0"}, "\n"), true, {"A"}, {"00:00:01.0"}},
        {"no line break after the last line", withoutLastLineBreak, true, {"A"}, {"00:00:01.0"}},
        {"an empty file", "", false, {}, {}},
        {"fewer than 120 lines, last rank cut",
         "A\r\nd\r\n00:00:01.0\r\nB\r\nd\r\n",
         false,
         {"A"},
         {"00:00:01.0"}},
        {"more than 120 lines",
         fileWith({"A", "d", "00:00:01.0"}) + "extra\r\n",
         false,
         {"A"},
         {"00:00:01.0"}},
        {"a time that is no time",
         fileWith({"A", "d", "gestern", "B", "d", "00:00:02.0"}),
         false,
         {"B"},
         {"00:00:02.0"}},
        {"a time with trailing text", fileWith({"A", "d", "00:00:01.0x"}), false, {}, {}},
        {"an empty time line", fileWith({"A", "d", ""}), false, {}, {}},
        {"an occupied rank below an empty one",
         fileWith({"", "", "9", "B", "d", "00:00:02.0"}),
         false,
         {"B"},
         {"00:00:02.0"}},
        {"an empty rank with a stray name", fileWith({"A", "d", "9"}), true, {}, {}},
        {"an overlong name is cut",
         fileWith({longName, "d", "00:00:01.0"}),
         false,
         {std::string(kHallOfFameFieldLength, 'x')},
         {"00:00:01.0"}},
        {"bytes the code page leaves undefined",
         fileWith({std::string("A\x81\x8D\x8F\x90\x9D", 6), "d", "00:00:01.0"}),
         false,
         {"A?????"},
         {"00:00:01.0"}},
        {"a NUL byte",
         fileWith({std::string("A\0B", 3), "d", "00:00:01.0"}),
         false,
         {"A?B"},
         {"00:00:01.0"}},
    };
    for (const Case& c : cases) {
        HallOfFame table;
        table.hallOfFameName[0][5] = "left over"; // decoding replaces every rank
        table.hallOfFameTime[0][5] = "00:00:00.1";
        EXPECT_EQ(decodeHallOfFame(bytesOf(c.file), table), c.intact) << c.what;
        expectWellFormed(table);
        for (int rank = 1; rank <= kHallOfFameRanks; ++rank) {
            const std::size_t i = rank - 1;
            EXPECT_EQ(table.hallOfFameName[0][rank], i < c.names.size() ? c.names[i] : "")
                << c.what << " rank " << rank;
            EXPECT_EQ(table.hallOfFameTime[0][rank], i < c.times.size() ? c.times[i] : "9")
                << c.what << " rank " << rank;
        }
        for (int d = 1; d < 4; ++d) EXPECT_EQ(table.hallOfFameTime[d][1], "9") << c.what;
    }
}

TEST(HallOfFameTable, RandomBytesNeverBreakTheTables) {
    std::mt19937 random(20261209);
    // Lines drawn from a pool of sound and broken ones, or plain random bytes.
    const std::vector<std::string> pool = {"",        "9",        "00:01:02.3", "12:00:00.0",
                                           "J\xF6rg", "\x81\x9D", "00:01:02",   "99:00:00.0",
                                           "abc\r",   "\r",       "\xDF\xDF",   "0:1:2.3"};
    int occupied = 0;
    for (int trial = 0; trial < 2000; ++trial) {
        std::vector<unsigned char> bytes;
        if (trial % 2) {
            bytes.resize(random() % 2000);
            for (unsigned char& b : bytes) b = static_cast<unsigned char>(random());
        } else {
            const int lineCount = 100 + static_cast<int>(random() % 40);
            for (int i = 0; i < lineCount; ++i) {
                const std::string& line = pool[random() % pool.size()];
                bytes.insert(bytes.end(), line.begin(), line.end());
                if (random() % 2) bytes.push_back('\r');
                bytes.push_back('\n');
            }
        }
        HallOfFame table;
        decodeHallOfFame(bytes, table);
        expectWellFormed(table);
        // What was read is written and read back unchanged.
        const std::vector<unsigned char> written = encodeHallOfFame(table);
        ASSERT_EQ(linesOf(written).size(), 120u);
        HallOfFame back;
        ASSERT_TRUE(decodeHallOfFame(written, back)) << "trial " << trial;
        EXPECT_EQ(back.hallOfFameName, table.hallOfFameName);
        EXPECT_EQ(back.hallOfFameDate, table.hallOfFameDate);
        EXPECT_EQ(back.hallOfFameTime, table.hallOfFameTime);
        occupied += !isEmptyTime(table.hallOfFameTime[0][1]);
    }
    EXPECT_GT(occupied, 100); // the pool does reach occupied ranks
}

TEST(HallOfFameTable, TimesCompareAsText) {
    struct Case {
        const char* finish;
        const char* rank;
        bool better;
    };
    const Case cases[] = {
        {"00:01:00.0", "9", true}, // every time beats an empty rank
        {"89:59:60.0", "9", true},
        {"00:01:00.0", "00:01:00.0", false}, // equal does not qualify
        {"00:00:59.9", "00:01:00.0", true},
        {"00:01:00.1", "00:01:00.0", false},
        {"01:00:00.0", "00:59:60.0", false},
        {"00:01", "00:01:00.0", true}, // a prefix comes first
        {"X", "9", false},             // a game still running never ranks
    };
    for (const Case& c : cases)
        EXPECT_EQ(timeIsBetter(c.finish, c.rank), c.better) << c.finish << " vs " << c.rank;

    for (const char* time : {"00:00:00.0", "12:34:56.7", "00:04:60.0"})
        EXPECT_TRUE(isTimeText(time)) << time;
    for (const char* time :
         {"", "9", "0:00:00.0", "00:00:00", "00:00:00.00", "00-00-00.0", "0a:00:00.0", " 00:00:00"})
        EXPECT_FALSE(isTimeText(time)) << time;
}
