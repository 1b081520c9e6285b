// Loading and saving single records of a board file: file layout, slots kept apart,
// re-initialisation, missing files, and damaged or unwritable files.
#include "files/boardfile.h"

#include "session/game.h"
#include "game/boardfile_support.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace boardfile_test;

namespace {

const QString kBrett = QStringLiteral("brett.qnt");

struct BoardFiles : ::testing::Test {
    TestWorld world{5};
    Game& g = world.g();
    ScriptedPlatform& p = world.platform;
    void SetUp() override { g.state.boardFileName = kBrett; }

    Board loadSlot(int slot) {
        g.state.board = Board{};
        EXPECT_TRUE(loadBoardRecord(g, slot)) << "slot " << slot;
        return g.state.board;
    }
};

void expectBlankRecord(const QByteArray& file, int slot) {
    const int start = slot * kRecordSize;
    for (int i = 0; i < 6000; ++i)
        ASSERT_EQ(file[start + i], 0) << "slot " << slot << " byte " << i;
    for (int i = 6000; i < kRecordSize; ++i) {
        ASSERT_GE(int(file[start + i]), 1) << "slot " << slot << " filler " << i;
        ASSERT_LE(int(file[start + i]), 9) << "slot " << slot << " filler " << i;
    }
}

} // namespace

TEST_F(BoardFiles, FirstSaveIntoTheThirdSlotCreatesFourRecords) {
    g.state.board = markedBoard(3);
    ASSERT_TRUE(saveBoardRecord(g, 2));
    const QByteArray file = readRaw(p, kBrett);
    ASSERT_EQ(file.size(), 28000);
    for (int slot : {0, 1, 3}) {
        expectBlankRecord(file, slot);
        EXPECT_TRUE(isEmptyBoard(loadSlot(slot))) << "slot " << slot;
    }
    EXPECT_TRUE(sameStoredBoard(loadSlot(2), markedBoard(3)));
    EXPECT_TRUE(p.messages.empty());
}

TEST_F(BoardFiles, SavingTheFourthSlotKeepsTheSecond) {
    const Board second = markedBoard(2), fourth = markedBoard(4);
    g.state.board = second;
    ASSERT_TRUE(saveBoardRecord(g, 1));
    const QByteArray afterFirst = readRaw(p, kBrett);
    g.state.board = fourth;
    ASSERT_TRUE(saveBoardRecord(g, 3));
    const QByteArray afterSecond = readRaw(p, kBrett);
    // Only the fourth record changed.
    EXPECT_EQ(afterFirst.left(3 * kRecordSize), afterSecond.left(3 * kRecordSize));
    EXPECT_TRUE(sameStoredBoard(loadSlot(1), second));
    EXPECT_TRUE(sameStoredBoard(loadSlot(3), fourth));
    // Notes are stored as 0xFF bytes, never 1.
    const int note = kRecordSize + 1000 + noteIndex(0, 1, 1, 2 % 9 + 1);
    EXPECT_EQ(quint8(afterSecond[note]), 0xFF);
}

TEST_F(BoardFiles, TwoSavesOfOneBoardDifferOnlyInTheFiller) {
    g.state.board = markedBoard(6);
    fillPattern(g.state.board);
    ASSERT_TRUE(saveBoardRecord(g, 1));
    const QByteArray first = readRaw(p, kBrett);
    ASSERT_TRUE(saveBoardRecord(g, 1));
    const QByteArray second = readRaw(p, kBrett);
    ASSERT_EQ(first.size(), second.size());
    int differing = 0;
    for (int i = 0; i < first.size(); ++i) {
        if (first[i] == second[i]) continue;
        ++differing;
        ASSERT_GE(i, kRecordSize + 6000) << "a byte outside the filler changed: " << i;
        ASSERT_LT(i, 2 * kRecordSize) << "a byte outside the filler changed: " << i;
    }
    EXPECT_GT(differing, 0);
}

TEST_F(BoardFiles, IndexZeroValueBytesAreWrittenAsHeld) {
    g.state.board.cellValue(3, 0, 0) = 5;
    g.state.board.givenValue(0, 4, 0) = 2;
    ASSERT_TRUE(saveBoardRecord(g, 0));
    const QByteArray file = readRaw(p, kBrett);
    EXPECT_EQ(file[cellIndex(3, 0, 0)], 5);
    EXPECT_EQ(file[500 + cellIndex(0, 4, 0)], 2);
    const Board loaded = loadSlot(0);
    EXPECT_EQ(loaded.cellValue(3, 0, 0), 5);
    EXPECT_EQ(loaded.givenValue(0, 4, 0), 2);
}

