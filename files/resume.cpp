// The game-in-progress file "spielstand.qnt": written atomically through the platform (at
// most once a second while playing, always on leaving through the quit question), removed
// when the game is solved or the board cleared, and offered back at start.
// Called by the play loop, the quit question, "Brett löschen" and the start-up command
// (app/menu.cpp resumeGame).
#include "files/resume.h"

#include "session/game.h"
#include "files/gamestate.h"

#include <QFileInfo>
#include <QLockFile>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

// A game file is some 6.5 KB; anything far larger is no such file.
constexpr qint64 kReadLimit = 64 * 1024;
// Writes while playing are at least this far apart, in seconds.
constexpr double kWriteInterval = 1.0;
// While the clock runs, the time played is written this often too, in seconds, so that a
// program killed while the player thinks loses at most this much of it.
constexpr double kClockWriteInterval = 10.0;
// One game at a time keeps the folder's game in progress: it holds this lock for its run.
const QString kLockName = QStringLiteral("spielstand.qnt.lock");

SavedGame currentGame(Game& g) {
    SavedGame game;
    game.board = g.state.board;
    game.difficulty = static_cast<int>(g.state.difficulty);
    game.origin = g.state.origin;
    game.resultLevel = g.state.resultLevel;
    game.hintUsed = g.state.hintUsed;
    game.timed = g.state.clock.clockRunning;
    if (game.timed) {
        // A paused game has been played up to the start of its pause.
        const double now = g.platform.now();
        std::lock_guard<std::mutex> lock(g.state.clock.mutex);
        game.timePlayed =
            (g.state.clock.paused ? g.state.clock.pausedAt : now) - g.state.clock.startTime;
    }
    return game;
}

// The part of the file that changes with the board (the time played left out).
std::vector<std::uint8_t> boardImage(Game& g) {
    SavedGame game = currentGame(g);
    game.timePlayed = 0;
    return encodeSavedGame(game);
}

bool writeGame(Game& g, bool reportFailure) {
    GameInProgressState& state = g.state.gameInProgress;
    const std::vector<std::uint8_t> image = encodeSavedGame(currentGame(g));
    const WriteResult written = g.platform.writeFile(
        gameInProgressFileName(),
        QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())));
    state.lastWrite = state.timeWrittenAt = g.platform.now();
    if (written.ok) {
        state.lastImage = boardImage(g);
        state.failureShown = false;
        return true;
    }
    // Said once, not after every move while the disk stays full.
    if (reportFailure || !state.failureShown)
        g.platform.warning(
            FileTexts::tr("Der Spielstand konnte nicht in „%1“ gespeichert werden.\n%2")
                .arg(gameInProgressFileName(), written.error));
    state.failureShown = true;
    return false;
}

// Moves a file that cannot be resumed out of the way, so the next write keeps it.
QString keepAside(Game& g) {
    QString aside;
    return g.platform.moveAside(gameInProgressFileName(), aside).ok ? aside : QString();
}

void refuse(Game& g, const QString& problem) {
    const QString aside = keepAside(g);
    // A file left in place is kept as promised: this run neither replaces nor removes it.
    if (aside.isEmpty()) g.state.gameInProgress.handsOff = true;
    g.platform.warning(QStringLiteral("%1\n%2").arg(
        problem, aside.isEmpty() ? FileTexts::tr("Die Datei bleibt, wie sie ist. Solange sie dort "
                                                 "liegt, wird kein Spielstand gespeichert.")
                                 : FileTexts::tr("Sie wurde als „%1“ aufbewahrt.").arg(aside)));
}

// Writes the game once the second since the last write is over (one call at a time).
void scheduleWrite(Game& g, double seconds) {
    GameInProgressState& state = g.state.gameInProgress;
    if (state.writeScheduled) return;
    state.writeScheduled = true;
    const std::weak_ptr<int> alive = state.alive;
    g.platform.callLater(static_cast<int>(std::ceil(seconds * 1000.0)), [&g, alive] {
        if (alive.expired()) return; // the game has ended meanwhile
        g.state.gameInProgress.writeScheduled = false;
        noteGameChanged(g);
    });
}

