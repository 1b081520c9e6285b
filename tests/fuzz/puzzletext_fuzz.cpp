// libFuzzer target: any byte string read as a puzzle text. An error names a place inside the
// text and the field; a puzzle that reads is written in the 21-line form, and that text
// must read back to the same puzzle.
#include "engine/puzzletext.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const PuzzleText read = readPuzzleText(text);
    if (read.error) {
        const PuzzleTextError& e = *read.error;
        if (e.line < 0 || e.column < 0 || e.column > 81 || e.grid < -1 || e.grid > 4) std::abort();
        if (e.grid >= 0 && (e.gridColumn < 1 || e.gridColumn > 9 || e.gridRow < 1 || e.gridRow > 9))
            std::abort();
        return 0;
    }
    const std::string written = writePuzzleText(read.values);
    if (written.size() != 21 * 22) std::abort();
    const PuzzleText again = readPuzzleText(written);
    if (again.error || again.values != read.values) std::abort();
    return 0;
}
