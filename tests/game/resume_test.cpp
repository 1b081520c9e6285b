// The game in progress across a restart: "spielstand.qnt" written while playing and on
// leaving, "Letztes Spiel fortsetzen?" at start, and the files it refuses.
#include "app/menu.h"
#include "panels/info.h"
#include "play/render.h"
#include "files/gamestate.h"
#include "files/resume.h"
#include "support/scripted_platform.h"

#include <QFile>
#include <gtest/gtest.h>

#include <cerrno>

namespace {

const QString kFile = QStringLiteral("spielstand.qnt");

QByteArray readRaw(ScriptedPlatform& p, const QString& name) {
    QFile file(p.path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeRaw(ScriptedPlatform& p, const QString& name, const QByteArray& bytes) {
    QFile file(p.path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A game under way: givens, an entry, notes, an error, letters shown, difficulty Schwer.
void startGame(Game& g, bool timed, double played) {
    Board& b = g.state.board;
    b.givenValue(0, 1, 1) = b.cellValue(0, 1, 1) = 5;
    b.cellValue(2, 5, 5) = 3;
    b.solutionValue(2, 5, 5) = 3;
    b.noteFlag(1, 2, 3, 4) = true;
    b.status.errorCount = 1;
    b.options.showDigits = false;
    g.state.difficulty = Difficulty::Schwer;
    g.state.clock.clockRunning = timed;
    g.state.clock.startTime = g.platform.now() - played;
}

SavedGame fileGame(ScriptedPlatform& p) {
    const QByteArray bytes = readRaw(p, kFile);
    SavedGame game;
    EXPECT_EQ(decodeSavedGame(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                              std::size_t(bytes.size()), game),
              SavedGameError::None);
    return game;
}

} // namespace

TEST(Resume, TimedAndUntimedGamesWithNotesComeBackAfterARestart) {
    for (const bool timed : {true, false}) {
        SCOPED_TRACE(timed);
        TestWorld w;
        startGame(w.g(), timed, 754.5);
        keepGameInProgress(w.g()); // leaving through the quit question
        releaseGameInProgress(w.g());

        w.platform.time += 3600; // the program was closed for an hour
        Game next(w.platform, w.canvas);
        w.platform.answers = {1}; // "&JA"
        ASSERT_TRUE(offerResume(next));
        ASSERT_EQ(w.platform.messages.size(), 1u);
        EXPECT_EQ(w.platform.messages[0].text, QStringLiteral("Letztes Spiel fortsetzen?"));
        EXPECT_EQ(w.platform.messages[0].captions, QStringLiteral("&JA|&NEIN"));
        EXPECT_EQ(next.state.board.cellValue, w.g().state.board.cellValue);
        EXPECT_EQ(next.state.board.givenValue, w.g().state.board.givenValue);
        EXPECT_EQ(next.state.board.solutionValue, w.g().state.board.solutionValue);
        EXPECT_EQ(next.state.board.noteFlag, w.g().state.board.noteFlag);
        EXPECT_EQ(next.state.board.status.errorCount, 1);
        EXPECT_FALSE(next.state.board.options.showDigits);
        EXPECT_EQ(next.state.difficulty, Difficulty::Schwer);
        EXPECT_EQ(next.state.clock.clockRunning, timed);
        if (timed) {
            EXPECT_NEAR(w.platform.now() - next.state.clock.startTime, 754.5, 0.01);
        }

        // NEIN removes the file; nothing is asked at the next start.
        releaseGameInProgress(next);
        w.platform.answers = {2};
        Game third(w.platform, w.canvas);
        EXPECT_FALSE(offerResume(third));
        EXPECT_FALSE(w.platform.fileExists(kFile));
        EXPECT_EQ(third.state.board.cellValue, Board{}.cellValue);
    }
}

// While playing, the file follows the board at most once a second, keeps the old game
// whole when a write fails (said once), and goes when the game is solved or cleared.
TEST(Resume, WrittenWhileThePlayLoopRunsAndRemovedWhenDone) {
    TestWorld w;
    Game& g = w.g();
    ScriptedPlatform& p = w.platform;
    startGame(g, true, 10);
    noteGameChanged(g);
    const QByteArray first = readRaw(p, kFile);
    ASSERT_FALSE(first.isEmpty());
    g.state.board.cellValue(4, 9, 9) = 7;
    p.time += 0.5;
    noteGameChanged(g);
    EXPECT_EQ(readRaw(p, kFile), first) << "not twice within a second";

    for (WriteStage stage : {WriteStage::Write, WriteStage::Flush, WriteStage::Rename}) {
        p.writeFault = WriteFault{stage, ENOSPC};
        p.time += 1;
        noteGameChanged(g);
        EXPECT_EQ(readRaw(p, kFile), first);
    }
    ASSERT_EQ(p.messages.size(), 1u) << "a failing disk is reported once, not after every move";
    EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("„spielstand.qnt“")));
    EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("kein Platz mehr frei")));
    p.writeFault.reset();
    p.time += 1;
    g.state.clock.clockRunning = false; // the resumed game below runs without the clock ticker
    noteGameChanged(g);
    EXPECT_EQ(fileGame(p).board.cellValue(4, 9, 9), 7);