// The next write of the time played, kClockWriteInterval after the last write (one call
// at a time); it ends when the clock stops.
void scheduleClockWrite(Game& g) {
    GameInProgressState& state = g.state.gameInProgress;
    if (state.clockWriteScheduled) return;
    state.clockWriteScheduled = true;
    const std::weak_ptr<int> alive = state.alive;
    const double wait = std::max(1.0, state.timeWrittenAt + kClockWriteInterval - g.platform.now());
    g.platform.callLater(static_cast<int>(std::ceil(wait * 1000.0)), [&g, alive] {
        if (alive.expired()) return;
        g.state.gameInProgress.clockWriteScheduled = false;
        noteGameChanged(g);
    });
}

// The clock runs (not paused): the time played goes on changing the file.
bool clockCounting(const Game& g) {
    return g.state.clock.clockRunning && !g.state.clock.paused;
}

} // namespace

QString gameInProgressFileName() {
    return QStringLiteral("spielstand.qnt");
}

bool claimGameInProgress(Game& g) {
    GameInProgressState& state = g.state.gameInProgress;
    if (state.handsOff) return false;
    if (state.claimed) return true;
    state.claimed = true;
    const QString path = g.platform.filePath(kLockName);
    // Something that is no lock file (a folder, say) cannot be locked: play on without.
    const QFileInfo info(path);
    if ((info.exists() || info.isSymLink()) && !info.isFile()) return true;
    auto lock = std::make_shared<QLockFile>(path);
    lock->setStaleLockTime(0); // held for a whole run: stale only once its game is gone
    if (lock->tryLock(0)) {
        state.lock = std::move(lock);
        return true;
    }
    // A folder where no lock file can be made: the writes report their own reason.
    if (lock->error() != QLockFile::LockFailedError) return true;
    state.handsOff = true;
    g.platform.warning(
        FileTexts::tr("In diesem Ordner läuft schon ein anderes Quintor-Spiel, das seinen "
                      "Spielstand in „%1“ aufbewahrt.\nDieses Spiel wird ohne Spielstand "
                      "gespielt: Es wird beim Beenden nicht aufbewahrt, und der Spielstand "
                      "des anderen Spiels bleibt unberührt.")
            .arg(gameInProgressFileName()));
    return false;
}

void releaseGameInProgress(Game& g) {
    GameInProgressState& state = g.state.gameInProgress;
    state.lock.reset();
    state.claimed = false;
    // A write still waiting for its second belongs to the game released: it must not claim
    // the file again from under the game that takes it next.
    state.alive = std::make_shared<int>(0);
    state.writeScheduled = false;
    state.clockWriteScheduled = false;
}

void noteGameChanged(Game& g) {
    GameInProgressState& state = g.state.gameInProgress;
    if (state.handsOff) return;
    if (!holdsGameInProgress(g.state.board)) {
        if (!state.lastImage.empty() || g.platform.fileExists(gameInProgressFileName()))
            forgetGameInProgress(g);
        return;
    }
    const double wait = state.lastWrite + kWriteInterval - g.platform.now();
    // A write waiting for its second will look at the board then.
    if (wait > 0 && state.writeScheduled) return;
    // The time played is due again, whether the board changed or not.
    const bool timeDue =
        clockCounting(g) && g.platform.now() - state.timeWrittenAt >= kClockWriteInterval - 0.05;
    if (timeDue || boardImage(g) != state.lastImage) {
        if (wait > 0) {
            // Not twice within a second, but never more than a second late either.
            scheduleWrite(g, wait);
            return;
        }
        if (claimGameInProgress(g)) writeGame(g, false);
    }
    if (clockCounting(g)) scheduleClockWrite(g);
}

