// The board record codec: byte layout, notes, filler, blank records and damaged values.
#include "files/record.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
constexpr int kNotes = 1000;
constexpr int kFiller = 6000;

void expectFillerInRange(const BoardRecord& record) {
    for (int i = kFiller; i < kRecordSize; ++i) {
        ASSERT_GE(record[i], 1) << "filler byte " << i;
        ASSERT_LE(record[i], 9) << "filler byte " << i;
    }
}
} // namespace

TEST(Record, ValuesAndGivensLieAtTheirFileOffsets) {
    Board b;
    b.cellValue(0, 8, 8) = 5; // shared with grid 2 (2, 2, 2)
    b.cellValue(2, 2, 2) = 5;
    b.cellValue(4, 9, 9) = 7;
    b.givenValue(3, 1, 4) = 2;
    b.cellValue(3, 1, 4) = 2;
    Random random(3);
    BoardRecord record = encodeBoardRecord(b, random);
    struct Case {
        int offset;
        int value;
    } cases[] = {
        {0 + 5 * 8 + 50 * 8, 5}, {2 + 5 * 2 + 50 * 2, 5},       {4 + 5 * 9 + 50 * 9, 7},
        {3 + 5 * 1 + 50 * 4, 2}, {500 + 3 + 5 * 1 + 50 * 4, 2}, {500 + 4 + 5 * 9 + 50 * 9, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(record[c.offset], c.value) << "offset " << c.offset;
    // Nothing else is set in the two value blocks.
    EXPECT_EQ(std::count_if(record.begin(), record.begin() + kNotes,
                            [](std::uint8_t v) { return v != 0; }),
              5);
    expectFillerInRange(record);
}

TEST(Record, NotesRoundTripAsFFBytes) {
    Board b;
    b.noteFlag(0, 1, 1, 1) = true;
    b.noteFlag(2, 5, 5, 9) = true;
    b.noteFlag(4, 9, 9, 4) = true;
    b.noteFlag(1, 3, 7, 7) = true;
    // Index 0 and digit 0 carry no board content and are never written.
    b.noteFlag(0, 0, 3, 3) = true;
    b.noteFlag(1, 4, 4, 0) = true;
    Random random(1);
    BoardRecord record = encodeBoardRecord(b, random);
    int set = 0;
    for (int i = kNotes; i < kFiller; ++i) {
        ASSERT_TRUE(record[i] == 0 || record[i] == 0xFF) << "note byte " << i;
        set += record[i] == 0xFF;
    }
    EXPECT_EQ(set, 4);
    EXPECT_EQ(record[kNotes + noteIndex(2, 5, 5, 9)], 0xFF);

    Board loaded;
    decodeBoardRecord(record.data(), loaded);
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                for (int d = 1; d <= 9; ++d)
                    ASSERT_EQ(loaded.noteFlag(g, c, r, d), b.noteFlag(g, c, r, d));
    EXPECT_FALSE(loaded.noteFlag(0, 0, 3, 3));
    EXPECT_FALSE(loaded.noteFlag(1, 4, 4, 0));
}

TEST(Record, AnyNonzeroNoteByteCountsAsSetAndStaleNotesAreCleared) {
    BoardRecord record{};
    record[kNotes + noteIndex(0, 2, 3, 4)] = 1;
    record[kNotes + noteIndex(3, 9, 1, 9)] = 0x80;
    record[kNotes + noteIndex(2, 0, 5, 5)] = 0xFF; // column 0: ignored
    record[kNotes + noteIndex(2, 5, 5, 0)] = 0xFF; // digit 0: ignored
    Board b;
    b.noteFlag(4, 4, 4, 4) = true; // from an earlier board; must not survive the load
    decodeBoardRecord(record.data(), b);
    int set = std::count(b.noteFlag.bytes.begin(), b.noteFlag.bytes.end(), true);
    EXPECT_EQ(set, 2);
    EXPECT_TRUE(b.noteFlag(0, 2, 3, 4));
    EXPECT_TRUE(b.noteFlag(3, 9, 1, 9));
}

TEST(Record, EncodeDecodeKeepsValuesGivensAndIndexZeroBytes) {
    Board b;
    Random fill(17);
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                b.cellValue(g, c, r) = static_cast<std::uint8_t>(fill.RANDOM(10));
                if (fill.coin()) b.givenValue(g, c, r) = b.cellValue(g, c, r);
            }
    b.cellValue(1, 0, 0) = 4; // index-0 bytes travel as the arrays hold them
    Random random(2);
    BoardRecord record = encodeBoardRecord(b, random);
    Board loaded;
    decodeBoardRecord(record.data(), loaded);
    EXPECT_EQ(loaded.cellValue, b.cellValue);
    EXPECT_EQ(loaded.givenValue, b.givenValue);
}

TEST(Record, SavingTwiceDiffersOnlyInTheFiller) {
    Board b;
    b.cellValue(2, 5, 5) = 9;
    b.noteFlag(0, 1, 2, 3) = true;
    Random random(5);
    BoardRecord first = encodeBoardRecord(b, random);
    BoardRecord second = encodeBoardRecord(b, random);
    EXPECT_TRUE(std::equal(first.begin(), first.begin() + kFiller, second.begin()));
    EXPECT_FALSE(std::equal(first.begin() + kFiller, first.end(), second.begin() + kFiller));
}

TEST(Record, BlankRecordLoadsAsAnEmptyBoardWithoutNotes) {
    Random random(9);
    BoardRecord blank = blankBoardRecord(random);
    EXPECT_TRUE(
        std::all_of(blank.begin(), blank.begin() + kFiller, [](std::uint8_t v) { return v == 0; }));
    expectFillerInRange(blank);
    EXPECT_EQ(checkBoardRecord(blank.data()), RecordError::None);
    Board b;
    b.cellValue(0, 1, 1) = 3;
    b.givenValue(0, 1, 1) = 3;
    b.noteFlag(1, 1, 1, 1) = true;
    decodeBoardRecord(blank.data(), b);
    EXPECT_EQ(b.cellValue, BoardArray{});
    EXPECT_EQ(b.givenValue, BoardArray{});
    EXPECT_EQ(std::count(b.noteFlag.bytes.begin(), b.noteFlag.bytes.end(), true), 0);
}

TEST(Record, ValueBytesOutsideZeroToNineAreRejected) {
    struct Case {
        int offset;
        std::uint8_t value;
        RecordError expected;
    } cases[] = {
        {cellIndex(0, 1, 1), 9, RecordError::None},
        {cellIndex(0, 1, 1), 10, RecordError::ValueOutOfRange},
        {cellIndex(4, 9, 9), 0xFF, RecordError::ValueOutOfRange},
        {500 + cellIndex(2, 5, 5), 10, RecordError::ValueOutOfRange},
        {999, 200, RecordError::ValueOutOfRange},
        // The unused column 0 and row 0 are ignored, whatever they hold.
        {cellIndex(3, 0, 4), 0xFF, RecordError::None},
        {500 + cellIndex(1, 6, 0), 77, RecordError::None},
        {cellIndex(0, 0, 0), 10, RecordError::None},
        {kNotes + 7, 0xFF, RecordError::None},  // notes may hold any byte
        {kFiller + 3, 0xEE, RecordError::None}, // the filler is never read
    };
    for (const Case& c : cases) {
        BoardRecord record{};
        record[c.offset] = c.value;
        EXPECT_EQ(checkBoardRecord(record.data()), c.expected) << "offset " << c.offset;
    }
}
