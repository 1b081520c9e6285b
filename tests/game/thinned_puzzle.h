// A puzzle for the hint tests: a random solution of the five grids thinned out while the
// search keeps it unique, so it needs more than singles. Kept apart from the game headers,
// which name the field geometry as the collection generator does.
#pragma once

#include "engine/board.h"

#include <cstdint>

struct ThinnedPuzzle {
    Board board;         // the clues as givens, every other cell empty
    BoardArray solution; // the one completion, both copies of a shared box
};
ThinnedPuzzle thinnedPuzzle(std::uint32_t seed);
