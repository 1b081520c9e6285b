// The board record codec: one 7000-byte record of a board file (cellValue, givenValue,
// noteBytes, 1000 filler bytes 1..9). Pure code: no Qt, no files.
#pragma once

#include "engine/board.h"
#include "engine/random.h"

#include <array>
#include <cstdint>
#include <vector>

constexpr int kRecordSize = 7000;
constexpr int kRecordCount = 4;
constexpr int kBoardFileSize = kRecordSize * kRecordCount;

using BoardRecord = std::array<std::uint8_t, kRecordSize>;

// The record of the board as it stands; notes as 0xFF, filler drawn from random.
BoardRecord encodeBoardRecord(Board& board, Random& random);
// Why a record cannot be loaded.
enum class RecordError { None, ValueOutOfRange };
// Checks a record before it is loaded: the value bytes of every cell must lie in 0..9
// (bytes at the unused column 0 and row 0 are not looked at).
RecordError checkBoardRecord(const std::uint8_t* record);
// Loads a record into cellValue, givenValue, noteBytes and noteFlag (any nonzero note
// byte counts as set; digit-0 and index-0 note bytes are ignored; value bytes at the
// unused column 0 and row 0 travel along as they are, unchecked).
void decodeBoardRecord(const std::uint8_t* record, Board& board);
// A blank record: 6000 zero bytes and 1000 filler bytes.
BoardRecord blankBoardRecord(Random& random);
