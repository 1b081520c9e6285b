// Helpers of the board-file tests: boards with recognisable contents, board files built
// byte by byte in the scripted working directory, and record comparisons.
#pragma once

#include "files/record.h"
#include "support/scripted_platform.h"

#include <QByteArray>
#include <QFile>
#include <gtest/gtest.h>

namespace boardfile_test {

// A complete, valid five-grid board: one periodic pattern over the 21 x 21 field, read
// through the window of each grid (grids start at field rows/columns 0, 6 or 12).
inline int patternValue(int grid, int column, int row) {
    static const int top[5] = {0, 0, 6, 12, 12}, left[5] = {0, 12, 6, 0, 12};
    const int R = top[grid] + row - 1, C = left[grid] + column - 1;
    return (3 * (R % 3) + (R / 3) % 3 + C) % 9 + 1;
}

inline void fillPattern(Board& b) {
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) b.cellValue(g, c, r) = std::uint8_t(patternValue(g, c, r));
}

// A board that tells records apart: `marker` in a given cell and a few notes.
inline Board markedBoard(int marker) {
    Board b;
    b.cellValue(1, 2, 3) = std::uint8_t(marker);
    b.givenValue(1, 2, 3) = std::uint8_t(marker);
    b.cellValue(4, 9, 9) = std::uint8_t(9 - marker % 9);
    b.noteFlag(0, 1, 1, marker % 9 + 1) = true;
    b.noteFlag(2, 5, 5, 9) = true;
    return b;
}

// A file of four records made from the given boards.
inline QByteArray boardFile(std::initializer_list<Board> boards, std::uint32_t seed = 7) {
    Random random(seed);
    QByteArray bytes;
    for (Board b : boards) {
        const BoardRecord record = encodeBoardRecord(b, random);
        bytes.append(reinterpret_cast<const char*>(record.data()), kRecordSize);
    }
    return bytes;
}

inline void writeRaw(ScriptedPlatform& p, const QString& name, const QByteArray& bytes) {
    QFile file(p.path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

inline QByteArray readRaw(ScriptedPlatform& p, const QString& name) {
    QFile file(p.path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The board contents a record carries.
inline bool sameStoredBoard(const Board& a, const Board& b) {
    if (!(a.cellValue == b.cellValue) || !(a.givenValue == b.givenValue)) return false;
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                for (int d = 1; d <= 9; ++d)
                    if (a.noteFlag(g, c, r, d) != b.noteFlag(g, c, r, d)) return false;
    return true;
}

inline bool isEmptyBoard(const Board& b) {
    return sameStoredBoard(b, Board{});
}

} // namespace boardfile_test
