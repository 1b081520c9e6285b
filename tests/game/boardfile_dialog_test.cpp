// The slot dialog frm1 driven through its handlers and key events, the load and save
// commands around it, and the puzzle draw of a new game.
#include "files/boardfile.h"
#include "files/slotdialog.h"

#include "session/game.h"
#include "session/modal.h"
#include "engine/shuffle.h"
#include "game/boardfile_support.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <set>

using namespace boardfile_test;

namespace {

const QString kBrett = QStringLiteral("brett.qnt");

QRadioButton* opt(QWidget* form, int number) {
    return form->findChild<QRadioButton*>(QStringLiteral("opt%1").arg(number));
}
QPushButton* cmd(QWidget* form, int number) {
    return form->findChild<QPushButton*>(QStringLiteral("cmd%1").arg(number));
}
void press(QWidget* target, Qt::Key key, const QString& text) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &event);
}

struct SlotDialogTest : ::testing::Test {
    TestWorld world{9};
    Game& g = world.g();
    ScriptedPlatform& p = world.platform;
    // brett.qnt holds four boards that carry their slot number + 1 in cell (1, 2, 3).
    void SetUp() override {
        writeRaw(p, kBrett,
                 boardFile({markedBoard(1), markedBoard(2), markedBoard(3), markedBoard(4)}));
        g.state.boardFileName = kBrett;
    }
    // The slot whose board is on the board now; -1 for the untouched start board.
    int loadedSlot() const {
        return g.state.board.cellValue(1, 2, 3) == 8 ? -1 : g.state.board.cellValue(1, 2, 3) - 1;
    }
};

} // namespace

