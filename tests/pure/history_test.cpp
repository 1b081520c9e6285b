// The undo log: changes as differences of the board's bytes, nesting, the redo branch, the
// error count and the limits.
#include "engine/history.h"
#include "engine/shuffle.h"
#include "support_pure/puzzles.h"

#include <gtest/gtest.h>

namespace {
bool sameRecordedBoard(const Board& a, const Board& b) {
    BoardImage x, y;
    captureBoardImage(a, x);
    captureBoardImage(b, y);
    return x == y;
}
} // namespace

TEST(History, EveryKindOfChangeUndoesAndRedoesAsOneStep) {
    // Each step is one command's worth of changes; undoing all of them in turn gives back
    // every board on the way, redoing them gives back every later one.
    Random random(3);
    struct Step {
        const char* name;
        void (*act)(Board&, Random&);
    };
    const Step steps[] = {
        {"entry in a shared box",
         [](Board& b, Random&) { b.cellValue(0, 8, 8) = 4, syncSharedBoxes(b); }},
        {"note toggle", [](Board& b, Random&) { b.noteFlag(1, 2, 2, 7) = true; }},
        {"all notes", [](Board& b, Random&) { setAllNotes(b, true); }},
        {"given with flags",
         [](Board& b, Random&) {
             b.givenValue(3, 1, 1) = b.cellValue(3, 1, 1) = 9, b.options.showCandidates = true,
                                b.status.notSolvable = true;
         }},
        {"shuffle", [](Board& b, Random& r) { shuffleBoard(b, r); }},
        {"restart", [](Board& b, Random&) { restartPuzzle(b); }},
        {"clear", [](Board& b, Random&) { clearBoardModel(b); }},
    };
    Board b = puzzles::thinOut(puzzles::shuffledSolvedBoard(random), random, true, 150);
    History h;
    std::vector<Board> boards{b};
    for (const Step& s : steps) {
        h.beginChange(b);
        h.beginChange(b); // a nested pair records nothing of its own
        s.act(b, random);
        EXPECT_FALSE(h.endChange(b)) << s.name;
        EXPECT_TRUE(h.endChange(b)) << s.name;
        boards.push_back(b);
    }
    h.beginChange(b);
    EXPECT_FALSE(h.endChange(b)) << "a command that changed nothing is no step";
    ASSERT_EQ(h.changeCount(), std::size(steps));

    for (std::size_t i = boards.size() - 1; i > 0; --i) {
        ASSERT_NE(h.undo(b), nullptr);
        EXPECT_TRUE(sameRecordedBoard(b, boards[i - 1])) << steps[i - 1].name;
    }
    EXPECT_EQ(h.undo(b), nullptr);
    for (std::size_t i = 1; i < boards.size(); ++i) {
        ASSERT_NE(h.redo(b), nullptr);
        EXPECT_TRUE(sameRecordedBoard(b, boards[i])) << steps[i - 1].name;
    }
    EXPECT_EQ(h.redo(b), nullptr);
}

TEST(History, RedoBranchErrorCountOpenChangesAndLimits) {
    Board b;
    History h;
    // A change that cleared the error count gets it back on undo; undo never lowers it.
    b.status.errorCount = 2;
    h.beginChange(b);
    b.cellValue(0, 1, 1) = 5;
    b.status.errorCount = 0;
    h.endChange(b);
    b.status.errorCount = 3;
    h.beginChange(b);
    b.cellValue(0, 1, 2) = 6;
    h.endChange(b);
    h.undo(b);
    EXPECT_EQ(b.status.errorCount, 3);
    h.undo(b);
    EXPECT_EQ(b.status.errorCount, 3);
    b.status.errorCount = 1;
    h.redo(b);
    h.undo(b);
    EXPECT_EQ(b.status.errorCount, 2);

    // A new change after an undo ends the redo branch.
    h.beginChange(b);
    b.cellValue(4, 9, 9) = 1;
    h.endChange(b);
    EXPECT_FALSE(h.canRedo());
    EXPECT_EQ(h.changeCount(), 1u);

    // closeOpenChange records at once and leaves the outer close with nothing to do.
    h.beginChange(b);
    b.cellValue(4, 9, 8) = 2;
    EXPECT_TRUE(h.closeOpenChange(b));
    b.cellValue(4, 9, 7) = 3;
    EXPECT_FALSE(h.endChange(b));
    EXPECT_EQ(h.changeCount(), 2u);

    // clear forgets the log and any open change.
    h.beginChange(b);
    h.clear();
    b.cellValue(4, 9, 6) = 4;
    EXPECT_FALSE(h.endChange(b));
    EXPECT_FALSE(h.canUndo());

    // The limits: at most 10,000 changes, and the oldest go first; large changes are
    // bounded by bytes.
    for (int i = 0; i < 10050; ++i) {
        h.beginChange(b);
        b.cellValue(1, 1 + i % 9, 1) =
            static_cast<std::uint8_t>(1 + (b.cellValue(1, 1 + i % 9, 1) % 9));
        h.endChange(b);
    }
    EXPECT_EQ(h.changeCount(), History::kMaxChanges);
    EXPECT_EQ(h.undoCount(), History::kMaxChanges);
    for (int i = 0; i < 400; ++i) {
        h.beginChange(b);
        setAllNotes(b, i % 2 == 0);
        h.endChange(b);
    }
    EXPECT_LE(h.bytesUsed(), History::kMaxBytes);
    EXPECT_LT(h.changeCount(), 400u);
}
