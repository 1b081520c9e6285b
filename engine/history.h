// Undo and redo as a log of changed board bytes. A command opens a change before it acts
// and closes it afterwards; the bytes of the board that differ become one step, however
// many cells the command touched (a whole solve or shuffle is one step). Used by the play
// loop, the own-board editor and the menu commands (play/undo.*). Pure C++, no window code.
#pragma once

#include "engine/board.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

// The board bytes a change can touch, laid end to end in one image. The blocks keep the
// board arrays' byte order, so offset o of the cellValue block is cellIndex order.
namespace boardimage {
constexpr int kCellValue = 0;
constexpr int kGivenValue = kCellValue + kBlockSize;
constexpr int kNoteFlag = kGivenValue + kBlockSize;
constexpr int kSolutionValue = kNoteFlag + kNoteBlockSize;
constexpr int kShowCandidates = kSolutionValue + kBlockSize;
constexpr int kNotSolvable = kShowCandidates + 1;
constexpr int kSize = kNotSolvable + 1;
} // namespace boardimage

using BoardImage = std::array<std::uint8_t, boardimage::kSize>;

void captureBoardImage(const Board& b, BoardImage& image);
// Writes one image byte back into the board.
void writeBoardImageByte(Board& b, int offset, std::uint8_t value);

// One changed byte: its image offset, the value before and the value after the change.
struct BoardEdit {
    std::uint16_t offset;
    std::uint8_t oldValue;
    std::uint8_t newValue;
};
static_assert(sizeof(BoardEdit) == 4, "a board edit is four bytes");
static_assert(boardimage::kSize <= 65536, "image offsets fit into 16 bits");

class History {
  public:
    // A change: the edited bytes in image order, and the error count before it (undo never
    // lowers the error count, but it gives back a count that the change itself cleared).
    struct Change {
        std::vector<BoardEdit> edits;
        std::int16_t errorsBefore = 0;
    };

    // The log keeps the latest changes up to both limits; older ones are dropped first.
    static constexpr std::size_t kMaxChanges = 10000;
    static constexpr std::size_t kMaxBytes = 1536 * 1024; // accounted bytes, below 2 MB of heap

    // Opens a change: the board as it stands now is what the change is measured against.
    // Calls nest; only the outermost pair records.
    void beginChange(const Board& b);
    // Closes the change opened by beginChange; the outermost close records what differs.
    // Returns true when a change was recorded.
    bool endChange(const Board& b);
    // Records what differs since the open change began and closes it at every nesting
    // level: a game loop started by a menu command records each of its own commands.
    bool closeOpenChange(const Board& b);
    // Records the difference of two images as one change (what endChange does).
    bool record(const BoardImage& before, const BoardImage& after, std::int16_t errorsBefore);
    // Forgets every change and any open one: a new board begins its own history.
    void clear();

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < changes_.size(); }
    // Puts the old bytes of the last change back (the new bytes of the next undone one);
    // returns the change applied, or nullptr when there is none.
    const Change* undo(Board& b);
    const Change* redo(Board& b);

    std::size_t changeCount() const { return changes_.size(); }
    std::size_t undoCount() const { return position_; }
    // Bytes the log accounts for: each change's record and its edits.
    std::size_t bytesUsed() const { return bytes_; }
    bool changeOpen() const { return depth_ > 0; }

  private:
    static std::size_t changeBytes(const Change& c) {
        return sizeof(Change) + c.edits.size() * sizeof(BoardEdit);
    }
    void dropOldest();

    std::deque<Change> changes_;
    std::size_t position_ = 0; // changes_[0, position_) can be undone, the rest redone
    std::size_t bytes_ = 0;
    int depth_ = 0;
    BoardImage before_{};
    std::int16_t errorsBefore_ = 0;
};
