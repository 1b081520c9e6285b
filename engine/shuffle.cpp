// Puzzle shuffling: row, column, band and stack exchanges, digit relabelling, flips and a
// quarter turn that keep all five grids valid. Called for a new game and "Brett mischen".
//
// shuffleBoard does not move the whole board for every flip, turn and relabelling it
// draws. It keeps the board in the orientation it started in and tracks which of the
// eight orientations of the field is current: an exchange of current rows or columns is
// made on the cells they stand for in the starting orientation. Relabellings are composed
// into one digit map. The orientation and the digit map are applied once at the end, which
// gives the same board as applying every transformation in turn.
#include "engine/shuffle.h"

#include "engine/solver.h"

#include <array>
#include <utility>
#include <vector>

namespace {
// Exchanges two cells in cellValue and givenValue alike.
void swapCells(Board& b, int g1, int c1, int r1, int g2, int c2, int r2) {
    std::swap(b.cellValue(g1, c1, r1), b.cellValue(g2, c2, r2));
    std::swap(b.givenValue(g1, c1, r1), b.givenValue(g2, c2, r2));
}
} // namespace

void swapRows(Board& b, int grid, int a, int c) {
    for (int k = 1; k <= 9; ++k) swapCells(b, grid, k, a, grid, k, c);
}

void swapColumns(Board& b, int grid, int a, int c) {
    for (int k = 1; k <= 9; ++k) swapCells(b, grid, a, k, grid, c, k);
}

void swapStacks(Board& b, int grid, int a, int c) {
    for (int r = 1; r <= 9; ++r)
        for (int j = 1; j <= 3; ++j)
            swapCells(b, grid, 3 * (a - 1) + j, r, grid, 3 * (c - 1) + j, r);
}

void swapBands(Board& b, int grid, int a, int c) {
    for (int col = 1; col <= 9; ++col)
        for (int j = 1; j <= 3; ++j)
            swapCells(b, grid, col, 3 * (a - 1) + j, grid, col, 3 * (c - 1) + j);
}

void relabelDigits(Board& b, Random& random) {
    b.digitUnused.fill(true);
    b.digitPermutation.fill(0);
    for (int i = 1; i <= 9; ++i) {
        int k;
        do k = random.RANDOM(9) + 1;
        while (!b.digitUnused[k]);
        b.digitPermutation[i] = static_cast<std::uint8_t>(k);
        b.digitUnused[k] = false;
    }
    for (int g = 0; g <= 4; ++g) {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                // Values outside 0..9 never come from a checked board file; leave them.
                if (b.cellValue(g, c, r) <= 9)
                    b.cellValue(g, c, r) = b.digitPermutation[b.cellValue(g, c, r)];
                if (b.givenValue(g, c, r) <= 9)
                    b.givenValue(g, c, r) = b.digitPermutation[b.givenValue(g, c, r)];
            }
        }
    }
}

namespace {
// The cell exchanges of the two flips, as pairs of offsets.
template <typename Swap> void flipVerticalPairs(Swap&& swap) {
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            swap(cellIndex(0, c, r), cellIndex(3, c, 10 - r));
            swap(cellIndex(1, c, r), cellIndex(4, c, 10 - r));
            if (r <= 4) swap(cellIndex(2, c, r), cellIndex(2, c, 10 - r));
        }
    }
}
template <typename Swap> void flipHorizontalPairs(Swap&& swap) {
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            swap(cellIndex(0, c, r), cellIndex(1, 10 - c, r));
            swap(cellIndex(3, c, r), cellIndex(4, 10 - c, r));
            if (c <= 4) swap(cellIndex(2, c, r), cellIndex(2, 10 - c, r));
        }
    }
}
// The quarter turn counter-clockwise as moves (from, to): old grid 0 becomes grid 3,
// 1 becomes 0, 2 stays, 3 becomes 4, 4 becomes 1; cell (c, r) goes to (r, 10 - c).
template <typename Move> void rotateMoves(Move&& move) {
    constexpr int kNewGrid[5] = {3, 0, 2, 4, 1};
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                move(cellIndex(g, c, r), cellIndex(kNewGrid[g], r, 10 - c));
}
} // namespace