void keepGameInProgress(Game& g) {
    if (!holdsGameInProgress(g.state.board)) {
        forgetGameInProgress(g);
        return;
    }
    if (claimGameInProgress(g)) writeGame(g, true);
}

void keepGameInProgressAtExit(Game& g) {
    GameInProgressState& state = g.state.gameInProgress;
    if (state.handsOff || !state.claimed) return;
    if (!holdsGameInProgress(g.state.board)) {
        forgetGameInProgress(g);
        return;
    }
    state.failureShown = true; // nobody is there to read a message
    writeGame(g, false);
}

void forgetGameInProgress(Game& g) {
    g.state.gameInProgress.lastImage.clear();
    if (!claimGameInProgress(g)) return;
    g.platform.removeFile(gameInProgressFileName());
}

bool offerResume(Game& g) {
    const QString name = gameInProgressFileName();
    if (!g.platform.fileExists(name)) return false;
    if (!claimGameInProgress(g)) return false; // another game's file
    const ReadResult bytes = g.platform.readFile(name, kReadLimit);
    if (!bytes) {
        refuse(g, FileTexts::tr("Der Spielstand „%1“ kann nicht gelesen werden.\n%2")
                      .arg(name, bytes.error));
        return false;
    }
    SavedGame game;
    switch (decodeSavedGame(reinterpret_cast<const std::uint8_t*>(bytes->constData()),
                            std::size_t(bytes->size()), game)) {
    case SavedGameError::None:
        break;
    case SavedGameError::FutureVersion:
        refuse(g, FileTexts::tr("Der Spielstand „%1“ stammt von einer neueren Version des "
                                "Spiels und kann nicht fortgesetzt werden.")
                      .arg(name));
        return false;
    case SavedGameError::Foreign:
    case SavedGameError::Damaged:
        refuse(g, FileTexts::tr("Der Spielstand „%1“ ist beschädigt oder kein Spielstand "
                                "dieses Spiels.")
                      .arg(name));
        return false;
    }
    if (!holdsGameInProgress(game.board)) {
        forgetGameInProgress(g);
        return false;
    }
    switch (g.platform.deliberateMessageBox(FileTexts::tr("Letztes Spiel fortsetzen?"),
                                            FileTexts::tr("&JA|&NEIN"), 1, MessageIcon::Question)) {
    case 1:
        break;
    case 2: // only NEIN gives the game up
        forgetGameInProgress(g);
        return false;
    default: // Esc or the close box: the game waits for the next start, untouched
        g.state.gameInProgress.handsOff = true;
        return false;
    }
    Board& b = g.state.board;
    b.cellValue = game.board.cellValue;
    b.givenValue = game.board.givenValue;
    b.solutionValue = game.board.solutionValue;
    b.noteFlag = game.board.noteFlag;
    b.status.errorCount = game.board.status.errorCount;
    b.options.showDigits = game.board.options.showDigits;
    b.options.showCandidates = game.board.options.showCandidates;
    b.options.symmetricPuzzle = game.board.options.symmetricPuzzle;
    syncSharedBoxes(b); // the mirror copies show what their masters hold
    g.state.difficulty = static_cast<Difficulty>(game.difficulty);
    g.state.origin = game.origin;
    g.state.resultLevel = game.resultLevel;
    g.state.hintUsed = game.hintUsed;
    g.state.clock.finishingGame = false;
    {
        std::lock_guard<std::mutex> lock(g.state.clock.mutex);
        // The clock goes on from the time played.
        g.state.clock.startTime = g.platform.now() - game.timePlayed;
        g.state.clock.lastTick = -1;
        g.state.clock.finishTime.assign(1, 'X');
    }
    g.state.clock.clockRunning = game.timed;
    // The file holds this very game: the next write waits for the first change.
    g.state.gameInProgress.lastImage = boardImage(g);
    // The file holds the time played as of now.
    g.state.gameInProgress.timeWrittenAt = g.platform.now();
    return true;
}
