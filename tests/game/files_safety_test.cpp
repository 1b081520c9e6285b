// Files under adverse conditions: a writer failing at each stage, a really full disk,
// readers handed pipes, devices and huge files, two games saving the hall of fame, and
// unreadable or damaged files kept aside instead of overwritten.
#include "files/boardfile.h"
#include "halloffame/parts.h"
#include "session/game.h"
#include "halloffame/halloffame.h"
#include "halloffame/savelock.h"
#include "platform/fileio.h"
#include "support/scripted_platform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray readRaw(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A game that has just finished a timed game in `time` and enters it as `name`.
void enterTime(Game& g, ScriptedPlatform& p, const std::string& time, const QString& name) {
    p.onModal = [name](QWidget* form) {
        if (form->objectName() == QStringLiteral("champ")) {
            form->findChild<QLineEdit*>(QStringLiteral("ed1"))->setText(name);
            form->findChild<QPushButton*>(QStringLiteral("cmd5"))->click();
        } else {
            form->findChild<QPushButton*>(QStringLiteral("cmd3"))->click();
        }
    };
    g.state.clock.finishTime = time;
    enterHallOfFame(g);
}

bool hasGermanReason(const QString& text) {
    return text.contains(QStringLiteral("kein Platz mehr frei")) && !text.contains("No space");
}

} // namespace

TEST(FileSafety, AWriterFailingAtAnyStageKeepsTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("brett.qnt"));
    writeRaw(path, "old contents");
    ::chmod(QFile::encodeName(path).constData(), 0640);
    for (WriteStage stage :
         {WriteStage::Create, WriteStage::Write, WriteStage::Flush, WriteStage::Rename}) {
        SCOPED_TRACE(int(stage));
        const WriteResult result =
            writeFileAtomically(path, QByteArray(16 * 1024, 'n'), WriteFault{stage, ENOSPC});
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei."));
        EXPECT_EQ(readRaw(path), QByteArray("old contents"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"brett.qnt"});
    }
    ASSERT_TRUE(writeFileAtomically(path, "new").ok);
    EXPECT_EQ(readRaw(path), QByteArray("new"));
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u) << "the new file keeps the old one's permissions";
    EXPECT_EQ(writeFileAtomically(QDir(dir.path()).filePath("fehlt/x"), "x").error,
              QStringLiteral("Die Datei oder ihr Ordner existiert nicht."));
}

// Pipes, devices, folders and files far larger than their format are refused at once.
TEST(FileSafety, ReadersRefuseWhatNoGameFileCanBe) {
    TestWorld w;
    ScriptedPlatform& p = w.platform;
    Game& g = w.g();
    const QString brett = QStringLiteral("brett.qnt");
    struct Case {
        const char* what;
        std::function<void()> make;
        const char* reason;
    } cases[] = {
        {"pipe", [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(p.path(brett)), 0600), 0); }, "Pipe"},
        {"link to /dev/zero", [&] { QFile::link(QStringLiteral("/dev/zero"), p.path(brett)); },
         "Gerät"},
        {"folder", [&] { QDir(p.workDir.path()).mkdir(brett); }, "Ordner"},
        {"1 GiB file",
         [&] {
             QFile big(p.path(brett));
             ASSERT_TRUE(big.open(QIODevice::WriteOnly));
             ASSERT_TRUE(big.resize(qint64(1) << 30)); // sparse: costs no disk space
         },
         "größer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.make();
        g.state.boardFileName = brett;
        p.messages.clear();
        EXPECT_FALSE(loadBoardRecord(g, 0));
        ASSERT_EQ(p.messages.size(), 1u);
        EXPECT_TRUE(p.messages[0].text.contains(QString::fromUtf8(c.reason)))
            << p.messages[0].text.toStdString();
        EXPECT_FALSE(saveBoardRecord(g, 0)); // nothing is written over it either
        // The same file as the hall of fame.
        ASSERT_EQ(
            std::rename(QFile::encodeName(p.path(brett)).constData(),
                        QFile::encodeName(p.path(QStringLiteral("Champions.Rhm"))).constData()),
            0);
        p.messages.clear();
        loadHallOfFame(g);
        ASSERT_EQ(p.messages.size(), 1u);
        EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("kann nicht gelesen werden")));
        EXPECT_TRUE(p.messages[0].text.contains(QString::fromUtf8(c.reason)));
        QDir(p.workDir.path()).removeRecursively();
        QDir().mkpath(p.workDir.path());
    }
}

