// The codec of the game-in-progress file "spielstand.qnt": the board with its givens, notes
// and solution, the difficulty, the error count, whether the game is timed and the time
// played, and the display settings. Pure code: no Qt, no files.
//
// Layout, little-endian: the 8 bytes "QNTSPIEL", a 16-bit version, the 32-bit length and
// the 32-bit FNV-1a checksum of the payload, then the payload (version 1): difficulty
// (1 byte), error count (2), flags (1: timed, showDigits, showCandidates, symmetricPuzzle),
// time played in milliseconds (4), then cellValue, givenValue, solutionValue (500 bytes
// each, the board file's byte order) and noteFlag (5000 bytes of 0 or 1). Version 2 adds a
// flag (a hint was used) and, after the notes, the puzzle's origin (generated level + 1, 1
// byte; puzzle-of-the-day date yyyymmdd, 4) and the results level the game counts for
// (+ 1, 1 byte). Version 1 files read with no origin, no results level and no hint.
#pragma once

#include "engine/board.h"
#include "engine/generate.h"

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr std::uint16_t kSavedGameVersion = 2;
// The longest a game is ever timed: the clock shows no more than 99:59:59.
constexpr double kSavedGameLongestTime = 100.0 * 3600.0;

struct SavedGame {
    Board board; // cellValue, givenValue, solutionValue, noteFlag, errorCount and the
                 // display flags showDigits, showCandidates, symmetricPuzzle
    int difficulty = 0;
    bool timed = false;
    double timePlayed = 0; // seconds
    PuzzleOrigin origin;
    int resultLevel = -1; // 0..kResultLevelCount - 1, or -1: the game counts for no level
    bool hintUsed = false;
};

// Why a file cannot be resumed.
enum class SavedGameError {
    None,
    Foreign,       // not a game-in-progress file at all
    FutureVersion, // written by a newer version of the game
    Damaged,       // the right kind of file, but cut short or changed
};

std::vector<std::uint8_t> encodeSavedGame(const SavedGame& game);
// Reads a file image into `game` (only on success). Values of cells that exist must lie in
// 0..9 and be consistent (a given stands in its cell); the unused index-0 bytes read as 0.
SavedGameError decodeSavedGame(const std::uint8_t* data, std::size_t size, SavedGame& game);
// True when the board holds a game worth resuming: at least one value, and not solved
// (every cell filled without breaking a rule).
bool holdsGameInProgress(const Board& board);