    // The whole command: JA, one key, Esc; the play loop keeps the change.
    releaseGameInProgress(g);
    Game next(p, w.canvas);
    p.answers = {1};
    p.time += 1;
    p.events.clear();
    p.key('C'); // clears every note: a change of the board
    p.key(kKeyEsc);
    Win_0_MenuEvent(next, menuNumber(MenuId::ResumeGame));
    EXPECT_EQ(fileGame(p).board.noteFlag, Board{}.noteFlag);

    clearBoardModel(next.state.board); // "Brett löschen" ends the game in progress
    forgetGameInProgress(next);
    EXPECT_FALSE(p.fileExists(kFile));
}

// A board typed in with "Eigenes Brett" is kept while it is typed, as a game is while it is
// played: killed in the editor, the program lost every given typed since the editor opened.
TEST(Resume, ABoardTypedInTheEditorIsKeptWhileItIsTyped) {
    TestWorld w;
    Game& g = w.g();
    ScriptedPlatform& p = w.platform;
    p.events.clear();
    p.key(kKeyRight); // the cell cursor on the top-left cell
    p.key('7');       // a given there
    p.key(kKeyRight);
    p.key(kKeyEsc);
    QByteArray beforeLeaving;
    int events = 0;
    p.onEvent = [&](const Event&) {
        if (++events == 4) beforeLeaving = readRaw(p, kFile);
    };
    Win_0_MenuEvent(g, menuNumber(MenuId::OwnBoard));
    ASSERT_EQ(g.state.board.givenValue(0, 1, 1), 7);
    ASSERT_FALSE(beforeLeaving.isEmpty()) << "nothing kept while the editor ran";
    SavedGame game;
    ASSERT_EQ(decodeSavedGame(reinterpret_cast<const std::uint8_t*>(beforeLeaving.constData()),
                              std::size_t(beforeLeaving.size()), game),
              SavedGameError::None);
    EXPECT_EQ(game.board.givenValue(0, 1, 1), 7);
    EXPECT_EQ(game.board.cellValue(0, 1, 1), 7);
    EXPECT_FALSE(game.timed);
}

// A game just begun is kept before its first event: killed then, the program brings back
// this game, not the one played before it.
TEST(Resume, ANewGameIsKeptBeforeItsFirstMove) {
    TestWorld w;
    Game& g = w.g();
    ScriptedPlatform& p = w.platform;
    p.copyDataFile(QStringLiteral("leicht.qnt"));
    startGame(g, false, 0);
    g.state.difficulty = Difficulty::Leicht;
    noteGameChanged(g);
    const QByteArray before = readRaw(p, kFile);
    ASSERT_FALSE(before.isEmpty());
    p.time += 5;
    p.events.clear();
    QByteArray atFirstEvent;
    p.onEvent = [&](const Event&) {
        if (atFirstEvent.isEmpty()) atFirstEvent = readRaw(p, kFile);
    };
    p.key(kKeyEsc);
    Win_0_MenuEvent(g, menuNumber(MenuId::NewGame));
    joinClockTicker(g);
    ASSERT_FALSE(atFirstEvent.isEmpty());
    EXPECT_NE(atFirstEvent, before);
}