// Two running games each enter a time: both entries stand in the file.
TEST(FileSafety, TwoGamesSavingTheHallOfFameKeepBothEntries) {
    TestWorld w;
    ScriptedPlatform& p = w.platform;
    Game& first = w.g();
    Game second(p, w.canvas);
    loadHallOfFame(first);
    loadHallOfFame(second);
    enterTime(first, p, "00:20:00.0", QStringLiteral("Erste"));
    enterTime(second, p, "00:10:00.0", QStringLiteral("Zweite"));
    enterTime(first, p, "00:30:00.0", QStringLiteral("Dritte"));
    loadHallOfFame(second);
    const auto& names = hallOfFame(second).hallOfFameName[0];
    EXPECT_EQ(names[1], "Zweite");
    EXPECT_EQ(names[2], "Erste");
    EXPECT_EQ(names[3], "Dritte");
    EXPECT_EQ(hallOfFame(first).hallOfFameName[0], names) << "the lists on screen show the merge";
    // Emptying a list in one game removes what it showed, not what it never saw.
    clearHallOfFameList(hallOfFame(first), 0);
    saveHallOfFame(first);
    loadHallOfFame(second);
    EXPECT_EQ(hallOfFame(second).hallOfFameTime[0][1], "9");
    EXPECT_TRUE(p.messages.empty());
}

// The file vanishes or is replaced while the game runs: the next entry is saved together
// with every entry the game loaded and every entry the file holds now.
TEST(FileSafety, AVanishedOrReplacedHallOfFameLosesNoEntryOfEitherSide) {
    struct Case {
        const char* what;
        std::function<void(ScriptedPlatform&)> meanwhile;
        std::vector<std::string> names; // list Leicht afterwards, best first
    } cases[] = {
        {"removed",
         [](ScriptedPlatform& p) { QFile::remove(p.path("Champions.Rhm")); },
         {"Anna", "Bert", "Neu"}},
        {"replaced",
         [](ScriptedPlatform& p) {
             HallOfFame other;
             clearHallOfFame(other);
             other.hallOfFameName[0][1] = "Fremd";
             other.hallOfFameTime[0][1] = "00:03:00.0";
             const std::vector<unsigned char> image = encodeHallOfFame(other);
             writeRaw(
                 p.path("Champions.Rhm"),
                 QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())));
         },
         {"Anna", "Fremd", "Bert", "Neu"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestWorld w;
        ScriptedPlatform& p = w.platform;
        Game& g = w.g();
        loadHallOfFame(g);
        enterTime(g, p, "00:02:00.0", QStringLiteral("Anna"));
        enterTime(g, p, "00:04:00.0", QStringLiteral("Bert"));
        Game restarted(p, w.canvas); // a later start of the game reads both entries
        loadHallOfFame(restarted);
        c.meanwhile(p);
        enterTime(restarted, p, "00:05:00.0", QStringLiteral("Neu"));
        Game reader(p, w.canvas);
        loadHallOfFame(reader);
        for (std::size_t i = 0; i < c.names.size(); ++i)
            EXPECT_EQ(hallOfFame(reader).hallOfFameName[0][i + 1], c.names[i]) << i;
        EXPECT_EQ(hallOfFame(reader).hallOfFameTime[0][c.names.size() + 1], "9");
        EXPECT_TRUE(p.messages.empty());
    }
}

