// The hall-of-fame tables and the codec of "Champions.Rhm"; used by halloffame.cpp and the
// tests. The tables hold UTF-8; the file holds Windows-1252, one field per CR LF line.
#include "halloffame/table.h"

#include <algorithm>
#include <cstdint>

namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252; 0 marks the five undefined bytes.
constexpr std::uint16_t kHighControlRange[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char32_t kInvalid = 0xFFFD;

bool isControl(char32_t c) {
    return c < 0x20 || c == 0x7F;
}

// The next code point of a UTF-8 text; malformed sequences give kInvalid and skip one byte.
char32_t nextCodePoint(const std::string& text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int length = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
    } else {
        ++pos;
        return kInvalid;
    }
    if (pos + length > text.size()) {
        ++pos;
        return kInvalid;
    }
    for (int i = 1; i < length; ++i) {
        const unsigned char b = byte(pos + i);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return kInvalid;
        }
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t smallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return kInvalid;
    }
    pos += length;
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The Windows-1252 byte of a code point, or '?' when the code page has none.
char windows1252Byte(char32_t c) {
    if (isControl(c)) return '?';
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHighControlRange[i] != 0 && kHighControlRange[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

// The text of a field cut to kHallOfFameFieldLength characters; cutting counts as damage.
std::string limitField(std::string text, bool& damaged) {
    if (text.size() <= kHallOfFameFieldLength) return text;
    damaged = true;
    text.resize(kHallOfFameFieldLength);
    return text;
}

// Splits a file image into lines at LF; a CR before the LF belongs to the line break.
// A last line without a line break still counts.
std::vector<std::string> splitLines(const std::vector<unsigned char>& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size() && lines.size() < kHallOfFameLines + 1; ++i) {
        const unsigned char b = bytes[i];
        if (b == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(std::move(line));
            line.clear();
        } else if (line.size() <= kHallOfFameFieldLength + 1) {
            line += static_cast<char>(b); // longer lines are cut later; keep memory bounded
        } else {
            line.back() = static_cast<char>(b); // remember only that it went on
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

void emptyRank(HallOfFame& table, int d, int rank) {
    table.hallOfFameName[d][rank].clear();
    table.hallOfFameDate[d][rank].clear();
    table.hallOfFameTime[d][rank] = emptyTime;
}

} // namespace

void clearHallOfFameList(HallOfFame& table, int difficulty) {
    for (int rank = 1; rank <= kHallOfFameRanks; ++rank) emptyRank(table, difficulty, rank);
}

void clearHallOfFame(HallOfFame& table) {
    for (int d = 0; d < 4; ++d) clearHallOfFameList(table, d);
}

bool isEmptyTime(const std::string& time) {
    return !time.empty() && time.front() == '9';
}

bool isTimeText(const std::string& time) {
    static constexpr char layout[] = "00:00:00.0";
    if (time.size() != sizeof layout - 1) return false;
    for (std::size_t i = 0; i < time.size(); ++i) {
        const bool digitWanted = layout[i] == '0';
        const bool isDigit = time[i] >= '0' && time[i] <= '9';
        if (digitWanted ? !isDigit : time[i] != layout[i]) return false;
    }
    return true;
}

bool timeIsBetter(const std::string& finishTime, const std::string& rankTime) {
    // std::string compares by unsigned character code, a prefix before the longer text.
    return finishTime < rankTime;
}

std::string toWindows1252(const std::string& utf8) {
    std::string out;
    for (std::size_t pos = 0; pos < utf8.size();) out += windows1252Byte(nextCodePoint(utf8, pos));
    return out;
}

std::string cleanUtf8(const std::string& text, bool& damaged) {
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t c = nextCodePoint(text, pos);
        if (c == kInvalid || isControl(c)) {
            damaged = true;
            c = '?';
        }
        if (c > 0xFFFF) { // appendUtf8 writes up to three bytes; four-byte characters here
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            appendUtf8(out, c);
        }
    }
    return out;
}

std::string fromWindows1252(const std::string& bytes, bool& damaged) {
    std::string out;
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        char32_t c = b;
        if (b >= 0x80 && b < 0xA0) c = kHighControlRange[b - 0x80];
        if (c == 0 || isControl(c)) {
            damaged = true;
            c = '?';
        }
        appendUtf8(out, c);
    }
    return out;
}

std::vector<unsigned char> encodeHallOfFame(const HallOfFame& table) {
    std::vector<unsigned char> bytes;
    const auto line = [&bytes](const std::string& text) {
        bool cut = false;
        const std::string field = limitField(toWindows1252(text), cut);
        bytes.insert(bytes.end(), field.begin(), field.end());
        bytes.push_back('\r');
        bytes.push_back('\n');
    };
    for (int d = 0; d < 4; ++d) {
        for (int rank = 1; rank <= kHallOfFameRanks; ++rank) {
            line(table.hallOfFameName[d][rank]);
            line(table.hallOfFameDate[d][rank]);
            line(table.hallOfFameTime[d][rank]);
        }
    }
    return bytes;
}

bool decodeHallOfFame(const std::vector<unsigned char>& bytes, HallOfFame& table) {
    const std::vector<std::string> lines = splitLines(bytes);
    bool damaged = lines.size() != kHallOfFameLines;
    std::size_t next = 0;
    for (int d = 0; d < 4; ++d) {
        int filled = 0; // occupied ranks so far; they move up over empty ones
        for (int rank = 1; rank <= kHallOfFameRanks; ++rank, next += 3) {
            if (next + 3 > lines.size()) continue; // missing lines: rank stays empty below
            const std::string& time = lines[next + 2];
            if (isEmptyTime(time)) continue;
            if (!isTimeText(time)) {
                damaged = true;
                continue;
            }
            ++filled;
            if (filled != rank) damaged = true; // an occupied rank below an empty one
            // Cut in the file's bytes, where one byte is one character.
            table.hallOfFameName[d][filled] =
                fromWindows1252(limitField(lines[next], damaged), damaged);
            table.hallOfFameDate[d][filled] =
                fromWindows1252(limitField(lines[next + 1], damaged), damaged);
            table.hallOfFameTime[d][filled] = time;
        }
        for (int rank = filled + 1; rank <= kHallOfFameRanks; ++rank) emptyRank(table, d, rank);
    }
    return !damaged;
}

HallOfFameLists hallOfFameLists(const HallOfFame& table) {
    HallOfFameLists lists;
    for (int d = 0; d < 4; ++d)
        for (int rank = 1; rank <= kHallOfFameRanks; ++rank)
            if (!isEmptyTime(table.hallOfFameTime[d][rank]))
                lists[d].push_back({table.hallOfFameName[d][rank], table.hallOfFameDate[d][rank],
                                    table.hallOfFameTime[d][rank]});
    return lists;
}

void setHallOfFameLists(HallOfFame& table, const HallOfFameLists& lists) {
    clearHallOfFame(table);
    for (int d = 0; d < 4; ++d) {
        const std::size_t count = std::min<std::size_t>(lists[d].size(), kHallOfFameRanks);
        for (std::size_t i = 0; i < count; ++i) {
            const int rank = static_cast<int>(i) + 1;
            table.hallOfFameName[d][rank] = lists[d][i].name;
            table.hallOfFameDate[d][rank] = lists[d][i].date;
            table.hallOfFameTime[d][rank] = lists[d][i].time;
        }
    }
}

std::vector<HallOfFameEntry> mergeRankList(const std::vector<HallOfFameEntry>& known,
                                           const std::vector<HallOfFameEntry>& mine,
                                           const std::vector<HallOfFameEntry>& file) {
    const auto count = [](const std::vector<HallOfFameEntry>& list, const HallOfFameEntry& e) {
        return static_cast<int>(std::count(list.begin(), list.end(), e));
    };
    std::vector<HallOfFameEntry> result;
    // The file's entries, less those this game removed since it knew them.
    std::vector<HallOfFameEntry> removed;
    for (const HallOfFameEntry& e : known)
        if (count(removed, e) < count(known, e) - count(mine, e)) removed.push_back(e);
    for (const HallOfFameEntry& e : file) {
        const auto it = std::find(removed.begin(), removed.end(), e);
        if (it != removed.end()) {
            removed.erase(it);
            continue;
        }
        result.push_back(e);
    }
    // Every entry this game holds that the file lacks goes in below all equal times
    // already there: those it added, and those it knew from a file that has vanished or
    // been replaced since.
    const std::vector<HallOfFameEntry> fromFile = result;
    std::vector<HallOfFameEntry> seen;
    for (const HallOfFameEntry& e : mine) {
        seen.push_back(e);
        if (count(seen, e) <= count(fromFile, e)) continue;
        const auto below = std::find_if(result.begin(), result.end(), [&e](const auto& other) {
            return timeIsBetter(e.time, other.time);
        });
        result.insert(below, e);
    }
    if (result.size() > kHallOfFameRanks) result.resize(kHallOfFameRanks);
    return result;
}

HallOfFameLists mergeHallOfFameLists(const HallOfFameLists& known, const HallOfFameLists& mine,
                                     const HallOfFameLists& file) {
    HallOfFameLists merged;
    for (int d = 0; d < 4; ++d) merged[d] = mergeRankList(known[d], mine[d], file[d]);
    return merged;
}
