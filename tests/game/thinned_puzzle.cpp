#include "tests/game/thinned_puzzle.h"

#include "tools/collections/generator.h"

ThinnedPuzzle thinnedPuzzle(std::uint32_t seed) {
    Random random(seed);
    const FieldValues solution = makeSolution(random);
    ThinnedPuzzle p;
    p.board = puzzleBoard(thinOutBySearch(solution, random));
    p.solution = puzzleBoard(solution).cellValue;
    return p;
}
