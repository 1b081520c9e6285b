// The hall-of-fame tables and their file codec ("Champions.Rhm": 120 CR LF lines in
// Windows-1252). Pure code: no Qt, no windows; the callers show messages.
#pragma once

#include <array>
#include <string>
#include <vector>

constexpr int kHallOfFameRanks = 10;
inline const std::string emptyTime = "9";

// Names, dates and times as UTF-8 text, indexed (difficulty 0..3, rank 0..10); rank 0 unused.
struct HallOfFame {
    std::array<std::array<std::string, 11>, 4> hallOfFameName;
    std::array<std::array<std::string, 11>, 4> hallOfFameDate;
    std::array<std::array<std::string, 11>, 4> hallOfFameTime;
    std::string championName; // last name confirmed in champ, offered again
    bool nameAccepted = false;
};

// Ranks 1..10 of every difficulty empty: empty name and date, time "9".
void clearHallOfFame(HallOfFame& table);
// The file image: 120 lines, CR LF, Windows-1252 (characters it cannot hold become "?").
std::vector<unsigned char> encodeHallOfFame(const HallOfFame& table);
// Reads a file image; never fails. Missing or unusable ranks become empty, and occupied
// ranks are kept ahead of empty ones. Returns false when the text was damaged.
bool decodeHallOfFame(const std::vector<unsigned char>& bytes, HallOfFame& table);
// Text order of finishing times: character codes, a prefix before the longer text.
bool timeIsBetter(const std::string& finishTime, const std::string& rankTime);
