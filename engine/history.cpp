// Undo and redo as a log of changed board bytes: the board image, the difference of two
// images as one change, and the log with its limits.
#include "engine/history.h"

#include <algorithm>
#include <cstring>

void captureBoardImage(const Board& b, BoardImage& image) {
    using namespace boardimage;
    std::memcpy(image.data() + kCellValue, b.cellValue.bytes.data(), kBlockSize);
    std::memcpy(image.data() + kGivenValue, b.givenValue.bytes.data(), kBlockSize);
    static_assert(sizeof(bool) == 1, "a note flag is one byte, 0 or 1");
    std::memcpy(image.data() + kNoteFlag, b.noteFlag.bytes.data(), kNoteBlockSize);
    std::memcpy(image.data() + kSolutionValue, b.solutionValue.bytes.data(), kBlockSize);
    image[kShowCandidates] = b.options.showCandidates;
    image[kNotSolvable] = b.status.notSolvable;
}

void writeBoardImageByte(Board& b, int offset, std::uint8_t value) {
    using namespace boardimage;
    const auto at = [](int o) { return static_cast<std::size_t>(o); };
    if (offset < kGivenValue)
        b.cellValue.bytes[at(offset - kCellValue)] = value;
    else if (offset < kNoteFlag)
        b.givenValue.bytes[at(offset - kGivenValue)] = value;
    else if (offset < kSolutionValue)
        b.noteFlag.bytes[at(offset - kNoteFlag)] = value != 0;
    else if (offset < kShowCandidates)
        b.solutionValue.bytes[at(offset - kSolutionValue)] = value;
    else if (offset == kShowCandidates)
        b.options.showCandidates = value != 0;
    else if (offset == kNotSolvable)
        b.status.notSolvable = value != 0;
}

void History::beginChange(const Board& b) {
    if (depth_++ > 0) return;
    captureBoardImage(b, before_);
    errorsBefore_ = b.status.errorCount;
}

bool History::endChange(const Board& b) {
    if (depth_ == 0) return false; // closed early by closeOpenChange or clear
    if (--depth_ > 0) return false;
    BoardImage after;
    captureBoardImage(b, after);
    return record(before_, after, errorsBefore_);
}

bool History::closeOpenChange(const Board& b) {
    if (depth_ == 0) return false;
    depth_ = 1;
    return endChange(b);
}

bool History::record(const BoardImage& before, const BoardImage& after, std::int16_t errorsBefore) {
    Change change;
    change.errorsBefore = errorsBefore;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i])
            change.edits.push_back({static_cast<std::uint16_t>(i), before[i], after[i]});
    if (change.edits.empty()) return false;
    change.edits.shrink_to_fit();

    // A new change ends the redo branch.
    while (changes_.size() > position_) {
        bytes_ -= changeBytes(changes_.back());
        changes_.pop_back();
    }
    bytes_ += changeBytes(change);
    changes_.push_back(std::move(change));
    ++position_;
    while (changes_.size() > kMaxChanges || (bytes_ > kMaxBytes && changes_.size() > 1))
        dropOldest();
    return true;
}

void History::dropOldest() {
    bytes_ -= changeBytes(changes_.front());
    changes_.pop_front();
    if (position_ > 0) --position_;
}

void History::clear() {
    changes_.clear();
    changes_.shrink_to_fit();
    position_ = 0;
    bytes_ = 0;
    depth_ = 0;
}

const History::Change* History::undo(Board& b) {
    if (!canUndo()) return nullptr;
    const Change& change = changes_[--position_];
    for (auto e = change.edits.rbegin(); e != change.edits.rend(); ++e)
        writeBoardImageByte(b, e->offset, e->oldValue);
    b.status.errorCount = std::max(b.status.errorCount, change.errorsBefore);
    return &change;
}

const History::Change* History::redo(Board& b) {
    if (!canRedo()) return nullptr;
    const Change& change = changes_[position_++];
    for (const BoardEdit& e : change.edits) writeBoardImageByte(b, e.offset, e.newValue);
    return &change;
}