void flipVertical(Board& b) {
    flipVerticalPairs([&b](int i, int j) {
        std::swap(b.cellValue.bytes[i], b.cellValue.bytes[j]);
        std::swap(b.givenValue.bytes[i], b.givenValue.bytes[j]);
    });
}

void flipHorizontal(Board& b) {
    flipHorizontalPairs([&b](int i, int j) {
        std::swap(b.cellValue.bytes[i], b.cellValue.bytes[j]);
        std::swap(b.givenValue.bytes[i], b.givenValue.bytes[j]);
    });
}

void rotateBoard(Board& b) {
    // The turned board goes into working storage first: values into savedValue, givens
    // into solutionValue.
    rotateMoves([&b](int from, int to) {
        b.savedValue.bytes[to] = b.cellValue.bytes[from];
        b.solutionValue.bytes[to] = b.givenValue.bytes[from];
    });
    for (int g = 0; g <= 4; ++g) {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                b.cellValue(g, c, r) = b.savedValue(g, c, r);
                b.givenValue(g, c, r) = b.solutionValue(g, c, r);
            }
        }
    }
}

namespace {
// One orientation of the field: for every offset, the offset in the starting orientation
// whose content stands there now, and the orientation each flip or the turn leads to.
struct Orientation {
    std::array<std::int16_t, kBlockSize> source;
    int afterFlipVertical = 0, afterFlipHorizontal = 0, afterRotate = 0;
};

// The eight orientations, found by applying the flips and the turn to the identity until
// nothing new appears; entry 0 is the starting orientation.
const std::vector<Orientation>& orientations() {
    static const std::vector<Orientation> all = [] {
        std::vector<Orientation> list(1);
        for (int i = 0; i < kBlockSize; ++i) list[0].source[i] = static_cast<std::int16_t>(i);
        const auto find = [&list](const std::array<std::int16_t, kBlockSize>& source) {
            for (std::size_t k = 0; k < list.size(); ++k)
                if (list[k].source == source) return static_cast<int>(k);
            list.push_back({source, 0, 0, 0});
            return static_cast<int>(list.size() - 1);
        };
        for (std::size_t k = 0; k < list.size(); ++k) {
            auto flippedV = list[k].source, flippedH = list[k].source, turned = list[k].source;
            flipVerticalPairs([&](int i, int j) { std::swap(flippedV[i], flippedV[j]); });
            flipHorizontalPairs([&](int i, int j) { std::swap(flippedH[i], flippedH[j]); });
            rotateMoves([&](int from, int to) { turned[to] = list[k].source[from]; });
            const int v = find(flippedV), h = find(flippedH), t = find(turned);
            list[k].afterFlipVertical = v;
            list[k].afterFlipHorizontal = h;
            list[k].afterRotate = t;
        }
        return list;
    }();
    return all;
}

// The board during shuffleBoard: cells in the starting orientation (value in the low byte,
// given in the high byte), the current orientation and the digit map drawn so far.
class ShuffleState {
  public:
    explicit ShuffleState(Board& board) : b(board), all(orientations()) {
        for (int i = 0; i < kBlockSize; ++i)
            cells[i] =
                static_cast<std::uint16_t>(b.cellValue.bytes[i] | b.givenValue.bytes[i] << 8);
        for (int v = 0; v <= 9; ++v) digitMap[v] = static_cast<std::uint8_t>(v);
    }

