// Puzzle shuffling: row, column, band and stack exchanges, digit relabelling, flips and a
// quarter turn that keep all five grids valid. Called for a new game and "Brett mischen".
#include "engine/shuffle.h"

#include "engine/solver.h"

#include <utility>

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

void flipVertical(Board& b) {
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            swapCells(b, 0, c, r, 3, c, 10 - r);
            swapCells(b, 1, c, r, 4, c, 10 - r);
            if (r <= 4) swapCells(b, 2, c, r, 2, c, 10 - r);
        }
    }
}

void flipHorizontal(Board& b) {
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            swapCells(b, 0, c, r, 1, 10 - c, r);
            swapCells(b, 3, c, r, 4, 10 - c, r);
            if (c <= 4) swapCells(b, 2, c, r, 2, 10 - c, r);
        }
    }
}

void rotateBoard(Board& b) {
    // The grid each old grid becomes after a quarter turn counter-clockwise.
    constexpr int kNewGrid[5] = {3, 0, 2, 4, 1};
    for (int g = 0; g <= 4; ++g) {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                b.savedValue(kNewGrid[g], r, 10 - c) = b.cellValue(g, c, r);
                b.solutionValue(kNewGrid[g], r, 10 - c) = b.givenValue(g, c, r);
            }
        }
    }
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
// R of the shuffle tables: 1 or 2.
int drawR(Random& random) {
    return random.RANDOM(2) + 1;
}

void flipsAndTurn(Board& b, Random& random) {
    if (random.coin()) flipVertical(b);
    if (random.coin()) flipHorizontal(b);
    if (random.coin()) rotateBoard(b);
}

// One iteration that keeps a clue pattern symmetric under a half turn of the field:
// every exchange in one half is paired with its image in the other half.
void symmetricIteration(Board& b, Random& random) {
    int R = drawR(random);
    swapRows(b, 0, R, R + 1), swapRows(b, 1, R, R + 1);
    swapRows(b, 3, 10 - R, 9 - R), swapRows(b, 4, 10 - R, 9 - R);
    swapColumns(b, 0, R, R + 1), swapColumns(b, 3, R, R + 1);
    swapColumns(b, 1, 10 - R, 9 - R), swapColumns(b, 4, 10 - R, 9 - R);

    R = drawR(random);
    swapRows(b, 0, R + 3, R + 4), swapRows(b, 1, R + 3, R + 4);
    swapRows(b, 3, 7 - R, 6 - R), swapRows(b, 4, 7 - R, 6 - R);
    swapColumns(b, 0, R + 3, R + 4), swapColumns(b, 3, R + 3, R + 4);
    swapColumns(b, 1, 7 - R, 6 - R), swapColumns(b, 4, 7 - R, 6 - R);

    if (random.coin()) swapRows(b, 2, 4, 6), swapColumns(b, 2, 4, 6);

    R = drawR(random);
    swapRows(b, 0, R + 6, R + 7), swapRows(b, 2, R, R + 1), swapRows(b, 1, R + 6, R + 7);
    swapRows(b, 3, 4 - R, 3 - R), swapRows(b, 2, 10 - R, 9 - R), swapRows(b, 4, 4 - R, 3 - R);
    swapColumns(b, 0, R + 6, R + 7), swapColumns(b, 2, R, R + 1), swapColumns(b, 3, R + 6, R + 7);
    swapColumns(b, 1, 4 - R, 3 - R), swapColumns(b, 2, 10 - R, 9 - R);
    swapColumns(b, 4, 4 - R, 3 - R);

    if (random.coin()) {
        swapStacks(b, 0, 1, 2), swapStacks(b, 1, 3, 2), swapStacks(b, 3, 1, 2);
        swapStacks(b, 4, 3, 2);
        swapBands(b, 0, 1, 2), swapBands(b, 1, 1, 2), swapBands(b, 3, 2, 3), swapBands(b, 4, 2, 3);
    }

    relabelDigits(b, random);
    flipsAndTurn(b, random);
}

// One iteration in which every exchange is decided by its own coin.
void freeIteration(Board& b, Random& random) {
    int R = drawR(random);
    if (random.coin()) swapRows(b, 0, R, R + 1), swapRows(b, 1, R, R + 1);
    if (random.coin()) swapRows(b, 3, 10 - R, 9 - R), swapRows(b, 4, 10 - R, 9 - R);
    if (random.coin()) swapColumns(b, 0, R, R + 1), swapColumns(b, 3, R, R + 1);
    if (random.coin()) swapColumns(b, 1, 10 - R, 9 - R), swapColumns(b, 4, 10 - R, 9 - R);

    R = drawR(random);
    if (random.coin()) {
        swapRows(b, 0, R + 3, R + 4), swapRows(b, 1, R + 3, R + 4);
        swapRows(b, 3, 7 - R, 6 - R), swapRows(b, 4, 7 - R, 6 - R);
    }
    if (random.coin()) {
        swapColumns(b, 0, R + 3, R + 4), swapColumns(b, 3, R + 3, R + 4);
        swapColumns(b, 1, 7 - R, 6 - R), swapColumns(b, 4, 7 - R, 6 - R);
    }

    if (random.coin()) swapRows(b, 2, 4, 6);
    if (random.coin()) swapRows(b, 2, 4, 5);
    if (random.coin()) swapColumns(b, 2, 4, 6);
    if (random.coin()) swapColumns(b, 2, 4, 5);

    R = drawR(random);
    if (random.coin())
        swapRows(b, 0, R + 6, R + 7), swapRows(b, 2, R, R + 1), swapRows(b, 1, R + 6, R + 7);
    if (random.coin())
        swapRows(b, 3, 4 - R, 3 - R), swapRows(b, 2, 10 - R, 9 - R), swapRows(b, 4, 4 - R, 3 - R);
    if (random.coin()) {
        swapColumns(b, 0, R + 6, R + 7), swapColumns(b, 2, R, R + 1);
        swapColumns(b, 3, R + 6, R + 7);
    }
    if (random.coin()) {
        swapColumns(b, 1, 4 - R, 3 - R), swapColumns(b, 2, 10 - R, 9 - R);
        swapColumns(b, 4, 4 - R, 3 - R);
    }

    relabelDigits(b, random);
    flipsAndTurn(b, random);
}
} // namespace

void shuffleBoard(Board& b, Random& random) {
    const bool symmetric = b.symmetricPuzzle;
    const int iterations = random.RANDOM(150) + 101;
    for (int i = 0; i < iterations; ++i) {
        if (symmetric)
            symmetricIteration(b, random);
        else
            freeIteration(b, random);
    }
    computeSolution(b);
}