TEST_F(BoardFiles, NotesRemovedAfterALoadAreNotSavedAgain) {
    g.state.board = markedBoard(3);
    ASSERT_TRUE(saveBoardRecord(g, 0));
    Board loaded = loadSlot(0);
    ASSERT_NE(loaded.noteFlag, NoteArray<bool>{});
    setAllNotes(g.state.board, false); // the player clears every note (key C)
    ASSERT_TRUE(saveBoardRecord(g, 0));
    EXPECT_EQ(loadSlot(0).noteFlag, NoteArray<bool>{});
}

// A file of another length keeps its complete records (missing ones blank, extra bytes
// dropped); the original is kept aside first, never over an older backup.
TEST_F(BoardFiles, AFileOfAnotherLengthKeepsItsCompleteRecordsOnSave) {
    struct Case {
        int length;
        int kept; // complete records taken over
    } cases[] = {{0, 0}, {100, 0}, {10000, 1}, {27999, 3}, {28001, 4}, {35000, 4}};
    const QString backup = QStringLiteral("brett.qnt.bak");
    writeRaw(p, backup, "older backup");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        QFile::remove(p.path(QStringLiteral("brett.qnt.bak2")));
        QByteArray old = boardFile(
            {markedBoard(1), markedBoard(2), markedBoard(3), markedBoard(4), markedBoard(5)});
        old.resize(c.length);
        writeRaw(p, kBrett, old);
        p.messages.clear();
        g.state.board = markedBoard(7);
        ASSERT_TRUE(saveBoardRecord(g, 1));
        const QByteArray file = readRaw(p, kBrett);
        ASSERT_EQ(file.size(), 28000);
        for (int slot : {0, 2, 3}) {
            if (slot < c.kept)
                EXPECT_TRUE(sameStoredBoard(loadSlot(slot), markedBoard(slot + 1)));
            else
                expectBlankRecord(file, slot);
        }
        EXPECT_TRUE(sameStoredBoard(loadSlot(1), markedBoard(7)));
        EXPECT_EQ(readRaw(p, backup), QByteArray("older backup"));
        if (c.length == 0) {
            EXPECT_TRUE(p.messages.empty());
            continue;
        }
        EXPECT_EQ(readRaw(p, QStringLiteral("brett.qnt.bak2")), old);
        ASSERT_EQ(p.messages.size(), 1u);
        EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("\"brett.qnt.bak2\"")))
            << p.messages[0].text.toStdString();
        EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("falsche Länge")));
    }
    // A file of the right length is written in place, with no backup and no message.
    QFile::remove(p.path(QStringLiteral("brett.qnt.bak2")));
    p.messages.clear();
    ASSERT_TRUE(saveBoardRecord(g, 3));
    EXPECT_FALSE(p.fileExists(QStringLiteral("brett.qnt.bak2")));
    EXPECT_TRUE(p.messages.empty());
    // When the original cannot be kept aside, nothing is written.
    const QByteArray shortFile = readRaw(p, kBrett).left(9000);
    writeRaw(p, kBrett, shortFile);
    p.writeFault = WriteFault{WriteStage::Flush, ENOSPC};
    p.writeFaultFile = QStringLiteral("brett.qnt.bak2");
    EXPECT_FALSE(saveBoardRecord(g, 0));
    EXPECT_EQ(readRaw(p, kBrett), shortFile);
    EXPECT_FALSE(p.fileExists(QStringLiteral("brett.qnt.bak2")));
}

TEST_F(BoardFiles, LoadingAMissingFileLeavesTheBoardAndStopsTheClock) {
    g.state.board = markedBoard(4);
    g.state.clock.clockRunning = true;
    EXPECT_FALSE(loadBoardRecord(g, 0));
    EXPECT_FALSE(g.state.clock.clockRunning);
    EXPECT_TRUE(sameStoredBoard(g.state.board, markedBoard(4)));
    EXPECT_TRUE(p.messages.empty());
}