TEST_F(SlotDialogTest, EveryWayOfClosingTheLoadDialog) {
    struct Case {
        const char* what;
        std::function<void(QWidget*)> act;
        int loaded; // slot loaded, -1 for none
    } cases[] = {
        {"typing 4 on opt1", [](QWidget* f) { press(opt(f, 1), Qt::Key_4, "4"); }, 3},
        {"typing 1 on opt3", [](QWidget* f) { press(opt(f, 3), Qt::Key_1, "1"); }, 0},
        {"Enter on opt3", [](QWidget* f) { press(opt(f, 3), Qt::Key_Return, "\r"); }, 2},
        {"typing x on opt4", [](QWidget* f) { press(opt(f, 4), Qt::Key_X, "x"); }, 1},
        {"typing 5 on opt1", [](QWidget* f) { press(opt(f, 1), Qt::Key_5, "5"); }, 1},
        {"space on opt1", [](QWidget* f) { press(opt(f, 1), Qt::Key_Space, " "); }, 1},
        {"click on opt3", [](QWidget* f) { opt(f, 3)->click(); }, 2},
        {"arrow down, then OK",
         [](QWidget* f) {
             press(opt(f, 2), Qt::Key_Down, "");
             cmd(f, 1)->click();
         },
         2},
        {"OK on the preselected option", [](QWidget* f) { cmd(f, 1)->click(); }, 1},
        {"cancel", [](QWidget* f) { cmd(f, 2)->click(); }, -1},
        {"Esc on opt2", [](QWidget* f) { press(opt(f, 2), Qt::Key_Escape, "\x1b"); }, -1},
        {"close box", [](QWidget* f) { f->close(); }, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g.state.board = markedBoard(8);
        g.state.boardSlot = 1;
        g.state.boardFileName = kBrett;
        p.onModal = c.act;
        loadBoard(g);
        EXPECT_TRUE(dialogDone(g));
        EXPECT_EQ(loadedSlot(), c.loaded);
        EXPECT_EQ(g.state.boardSlot, c.loaded < 0 ? 1 : c.loaded);
    }
    EXPECT_TRUE(p.messages.empty());
}

TEST_F(SlotDialogTest, FormCaptionsPlacementAndPreselection) {
    g.state.boardSlot = 0;
    QStringList titles;
    std::vector<int> preselected;
    auto observe = [&](QWidget* f) {
        titles << f->windowTitle();
        for (int n = 1; n <= 4; ++n)
            if (opt(f, n)->isChecked()) preselected.push_back(n);
        EXPECT_EQ(f->focusWidget(), opt(f, g.state.boardSlot + 1));
        ASSERT_NE(cmd(f, 1), nullptr);
        ASSERT_NE(cmd(f, 2), nullptr);
    };
    p.onModal = [&](QWidget* f) {
        observe(f);
        press(opt(f, 1), Qt::Key_4, "4");
    };
    loadBoard(g);
    p.onModal = [&](QWidget* f) {
        observe(f);
        press(opt(f, 4), Qt::Key_2, "2");
    };
    saveBoard(g);
    p.onModal = [&](QWidget* f) {
        observe(f);
        cmd(f, 2)->click();
    };
    loadBoard(g);

    EXPECT_EQ(titles, QStringList({QStringLiteral("Welches Brett laden?"),
                                   QStringLiteral("Sichern unter ..."),
                                   QStringLiteral("Welches Brett laden?")}));
    EXPECT_EQ(preselected, (std::vector<int>{1, 4, 2}));
    EXPECT_EQ(p.modalForms, (std::vector<QString>(3, QStringLiteral("frm1"))));
    for (QPoint offset : p.modalOffsets) EXPECT_EQ(offset, QPoint(636, 266));
}

TEST_F(SlotDialogTest, SaveWritesTheChosenSlotOfBrettQnt) {
    g.state.boardFileName = QStringLiteral("mittel.qnt"); // left over from a new game
    g.state.board = markedBoard(6);
    p.onModal = [](QWidget* f) { press(opt(f, 1), Qt::Key_3, "3"); };
    saveBoard(g);
    EXPECT_EQ(g.state.boardFileName, kBrett);
    EXPECT_FALSE(g.ui.slotDialogMode);
    EXPECT_FALSE(p.fileExists(QStringLiteral("mittel.qnt")));
    g.state.board = Board{};
    ASSERT_TRUE(loadBoardRecord(g, 2));
    EXPECT_TRUE(sameStoredBoard(g.state.board, markedBoard(6)));
    ASSERT_TRUE(loadBoardRecord(g, 1));
    EXPECT_TRUE(sameStoredBoard(g.state.board, markedBoard(2)));
}

TEST_F(SlotDialogTest, AFailedSaveFromTheDialogIsReported) {
    p.failWrites = true;
    p.onModal = [](QWidget* f) { opt(f, 2)->click(); };
    saveBoard(g);
    EXPECT_TRUE(dialogDone(g));
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("brett.qnt")));
}

TEST_F(SlotDialogTest, LoadRecomputesTheSolutionAlsoAfterCancel) {
    for (bool cancel : {true, false}) {
        SCOPED_TRACE(cancel ? "cancelled" : "loaded");
        Board puzzle;
        fillPattern(puzzle);
        puzzle.cellValue(4, 5, 5) = 0;
        if (cancel) {
            g.state.board = puzzle;
            p.onModal = [](QWidget* f) { cmd(f, 2)->click(); };
        } else {
            writeRaw(p, kBrett, boardFile({Board{}, puzzle, Board{}, Board{}}));
            g.state.board = Board{};
            p.onModal = [](QWidget* f) { press(opt(f, 1), Qt::Key_2, "2"); };
        }
        g.state.board.solutionValue = BoardArray{};
        loadBoard(g);
        EXPECT_EQ(g.state.board.cellValue(4, 5, 5), 0);
        EXPECT_EQ(g.state.board.solutionValue(4, 5, 5), patternValue(4, 5, 5));
    }
}

// New games: the collection file of the difficulty, one of its four records.
struct NewGamePuzzle : ::testing::Test {
    TestWorld world{3};
    Game& g = world.g();
    ScriptedPlatform& p = world.platform;
    // Collection file d holds four boards: d + 1 in cell (0, 5, 5), record + 1 in (1, 2, 3).
    static Board collectionBoard(int difficulty, int record) {
        Board b = markedBoard(record + 1);
        b.cellValue(0, 5, 5) = b.givenValue(0, 5, 5) = std::uint8_t(difficulty + 1);
        return b;
    }
    void writeCollections(int missing = -1) {
        for (int d = 0; d < 4; ++d)
            if (d != missing)
                writeRaw(p, collectionFileName(static_cast<Difficulty>(d)),
                         boardFile({collectionBoard(d, 0), collectionBoard(d, 1),
                                    collectionBoard(d, 2), collectionBoard(d, 3)}));
    }
};

