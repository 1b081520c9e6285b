// The board model's operations on the shared boxes, completeness, restart and clear.
#include "engine/board.h"

#include <algorithm>
#include <array>
#include <utility>

bool otherCopy(int grid, int column, int row, int& otherGrid, int& otherColumn, int& otherRow) {
    for (const SharedBox& box : kSharedBoxes) {
        if (grid == box.masterGrid && column >= box.masterColumn && column < box.masterColumn + 3 &&
            row >= box.masterRow && row < box.masterRow + 3) {
            otherGrid = box.mirrorGrid;
            otherColumn = column - box.masterColumn + box.mirrorColumn;
            otherRow = row - box.masterRow + box.mirrorRow;
            return true;
        }
        if (grid == box.mirrorGrid && column >= box.mirrorColumn && column < box.mirrorColumn + 3 &&
            row >= box.mirrorRow && row < box.mirrorRow + 3) {
            otherGrid = box.masterGrid;
            otherColumn = column - box.mirrorColumn + box.masterColumn;
            otherRow = row - box.mirrorRow + box.masterRow;
            return true;
        }
    }
    return false;
}

namespace {
// The 36 (mirror, master) offsets of syncSharedBoxes, in its order: for i = 1..3 (outer)
// and j = 1..3, (2, i, j) <- (0, i + 6, j + 6); (2, i + 6, j) <- (1, i, j + 6);
// (3, i + 6, j) <- (2, i, j + 6); (4, i, j) <- (2, i + 6, j + 6).
constexpr auto kMirrorCopies = [] {
    std::array<std::pair<int, int>, 36> copies{};
    int n = 0;
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            copies[n++] = {cellIndex(2, i, j), cellIndex(0, i + 6, j + 6)};
            copies[n++] = {cellIndex(2, i + 6, j), cellIndex(1, i, j + 6)};
            copies[n++] = {cellIndex(3, i + 6, j), cellIndex(2, i, j + 6)};
            copies[n++] = {cellIndex(4, i, j), cellIndex(2, i + 6, j + 6)};
        }
    }
    return copies;
}();

void copyMastersToMirrors(BoardArray& a) {
    for (auto [mirror, master] : kMirrorCopies) a.bytes[mirror] = a.bytes[master];
}
void clearMirrors(BoardArray& a) {
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            a(2, i, j) = 0;
            a(2, i + 6, j) = 0;
            a(3, i + 6, j) = 0;
            a(4, i, j) = 0;
        }
    }
}
} // namespace

void syncSharedBoxes(Board& b) {
    copyMastersToMirrors(b.cellValue);
    copyMastersToMirrors(b.givenValue);
}

void clearSharedMirrors(Board& b) {
    clearMirrors(b.cellValue);
    clearMirrors(b.givenValue);
}

bool isBoardComplete(Board& b) {
    clearSharedMirrors(b);
    b.digitCount.fill(0);
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) ++b.digitCount[std::min<int>(b.cellValue(g, c, r), 9)];
    syncSharedBoxes(b);
    for (int d = 1; d <= 9; ++d)
        if (b.digitCount[d] != 41) return false;
    return true;
}

void setAllNotes(Board& b, bool value) {
    b.noteFlag.bytes.fill(value);
}

void restartPuzzle(Board& b) {
    setAllNotes(b, false);
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (b.givenValue(g, c, r) == 0) b.cellValue(g, c, r) = 0;
}

void clearBoardModel(Board& b) {
    b.status.notSolvable = false;
    b.cellValue.bytes.fill(0);
    b.givenValue.bytes.fill(0);
    setAllNotes(b, false);
}