    void swapRows(int grid, int a, int c) {
        for (int k = 1; k <= 9; ++k) swapCells(cellIndex(grid, k, a), cellIndex(grid, k, c));
    }
    void swapColumns(int grid, int a, int c) {
        for (int k = 1; k <= 9; ++k) swapCells(cellIndex(grid, a, k), cellIndex(grid, c, k));
    }
    void swapStacks(int grid, int a, int c) {
        for (int j = 1; j <= 3; ++j) swapColumns(grid, 3 * (a - 1) + j, 3 * (c - 1) + j);
    }
    void swapBands(int grid, int a, int c) {
        for (int j = 1; j <= 3; ++j) swapRows(grid, 3 * (a - 1) + j, 3 * (c - 1) + j);
    }
    // Draws the permutation exactly as relabelDigits does and composes it into the map.
    void relabelDigits(Random& random) {
        b.digitUnused.fill(true);
        b.digitPermutation.fill(0);
        for (int i = 1; i <= 9; ++i) {
            int k;
            do k = random.RANDOM(9) + 1;
            while (!b.digitUnused[k]);
            b.digitPermutation[i] = static_cast<std::uint8_t>(k);
            b.digitUnused[k] = false;
        }
        for (int v = 0; v <= 9; ++v) digitMap[v] = b.digitPermutation[digitMap[v]];
    }
    void flipVertical() { current = all[current].afterFlipVertical; }
    void flipHorizontal() { current = all[current].afterFlipHorizontal; }
    void rotateBoard() { current = all[current].afterRotate; }

    // Writes the cells back in the current orientation with the digit map applied.
    void finish() {
        const auto& source = all[current].source;
        const auto map = [this](int v) {
            return static_cast<std::uint8_t>(v <= 9 ? digitMap[v] : v);
        };
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= 9; ++c) {
                for (int g = 0; g <= 4; ++g) {
                    const int i = cellIndex(g, c, r);
                    const std::uint16_t cell = cells[source[i]];
                    b.cellValue.bytes[i] = map(cell & 0xFF);
                    b.givenValue.bytes[i] = map(cell >> 8);
                }
            }
        }
    }

  private:
    void swapCells(int i, int j) {
        const auto& source = all[current].source;
        std::swap(cells[source[i]], cells[source[j]]);
    }

    Board& b;
    const std::vector<Orientation>& all;
    std::array<std::uint16_t, kBlockSize> cells;
    std::array<std::uint8_t, 10> digitMap;
    int current = 0;
};

// R of the shuffle tables: 1 or 2.
int drawR(Random& random) {
    return random.RANDOM(2) + 1;
}

void flipsAndTurn(ShuffleState& b, Random& random) {
    if (random.coin()) b.flipVertical();
    if (random.coin()) b.flipHorizontal();
    if (random.coin()) b.rotateBoard();
}

// One iteration that keeps a clue pattern symmetric under a half turn of the field:
// every exchange in one half is paired with its image in the other half.
void symmetricIteration(ShuffleState& b, Random& random) {
    int R = drawR(random);
    b.swapRows(0, R, R + 1);
    b.swapRows(1, R, R + 1);
    b.swapRows(3, 10 - R, 9 - R);
    b.swapRows(4, 10 - R, 9 - R);
    b.swapColumns(0, R, R + 1);
    b.swapColumns(3, R, R + 1);
    b.swapColumns(1, 10 - R, 9 - R);
    b.swapColumns(4, 10 - R, 9 - R);

    R = drawR(random);
    b.swapRows(0, R + 3, R + 4);
    b.swapRows(1, R + 3, R + 4);
    b.swapRows(3, 7 - R, 6 - R);
    b.swapRows(4, 7 - R, 6 - R);
    b.swapColumns(0, R + 3, R + 4);
    b.swapColumns(3, R + 3, R + 4);
    b.swapColumns(1, 7 - R, 6 - R);
    b.swapColumns(4, 7 - R, 6 - R);

    if (random.coin()) {
        b.swapRows(2, 4, 6);
        b.swapColumns(2, 4, 6);
    }

    R = drawR(random);
    b.swapRows(0, R + 6, R + 7);
    b.swapRows(2, R, R + 1);
    b.swapRows(1, R + 6, R + 7);
    b.swapRows(3, 4 - R, 3 - R);
    b.swapRows(2, 10 - R, 9 - R);
    b.swapRows(4, 4 - R, 3 - R);
    b.swapColumns(0, R + 6, R + 7);
    b.swapColumns(2, R, R + 1);
    b.swapColumns(3, R + 6, R + 7);
    b.swapColumns(1, 4 - R, 3 - R);
    b.swapColumns(2, 10 - R, 9 - R);
    b.swapColumns(4, 4 - R, 3 - R);

    if (random.coin()) {
        b.swapStacks(0, 1, 2);
        b.swapStacks(1, 3, 2);
        b.swapStacks(3, 1, 2);
        b.swapStacks(4, 3, 2);
        b.swapBands(0, 1, 2);
        b.swapBands(1, 1, 2);
        b.swapBands(3, 2, 3);
        b.swapBands(4, 2, 3);
    }

    b.relabelDigits(random);
    flipsAndTurn(b, random);
}

