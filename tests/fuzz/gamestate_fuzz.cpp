// libFuzzer target: any byte string read as a game-in-progress file. A file that decodes
// must hold only values 0..9 and an error count that is not negative, and write back to
// the very same bytes.
#include "files/gamestate.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SavedGame game;
    if (decodeSavedGame(data, size, game) != SavedGameError::None) return 0;
    for (const BoardArray* block :
         {&game.board.cellValue, &game.board.givenValue, &game.board.solutionValue})
        for (const std::uint8_t value : block->bytes)
            if (value > 9) std::abort();
    if (game.board.status.errorCount < 0) std::abort();
    const std::vector<std::uint8_t> again = encodeSavedGame(game);
    SavedGame reread;
    if (decodeSavedGame(again.data(), again.size(), reread) != SavedGameError::None) std::abort();
    if (encodeSavedGame(reread) != again) std::abort();
    return 0;
}
