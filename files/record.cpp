// The board record codec: turns the board model into one 7000-byte record of a board
// file and back. Called by the load/save code of the board files and by the collection tools.
#include "files/record.h"

#include <algorithm>

namespace {
constexpr int kCellValueOffset = 0;
constexpr int kGivenValueOffset = kBlockSize;
constexpr int kNoteOffset = 2 * kBlockSize;
constexpr int kFillerOffset = kNoteOffset + kNoteBlockSize;

// The filler is never read; it is drawn anew on every save, each byte 1..9.
void fillFiller(std::uint8_t* filler, Random& random) {
    for (int i = 0; i < kRecordSize - kFillerOffset; ++i)
        filler[i] = static_cast<std::uint8_t>(random.RANDOM(9) + 1);
}
} // namespace

BoardRecord encodeBoardRecord(Board& board, Random& random) {
    BoardRecord record{};
    std::copy(board.cellValue.bytes.begin(), board.cellValue.bytes.end(),
              record.begin() + kCellValueOffset);
    std::copy(board.givenValue.bytes.begin(), board.givenValue.bytes.end(),
              record.begin() + kGivenValueOffset);
    // Notes of the unused index 0 and of digit 0 are always written as 0.
    board.noteBytes.bytes.fill(0);
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                for (int d = 1; d <= 9; ++d)
                    if (board.noteFlag(g, c, r, d)) board.noteBytes(g, c, r, d) = 0xFF;
    std::copy(board.noteBytes.bytes.begin(), board.noteBytes.bytes.end(),
              record.begin() + kNoteOffset);
    fillFiller(record.data() + kFillerOffset, random);
    return record;
}

RecordError checkBoardRecord(const std::uint8_t* record) {
    // Only cells that exist count: the unused column 0 and row 0 may hold any byte.
    for (const int block : {kCellValueOffset, kGivenValueOffset})
        for (int g = 0; g <= 4; ++g)
            for (int c = 1; c <= 9; ++c)
                for (int r = 1; r <= 9; ++r)
                    if (record[block + cellIndex(g, c, r)] > 9) return RecordError::ValueOutOfRange;
    return RecordError::None;
}

void decodeBoardRecord(const std::uint8_t* record, Board& board) {
    std::copy(record + kCellValueOffset, record + kGivenValueOffset, board.cellValue.bytes.begin());
    std::copy(record + kGivenValueOffset, record + kNoteOffset, board.givenValue.bytes.begin());
    std::copy(record + kNoteOffset, record + kFillerOffset, board.noteBytes.bytes.begin());
    setAllNotes(board, false);
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                for (int d = 1; d <= 9; ++d)
                    if (board.noteBytes(g, c, r, d) != 0) board.noteFlag(g, c, r, d) = true;
}

BoardRecord blankBoardRecord(Random& random) {
    BoardRecord record{};
    fillFiller(record.data() + kFillerOffset, random);
    return record;
}
