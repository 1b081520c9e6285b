// libFuzzer target: any byte string read as "Champions.Rhm". Reading never fails; what it
// read is written as exactly 120 lines, and reading that again gives the same tables.
#include "halloffame/table.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HallOfFame table;
    decodeHallOfFame(std::vector<unsigned char>(data, data + size), table);
    const std::vector<unsigned char> file = encodeHallOfFame(table);
    int lines = 0;
    for (std::size_t i = 0; i + 1 < file.size(); ++i)
        if (file[i] == '\r' && file[i + 1] == '\n') ++lines;
    if (lines != 120) std::abort();
    HallOfFame again;
    decodeHallOfFame(file, again);
    if (encodeHallOfFame(again) != file) std::abort();
    for (int d = 0; d < 4; ++d) {
        bool emptySeen = false;
        for (int rank = 1; rank <= kHallOfFameRanks; ++rank) {
            const bool empty = table.hallOfFameTime[d][rank].rfind('9', 0) == 0;
            if (!empty && emptySeen) std::abort(); // occupied ranks come first
            emptySeen = emptySeen || empty;
        }
    }
    return 0;
}