TEST_F(NewGamePuzzle, EachDifficultyDrawsFromItsOwnFile) {
    writeCollections();
    const char* names[4] = {"leicht.qnt", "mittel.qnt", "schwer.qnt", "extrem.qnt"};
    for (int d = 0; d < 4; ++d) {
        SCOPED_TRACE(names[d]);
        g.state.difficulty = static_cast<Difficulty>(d);
        std::set<int> drawn;
        for (int game = 0; game < 40; ++game) {
            g.state.board = Board{};
            g.state.clock.clockRunning = true;
            ASSERT_TRUE(loadCollectionPuzzle(g));
            EXPECT_EQ(g.state.boardFileName, QString::fromLatin1(names[d]));
            EXPECT_EQ(g.state.board.cellValue(0, 5, 5), d + 1);
            EXPECT_FALSE(g.state.clock.clockRunning);
            const int record = g.state.board.cellValue(1, 2, 3) - 1;
            EXPECT_TRUE(sameStoredBoard(g.state.board, collectionBoard(d, record)));
            drawn.insert(record);
        }
        EXPECT_EQ(drawn, (std::set<int>{0, 1, 2, 3}));
    }
    EXPECT_TRUE(p.messages.empty());
}

TEST_F(NewGamePuzzle, AMissingOrDamagedCollectionFileStopsTheNewGame) {
    for (bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "damaged" : "missing");
        writeCollections(2);
        if (damaged) writeRaw(p, QStringLiteral("schwer.qnt"), QByteArray(500, char(1)));
        p.messages.clear();
        g.state.difficulty = Difficulty::Schwer;
        g.state.board = markedBoard(8);
        g.state.clock.clockRunning = true;
        EXPECT_FALSE(loadCollectionPuzzle(g));
        EXPECT_FALSE(g.state.clock.clockRunning);
        EXPECT_TRUE(sameStoredBoard(g.state.board, markedBoard(8)));
        ASSERT_EQ(p.messages.size(), 1u);
        EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("\"schwer.qnt\"")))
            << p.messages[0].text.toStdString();
        if (!damaged) { // the folder it looked in, for an installation missing its data
            EXPECT_TRUE(p.messages[0].text.endsWith(
                QStringLiteral("Gesucht im Ordner \"%1\".").arg(p.workDir.path())))
                << p.messages[0].text.toStdString();
        }
        EXPECT_EQ(p.messages[0].icon, MessageIcon::Warning);
    }
}

TEST_F(NewGamePuzzle, SchwerReadsOnlySchwerQnt) {
    // Only schwer.qnt is in the working directory: any other file would not load.
    p.copyDataFile(QStringLiteral("schwer.qnt"));
    const QByteArray file = readRaw(p, QStringLiteral("schwer.qnt"));
    ASSERT_EQ(file.size(), kBoardFileSize);
    g.state.difficulty = Difficulty::Schwer;
    for (int game = 0; game < 8; ++game) {
        ASSERT_TRUE(loadCollectionPuzzle(g));
        EXPECT_EQ(g.state.boardFileName, QStringLiteral("schwer.qnt"));
        bool stored = false;
        for (int record = 0; record < kRecordCount; ++record)
            stored |= std::equal(g.state.board.givenValue.bytes.begin(),
                                 g.state.board.givenValue.bytes.end(),
                                 file.constData() + record * kRecordSize + kBlockSize);
        EXPECT_TRUE(stored);
        shuffleBoard(g.state.board, g.random);
        EXPECT_FALSE(g.state.board.status.notSolvable);
    }
    EXPECT_TRUE(p.messages.empty());
}
