// The game-in-progress codec: round trips of timed and untimed games with notes, and the
// files it refuses (foreign, from a future version, damaged).
#include "files/gamestate.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

SavedGame sampleGame(bool timed) {
    SavedGame game;
    Board& b = game.board;
    b.givenValue(0, 1, 1) = b.cellValue(0, 1, 1) = 5;
    b.cellValue(2, 5, 5) = 3;
    b.solutionValue(2, 5, 5) = 3;
    b.solutionValue(4, 9, 9) = 8;
    b.noteFlag(1, 2, 3, 4) = true;
    b.noteFlag(4, 9, 9, 9) = true;
    b.status.errorCount = 2;
    b.options.showDigits = false;
    b.options.showCandidates = true;
    b.options.symmetricPuzzle = false;
    game.difficulty = 3;
    game.timed = timed;
    game.timePlayed = timed ? 3723.4 : 0;
    game.origin = {4, 20261210};
    game.resultLevel = 8;
    game.hintUsed = true;
    return game;
}

// Writes the length and checksum of the payload again after a test changed it.
void reseal(std::vector<std::uint8_t>& f) {
    const auto size = static_cast<std::uint32_t>(f.size() - 18);
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 18; i < f.size(); ++i) hash = (hash ^ f[i]) * 16777619u;
    for (int i = 0; i < 4; ++i) {
        f[10 + i] = static_cast<std::uint8_t>(size >> (8 * i));
        f[14 + i] = static_cast<std::uint8_t>(hash >> (8 * i));
    }
}

void putDate(std::vector<std::uint8_t>& f, std::uint32_t date) {
    for (int i = 0; i < 4; ++i) f[f.size() - 5 + i] = static_cast<std::uint8_t>(date >> (8 * i));
}

} // namespace

TEST(SavedGameCodec, TimedAndUntimedGamesWithNotesRoundTrip) {
    for (const bool timed : {true, false}) {
        SCOPED_TRACE(timed);
        const SavedGame game = sampleGame(timed);
        const std::vector<std::uint8_t> bytes = encodeSavedGame(game);
        SavedGame read;
        ASSERT_EQ(decodeSavedGame(bytes.data(), bytes.size(), read), SavedGameError::None);
        EXPECT_EQ(read.board.cellValue, game.board.cellValue);
        EXPECT_EQ(read.board.givenValue, game.board.givenValue);
        EXPECT_EQ(read.board.solutionValue, game.board.solutionValue);
        EXPECT_EQ(read.board.noteFlag, game.board.noteFlag);
        EXPECT_EQ(read.board.status.errorCount, 2);
        EXPECT_FALSE(read.board.options.showDigits);
        EXPECT_TRUE(read.board.options.showCandidates);
        EXPECT_FALSE(read.board.options.symmetricPuzzle);
        EXPECT_EQ(read.difficulty, 3);
        EXPECT_EQ(read.timed, timed);
        EXPECT_NEAR(read.timePlayed, game.timePlayed, 0.001);
        EXPECT_EQ(read.origin, game.origin);
        EXPECT_EQ(read.resultLevel, 8);
        EXPECT_TRUE(read.hintUsed);
        EXPECT_EQ(encodeSavedGame(read), bytes);
    }
    // A file of the first version (no origin, results level or hint) still resumes.
    std::vector<std::uint8_t> v1 = encodeSavedGame(sampleGame(true));
    v1.resize(v1.size() - 6);
    v1[8] = 1;
    v1[18 + 3] &= 0x0F;
    reseal(v1);
    SavedGame old;
    ASSERT_EQ(decodeSavedGame(v1.data(), v1.size(), old), SavedGameError::None);
    EXPECT_EQ(old.board.cellValue, sampleGame(true).board.cellValue);
    EXPECT_EQ(old.origin, PuzzleOrigin{});
    EXPECT_EQ(old.resultLevel, -1);
    EXPECT_FALSE(old.hintUsed);
    Board empty;
    EXPECT_FALSE(holdsGameInProgress(empty));
    EXPECT_TRUE(holdsGameInProgress(sampleGame(true).board));
}

TEST(SavedGameCodec, ForeignFutureAndDamagedFilesAreRefused) {
    const std::vector<std::uint8_t> good = encodeSavedGame(sampleGame(true));
    struct Case {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> change;
        SavedGameError expected;
    } cases[] = {
        {"empty", [](auto& f) { f.clear(); }, SavedGameError::Foreign},
        {"a board file", [](auto& f) { f.assign(28000, 0); }, SavedGameError::Foreign},
        {"future version", [](auto& f) { f[8] = kSavedGameVersion + 1; },
         SavedGameError::FutureVersion},
        {"future version, other length",
         [](auto& f) {
             f[9] = 1;
             f.resize(100);
         },
         SavedGameError::FutureVersion},
        {"version 0", [](auto& f) { f[8] = 0; }, SavedGameError::Damaged},
        {"cut short", [](auto& f) { f.pop_back(); }, SavedGameError::Damaged},
        {"one byte changed", [](auto& f) { f[18 + 8 + 7] ^= 1; }, SavedGameError::Damaged},
        {"header only", [](auto& f) { f.resize(18); }, SavedGameError::Damaged},
        {"generated level out of range",
         [](auto& f) {
             f[f.size() - 6] = 6;
             reseal(f);
         },
         SavedGameError::Damaged},
        {"no calendar date",
         [](auto& f) {
             putDate(f, 20261310);
             reseal(f);
         },
         SavedGameError::Damaged},
        {"results level out of range",
         [](auto& f) {
             f.back() = 10;
             reseal(f);
         },
         SavedGameError::Damaged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::uint8_t> file = good;
        c.change(file);
        SavedGame read = sampleGame(false);
        EXPECT_EQ(decodeSavedGame(file.data(), file.size(), read), c.expected);
        EXPECT_FALSE(read.timed) << "a refused file changes nothing";
    }
}
