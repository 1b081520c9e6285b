// libFuzzer target: any byte string read as a board file. Each slot the bytes can hold is
// checked; a record that passes the check is loaded and written back, and the value
// blocks must survive that round trip unchanged.
#include "files/record.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Random random(7);
    for (int slot = 0; slot < kRecordCount; ++slot) {
        const std::size_t offset = static_cast<std::size_t>(slot) * kRecordSize;
        if (size < offset + kRecordSize) break;
        const std::uint8_t* record = data + offset;
        if (checkBoardRecord(record) != RecordError::None) continue;
        Board board;
        decodeBoardRecord(record, board);
        const BoardRecord again = encodeBoardRecord(board, random);
        if (std::memcmp(again.data(), record, 1000) != 0) std::abort();
        for (int i = 6000; i < kRecordSize; ++i)
            if (again[i] < 1 || again[i] > 9) std::abort();
    }
    return 0;
}