// An unreadable file is moved aside before the next entry is written, and an older
// backup is never replaced: a damaged file loaded twice is kept once, under a new name.
TEST(FileSafety, UnreadableOrDamagedHallOfFameIsKeptAsideNeverOverBackups) {
    TestWorld w;
    ScriptedPlatform& p = w.platform;
    Game& g = w.g();
    writeRaw(p.path("Champions.Rhm.bak"), "older backup");
    ASSERT_EQ(::mkfifo(QFile::encodeName(p.path("Champions.Rhm")), 0600), 0);
    loadHallOfFame(g);
    ASSERT_EQ(p.messages.size(), 1u);
    p.messages.clear();
    enterTime(g, p, "00:05:00.0", QStringLiteral("Anna"));
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("„Champions.Rhm.bak2“")));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(p.path("Champions.Rhm.bak2")).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(readRaw(p.path("Champions.Rhm.bak")), QByteArray("older backup"));
    EXPECT_TRUE(readRaw(p.path("Champions.Rhm")).startsWith("Anna\r\n"));

    const QByteArray damaged = "Bert\r\nkaputt\r\n";
    writeRaw(p.path("Champions.Rhm"), damaged);
    for (int run = 0; run < 2; ++run) {
        p.messages.clear();
        loadHallOfFame(g);
        ASSERT_EQ(p.messages.size(), 1u);
        EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("„Champions.Rhm.bak3“")))
            << p.messages[0].text.toStdString();
    }
    EXPECT_EQ(readRaw(p.path("Champions.Rhm.bak3")), damaged);
    EXPECT_FALSE(p.fileExists(QStringLiteral("Champions.Rhm.bak4")));
    p.messages.clear();
    enterTime(g, p, "00:06:00.0", QStringLiteral("Carl")); // the copy exists: no second one
    EXPECT_TRUE(p.messages.empty());
    EXPECT_FALSE(p.fileExists(QStringLiteral("Champions.Rhm.bak4")));
}