// One iteration in which every exchange is decided by its own coin.
void freeIteration(ShuffleState& b, Random& random) {
    int R = drawR(random);
    if (random.coin()) {
        b.swapRows(0, R, R + 1);
        b.swapRows(1, R, R + 1);
    }
    if (random.coin()) {
        b.swapRows(3, 10 - R, 9 - R);
        b.swapRows(4, 10 - R, 9 - R);
    }
    if (random.coin()) {
        b.swapColumns(0, R, R + 1);
        b.swapColumns(3, R, R + 1);
    }
    if (random.coin()) {
        b.swapColumns(1, 10 - R, 9 - R);
        b.swapColumns(4, 10 - R, 9 - R);
    }

    R = drawR(random);
    if (random.coin()) {
        b.swapRows(0, R + 3, R + 4);
        b.swapRows(1, R + 3, R + 4);
        b.swapRows(3, 7 - R, 6 - R);
        b.swapRows(4, 7 - R, 6 - R);
    }
    if (random.coin()) {
        b.swapColumns(0, R + 3, R + 4);
        b.swapColumns(3, R + 3, R + 4);
        b.swapColumns(1, 7 - R, 6 - R);
        b.swapColumns(4, 7 - R, 6 - R);
    }

    if (random.coin()) b.swapRows(2, 4, 6);
    if (random.coin()) b.swapRows(2, 4, 5);
    if (random.coin()) b.swapColumns(2, 4, 6);
    if (random.coin()) b.swapColumns(2, 4, 5);

    R = drawR(random);
    if (random.coin()) {
        b.swapRows(0, R + 6, R + 7);
        b.swapRows(2, R, R + 1);
        b.swapRows(1, R + 6, R + 7);
    }
    if (random.coin()) {
        b.swapRows(3, 4 - R, 3 - R);
        b.swapRows(2, 10 - R, 9 - R);
        b.swapRows(4, 4 - R, 3 - R);
    }
    if (random.coin()) {
        b.swapColumns(0, R + 6, R + 7);
        b.swapColumns(2, R, R + 1);
        b.swapColumns(3, R + 6, R + 7);
    }
    if (random.coin()) {
        b.swapColumns(1, 4 - R, 3 - R);
        b.swapColumns(2, 10 - R, 9 - R);
        b.swapColumns(4, 4 - R, 3 - R);
    }

    b.relabelDigits(random);
    flipsAndTurn(b, random);
}
} // namespace

void shuffleBoard(Board& b, Random& random) {
    const bool symmetric = b.options.symmetricPuzzle;
    const int iterations = random.RANDOM(150) + 101;
    ShuffleState state(b);
    for (int i = 0; i < iterations; ++i) {
        if (symmetric)
            symmetricIteration(state, random);
        else
            freeIteration(state, random);
    }
    state.finish();
    computeSolution(b);
}