TEST_F(BoardFiles, LoadingAnyNonzeroNoteByteSetsTheNote) {
    QByteArray file = boardFile({Board{}, Board{}, Board{}, Board{}});
    file[kRecordSize * 2 + 1000 + noteIndex(2, 4, 6, 8)] = 1;
    file[kRecordSize * 2 + 1000 + noteIndex(2, 4, 6, 0)] = char(0xFF); // digit 0: ignored
    writeRaw(p, kBrett, file);
    const Board loaded = loadSlot(2);
    EXPECT_TRUE(loaded.noteFlag(2, 4, 6, 8));
    EXPECT_FALSE(loaded.noteFlag(2, 4, 6, 0));
}

// A damaged record or a file too short for the slot is not loaded: the board stays and
// the message names the file.
TEST_F(BoardFiles, DamagedOrShortFilesAreNotLoaded) {
    struct Case {
        const char* what;
        int slot;
        int damagedByte; // -1: none
        int damagedValue;
        int length;
        bool loads;
    } cases[] = {
        {"cell value 10", 1, kRecordSize + cellIndex(2, 5, 5), 10, 28000, false},
        {"given value 0xFF", 3, 3 * kRecordSize + 500 + cellIndex(4, 9, 9), 0xFF, 28000, false},
        {"index-0 value 200 is ignored", 0, cellIndex(0, 0, 0), 200, 28000, true},
        {"row-0 given 0xFF is ignored", 2, 2 * kRecordSize + 500 + cellIndex(3, 4, 0), 0xFF, 28000,
         true},
        {"empty file", 0, -1, 0, 0, false},
        {"slot beyond the end", 2, -1, 0, 14000, false},
        {"slot cut inside its notes", 1, -1, 0, 12000, false},
        {"slot cut inside its filler only", 1, -1, 0, 13000, true},
        {"odd note byte 0x37", 0, 1000 + noteIndex(1, 1, 1, 1), 0x37, 28000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray file =
            boardFile({markedBoard(1), markedBoard(2), markedBoard(3), markedBoard(4)});
        if (c.damagedByte >= 0) file[c.damagedByte] = char(c.damagedValue);
        file.resize(c.length);
        writeRaw(p, kBrett, file);
        p.messages.clear();
        g.state.board = markedBoard(8);
        g.state.clock.clockRunning = true;
        EXPECT_EQ(loadBoardRecord(g, c.slot), c.loads);
        EXPECT_FALSE(g.state.clock.clockRunning);
        if (c.loads) {
            EXPECT_TRUE(p.messages.empty());
            EXPECT_EQ(g.state.board.cellValue(1, 2, 3), c.slot + 1);
        } else {
            EXPECT_TRUE(sameStoredBoard(g.state.board, markedBoard(8)));
            ASSERT_EQ(p.messages.size(), 1u);
            EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("\"brett.qnt\"")))
                << p.messages[0].text.toStdString();
            EXPECT_EQ(p.messages[0].captions, QStringLiteral("OK"));
            EXPECT_EQ(p.messages[0].icon, MessageIcon::Warning);
        }
    }
}

TEST_F(BoardFiles, AFailedSaveSaysSoAndKeepsTheOldFile) {
    const QByteArray old =
        boardFile({markedBoard(1), markedBoard(2), markedBoard(3), markedBoard(4)});
    writeRaw(p, kBrett, old);
    p.failWrites = true;
    g.state.board = markedBoard(6);
    EXPECT_FALSE(saveBoardRecord(g, 2));
    EXPECT_EQ(readRaw(p, kBrett), old);
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("\"brett.qnt\"")));
    EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("gesichert")));
    EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("kein Platz mehr")));
    EXPECT_EQ(p.messages[0].icon, MessageIcon::Warning);
}

TEST_F(BoardFiles, AnUnreadableFileIsNotOverwrittenWithBlankRecords) {
    // A directory of that name exists but cannot be read as a file.
    ASSERT_TRUE(QDir(p.workDir.path()).mkdir(kBrett));
    g.state.board = markedBoard(6);
    EXPECT_FALSE(saveBoardRecord(g, 0));
    EXPECT_TRUE(QFileInfo(p.path(kBrett)).isDir());
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("\"brett.qnt\"")));
    g.state.board = markedBoard(6);
    EXPECT_FALSE(loadBoardRecord(g, 0));
    EXPECT_TRUE(sameStoredBoard(g.state.board, markedBoard(6)));
}