// On a really full file system (a small tmpfs; needs root), every write fails with a
// German reason and leaves the old files whole.
TEST(FileSafety, AReallyFullDiskLosesNothing) {
    TestWorld w;
    ScriptedPlatform& p = w.platform;
    Game& g = w.g();
    const QByteArray dir = QFile::encodeName(p.workDir.path());
    if (::geteuid() != 0 || ::mount("tmpfs", dir.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a full file system needs root to mount a small tmpfs";
    struct Unmount {
        QByteArray dir;
        ~Unmount() { ::umount2(dir.constData(), MNT_DETACH); }
    } unmount{dir};

    loadHallOfFame(g);
    enterTime(g, p, "00:05:00.0", QStringLiteral("Anna"));
    g.state.boardFileName = QStringLiteral("brett.qnt");
    g.state.board.cellValue(1, 2, 3) = 4;
    ASSERT_TRUE(saveBoardRecord(g, 0));
    const QByteArray hall = readRaw(p.path("Champions.Rhm"));
    ASSERT_TRUE(hall.startsWith("Anna\r\n"));
    const QByteArray brett = readRaw(p.path("brett.qnt"));
    ASSERT_EQ(brett.size(), 28000);
    ASSERT_TRUE(p.messages.empty());
    { // fill the disk to the last byte
        QFile filler(p.path("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(1024, 'f');
        while (filler.write(block) == block.size()) {
        }
        filler.write("f", 1);
    }

    g.state.board.cellValue(1, 2, 3) = 5;
    EXPECT_FALSE(saveBoardRecord(g, 1));
    enterTime(g, p, "00:04:00.0", QStringLiteral("Bert"));
    clearHallOfFameList(hallOfFame(g), 0);
    saveHallOfFame(g);
    EXPECT_EQ(readRaw(p.path("Champions.Rhm")), hall);
    writeRaw(p.path("Champions.Rhm"), "damaged\r\n"); // overwrites in place: fits the page
    loadHallOfFame(g); // its backup cannot be written: said so, original stays
    QString said;
    for (const auto& m : p.messages) said += m.text + QStringLiteral(" | ");
    ASSERT_EQ(p.messages.size(), 4u) << said.toStdString();
    for (const auto& m : p.messages) EXPECT_TRUE(hasGermanReason(m.text)) << m.text.toStdString();
    EXPECT_EQ(readRaw(p.path("brett.qnt")), brett);
    EXPECT_EQ(readRaw(p.path("Champions.Rhm")), QByteArray("damaged\r\n"));
    EXPECT_FALSE(p.fileExists(QStringLiteral("Champions.Rhm.bak")));
}

// What a kill in the middle of a save left behind goes at the next start: temporary files
// of a writer that is gone or of an hour ago. A running writer's file, other files and a
// folder of such a name stay.
TEST(FileSafety, StaleTemporaryFilesOfAKilledSaveAreRemoved) {
    QTemporaryDir dir;
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ASSERT_GT(dead, 0);
    ASSERT_EQ(::waitpid(dead, nullptr, 0), dead);
    const QString own = QString::number(::getpid()), gone = QString::number(dead);
    struct Case {
        QString name;
        bool old, folder, stays;
    } cases[] = {
        {"brett.qnt.tmp" + gone + ".1", false, false, false},
        {"Champions.Rhm.tmp" + own + ".2", false, false, true},
        {"spielstand.qnt.tmp" + own + ".3", true, false, false},
        {"brett.qnt", true, false, true},
        {"notizen.tmp", true, false, true},
        {"brett.qnt.tmp" + gone + ".x", true, false, true},
        {"ordner.tmp" + gone + ".4", false, true, true},
    };
    for (const Case& c : cases) {
        const QString path = QDir(dir.path()).filePath(c.name);
        if (c.folder) {
            ASSERT_TRUE(QDir(dir.path()).mkdir(c.name));
            continue;
        }
        writeRaw(path, "x");
        if (c.old) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-2 * 3600),
                                         QFileDevice::FileModificationTime));
        }
    }
    EXPECT_EQ(removeStaleTemporaryFiles(dir.path()), 2);
    for (const Case& c : cases)
        EXPECT_EQ(QFileInfo::exists(QDir(dir.path()).filePath(c.name)), c.stays)
            << c.name.toStdString();
}

// A folder of the lock's name is no other game saving: the entry is saved at once and the
// player is told what is in the way.
TEST(FileSafety, AFolderNamedLikeTheLockIsNamedNotWaitedOn) {
    TestWorld w;
    ScriptedPlatform& p = w.platform;
    ASSERT_TRUE(QDir(p.workDir.path()).mkdir(QStringLiteral("Champions.Rhm.lock")));
    loadHallOfFame(w.g());
    enterTime(w.g(), p, "00:05:00.0", QStringLiteral("Anna"));
    EXPECT_TRUE(readRaw(p.path("Champions.Rhm")).startsWith("Anna\r\n"));
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("ein Ordner")))
        << p.messages[0].text.toStdString();
    EXPECT_FALSE(p.messages[0].text.contains(QStringLiteral("anderes Spiel")));
}

// The save lock of the results files: free, it is taken; held by another game's lock it
// reports that (and the save waits for the next time); a folder of its name is no lock.
TEST(FileSafety, TheSaveLockTellsFreeHeldAndNotAFileApart) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Statistik.txt.lock"));
    {
        const SaveLock first(path, 0);
        EXPECT_EQ(first.outcome(), SaveLock::Outcome::Held);
        EXPECT_TRUE(QFileInfo::exists(path));
        const SaveLock second(path, 0);
        EXPECT_EQ(second.outcome(), SaveLock::Outcome::HeldByOther);
    }
    EXPECT_FALSE(QFileInfo::exists(path)); // released with its owner
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Statistik.txt.lock")));
    const SaveLock folder(path, 0);
    EXPECT_EQ(folder.outcome(), SaveLock::Outcome::NotAFile);
    EXPECT_TRUE(folder.isFolder());
}