// A damaged, foreign or newer file is named, kept aside (never over an older backup) and
// nothing else is touched.
TEST(Resume, DamagedForeignAndFutureFilesAreKeptAsideAndNamed) {
    SavedGame sample;
    sample.board.cellValue(0, 1, 1) = 4;
    std::vector<std::uint8_t> good = encodeSavedGame(sample);
    QByteArray future(reinterpret_cast<const char*>(good.data()), qsizetype(good.size()));
    future[8] = 9;
    QByteArray damaged(reinterpret_cast<const char*>(good.data()), qsizetype(good.size()));
    damaged[500] = char(damaged[500] ^ 0x20);
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* says;
    } cases[] = {
        {"future version", future, "neueren Version"},
        {"damaged", damaged, "beschädigt"},
        {"foreign", QByteArray(28000, '\0'), "beschädigt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestWorld w;
        ScriptedPlatform& p = w.platform;
        writeRaw(p, QStringLiteral("brett.qnt"), "brett");
        writeRaw(p, QStringLiteral("Champions.Rhm"), "ruhm");
        writeRaw(p, QStringLiteral("spielstand.qnt.bak"), "older");
        writeRaw(p, kFile, c.bytes);
        EXPECT_FALSE(offerResume(w.g()));
        ASSERT_EQ(p.messages.size(), 1u);
        const QString text = p.messages[0].text;
        EXPECT_TRUE(text.contains(QStringLiteral("„spielstand.qnt“"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.says))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("„spielstand.qnt.bak2“"))) << text.toStdString();
        EXPECT_EQ(readRaw(p, QStringLiteral("spielstand.qnt.bak2")), c.bytes);
        EXPECT_EQ(readRaw(p, QStringLiteral("spielstand.qnt.bak")), QByteArray("older"));
        EXPECT_FALSE(p.fileExists(kFile));
        EXPECT_EQ(readRaw(p, QStringLiteral("brett.qnt")), QByteArray("brett"));
        EXPECT_EQ(readRaw(p, QStringLiteral("Champions.Rhm")), QByteArray("ruhm"));
        EXPECT_EQ(w.g().state.board.cellValue, Board{}.cellValue);
    }
}

// The file follows a change within a second without waiting for the next event, and
// follows the timing too: a timed game left with Esc is kept untimed at once, so a program
// killed afterwards (no quit question) does not bring it back timed.
TEST(Resume, WrittenWithinASecondOfAChangeAndOfTheTimingStopping) {
    TestWorld w;
    Game& g = w.g();
    ScriptedPlatform& p = w.platform;
    startGame(g, true, 10);
    noteGameChanged(g);
    g.state.board.cellValue(4, 9, 9) = 7;
    p.time += 0.3;
    noteGameChanged(g); // too soon after the last write: the write waits for its second
    EXPECT_EQ(fileGame(p).board.cellValue(4, 9, 9), 0);
    p.time += 0.8; // no further event comes
    p.runDueCalls();
    EXPECT_EQ(fileGame(p).board.cellValue(4, 9, 9), 7);
    EXPECT_TRUE(fileGame(p).timed);
    releaseGameInProgress(g);

    Game next(p, w.canvas);
    p.answers = {1};
    p.events.clear();
    p.key(kKeyEsc); // leaves the resumed timed game
    Win_0_MenuEvent(next, menuNumber(MenuId::ResumeGame));
    joinClockTicker(next);
    EXPECT_FALSE(fileGame(p).timed);
    EXPECT_EQ(fileGame(p).board.cellValue(4, 9, 9), 7);
}

TEST(Resume, TheTimePlayedIsWrittenWhileThePlayerThinks) {
    TestWorld w;
    Game& g = w.g();
    ScriptedPlatform& p = w.platform;
    startGame(g, true, 10);
    noteGameChanged(g);
    EXPECT_NEAR(fileGame(p).timePlayed, 10, 0.01);
    p.time += 25; // no event: a program killed now has lost at most ten seconds
    p.runDueCalls();
    EXPECT_GE(fileGame(p).timePlayed, 25);
    EXPECT_EQ(fileGame(p).board.cellValue(2, 5, 5), 3) << "the board as it was";
    // A stopped clock writes the time no more.
    g.state.clock.clockRunning = false;
    noteGameChanged(g);
    p.time += 1.1;
    p.runDueCalls();
    const QByteArray stopped = readRaw(p, kFile);
    EXPECT_FALSE(fileGame(p).timed);
    p.time += 60;
    p.runDueCalls();
    EXPECT_EQ(readRaw(p, kFile), stopped);
}

