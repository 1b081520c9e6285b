// The game-in-progress codec: a versioned, checksummed image of what a resumed game needs.
// Used by the resume code in files/resume.cpp, the tests and the fuzz target.
#include "files/gamestate.h"

#include "engine/rules.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr char kMagic[8] = {'Q', 'N', 'T', 'S', 'P', 'I', 'E', 'L'};
constexpr std::size_t kHeaderSize = 8 + 2 + 4 + 4;
constexpr std::size_t kPayloadSizeV1 = 1 + 2 + 1 + 4 + 3 * kBlockSize + kNoteBlockSize;
constexpr std::size_t kPayloadSize = kPayloadSizeV1 + 1 + 4 + 1;

enum Flag : std::uint8_t {
    kTimed = 1,
    kShowDigits = 2,
    kShowCandidates = 4,
    kSymmetricPuzzle = 8,
    kHintUsed = 16, // version 2
};

std::uint32_t fnv1a(const std::uint8_t* data, std::size_t size) {
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 16777619u;
    return hash;
}

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t get(const std::uint8_t* in, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | in[i];
    return value;
}

// A puzzle-of-the-day date: 0, or yyyymmdd with a month 1..12 and a day 1..31.
bool isDailyDate(std::uint32_t date) {
    if (date == 0) return true;
    const std::uint32_t month = date / 100 % 100, day = date % 100;
    return date >= 10000101 && date <= 99991231 && month >= 1 && month <= 12 && day >= 1 &&
           day <= 31;
}

bool isCell(int g, int c, int r) {
    return g >= 0 && g <= 4 && c >= 1 && c <= 9 && r >= 1 && r <= 9;
}

} // namespace

std::vector<std::uint8_t> encodeSavedGame(const SavedGame& game) {
    const Board& b = game.board;
    std::vector<std::uint8_t> payload;
    payload.reserve(kPayloadSize);
    payload.push_back(static_cast<std::uint8_t>(std::clamp(game.difficulty, 0, 3)));
    put(payload, static_cast<std::uint16_t>(std::max<int>(b.status.errorCount, 0)), 2);
    std::uint8_t flags = 0;
    if (game.timed) flags |= kTimed;
    if (b.options.showDigits) flags |= kShowDigits;
    if (b.options.showCandidates) flags |= kShowCandidates;
    if (b.options.symmetricPuzzle) flags |= kSymmetricPuzzle;
    if (game.hintUsed) flags |= kHintUsed;
    payload.push_back(flags);
    const double time = std::clamp(game.timePlayed, 0.0, kSavedGameLongestTime);
    put(payload, static_cast<std::uint32_t>(std::llround(time * 1000.0)), 4);
    for (const BoardArray* block : {&b.cellValue, &b.givenValue, &b.solutionValue})
        payload.insert(payload.end(), block->bytes.begin(), block->bytes.end());
    for (const bool note : b.noteFlag.bytes) payload.push_back(note ? 1 : 0);
    const int level = game.origin.level;
    payload.push_back(
        static_cast<std::uint8_t>(level >= 0 && level < kGeneratedLevelCount ? level + 1 : 0));
    const auto date = static_cast<std::uint32_t>(std::max(game.origin.dailyDate, 0));
    put(payload, isDailyDate(date) ? date : 0, 4);
    const int results = game.resultLevel;
    payload.push_back(
        static_cast<std::uint8_t>(results >= 0 && results < kResultLevelCount ? results + 1 : 0));

    std::vector<std::uint8_t> out(kMagic, kMagic + sizeof kMagic);
    put(out, kSavedGameVersion, 2);
    put(out, static_cast<std::uint32_t>(payload.size()), 4);
    put(out, fnv1a(payload.data(), payload.size()), 4);
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

SavedGameError decodeSavedGame(const std::uint8_t* data, std::size_t size, SavedGame& game) {
    if (size < sizeof kMagic + 2 || std::memcmp(data, kMagic, sizeof kMagic) != 0)
        return SavedGameError::Foreign;
    const std::uint32_t version = get(data + 8, 2);
    if (version > kSavedGameVersion) return SavedGameError::FutureVersion;
    const std::size_t payloadSize = version == 1 ? kPayloadSizeV1 : kPayloadSize;
    if (version == 0 || size != kHeaderSize + payloadSize) return SavedGameError::Damaged;
    const std::uint8_t* p = data + kHeaderSize;
    if (get(data + 10, 4) != payloadSize || get(data + 14, 4) != fnv1a(p, payloadSize))
        return SavedGameError::Damaged;

    SavedGame read;
    const int difficulty = p[0];
    const std::uint32_t errors = get(p + 1, 2);
    const std::uint8_t flags = p[3];
    const double time = get(p + 4, 4) / 1000.0;
    if (difficulty > 3 || errors > 32767 || (flags & ~(version == 1 ? 0x0F : 0x1F)) != 0 ||
        time > kSavedGameLongestTime)
        return SavedGameError::Damaged;
    Board& b = read.board;
    const std::uint8_t* blocks = p + 8;
    BoardArray* arrays[3] = {&b.cellValue, &b.givenValue, &b.solutionValue};
    for (int k = 0; k < 3; ++k) {
        const std::uint8_t* block = blocks + k * kBlockSize;
        for (int i = 0; i < kBlockSize; ++i) {
            const int g = i % 5, c = (i / 5) % 10, r = i / 50;
            if (!isCell(g, c, r)) continue; // the unused index 0 stays 0
            if (block[i] > 9) return SavedGameError::Damaged;
            arrays[k]->bytes[static_cast<std::size_t>(i)] = block[i];
        }
    }
    for (int i = 0; i < kBlockSize; ++i)
        if (b.givenValue.bytes[i] != 0 && b.givenValue.bytes[i] != b.cellValue.bytes[i])
            return SavedGameError::Damaged;
    const std::uint8_t* notes = blocks + 3 * kBlockSize;
    for (int i = 0; i < kNoteBlockSize; ++i) {
        if (notes[i] > 1) return SavedGameError::Damaged;
        const int cell = i % kBlockSize, d = i / kBlockSize;
        b.noteFlag.bytes[static_cast<std::size_t>(i)] =
            notes[i] == 1 && d >= 1 && isCell(cell % 5, (cell / 5) % 10, cell / 50);
    }
    if (version >= 2) {
        const std::uint8_t* tail = notes + kNoteBlockSize;
        const std::uint32_t date = get(tail + 1, 4);
        if (tail[0] > kGeneratedLevelCount || !isDailyDate(date) || tail[5] > kResultLevelCount)
            return SavedGameError::Damaged;
        read.origin.level = tail[0] - 1;
        read.origin.dailyDate = static_cast<int>(date);
        read.resultLevel = tail[5] - 1;
        read.hintUsed = (flags & kHintUsed) != 0;
    }
    b.status.errorCount = static_cast<std::int16_t>(errors);
    b.options.showDigits = (flags & kShowDigits) != 0;
    b.options.showCandidates = (flags & kShowCandidates) != 0;
    b.options.symmetricPuzzle = (flags & kSymmetricPuzzle) != 0;
    read.difficulty = difficulty;
    read.timed = (flags & kTimed) != 0;
    read.timePlayed = time;
    game = std::move(read);
    return SavedGameError::None;
}

bool holdsGameInProgress(const Board& board) {
    bool any = false, full = true;
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                if (board.cellValue(g, c, r) != 0)
                    any = true;
                else
                    full = false;
            }
    // A full board that breaks a rule is still to be mended; a solved one is done.
    return any && !(full && isBoardValid(board));
}
