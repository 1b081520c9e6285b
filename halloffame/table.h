// The hall-of-fame tables and their file codec ("Champions.Rhm": 120 CR LF lines in
// Windows-1252). Pure code: no Qt, no windows; the callers show messages.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

constexpr int kHallOfFameRanks = 10;
constexpr int kHallOfFameLines = 4 * kHallOfFameRanks * 3;
// Longest name or date kept, in characters; the name field of champ allows no more.
constexpr std::size_t kHallOfFameFieldLength = 255;
inline const std::string emptyTime = "9";

using HallOfFameColumn = std::array<std::array<std::string, 11>, 4>;

// One occupied rank of a list.
struct HallOfFameEntry {
    std::string name, date, time;
    bool operator==(const HallOfFameEntry&) const = default;
};
using HallOfFameLists = std::array<std::vector<HallOfFameEntry>, 4>;

// Names, dates and times as UTF-8 text, indexed (difficulty 0..3, rank 0..10); rank 0 unused.
struct HallOfFame {
    HallOfFameColumn hallOfFameName;
    HallOfFameColumn hallOfFameDate;
    HallOfFameColumn hallOfFameTime;
    std::string championName; // last name confirmed in champ, offered again
    bool nameAccepted = false;
    // The lists as last read from or written to the file: what this game knows of it, so
    // that saving can merge with entries another running game saved meanwhile.
    HallOfFameLists fileLists;
    bool lockProblemShown = false; // said once per run that the lock's name is taken
};

// The occupied ranks of every list, best first, and back (the rest of a list empty).
HallOfFameLists hallOfFameLists(const HallOfFame& table);
void setHallOfFameLists(HallOfFame& table, const HallOfFameLists& lists);
// Three-way merge of the lists: the file's current lists (`file`) with this game's lists
// (`mine`), knowing what the file held when the game last read or wrote it (`known`).
// Entries the game removed since (an emptied list) are dropped; every other entry that
// either side holds is kept, the game's own inserted below equal times; ten per list kept.
HallOfFameLists mergeHallOfFameLists(const HallOfFameLists& known, const HallOfFameLists& mine,
                                     const HallOfFameLists& file);

// The same merge for one list of best times, best first (also the generated levels' lists).
std::vector<HallOfFameEntry> mergeRankList(const std::vector<HallOfFameEntry>& known,
                                           const std::vector<HallOfFameEntry>& mine,
                                           const std::vector<HallOfFameEntry>& file);

// Ranks 1..10 of every difficulty empty: empty name and date, time "9".
void clearHallOfFame(HallOfFame& table);
// Ranks 1..10 of one difficulty empty (the ruhm window's "empty this list").
void clearHallOfFameList(HallOfFame& table, int difficulty);
// A rank is empty exactly when its time text begins with "9".
bool isEmptyTime(const std::string& time);
// A finishing time as the clock writes it: hh:mm:ss.s (digits, fixed layout).
bool isTimeText(const std::string& time);
// The file image: 120 lines, CR LF, Windows-1252 (characters it cannot hold become "?").
std::vector<unsigned char> encodeHallOfFame(const HallOfFame& table);
// Reads a file image; never fails. Missing or unusable ranks become empty, and occupied
// ranks are kept ahead of empty ones. Returns false when the text was damaged.
bool decodeHallOfFame(const std::vector<unsigned char>& bytes, HallOfFame& table);
// Text order of finishing times: character codes, a prefix before the longer text.
bool timeIsBetter(const std::string& finishTime, const std::string& rankTime);

// Windows-1252 conversions of one line; exposed for the tests.
// Characters outside the code page, line breaks and other control characters become "?".
std::string toWindows1252(const std::string& utf8);
// A UTF-8 text with malformed sequences and control characters replaced by "?"; `damaged`
// is set when that happened.
std::string cleanUtf8(const std::string& text, bool& damaged);
// Bytes the code page leaves undefined and control characters become "?"; `damaged` is
// set when that happened.
std::string fromWindows1252(const std::string& bytes, bool& damaged);