// One game in progress per folder: a second game started beside a running one is told so
// and plays without the file; it neither offers, replaces nor removes the first one's.
TEST(Resume, ASecondGameInTheSameFolderLeavesTheFirstOnesFileAlone) {
    TestWorld w;
    ScriptedPlatform& p = w.platform;
    startGame(w.g(), false, 0);
    keepGameInProgress(w.g());
    const QByteArray kept = readRaw(p, kFile);
    Game second(p, w.canvas);
    EXPECT_FALSE(offerResume(second));
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("anderes Quintor-Spiel")));
    second.state.board.cellValue(3, 2, 2) = 4;
    p.time += 5;
    noteGameChanged(second);
    keepGameInProgress(second);
    clearBoardModel(second.state.board);
    forgetGameInProgress(second);
    keepGameInProgress(second);
    EXPECT_EQ(readRaw(p, kFile), kept);
    EXPECT_EQ(p.messages.size(), 1u) << "said once";

    releaseGameInProgress(w.g()); // the first game ends: the next start may take the file
    Game third(p, w.canvas);
    p.answers = {1};
    EXPECT_TRUE(offerResume(third));
}

// Files the game leaves exactly as they are: the saved game when the resume question is
// dismissed (Esc, close box), and a damaged file it promised to keep when no backup name
// is free. Quitting afterwards, with or without a game on the board, touches neither.
TEST(Resume, AFileLeftForLaterIsNeitherReplacedNorRemoved) {
    struct Case {
        const char* what;
        bool damaged;
        int answer; // to "Letztes Spiel fortsetzen?"
    } cases[] = {
        {"question dismissed", false, 0},
        {"damaged, every backup name taken", true, 1},
    };
    for (const Case& c : cases) {
        for (const bool playedMeanwhile : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.what << (playedMeanwhile ? ", played" : ""));
            TestWorld w;
            ScriptedPlatform& p = w.platform;
            startGame(w.g(), false, 0);
            keepGameInProgress(w.g());
            releaseGameInProgress(w.g());
            QByteArray bytes = readRaw(p, kFile);
            if (c.damaged) {
                bytes[600] = char(bytes[600] ^ 0x11);
                writeRaw(p, kFile, bytes);
                for (int n = 1; n <= kBackupNames; ++n)
                    writeRaw(p, backupFileName(kFile, n), "older");
            }
            Game next(p, w.canvas);
            p.answers = {c.answer};
            EXPECT_FALSE(offerResume(next));
            if (c.damaged) {
                ASSERT_EQ(p.messages.size(), 1u);
                EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("bleibt, wie sie ist")));
            }
            if (playedMeanwhile) {
                startGame(next, false, 0);
                next.state.board.cellValue(3, 2, 2) = 4;
                p.time += 5;
                noteGameChanged(next);
            }
            keepGameInProgress(next); // "Spiel beenden?" JA
            EXPECT_EQ(readRaw(p, kFile), bytes);
            EXPECT_EQ(readRaw(p, backupFileName(kFile, 1)), c.damaged ? "older" : "");
            if (c.damaged) continue;
            releaseGameInProgress(next);
            Game third(p, w.canvas);
            p.answers = {1};
            EXPECT_TRUE(offerResume(third)) << "offered again at the next start";
        }
    }
}

// The error count stops at 32,767 instead of turning negative, on screen and in the file.
TEST(Resume, TheErrorCountStopsAtItsLargestValue) {
    TestWorld w;
    Game& g = w.g();
    startGame(g, false, 0);
    g.state.board.status.errorCount = 32767;
    keepGameInProgress(g);
    releaseGameInProgress(g);
    Game next(w.platform, w.canvas);
    w.platform.answers = {1};
    ASSERT_TRUE(offerResume(next));
    next.state.board.solutionValue(3, 4, 4) = 2;
    next.state.board.cellValue(3, 4, 4) = 6; // a wrong entry
    next.state.board.activeGrid = 3;
    enterCellValue(next, 4, 4, 6);
    EXPECT_EQ(next.state.board.status.errorCount, 32767);
    keepGameInProgress(next);
    EXPECT_EQ(fileGame(w.platform).board.status.errorCount, 32767);
}
